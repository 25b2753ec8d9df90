// vantrel-cli: the engine without a window. The working directory is the program directory.
#include "AlbumsCommand.h"
#include "DownloadCommand.h"
#include "SettingsCommand.h"
#include "session/StartupRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {
int Usage() {
    QTextStream(stderr) << "usage:\n"
                           "  vantrel-cli albums ADDRESS\n"
                           "  vantrel-cli download ADDRESS [--pick ROWS] [--save-path DIR]\n"
                           "  vantrel-cli settings [KEY=VALUE...]\n";
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString programDir = WithTrailingSlash(QDir::currentPath());
    const QString command = args.first();
    if (command == QLatin1String("albums") && args.size() == 2)
        return RunAlbumsCommand(programDir, args[1]);
    if (command == QLatin1String("download"))
        return RunDownloadCommand(programDir, args.mid(1));
    if (command == QLatin1String("settings"))
        return RunSettingsCommand(programDir, args.mid(1));
    return Usage();
}
