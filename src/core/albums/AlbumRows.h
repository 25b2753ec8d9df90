// What the album grid shows of an album, and the CSV form of the grid's rows.
#pragma once

#include "AlbumList.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

struct AlbumCells {
    QString name;
    QString count;  // "未知" or "%4u"
    QString remark;
};

constexpr int kShownNameLength = 80;

// Shortens the album's name in the list to 80 characters and gives the cells of its list-view row;
// nothing when the filter is set and the name does not contain it, or the index is gone.
std::optional<AlbumCells> PrepareAlbumRow(AlbumList& albums, int index, const QString& filter);

// The picture count and remark texts of the list view.
QString PictureCountText(int count);
QString RemarkText(int remark);

// One CSV line of the grid: per cell, "'" removed, "\"" doubled, "," as "','", then ","; in code
// page 936 with CR LF.
QByteArray CsvLine(const QStringList& cells);
