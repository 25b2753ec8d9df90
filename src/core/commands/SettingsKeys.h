// The current site's settings as KEY=VALUE lines, and changes given in that form (the command
// line's "settings" command).
#pragma once

#include "settings/SoftData.h"

#include <QString>
#include <QStringList>

// One line per key, in a fixed order: the four download parameters, the six naming texts, the two
// sources, the flags word and every option flag as 0 or 1.
QStringList DescribeSettings(const ST_SOFTDATA& data, int site);

// Every key DescribeSettings writes that can be set.
QStringList SettingKeys();

// Applies one "KEY=VALUE" to the site's slot. False with a message for an unknown key or a value
// the settings dialogs would refuse (thread count 1 to 15, time-out 10 or more, sizes 0 to 65535,
// sources 0 to 2 and 0 to 1). Texts longer than 38 characters are cut, as the dialog does.
bool ApplySetting(ST_SOFTDATA& data, int site, const QString& assignment, QString* error);
