// The cookie file reader on arbitrary files, and the jar taking what it accepts.
#include "FuzzInput.h"
#include "http/CookieJar.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& line : ParseCookieFile(bytes)) {
        FUZZ_CHECK(line.split(u'\t').size() == 7);
        FUZZ_CHECK(!line.contains(u'\n'));
    }
    QFile file(dir.path() + QStringLiteral("/cookies.txt"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        file.close();
    }
    LoadCookieJar(dir.path() + u'/');
    AllCookieLines();
    SaveCookieJar();
    return 0;
}
