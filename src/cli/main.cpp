// vantrel-cli: the engine without a window. The working directory is the program directory.
#include "SettingsCommand.h"
#include "session/StartupRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {
int Usage() {
    QTextStream(stderr) << "usage:\n"
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
    if (command == QLatin1String("settings"))
        return RunSettingsCommand(programDir, args.mid(1));
    return Usage();
}
