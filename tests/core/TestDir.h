// A temporary directory for one test, removed afterwards; paths end with "/".
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct TestDir {
    QTemporaryDir dir;
    QString path(const QString& name = QString()) const { return dir.path() + u'/' + name; }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
