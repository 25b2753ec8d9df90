// File times of pictures and folders.
#pragma once

#include <QString>

#include <cstdint>

// Sets the access and modification times of a file or folder to t (seconds since 1970, UTC); does
// nothing for t <= 0 or a path that cannot be opened. (Linux keeps no settable creation time.)
void SetFileTimes(const QString& path, int64_t t);

int64_t NowSeconds();
