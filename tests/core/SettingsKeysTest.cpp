#include "commands/SettingsKeys.h"

#include <gtest/gtest.h>

TEST(SettingsKeys, AssignmentsChangeTheSlot) {
    ST_SOFTDATA data{};
    RepairSoftData(data, true);
    const char* good[] = {"min-kb=70",        "max-kb=65535", "threads=15",       "timeout=10",
                          "prefix=?2) ",      "replace=a|b",  "replacement=x|",   "folder-prefix=?9_",
                          "name-source=2",    "folder-source=1", "skip-downloaded=1", "open-folder=0",
                          "suffix=" "0123456789012345678901234567890123456789"};
    for (const char* assignment : good) {
        QString error;
        EXPECT_TRUE(ApplySetting(data, 11, assignment, &error)) << assignment << " " << error.toStdString();
    }
    const ST_DOWNSET& down = data.downSets[11];
    EXPECT_EQ(down.wMinSizeKB, 70);
    EXPECT_EQ(down.wMaxSizeKB, 65535);
    EXPECT_EQ(down.wThreads, 15);
    EXPECT_EQ(down.wTimeoutSec, 10);
    const ST_SAVESET& save = data.saveSets[11];
    EXPECT_EQ(FieldText(save.szFilePrefix), "?2) ");
    EXPECT_EQ(FieldText(save.szFileSuffix).size(), 38);
    EXPECT_EQ(save.byFileNameSource, 2);
    EXPECT_EQ(save.byFolderSource, 1);
    EXPECT_EQ(save.wFlags, SAVE_FIX_ORDER | SAVE_SKIP_DOWNLOADED);
    EXPECT_EQ(data.downSets[10].wThreads, 5); // other slots untouched
    const QStringList shown = DescribeSettings(data, 11);
    EXPECT_TRUE(shown.contains("threads=15"));
    EXPECT_TRUE(shown.contains("flags=0x0042"));
    EXPECT_TRUE(shown.contains("skip-downloaded=1"));
}

TEST(SettingsKeys, RefusedValuesChangeNothing) {
    const char* bad[] = {"threads=16", "threads=0", "threads=abc", "timeout=9", "min-kb=70000",
                         "name-source=3", "folder-source=2", "fix-format=yes", "colour=blue", "threads"};
    for (const char* assignment : bad) {
        ST_SOFTDATA data{};
        RepairSoftData(data, true);
        const ST_SOFTDATA before = data;
        QString error;
        EXPECT_FALSE(ApplySetting(data, 11, assignment, &error)) << assignment;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(std::memcmp(&before, &data, sizeof data), 0) << assignment;
    }
}
