#include "TestDir.h"
#include "session/VantrelState.h"
#include "settings/SoftData.h"

#include <QDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <thread>

namespace {
uint16_t U16At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<uint16_t>(bytes.constData() + offset);
}
QString Utf16At(const QByteArray& bytes, int offset) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + offset));
}
} // namespace

TEST(SoftData, FirstRunDefaultsOfEverySlot) {
    TestDir dir;
    VantrelState state;
    state.Settings.SetPath(dir.path("soft.dat"));
    EXPECT_FALSE(state.Settings.Load());
    const QByteArray bytes = dir.read("soft.dat");
    ASSERT_EQ(bytes.size(), 19808);
    for (int s = 0; s < 24; ++s) {
        SCOPED_TRACE(s);
        const int down = 8 * s, save = 192 + 484 * s;
        EXPECT_EQ(U16At(bytes, down + 0), 0);
        EXPECT_EQ(U16At(bytes, down + 2), 0);
        EXPECT_EQ(U16At(bytes, down + 4), 5);
        EXPECT_EQ(U16At(bytes, down + 6), 30);
        const uint16_t flags = s == 7 ? 0x0092 : (s == 11 || s == 16) ? 0x0012 : 0x0010;
        EXPECT_EQ(U16At(bytes, save + 480), flags);
        EXPECT_EQ(uint8_t(bytes[save + 482]), s == 8 ? 1 : 0);
        EXPECT_EQ(uint8_t(bytes[save + 483]), 0);
        EXPECT_EQ(Utf16At(bytes, save), s == 17 ? QStringLiteral("?2) ") : QString());
    }
    EXPECT_EQ(bytes.mid(11808).count('\0'), 8000);
}

TEST(SoftData, ShortFileIsUsedWithoutFirstRunDefaults) {
    TestDir dir;
    QByteArray head(100, '\0');
    qToLittleEndian<uint16_t>(16, head.data() + 4);  // slot 0 threads: out of range
    qToLittleEndian<uint16_t>(9, head.data() + 6);   // slot 0 time-out: too short
    qToLittleEndian<uint16_t>(15, head.data() + 12); // slot 1 threads: kept
    qToLittleEndian<uint16_t>(10, head.data() + 14); // slot 1 time-out: kept
    qToLittleEndian<uint16_t>(70, head.data() + 16); // slot 2 minimum size
    dir.write("soft.dat", head);

    ST_SOFTDATA data;
    EXPECT_TRUE(LoadSoftData(dir.path("soft.dat"), data));
    EXPECT_EQ(data.downSets[0].wThreads, 5);
    EXPECT_EQ(data.downSets[0].wTimeoutSec, 30);
    EXPECT_EQ(data.downSets[1].wThreads, 15);
    EXPECT_EQ(data.downSets[1].wTimeoutSec, 10);
    EXPECT_EQ(data.downSets[2].wMinSizeKB, 70);
    EXPECT_EQ(data.saveSets[11].wFlags, 0); // the file opened: no first-run flags
    EXPECT_EQ(data.saveSets[17].szFilePrefix[0], 0);
    ASSERT_TRUE(SaveSoftData(dir.path("soft.dat"), data));
    EXPECT_EQ(dir.read("soft.dat").size(), 19808);
}

TEST(SoftData, OversizedFileReadsTheRecordOnly) {
    TestDir dir;
    QByteArray big(30000, '\x01');
    dir.write("soft.dat", big);
    ST_SOFTDATA data;
    EXPECT_TRUE(LoadSoftData(dir.path("soft.dat"), data));
    EXPECT_EQ(data.downSets[0].wMinSizeKB, 0x0101);
    EXPECT_EQ(data.saveSets[3].wFlags, 0x0101); // unknown bits are kept
    // Fields without a terminator are cut to what the program itself would have written.
    EXPECT_EQ(RecentEntry(data, RECENT_ADDRESSES, 4).size(), 399);
    EXPECT_EQ(FieldText(data.saveSets[23].szFolderSuffix).size(), 39);
    ASSERT_TRUE(SaveSoftData(dir.path("soft.dat"), data));
    EXPECT_EQ(dir.read("soft.dat").size(), 19808);
}

