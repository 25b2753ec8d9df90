#pragma once

#include <QList>
#include <QString>

// "1,3,5-7" as album indices from 0 (rows count from 1); false for text that is no such list.
bool ParseRows(const QString& rows, int albumCount, QList<int>* albums);

// vantrel-cli download ADDRESS [--pick ROWS] [--save-path DIR]
int RunDownloadCommand(const QString& programDir, const QStringList& arguments);
