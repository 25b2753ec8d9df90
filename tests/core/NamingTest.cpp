#include "RecordingPort.h"
#include "TestDir.h"
#include "commands/SettingsDialogs.h"
#include "download/DownProc.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Naming {
    QString prefix, suffix, replace, replacement, folderPrefix, folderSuffix;
    uint8_t source = NAME_BY_DESCRIPTION;
    uint8_t folderSource = FOLDER_BY_ALBUM_NAME;
    uint16_t flags = 0;
};

class NamingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        state.ProgramDir = dir.path();
        state.Settings.SetPath(dir.path("soft.dat"));
        state.Settings.Load();
        state.SiteNumber = 11;
        for (int i = 0; i < 7; ++i) {
            ST_PERLISTRECORD album;
            album.strName = QStringLiteral("相册%1").arg(i + 1);
            album.nGoodReviews = 40 + i;
            album.nSales = 100 + i;
            state.Albums.AddAlbum(album);
        }
        state.Albums.SetPickedCount(3);
        state.ListFolderName = QStringLiteral("店铺/");
    }
    void Configure(const Naming& n) {
        state.Settings.Change([&](ST_SOFTDATA& data) {
            ST_SAVESET& s = data.saveSets[11];
            ApplySaveSetInput(s, {n.prefix, n.suffix, n.replace, n.replacement, n.folderPrefix, n.folderSuffix,
                                  n.source, n.folderSource});
            s.wFlags = n.flags;
            return true;
        });
    }
    // Starts a fresh album in the base folder.
    void NewAlbum(const QString& base) {
        QDir().mkpath(base);
        state.DownloadJob.clear();
        state.DownloadJob.folder = base;
        state.DownloadState = 1;
    }
    void Add(const QString& address, const QString& nameText, int album = 6) {
        AddPicture(context, address, nameText, QString(), album);
    }

    TestDir dir;
    VantrelState state;
    RecordingPort port;
    DownloadContext context{state, port, nullptr, FetchUrl};
};

} // namespace

TEST_F(NamingFixture, SourcesCodesAndReplacement) {
    struct Case {
        const char* what;
        Naming naming;
        QStringList addresses;
        QStringList texts;
        QStringList names;
        QString folder; // below the base
    } cases[] = {
        {"number with the first-run prefix of slot 17", {"?2) ", "", "", "", "", "", NAME_BY_NUMBER},
         {"http://p/a.jpg", "http://p/b.jpg", "http://p/c.jpg"}, {"x", "y", "z"}, {"1) 1.jpg", "2) 2.jpg", "3) 3.jpg"}, "相册7/"},
        {"address keeps the extension's case; case-blind uniqueness", {"", "", "", "", "", "", NAME_BY_ADDRESS},
         {"http://h/img/abc.PNG", "http://h/other/abc.png", "http://h/p.jpg?x=1"}, {"", "", ""},
         {"abc.PNG", "abc.png(1).png", "p.jpgx=1.jpg"}, "相册7/"},
        {"every code", {"?1-?3-?4-?5-?6-?7-?8-?9_", "", "", "", "", ""}, {"http://p/1.jpg"}, {"主图_1"},
         {"相册7-7-46-106-3-7-店铺-0007_主图_1.jpg"}, "相册7/"},
        {"description: dots, blanks, fallback to the album name", {}, {"http://p/1", "http://p/2", "http://p/3"},
         {"...", "   ", "主图/1"}, {"。。。.jpg", "相册7.jpg", "主图1.jpg"}, "相册7/"},
        {"paired replacement", {"", "", "a|b", "x|", "", ""}, {"http://p/1"}, {"abcab"}, {"xcx.jpg"}, "相册7/"},
        {"unequal lists replace nothing", {"", "", "a|b", "x", "", ""}, {"http://p/1"}, {"abcab"}, {"abcab.jpg"}, "相册7/"},
        {"folder prefix and codes", {"", "", "", "", "?9_", "_?5"}, {"http://p/1"}, {"n"}, {"n.jpg"}, "0007_相册7_5/"},
        {"no album folder", {"", "", "", "", "", "", NAME_BY_DESCRIPTION, FOLDER_NONE}, {"http://p/1"}, {"n"}, {"n.jpg"}, ""},
        {"same names made unique", {}, {"http://p/1", "http://p/2", "http://p/3"}, {"图", "图", "图.JPG"},
         {"图.jpg", "图(1).jpg", "图.JPG(1).JPG"}, "相册7/"},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Configure(c.naming);
        const QString base = dir.path(QStringLiteral("base%1/").arg(++round));
        NewAlbum(base);
        for (int i = 0; i < c.addresses.size(); ++i)
            Add(c.addresses[i], c.texts[i]);
        EXPECT_EQ(state.DownloadJob.names, c.names);
        EXPECT_EQ(state.DownloadJob.folder, base + c.folder);
        EXPECT_TRUE(QDir(state.DownloadJob.folder).exists());
        EXPECT_EQ(state.DownloadJob.addresses, c.addresses);
        EXPECT_EQ(port.texts[ctl::ProgressLine], QStringLiteral("已获取到%1张图片信息").arg(c.addresses.size()));
    }
}

