#include "WholeFile.h"

#include <QSaveFile>

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so a full disk shows in the write itself: a buffered flush that fails inside
    // commit() is not reported there, and the short file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
