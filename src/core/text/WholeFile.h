// Writing a file whole: to a temporary file beside it, then renamed over it, so a crash or a full disk
// never leaves a torn file and a failure never touches the file that was there.
#pragma once

#include <QByteArray>
#include <QString>

// False (and the old file as it was) when the bytes could not all be written.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
