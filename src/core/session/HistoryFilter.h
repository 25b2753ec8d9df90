// The typed-text filter of the history boxes.
#pragma once

#include <QString>
#include <QStringList>

// The history entries that contain the typed text in any letter case, lower-cased and each cut
// before the hide mark when it holds one, in entry order.
QStringList FilterHistoryEntries(const QStringList& entries, const QString& typed, const QString& hideMark);
