#include "DownProc.h"

#include "FileTimes.h"
#include "text/StringCtrl.h"

#include <QFile>

QString SignatureExtension(const QByteArray& firstBytes) {
    QByteArray b = firstBytes.left(7);
    b.append(QByteArray(7 - b.size(), '\0')); // a short file counts as padded with zeros
    const auto at = [&](int i) { return uint8_t(b[i]); };
    if (at(0) == 0xFF && at(1) == 0xD8)
        return QStringLiteral(".jpg");
    if (at(0) == 0x89 && at(1) == 'P')
        return QStringLiteral(".png");
    if (at(0) == 'G' && at(1) == 'I' && at(2) == 'F')
        return QStringLiteral(".gif");
    if (at(0) == 'B' && at(1) == 'M')
        return QStringLiteral(".bmp");
    if (at(0) == 0 && at(1) == 0) {
        if (at(3) == 0 && at(4) == 0 && (at(2) == 2 || at(2) == 16))
            return QStringLiteral(".tga");
        if (at(2) == 1 && at(3) == 0 && at(4) == 1)
            return QStringLiteral(".ico");
        if (at(2) == 2 && at(3) == 0 && at(4) == 1)
            return QStringLiteral(".cur");
    }
    if ((at(0) == 'M' && at(1) == 'M') || (at(0) == 'I' && at(1) == 'I'))
        return QStringLiteral(".tiff");
    return QString();
}

void FixOneFile(QString& path) {
    if (!QFile::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString extension = SignatureExtension(file.read(7));
    file.close();
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString stem = dot > slash ? path.left(dot) : path;
    const QString present = dot > slash ? path.mid(dot) : QString();
    const QString renamed = stem + (extension.isEmpty() ? present : extension);
    if (renamed == path)
        return;
    const QString old = path;
    path = renamed;
    // Never over an existing file, as a rename to a taken name fails.
    if (!QFile::exists(renamed))
        QFile::rename(old, renamed);
}

void FixAlbumFormats(ST_DOWNJOB& job) {
    for (QString& name : job.names) {
        const bool full = name.startsWith(u'/');
        QString path = full ? name : job.folder + name;
        FixOneFile(path);
        name = full ? path : path.mid(path.lastIndexOf(u'/') + 1);
    }
}

void FixAlbumOrder(const ST_DOWNJOB& job) {
    int64_t t = NowSeconds();
    for (const QString& name : job.names) {
        SetFileTimes(name.startsWith(u'/') ? name : job.folder + name, t);
        t -= 60;
    }
}

void WriteAlbumListFile(const ST_DOWNJOB& job, const QString& albumName) {
    QFile file(job.folder + albumName + QStringLiteral(".lst"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QByteArray bytes;
    for (const QString& address : job.addresses)
        bytes += UnicodeToGbk(address) + "\r\n";
    file.write(bytes);
}