TEST(SoftData, FieldsLandAtTheirOffsets) {
    TestDir dir;
    ST_SOFTDATA data{};
    data.downSets[11] = {100, 2048, 7, 45};
    ST_SAVESET& save = data.saveSets[11];
    SetFieldText(save.szFilePrefix, QStringLiteral("前缀?2_"));
    SetFieldText(save.szFileSuffix, QStringLiteral("suf"));
    SetFieldText(save.szReplaceList, QStringLiteral("a|b"));
    SetFieldText(save.szReplacementList, QStringLiteral("x|y"));
    SetFieldText(save.szFolderPrefix, QStringLiteral("?9_"));
    SetFieldText(save.szFolderSuffix, QString(50, u'z')); // cut to 38
    save.wFlags = SAVE_FIX_FORMAT | SAVE_SKIP_DOWNLOADED;
    save.byFileNameSource = NAME_BY_ADDRESS;
    save.byFolderSource = FOLDER_NONE;
    ASSERT_TRUE(PushRecent(data, RECENT_ADDRESSES, QStringLiteral("http://shop.taobao.com/")));
    ASSERT_TRUE(PushRecent(data, RECENT_SAVE_PATHS, QStringLiteral("/home/u/图片/")));
    ASSERT_TRUE(SaveSoftData(dir.path("soft.dat"), data));

    const QByteArray bytes = dir.read("soft.dat");
    ASSERT_EQ(bytes.size(), 19808);
    EXPECT_EQ(U16At(bytes, 88), 100);
    EXPECT_EQ(U16At(bytes, 90), 2048);
    EXPECT_EQ(U16At(bytes, 92), 7);
    EXPECT_EQ(U16At(bytes, 94), 45);
    const int slot = 192 + 484 * 11;
    EXPECT_EQ(Utf16At(bytes, slot + 0), QStringLiteral("前缀?2_"));
    EXPECT_EQ(Utf16At(bytes, slot + 80), QStringLiteral("suf"));
    EXPECT_EQ(Utf16At(bytes, slot + 160), QStringLiteral("a|b"));
    EXPECT_EQ(Utf16At(bytes, slot + 240), QStringLiteral("x|y"));
    EXPECT_EQ(Utf16At(bytes, slot + 320), QStringLiteral("?9_"));
    EXPECT_EQ(Utf16At(bytes, slot + 400), QString(38, u'z'));
    EXPECT_EQ(U16At(bytes, slot + 480), 0x0041);
    EXPECT_EQ(uint8_t(bytes[slot + 482]), 2);
    EXPECT_EQ(uint8_t(bytes[slot + 483]), 1);
    EXPECT_EQ(Utf16At(bytes, 11808), QStringLiteral("http://shop.taobao.com/"));
    EXPECT_EQ(Utf16At(bytes, 15808), QStringLiteral("/home/u/图片/"));

    ST_SOFTDATA back;
    EXPECT_TRUE(LoadSoftData(dir.path("soft.dat"), back));
    EXPECT_EQ(FieldText(back.saveSets[11].szFilePrefix), QStringLiteral("前缀?2_"));
    EXPECT_EQ(back.downSets[11].wTimeoutSec, 45);
}

TEST(PushRecent, OrderLimitsAndCase) {
    ST_SOFTDATA data{};
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(PushRecent(data, RECENT_SAVE_PATHS, QStringLiteral("/p%1/").arg(i)));
    EXPECT_EQ(RecentEntries(data, RECENT_SAVE_PATHS), QStringList({"/p6/", "/p5/", "/p4/", "/p3/", "/p2/"}));
    EXPECT_FALSE(PushRecent(data, RECENT_SAVE_PATHS, QStringLiteral("/P4/"))); // order unchanged
    EXPECT_EQ(RecentEntry(data, RECENT_SAVE_PATHS, 0), "/p6/");
    EXPECT_FALSE(PushRecent(data, RECENT_SAVE_PATHS, QString(400, u'a')));
    EXPECT_TRUE(PushRecent(data, RECENT_SAVE_PATHS, QString(399, u'a')));
    EXPECT_EQ(RecentEntry(data, RECENT_SAVE_PATHS, 0).size(), 399);
    EXPECT_TRUE(RecentEntries(data, RECENT_ADDRESSES).isEmpty());
}

TEST(SettingsStore, ConcurrentChangesAllReachTheFile) {
    TestDir dir;
    VantrelState state;
    state.Settings.SetPath(dir.path("soft.dat"));
    state.Settings.Load();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&state, t] {
            for (int i = 0; i < 25; ++i)
                state.Settings.Change([&](ST_SOFTDATA& d) {
                    d.downSets[t].wMinSizeKB++;
                    return true;
                });
        });
    }
    for (auto& thread : threads)
        thread.join();
    ST_SOFTDATA fromFile;
    LoadSoftData(dir.path("soft.dat"), fromFile);
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(fromFile.downSets[t].wMinSizeKB, 25);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"soft.dat"})); // no temporary left
}

TEST(SettingsStore, UnwritableFileKeepsTheOldOne) {
    TestDir dir;
    ST_SOFTDATA data{};
    EXPECT_FALSE(SaveSoftData(dir.path("missing/soft.dat"), data));
    EXPECT_FALSE(QFile::exists(dir.path("missing/soft.dat")));
}
