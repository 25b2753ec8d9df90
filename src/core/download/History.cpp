#include "DownProc.h"
#include "text/WholeFile.h"

#include <QFile>

QString ReadHistory(const QString& folder) {
    QFile file(folder + QStringLiteral("pic.wmz"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.read(64 * 1024);
    QString line = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    const qsizetype lf = line.indexOf(u'\n');
    if (lf >= 0)
        line.truncate(lf);
    return line;
}

void WriteHistory(const ST_DOWNJOB& job) {
    if (job.addresses.isEmpty())
        return;
    const QString& first = job.addresses.first();
    WriteWholeFile(job.folder + QStringLiteral("pic.wmz"),
                   QByteArray(reinterpret_cast<const char*>(first.utf16()), first.size() * 2));
}

void AppendNameLine(const QString& folder, const QString& albumName, const QString& nameText, int picturesInJob) {
    QFile file(folder + albumName + QStringLiteral(".txt"));
    const bool first = picturesInJob < 2;
    if (!file.open(first ? (QIODevice::WriteOnly | QIODevice::Truncate) : (QIODevice::WriteOnly | QIODevice::Append)))
        return;
    QByteArray bytes = first ? QByteArray("\xFF\xFE") : QByteArray();
    const QString line = nameText + QStringLiteral("\r\n");
    bytes.append(reinterpret_cast<const char*>(line.utf16()), line.size() * 2);
    file.write(bytes);
}
