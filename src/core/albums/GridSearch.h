// The keyword search of the album grid, over its cells' texts.
#pragma once

#include <QList>
#include <QStringList>

// The first row after start (forward) or before it (backward, down to the first non-fixed row)
// with a cell that holds the keyword (or equals it, with wholeCell), hidden columns included; -1
// when none. rows holds every row of the grid, the fixed ones first.
int FindGridRow(const QList<QStringList>& rows, int fixedRows, int start, const QString& keyword, bool forward,
                bool ignoreCase, bool wholeCell);
