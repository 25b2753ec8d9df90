#include "SettingsKeys.h"

namespace {

struct FlagKey {
    const char* key;
    uint16_t flag;
};

constexpr FlagKey kFlagKeys[] = {
    {"fix-format", SAVE_FIX_FORMAT},
    {"fix-order", SAVE_FIX_ORDER},
    {"name-file", SAVE_NAME_FILE},
    {"thunder-list-only", SAVE_THUNDER_LIST_ONLY},
    {"open-folder", SAVE_OPEN_FOLDER},
    {"main-pictures-only", SAVE_MAIN_PICTURES_ONLY},
    {"skip-downloaded", SAVE_SKIP_DOWNLOADED},
    {"large-pictures", SAVE_LARGE_PICTURES},
    {"description-pictures-only", SAVE_DESCRIPTION_PICTURES_ONLY},
};

char16_t* TextField(ST_SAVESET& save, const QString& key) {
    if (key == QLatin1String("prefix"))
        return save.szFilePrefix;
    if (key == QLatin1String("suffix"))
        return save.szFileSuffix;
    if (key == QLatin1String("replace"))
        return save.szReplaceList;
    if (key == QLatin1String("replacement"))
        return save.szReplacementList;
    if (key == QLatin1String("folder-prefix"))
        return save.szFolderPrefix;
    if (key == QLatin1String("folder-suffix"))
        return save.szFolderSuffix;
    return nullptr;
}

const QStringList kTextKeys = {"prefix", "suffix", "replace", "replacement", "folder-prefix", "folder-suffix"};

bool ParseNumber(const QString& value, long long low, long long high, long long* out) {
    bool ok = false;
    const long long number = value.toLongLong(&ok);
    if (!ok || number < low || number > high)
        return false;
    *out = number;
    return true;
}

} // namespace

QStringList SettingKeys() {
    QStringList keys = {"min-kb", "max-kb", "threads", "timeout"};
    keys += kTextKeys;
    keys += {"name-source", "folder-source", "flags"};
    for (const FlagKey& f : kFlagKeys)
        keys << QString::fromLatin1(f.key);
    return keys;
}

QStringList DescribeSettings(const ST_SOFTDATA& data, int site) {
    const ST_DOWNSET& down = data.downSets[site];
    ST_SAVESET save = data.saveSets[site];
    QStringList lines;
    lines << QStringLiteral("site=%1").arg(site);
    lines << QStringLiteral("min-kb=%1").arg(down.wMinSizeKB) << QStringLiteral("max-kb=%1").arg(down.wMaxSizeKB)
          << QStringLiteral("threads=%1").arg(down.wThreads) << QStringLiteral("timeout=%1").arg(down.wTimeoutSec);
    for (const QString& key : kTextKeys)
        lines << key + u'=' + FieldText(TextField(save, key), kSaveSetUnits);
    lines << QStringLiteral("name-source=%1").arg(save.byFileNameSource)
          << QStringLiteral("folder-source=%1").arg(save.byFolderSource)
          << QStringLiteral("flags=0x%1").arg(save.wFlags, 4, 16, QChar(u'0'));
    for (const FlagKey& f : kFlagKeys)
        lines << QStringLiteral("%1=%2").arg(QLatin1String(f.key)).arg((save.wFlags & f.flag) ? 1 : 0);
    return lines;
}

bool ApplySetting(ST_SOFTDATA& data, int site, const QString& assignment, QString* error) {
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0) {
        *error = QStringLiteral("not KEY=VALUE: %1").arg(assignment);
        return false;
    }
    const QString key = assignment.left(equals).trimmed().toLower();
    const QString value = assignment.mid(equals + 1);
    ST_DOWNSET& down = data.downSets[site];
    ST_SAVESET& save = data.saveSets[site];
    const auto refuse = [&](const QString& range) {
        *error = QStringLiteral("参数错误: %1=%2 (%3)").arg(key, value, range);
        return false;
    };
    long long number = 0;
    if (key == QLatin1String("min-kb") || key == QLatin1String("max-kb")) {
        if (!ParseNumber(value, 0, 65535, &number))
            return refuse(QStringLiteral("0 to 65535 KiB"));
        (key == QLatin1String("min-kb") ? down.wMinSizeKB : down.wMaxSizeKB) = uint16_t(number);
        return true;
    }
    if (key == QLatin1String("threads")) {
        if (!ParseNumber(value, 1, 15, &number))
            return refuse(QStringLiteral("1 to 15"));
        down.wThreads = uint16_t(number);
        return true;
    }
    if (key == QLatin1String("timeout")) {
        if (!ParseNumber(value, 10, 65535, &number))
            return refuse(QStringLiteral("10 seconds or more"));
        down.wTimeoutSec = uint16_t(number);
        return true;
    }
    if (char16_t* field = TextField(save, key)) {
        SetFieldText(field, kSaveSetUnits, value, kSaveSetMaxText);
        return true;
    }
    if (key == QLatin1String("name-source") || key == QLatin1String("folder-source")) {
        const bool names = key == QLatin1String("name-source");
        if (!ParseNumber(value, 0, names ? 2 : 1, &number))
            return refuse(names ? QStringLiteral("0 description, 1 number, 2 address")
                                : QStringLiteral("0 album name, 1 none"));
        (names ? save.byFileNameSource : save.byFolderSource) = uint8_t(number);
        return true;
    }
    if (key == QLatin1String("flags")) {
        bool ok = false;
        const uint flags = value.startsWith(QLatin1String("0x")) ? value.mid(2).toUInt(&ok, 16) : value.toUInt(&ok);
        if (!ok || flags > 0xFFFF)
            return refuse(QStringLiteral("0 to 0xFFFF"));
        save.wFlags = uint16_t(flags);
        return true;
    }
    for (const FlagKey& f : kFlagKeys) {
        if (key != QLatin1String(f.key))
            continue;
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            return refuse(QStringLiteral("0 or 1"));
        if (value == QLatin1String("1"))
            save.wFlags |= f.flag;
        else
            save.wFlags &= ~f.flag;
        return true;
    }
    *error = QStringLiteral("unknown key: %1 (keys: %2)").arg(key, SettingKeys().join(u' '));
    return false;
}
