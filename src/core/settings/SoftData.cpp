#include "SoftData.h"

#include "text/WholeFile.h"

#include <QFile>
#include <QStringList>

#include <cstring>
#include <mutex>

QString FieldText(const char16_t* field, int units) {
    int length = 0;
    while (length < units && field[length] != 0)
        ++length;
    return QString::fromUtf16(field, length);
}

void SetFieldText(char16_t* field, int units, const QString& text, int maxChars) {
    const int length = int(std::min<qsizetype>(text.size(), std::min(maxChars, units - 1)));
    std::memset(field, 0, sizeof(char16_t) * units);
    std::memcpy(field, text.utf16(), sizeof(char16_t) * length);
}

namespace {
char16_t (*RecentArray(ST_SOFTDATA& data, RecentList list))[kRecentUnits] {
    return list == RECENT_ADDRESSES ? data.recentAddresses : data.recentSavePaths;
}
const char16_t (*RecentArray(const ST_SOFTDATA& data, RecentList list))[kRecentUnits] {
    return list == RECENT_ADDRESSES ? data.recentAddresses : data.recentSavePaths;
}
} // namespace

QString RecentEntry(const ST_SOFTDATA& data, RecentList list, int index) {
    return FieldText(RecentArray(data, list)[index], kRecentUnits);
}

QStringList RecentEntries(const ST_SOFTDATA& data, RecentList list) {
    QStringList entries;
    for (int i = 0; i < kRecentEntries; ++i) {
        const QString entry = RecentEntry(data, list, i);
        if (!entry.isEmpty())
            entries.append(entry);
    }
    return entries;
}

bool PushRecent(ST_SOFTDATA& data, RecentList list, const QString& text) {
    if (text.size() >= kRecentUnits)
        return false;
    for (int i = 0; i < kRecentEntries; ++i) {
        if (RecentEntry(data, list, i).compare(text, Qt::CaseInsensitive) == 0)
            return false;
    }
    auto entries = RecentArray(data, list);
    std::memmove(entries[1], entries[0], sizeof(entries[0]) * (kRecentEntries - 1));
    SetFieldText(entries[0], kRecentUnits, text, kRecentUnits - 1);
    return true;
}

void RepairSoftData(ST_SOFTDATA& data, bool firstRun) {
    // Every text field ends with its terminator, also in a file that was damaged or not ours.
    for (auto& entry : data.recentAddresses)
        entry[kRecentUnits - 1] = 0;
    for (auto& entry : data.recentSavePaths)
        entry[kRecentUnits - 1] = 0;
    for (ST_SAVESET& save : data.saveSets) {
        for (char16_t* field : {save.szFilePrefix, save.szFileSuffix, save.szReplaceList, save.szReplacementList,
                                save.szFolderPrefix, save.szFolderSuffix})
            field[kSaveSetUnits - 1] = 0;
    }
    for (int s = 0; s < kSiteSlots; ++s) {
        ST_DOWNSET& down = data.downSets[s];
        if (down.wThreads == 0 || down.wThreads > 15)
            down.wThreads = 5;
        if (down.wTimeoutSec < 10)
            down.wTimeoutSec = 30;
        if (!firstRun)
            continue;
        ST_SAVESET& save = data.saveSets[s];
        save.wFlags |= SAVE_OPEN_FOLDER;
        if (s == 7)
            save.wFlags |= SAVE_FIX_ORDER | SAVE_LARGE_PICTURES;
        if (s == 8)
            save.byFileNameSource = NAME_BY_NUMBER;
        if (s == 11 || s == 16)
            save.wFlags |= SAVE_FIX_ORDER;
        if (s == 17)
            SetFieldText(save.szFilePrefix, QStringLiteral("?2) "));
    }
}

bool LoadSoftData(const QString& path, ST_SOFTDATA& data) {
    std::memset(&data, 0, sizeof data);
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (opened) {
        const qint64 got = file.read(reinterpret_cast<char*>(&data), sizeof data);
        if (got < 0)
            std::memset(&data, 0, sizeof data);
        file.close();
    }
    RepairSoftData(data, !opened);
    return opened;
}

bool SaveSoftData(const QString& path, const ST_SOFTDATA& data) {
    static std::mutex saving;
    const std::lock_guard<std::mutex> lock(saving);
    return WriteWholeFile(path, QByteArray(reinterpret_cast<const char*>(&data), sizeof data));
}
