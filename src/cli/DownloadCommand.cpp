#include "DownloadCommand.h"

#include "AlbumsCommand.h"
#include "TerminalPort.h"
#include "commands/Download.h"
#include "session/VantrelState.h"

#include <QDir>
#include <QTextStream>

bool ParseRows(const QString& rows, int albumCount, QList<int>* albums) {
    albums->clear();
    for (const QString& part : rows.split(u',', Qt::SkipEmptyParts)) {
        const QStringList range = part.trimmed().split(u'-');
        bool okFirst = false, okLast = true;
        const int first = range.value(0).toInt(&okFirst);
        const int last = range.size() == 2 ? range[1].toInt(&okLast) : first;
        if (range.size() > 2 || !okFirst || !okLast || first < 1 || last < first)
            return false;
        for (int row = first; row <= std::min(last, albumCount); ++row) {
            if (!albums->contains(row - 1))
                albums->append(row - 1);
        }
    }
    std::sort(albums->begin(), albums->end()); // grid order
    return true;
}

int RunDownloadCommand(const QString& programDir, const QStringList& arguments) {
    QTextStream err(stderr);
    QString address, rows, savePath;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--pick") && i + 1 < arguments.size())
            rows = arguments[++i];
        else if (arguments[i] == QLatin1String("--save-path") && i + 1 < arguments.size())
            savePath = arguments[++i];
        else if (address.isEmpty() && !arguments[i].startsWith(QLatin1String("--")))
            address = arguments[i];
        else
            return err << "usage: vantrel-cli download ADDRESS [--pick ROWS] [--save-path DIR]\n", 2;
    }
    if (address.isEmpty())
        return err << "usage: vantrel-cli download ADDRESS [--pick ROWS] [--save-path DIR]\n", 2;

    VantrelState state;
    PrepareCommandLineState(state, programDir);
    if (savePath.isEmpty())
        savePath = RecentEntry(state.Settings.Copy(), RECENT_SAVE_PATHS, 0);
    if (savePath.isEmpty())
        savePath = programDir;
    else
        savePath = QDir(savePath).absolutePath();
    TerminalPort port(address, savePath);
    if (!FetchListForCommandLine(state, port))
        return 1;
    QList<int> picked;
    if (rows.isEmpty()) {
        for (int i = 0; i < state.Albums.size(); ++i)
            picked << i;
    } else if (!ParseRows(rows, state.Albums.size(), &picked)) {
        err << "vantrel-cli: --pick " << rows << ": rows as 1,3,5-7\n";
        return 2;
    }
    port.SetSelection(picked);
    state.DownloadState = 1;
    const int pictures = RunDownloadPass(state, port);
    port.FinishLine();
    return pictures > 0 ? 0 : 1;
}
