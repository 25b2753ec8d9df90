#include "AlbumsCommand.h"

#include "TerminalPort.h"
#include "commands/GetAlbums.h"
#include "http/CookieJar.h"
#include "session/VantrelState.h"
#include "sites/SiteTable.h"

#include <QTextStream>

void PrepareCommandLineState(VantrelState& state, const QString& programDir) {
    state.ProgramDir = programDir;
    state.Settings.SetPath(programDir + QStringLiteral("soft.dat"));
    state.Settings.Load();
    LoadCookieJar(programDir);
    state.SiteNumber = kMarketplaceSite;
    state.Ready = 1;
}

bool FetchListForCommandLine(VantrelState& state, TerminalPort& port) {
    // As the Get Albums button does it, without a thread of its own.
    state.Albums.EmptyAlbums();
    state.ListFetchState = 1;
    state.ListPageKind = -1;
    FetchAlbumList(state, port);
    port.FinishLine();
    return !state.Albums.isEmpty();
}

int RunAlbumsCommand(const QString& programDir, const QString& address) {
    VantrelState state;
    PrepareCommandLineState(state, programDir);
    TerminalPort port(address, programDir);
    const bool found = FetchListForCommandLine(state, port);
    QTextStream out(stdout);
    int row = 0;
    for (const ST_PERLISTRECORD& album : state.Albums.snapshot()) {
        out << QString::asprintf("%04d", ++row) << '\t' << album.strName << '\t' << album.strAddress << '\t'
            << album.strCoverAddress << '\t' << album.nSales << '\n';
    }
    return found ? 0 : 1;
}
