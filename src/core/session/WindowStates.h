// The window's working states: idle, fetching the album list, downloading. Any thread; the controls
// change through the window port.
#pragma once

class WindowPort;
struct VantrelState;

void EnterFetchingState(VantrelState& state, WindowPort& port);
void LeaveFetchingState(VantrelState& state, WindowPort& port);
void EnterDownloadingState(VantrelState& state, WindowPort& port);
void LeaveDownloadingState(VantrelState& state, WindowPort& port);
