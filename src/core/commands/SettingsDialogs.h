// What the two settings dialogs check and store, without their widgets.
#pragma once

#include "settings/SoftData.h"

#include <QString>

struct DownSetInput {
    QString threads, timeout, minKB, maxKB;
};

// The edits as signed whole numbers (not a number: 0), kept in 16 bits; stored only when the thread
// count is 1 to 15 and the time-out 10 or more. False ("参数错误") leaves the slot as it was.
bool ApplyDownSetInput(ST_DOWNSET& slot, const DownSetInput& input);
DownSetInput DownSetToInput(const ST_DOWNSET& slot);

struct SaveSetInput {
    QString prefix, suffix, replace, replacement, folderPrefix, folderSuffix;
    int fileNameSource = 0;
    int folderSource = 0;
};

// Stores the six texts (each cut to 38 characters) and the two sources.
void ApplySaveSetInput(ST_SAVESET& slot, const SaveSetInput& input);
SaveSetInput SaveSetToInput(const ST_SAVESET& slot);

// The naming help of the file-name dialog.
QString NamingHelpText();
