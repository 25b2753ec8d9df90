// The rules of start-up that need no window: the clipboard address, the program directory, the
// temporary-place test and the save path shown first.
#pragma once

#include "settings/SoftData.h"

#include <QString>

// The clipboard text trimmed, when it then has 1 to 199 characters; else empty.
QString ClipboardAddress(const QString& clipboardText);

// The path with a "/" at its end.
QString WithTrailingSlash(const QString& path);

// True when the lower-cased program directory contains "/tmp/", "/temp/" or "/locals": the program
// then runs from a temporary place such as an unpacked archive.
bool IsTemporaryPlace(const QString& programDir);

// The folder "Kestrava/" in the documents folder, created when missing (a failure is ignored: the
// download pass reports a bad save path later).
QString MakeDocumentsSavePath(const QString& documentsDir);

// The save path shown at start: the first recent save path when there is one, else the documents
// folder's "Kestrava/" when the program runs from a temporary place, else the program directory.
QString InitialSavePath(const QString& programDir, const QString& documentsDir, const ST_SOFTDATA& settings);
