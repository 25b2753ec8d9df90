#include "FileTimes.h"

#include <QFile>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

void SetFileTimes(const QString& path, int64_t t) {
    if (t <= 0)
        return;
    const timespec times[2] = {{time_t(t), 0}, {time_t(t), 0}};
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

int64_t NowSeconds() {
    return int64_t(std::time(nullptr));
}
