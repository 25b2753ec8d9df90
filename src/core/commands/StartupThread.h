// The second phase of start-up, on a thread of its own: the notice data, the window shown, the site
// selector filled, the address classified, the version checked.
#pragma once

#include "sites/NoticeComponent.h"

#include <QString>

#include <functional>

class WindowPort;
struct VantrelState;

// "版本号：" and the version number.
QString VersionText(const QString& versionNumber);

// Compares the newest version with the program's own as texts ("#" and what follows dropped). When
// it is greater: shows link 1030, tells the user, opens the update address, waits 3 s and ends the
// program (returns true). Otherwise fills the notice line 1031 and returns false.
bool CheckVersion(WindowPort& port, const NoticeData& notices, const std::function<void(int ms)>& sleep);

// The whole start-up thread body.
void RunStartupThread(VantrelState& state, WindowPort& port, const std::function<NoticeData()>& fetchNotices,
                      const std::function<void(int ms)>& sleep);
