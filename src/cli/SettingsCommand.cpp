#include "SettingsCommand.h"

#include "commands/SettingsKeys.h"
#include "session/VantrelState.h"
#include "sites/SiteTable.h"

#include <QTextStream>

int RunSettingsCommand(const QString& programDir, const QStringList& assignments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    SettingsStore settings;
    settings.SetPath(programDir + QStringLiteral("soft.dat"));
    settings.Load();
    // Every list of this edition runs on the marketplace's slot.
    const int site = kMarketplaceSite;
    if (!assignments.isEmpty()) {
        ST_SOFTDATA changed = settings.Copy();
        for (const QString& assignment : assignments) {
            QString error;
            if (!ApplySetting(changed, site, assignment, &error)) {
                err << "message: " << error << Qt::endl;
                return 2; // nothing is saved
            }
        }
        settings.Change([&](ST_SOFTDATA& data) {
            data = changed;
            return true;
        });
    }
    for (const QString& line : DescribeSettings(settings.Copy(), site))
        out << line << '\n';
    return 0;
}
