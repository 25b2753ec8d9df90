// The settings record loader and the extension ini reader on arbitrary files.
#include "FuzzInput.h"
#include "settings/ExtensionIni.h"
#include "settings/SoftData.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& name : {QStringLiteral("soft.dat"), kExtensionIniName}) {
        QFile file(dir.path() + u'/' + name);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(bytes);
    }
    ST_SOFTDATA record;
    FUZZ_CHECK(LoadSoftData(dir.path() + QStringLiteral("/soft.dat"), record));
    for (const ST_DOWNSET& down : record.downSets)
        FUZZ_CHECK(down.wThreads >= 1 && down.wThreads <= 15 && down.wTimeoutSec >= 10);
    for (int list = 0; list < 2; ++list)
        for (const QString& entry : RecentEntries(record, RecentList(list)))
            FUZZ_CHECK(entry.size() < kRecentUnits);
    ReadExtensionIni(dir.path() + u'/');
    const CIni ini(dir.path() + u'/' + kExtensionIniName);
    ini.GetString(Text(bytes.left(8)), Text(bytes.mid(8, 8)), QString());
    ini.GetInt(QStringLiteral("淘宝"), QStringLiteral("价格增减"), 0);
    return 0;
}
