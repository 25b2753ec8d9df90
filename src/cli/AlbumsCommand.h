#pragma once

#include <QString>

struct VantrelState;
class TerminalPort;

// Sets up the engine's state for a command-line run in the program directory: settings, cookies,
// site, ready.
void PrepareCommandLineState(VantrelState& state, const QString& programDir);

// Runs the list fetch for the address as Get Albums would; true when it found albums.
bool FetchListForCommandLine(VantrelState& state, TerminalPort& port);

// vantrel-cli albums ADDRESS: one line per album, "NNNN<TAB>name<TAB>address<TAB>cover<TAB>sales".
int RunAlbumsCommand(const QString& programDir, const QString& address);
