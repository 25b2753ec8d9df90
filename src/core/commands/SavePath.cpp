#include "SavePath.h"

#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"

QString DroppedSavePath(QString path) {
    path.truncate(511);
    const qsizetype slash = path.lastIndexOf(u'/');
    if (path.lastIndexOf(u'.') > slash)
        path.truncate(std::max<qsizetype>(slash, 0)); // a file: its folder ("/" stays for the root)
    if (slash == 0 && path.isEmpty())
        path = QStringLiteral("/");
    if (path.isEmpty())
        return path;
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

void UseSavePath(VantrelState& state, WindowPort& port, const QString& path) {
    if (path.isEmpty())
        return;
    port.SetControlText(ctl::SavePathBox, path);
    state.Settings.Change([&](ST_SOFTDATA& data) {
        if (!PushRecent(data, RECENT_SAVE_PATHS, path))
            return false;
        port.AddRecentEntry(ctl::SavePathBox, path);
        return true;
    });
}
