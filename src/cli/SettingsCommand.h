#pragma once

#include <QStringList>

// vantrel-cli settings [KEY=VALUE...]: shows the current site's settings, or changes them and saves
// "soft.dat" in the program directory. Returns the exit status.
int RunSettingsCommand(const QString& programDir, const QStringList& assignments);
