#include "DownProc.h"

#include "session/WindowPort.h"

#include <QDir>
#include <QFileInfo>

bool CreateFolderTree(QString& path, WindowPort& port) {
    path = path.trimmed();
    if (!path.endsWith(u'/'))
        path += u'/';
    // Each level from the top: an existing file or folder of that name is taken as it is.
    for (qsizetype slash = path.indexOf(u'/', 1); slash > 0; slash = path.indexOf(u'/', slash + 1)) {
        const QString level = path.left(slash);
        if (QFileInfo::exists(level) || QDir().mkdir(level))
            continue;
        port.MessageBox(level, QString(), MessageButtons::Ok);
        return false;
    }
    return true;
}