TEST_F(NamingFixture, LengthLimits) {
    Configure({"", "", "", "", "", "", NAME_BY_DESCRIPTION, FOLDER_NONE});
    const QString top = dir.path("L/");
    NewAlbum(top + QString(240 - top.size() - 1, u'f') + u'/');
    ASSERT_EQ(state.DownloadJob.folder.size(), 240);
    Add("http://p/1", "abcdefghijkl.jpg");
    EXPECT_EQ(state.DownloadJob.names.value(0), "abcdefghij.jpg"); // cut to 250 - 240 before the extension test

    // A long Chinese name still fits the 255 bytes a Linux file name may take.
    Configure({});
    NewAlbum(dir.path("M/"));
    Add("http://p/2", QString(200, u'图'));
    const QString name = state.DownloadJob.names.value(0);
    EXPECT_LE(name.toUtf8().size(), 255);
    EXPECT_TRUE(name.endsWith(".jpg"));
    Add("http://p/3", QString(200, u'图'));
    EXPECT_LE(state.DownloadJob.names.value(1).toUtf8().size(), 255);
    EXPECT_TRUE(state.DownloadJob.names.value(1).endsWith("(1).jpg"));
}

TEST_F(NamingFixture, HistoryAndNameFile) {
    Configure({"", "", "", "", "", "", NAME_BY_DESCRIPTION, FOLDER_BY_ALBUM_NAME, SAVE_NAME_FILE | SAVE_SKIP_DOWNLOADED});
    const QString base = dir.path("H/");
    NewAlbum(base);
    for (const char* text : {"主图_1", "主图_2", "主图_3"})
        Add(QStringLiteral("http://p/%1").arg(text), text);
    const QString folder = state.DownloadJob.folder;
    const QByteArray nameFile = dir.read("H/相册7/相册7.txt");
    const QString lines = QStringLiteral("主图_1\r\n主图_2\r\n主图_3\r\n");
    EXPECT_EQ(nameFile, QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(lines.utf16()), lines.size() * 2));

    WriteHistory(state.DownloadJob);
    const QString first = QStringLiteral("http://p/主图_1");
    EXPECT_EQ(dir.read("H/相册7/pic.wmz"), QByteArray(reinterpret_cast<const char*>(first.utf16()), first.size() * 2));

    // Again, with two new pictures in front: the collection stops at the remembered first address.
    NewAlbum(base);
    for (const char* text : {"新_1", "新_2", "主图_1", "主图_2"}) {
        Add(QStringLiteral("http://p/%1").arg(text), text);
        if (state.DownloadState == 2)
            break;
    }
    EXPECT_EQ(state.DownloadState.load(), 2);
    EXPECT_EQ(state.DownloadJob.names, QStringList({"新_1.jpg", "新_2.jpg"}));
    EXPECT_EQ(state.DownloadJob.folder, folder);
    const QString recreated = QStringLiteral("新_1\r\n新_2\r\n");
    EXPECT_EQ(dir.read("H/相册7/相册7.txt").mid(2), QByteArray(reinterpret_cast<const char*>(recreated.utf16()), recreated.size() * 2));
}

TEST(Formats, SignatureTable) {
    struct Case {
        QByteArray bytes;
        const char* extension;
    } cases[] = {
        {QByteArray("\xFF\xD8\xFF\xE0", 4), ".jpg"},  {QByteArray("\x89PNG", 4), ".png"},
        {QByteArray("GIF89a"), ".gif"},                {QByteArray("BM"), ".bmp"},
        {QByteArray("\0\0\2\0\0", 5), ".tga"},          {QByteArray("\0\0\x10\0\0\0\0", 7), ".tga"},
        {QByteArray("\0\0\1\0\1", 5), ".ico"},          {QByteArray("\0\0\2\0\1", 5), ".cur"},
        {QByteArray("\0\0\1\0\2", 5), ""},              {QByteArray("MM\0*", 4), ".tiff"},
        {QByteArray("II*\0", 4), ".tiff"},              {QByteArray("\0\0", 2), ""}, // padded: 00 00 00 00 00
        {QByteArray("<html>"), ""},                     {QByteArray(), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SignatureExtension(c.bytes), c.extension) << c.bytes.toHex().constData();
}

TEST(Formats, FixRenamesAndTheJobFollows) {
    TestDir dir;
    dir.write("a.jpg", QByteArray("\x89PNG\r\n", 6));
    dir.write("b.jpg", QByteArray("\xFF\xD8\xFF", 3));
    dir.write("c.gif", QByteArray("\x89PNG", 4));
    dir.write("c.png", "taken");
    ST_DOWNJOB job;
    job.folder = dir.path();
    job.names = {"a.jpg", "b.jpg", "missing.jpg", "c.gif"};
    FixAlbumFormats(job);
    EXPECT_EQ(job.names, QStringList({"a.png", "b.jpg", "missing.jpg", "c.png"}));
    EXPECT_TRUE(QFile::exists(dir.path("a.png")));
    EXPECT_TRUE(QFile::exists(dir.path("c.gif"))); // the rename to a taken name failed
    EXPECT_EQ(dir.read("c.png"), "taken");

    FixAlbumOrder(job);
    const QFileInfo newest(dir.path("a.png")), older(dir.path("b.jpg"));
    EXPECT_EQ(newest.lastModified().toSecsSinceEpoch() - older.lastModified().toSecsSinceEpoch(), 60);
}

TEST(ListFile, AddressesInCodePage936) {
    TestDir dir;
    ST_DOWNJOB job;
    job.folder = dir.path();
    job.addresses = {QStringLiteral("http://a/图1.jpg"), QStringLiteral("http://a/2.jpg")};
    WriteAlbumListFile(job, QStringLiteral("相册"));
    EXPECT_EQ(dir.read("相册.lst"), QByteArray("http://a/\xCD\xBC" "1.jpg\r\nhttp://a/2.jpg\r\n"));
}
