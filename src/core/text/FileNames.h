// The file-name cleaner that picture names, album names, album folders and list folder names pass
// through, and the time name that stands in for a name that cleans to nothing.
#pragma once

#include <QDateTime>
#include <QString>

// n value that makes the fallback use the time name instead of "pic%d".
constexpr int kTimeNameFallback = 0xFFFF;

// Makes the text fit to be a file or folder name: entities decoded, blanks collapsed and trimmed,
// a dots-only name turned into "。", forbidden characters removed, TABs to "_", dots trimmed.
// With fallback, an empty result (or one of 1000 characters or more) becomes the time name when n
// is kTimeNameFallback, else "pic<n>".
void CleanFileName(QString& text, int n, bool fallback);

// The local time as fourteen digits "%Y%m%d%H%M%S"; empty for an invalid time.
QString TimeName(const QDateTime& localTime);
