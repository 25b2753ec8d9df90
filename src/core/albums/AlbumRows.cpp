#include "AlbumRows.h"

#include "text/StringCtrl.h"

std::optional<AlbumCells> PrepareAlbumRow(AlbumList& albums, int index, const QString& filter) {
    ST_PERLISTRECORD album;
    const bool present = albums.update(index, [&](ST_PERLISTRECORD& record) {
        if (record.strName.size() > kShownNameLength)
            record.strName.truncate(kShownNameLength);
        album = record;
    });
    if (!present || (!filter.isEmpty() && !album.strName.contains(filter)))
        return std::nullopt;
    return AlbumCells{album.strName, PictureCountText(album.nPictureCount), RemarkText(album.nRemark)};
}

QString PictureCountText(int count) {
    return count == -1 ? QStringLiteral("未知") : QString::asprintf("%4u", unsigned(count));
}

QString RemarkText(int remark) {
    if (remark < 0)
        return QString::asprintf("%08u", unsigned(remark) & 0x7FFFFFFFu);
    if (remark & 1)
        return QStringLiteral("加密相册");
    if (remark & 2)
        return QStringLiteral("私密相册");
    if (remark & 4)
        return QStringLiteral("好友可见");
    return QString();
}

QByteArray CsvLine(const QStringList& cells) {
    QString line;
    for (QString cell : cells) {
        cell.remove(u'\'');
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        cell.replace(QStringLiteral(","), QStringLiteral("','"));
        line += cell + u',';
    }
    return UnicodeToGbk(line) + "\r\n";
}
