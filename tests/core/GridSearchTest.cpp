#include "albums/GridSearch.h"
#include "commands/SettingsDialogs.h"

#include <gtest/gtest.h>

TEST(FindGridRow, Table) {
    const QList<QStringList> rows = {
        {"序号", "名称", "数量"},           // the header: never searched
        {"0001", "红色abc连衣裙", "未知"},
        {"0002", "蓝色衬衫", "未知"},
        {"0003", "abc", "未知"},
        {"0004", "ABC外套", "未知"},
        {"0005", "黑色", "未知"},
    };
    struct Case {
        int start;
        const char* keyword;
        bool forward, ignoreCase, whole;
        int found;
    } cases[] = {
        {6, "abc", true, true, false, -1},   // nothing selected: start at the row count visits nothing
        {0, "abc", true, true, false, 1},    // the second search "from the top" starts at fixed - 1
        {1, "abc", true, true, false, 3},
        {3, "abc", true, true, false, 4},    // ignoring case
        {3, "abc", true, false, false, -1},  // match case
        {0, "abc", true, true, true, 3},     // whole cell
        {0, "ABC", true, true, true, 3},
        {6, "abc", false, true, false, 4},   // backward from the bottom
        {1, "abc", false, true, false, -1},  // the header is not searched
        {0, "0005", true, true, false, 5},   // column 0 counts
        {0, "序号", true, true, false, -1},
        {0, "未知", true, true, true, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindGridRow(rows, 1, c.start, c.keyword, c.forward, c.ignoreCase, c.whole), c.found)
            << c.start << " " << c.keyword << " " << c.forward;
}

TEST(SettingsDialogs, DownloadParameters) {
    const ST_DOWNSET before{1, 2, 5, 30};
    struct Case {
        DownSetInput input;
        bool accepted;
        ST_DOWNSET after;
    } cases[] = {
        {{"15", "10", "0", "0"}, true, {0, 0, 15, 10}},
        {{"16", "30", "0", "0"}, false, before},
        {{"0", "30", "0", "0"}, false, before},
        {{"abc", "30", "0", "0"}, false, before},
        {{"5", "9", "0", "0"}, false, before},
        {{"5", "10", "70000", "x"}, true, {4464, 0, 5, 10}},
        {{" 7 ", "60", "-1", "100"}, true, {65535, 100, 7, 60}},
    };
    for (const Case& c : cases) {
        ST_DOWNSET slot = before;
        EXPECT_EQ(ApplyDownSetInput(slot, c.input), c.accepted) << c.input.threads.toStdString();
        EXPECT_EQ(slot.wThreads, c.after.wThreads);
        EXPECT_EQ(slot.wTimeoutSec, c.after.wTimeoutSec);
        EXPECT_EQ(slot.wMinSizeKB, c.after.wMinSizeKB);
        EXPECT_EQ(slot.wMaxSizeKB, c.after.wMaxSizeKB);
    }
}

TEST(SettingsDialogs, NamingTextsAreCut) {
    ST_SAVESET slot{};
    slot.wFlags = 0x0012;
    ApplySaveSetInput(slot, {QString(50, u'p'), "s", "a|b", "x|y", "?9_", "", 1, 1});
    EXPECT_EQ(FieldText(slot.szFilePrefix), QString(38, u'p'));
    EXPECT_EQ(FieldText(slot.szReplacementList), "x|y");
    EXPECT_EQ(slot.byFileNameSource, 1);
    EXPECT_EQ(slot.byFolderSource, 1);
    EXPECT_EQ(slot.wFlags, 0x0012);
    const SaveSetInput back = SaveSetToInput(slot);
    EXPECT_EQ(back.folderPrefix, "?9_");
    EXPECT_TRUE(NamingHelpText().endsWith("?9:相册在列表中的序号(格式为：0001,0002,0003...)"));
}
