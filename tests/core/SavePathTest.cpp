#include "RecordingPort.h"
#include "TestDir.h"
#include "albums/AlbumRows.h"
#include "commands/SavePath.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "text/StringCtrl.h"

#include <gtest/gtest.h>

TEST(DroppedSavePath, FoldersAndFiles) {
    struct Case {
        const char* dropped;
        const char* savePath;
    } cases[] = {
        {"/pics/a.jpg", "/pics/"},     {"/pics", "/pics/"}, {"/pics/", "/pics/"},
        {"/home/my.pics", "/home/"},   {"/my.pics", "/"},   {"", ""},
        {"/a.b/c", "/a.b/c/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DroppedSavePath(c.dropped), c.savePath) << c.dropped;
}

TEST(UseSavePath, RecentListAndSaving) {
    TestDir dir;
    VantrelState state;
    RecordingPort port;
    state.Settings.SetPath(dir.path("soft.dat"));
    state.Settings.Load();
    UseSavePath(state, port, QStringLiteral("/data/pics/"));
    EXPECT_EQ(port.texts[ctl::SavePathBox], QStringLiteral("/data/pics/"));
    EXPECT_EQ(port.recent[ctl::SavePathBox], QStringList({"/data/pics/"}));
    ST_SOFTDATA onDisk;
    LoadSoftData(dir.path("soft.dat"), onDisk);
    EXPECT_EQ(RecentEntry(onDisk, RECENT_SAVE_PATHS, 0), QStringLiteral("/data/pics/"));

    UseSavePath(state, port, QStringLiteral("/DATA/pics/")); // known without regard to case
    EXPECT_EQ(port.texts[ctl::SavePathBox], QStringLiteral("/DATA/pics/"));
    EXPECT_EQ(port.recent[ctl::SavePathBox].size(), 1);

    const QString tooLong = QStringLiteral("/") + QString(399, u'x') + QStringLiteral("/");
    UseSavePath(state, port, tooLong);
    EXPECT_EQ(port.texts[ctl::SavePathBox], tooLong); // shown, but not remembered
    EXPECT_EQ(RecentEntries(state.Settings.Copy(), RECENT_SAVE_PATHS).size(), 1);
}

TEST(AlbumRows, TextsAndCsv) {
    EXPECT_EQ(PictureCountText(-1), QStringLiteral("未知"));
    EXPECT_EQ(PictureCountText(7), QStringLiteral("   7"));
    EXPECT_EQ(RemarkText(0), QString());
    EXPECT_EQ(RemarkText(1 | 2), QStringLiteral("加密相册"));
    EXPECT_EQ(RemarkText(2 | 4), QStringLiteral("私密相册"));
    EXPECT_EQ(RemarkText(4), QStringLiteral("好友可见"));
    EXPECT_EQ(RemarkText(int(0x80000005)), QStringLiteral("00000005"));

    EXPECT_EQ(CsvLine({QStringLiteral("0001"), QStringLiteral("a,b\"c'd"), QStringLiteral("未知"), QString()}),
              UnicodeToGbk(QStringLiteral("0001,a','b\"\"cd,未知,,")) + "\r\n");

    AlbumList albums;
    ST_PERLISTRECORD long81;
    long81.strName = QString(81, u'n');
    albums.AddAlbum(long81);
    ST_PERLISTRECORD filtered;
    filtered.strName = QStringLiteral("ABC");
    albums.AddAlbum(filtered);
    const auto cells = PrepareAlbumRow(albums, 0, QString());
    ASSERT_TRUE(cells.has_value());
    EXPECT_EQ(cells->name.size(), 80);
    EXPECT_EQ(albums.at(0).strName.size(), 80); // shortened in the record too
    EXPECT_FALSE(PrepareAlbumRow(albums, 1, QStringLiteral("abc")).has_value()); // case-sensitive filter
    EXPECT_TRUE(PrepareAlbumRow(albums, 1, QStringLiteral("BC")).has_value());
    EXPECT_FALSE(PrepareAlbumRow(albums, 7, QString()).has_value());
}
