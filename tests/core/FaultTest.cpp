// The program under faults: error pages, broken servers, a save folder that goes away mid-album, a
// full disk, and damaged files of its own. It keeps working, reports as it always does, and never
// loses or half-writes a file it already had.
#include "MarketSim.h"
#include "RecordingPort.h"
#include "ScriptedServer.h"
#include "TestDir.h"
#include "commands/Download.h"
#include "commands/GetAlbums.h"
#include "http/CookieJar.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "text/StoredTexts.h"
#include "text/WholeFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSaveFile>

#include <gtest/gtest.h>

#include <future>
#include <sys/mount.h>

using S = ScriptedServer;

namespace {

void Prepare(VantrelState& state, const TestDir& dir) {
    state.ProgramDir = dir.path();
    state.Settings.SetPath(dir.path("soft.dat"));
    state.Settings.Load();
    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = 0, true; });
    state.Ready = 1;
    state.SiteNumber = 11;
}

} // namespace

TEST(Faults, ErrorPagesGiveNoAlbumsAndTheMessage) {
    for (int status : {500, 404}) {
        S server;
        server.on("*", S::Reply(status, "<html><body>Internal error</body></html>"));
        qputenv("http_proxy", server.url("").toUtf8());
        TestDir dir;
        VantrelState state;
        Prepare(state, dir);
        RecordingPort port;
        port.texts[ctl::AddressBox] = QStringLiteral("http://broken.taobao.com/");
        state.ListFetchState = 1;
        FetchAlbumList(state, port);
        qunsetenv("http_proxy");
        EXPECT_EQ(state.Albums.size(), 0) << status;
        EXPECT_EQ(state.ListFetchState.load(), 0);
        ASSERT_EQ(port.messages.size(), 1);
        EXPECT_EQ(port.messages[0].text, Deciphered(stored::kNoAlbumMessage));
        EXPECT_TRUE(QFile::exists(dir.path("taobao.tmp"))); // the page went to the diagnostic file
    }
}

TEST(Faults, DamagedFilesOfItsOwn) {
    TestDir dir;
    dir.write("cookies.txt", QByteArray(3000, '\t') + "\n\n#\x01\xFF garbage\n");
    LoadCookieJar(dir.path());
    EXPECT_TRUE(SaveCookieJar());
    QByteArray garbage(25000, '\0');
    for (char& b : garbage)
        b = char(QRandomGenerator::global()->generate());
    dir.write("soft.dat", garbage);
    VantrelState state;
    state.Settings.SetPath(dir.path("soft.dat"));
    EXPECT_TRUE(state.Settings.Load());
    for (int s = 0; s < kSiteSlots; ++s) {
        const ST_DOWNSET down = state.Settings.DownSet(s);
        EXPECT_TRUE(down.wThreads >= 1 && down.wThreads <= 15 && down.wTimeoutSec >= 10);
    }
    EXPECT_EQ(dir.read("soft.dat").size(), 19808);
}

namespace {

class DownloadFaults : public ::testing::Test {
protected:
    void SetUp() override {
        Prepare(state, dir);
        for (int i = 0; i < 2; ++i) {
            ST_PERLISTRECORD album;
            album.strName = QStringLiteral("album%1").arg(i);
            album.strAddress = QStringLiteral("http://item/%1").arg(i);
            state.Albums.AddAlbum(album);
        }
        port.selected = {0};
        port.texts[ctl::SavePathBox] = dir.path("out");
        state.Settings.Change([](ST_SOFTDATA& d) { return d.downSets[11].wThreads = 1, true; });
    }
    // Four pictures per album, fetched by the given fetch.
    int Run(const PictureFetcher& fetch) {
        state.DownloadState = 1;
        DownloadContext context{state, port, nullptr, fetch};
        context.parser = [&](int albumIndex, const PictureSink& sink) {
            for (int n = 1; n <= 4; ++n)
                sink(QStringLiteral("http://pic/%1/%2.jpg").arg(albumIndex).arg(n), QStringLiteral("p%1").arg(n), QString());
        };
        return DownloadPass(context);
    }

    TestDir dir;
    VantrelState state;
    RecordingPort port;
};

QByteArray Picture(int n) {
    return QByteArray("\xFF\xD8\xFF", 3) + QByteArray(6000 + n, char('a' + n));
}

// A fetch that saves the picture as FetchUrl does (whole file or nothing), with a hook before each.
PictureFetcher SavingFetch(std::function<void(int)> before) {
    auto calls = std::make_shared<std::atomic<int>>(0);
    return [=](ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, int) {
        const int call = ++*calls;
        before(call);
        response.body = Picture(call);
        WriteWholeFile(request.strSavePath, response.body); // as FetchUrl saves a picture
        return true;
    };
}

} // namespace

TEST_F(DownloadFaults, SaveFolderGoesAwayMidAlbum) {
    const QString album = dir.path("out/album0");
    const int total = Run(SavingFetch([&](int call) {
        if (call == 3) { // the folder is moved away and a file stands in its place
            QDir().rename(album, album + QStringLiteral(".moved"));
            QFile blocker(album);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
    }));
    EXPECT_EQ(total, 4);
    EXPECT_EQ(state.DownloadState.load(), 0);
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("下载完毕"));
    const QDir moved(album + QStringLiteral(".moved"));
    EXPECT_EQ(moved.entryList(QDir::Files), QStringList({"p1.jpg", "p2.jpg"})); // nothing half-written beside them
    QFile first(moved.filePath("p1.jpg"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), Picture(1));
}

TEST_F(DownloadFaults, FullDisk) {
    const QString small = dir.path("small");
    QDir().mkpath(small);
    if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here (needs CAP_SYS_ADMIN): " << strerror(errno);
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount(path.constData()); }
    } unmount{QFile::encodeName(small)};
    port.texts[ctl::SavePathBox] = small;
    const int total = Run(SavingFetch([](int) {}));
    EXPECT_EQ(total, 4);
    EXPECT_EQ(state.DownloadState.load(), 0);
    const QDir album(small + QStringLiteral("/album0"));
    const QStringList pictures = album.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    for (const QString& name : pictures) {
        QFile file(album.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.size() > 6000) << name.toStdString(); // whole pictures only
    }
    EXPECT_LT(pictures.size(), 4); // some did not fit
    EXPECT_GE(pictures.size(), 1);
}

TEST(Faults, ServersThatMisbehave) {
    S server;
    server.on("/reset", {S::Send("HTTP/1.1 200 OK\r\nContent-Length: 9000\r\n\r\n" + QByteArray(2000, 'r')), S::Reset()});
    server.on("/loop", S::Reply(302, "", "Location: /loop\r\n"));
    server.on("/flood", {S::Send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(400 * 1024, 'f')), S::Close()});
    TestDir dir;
    dir.write("keep.jpg", "EARLIER PICTURE");
    for (const char* path : {"/reset", "/loop", "/flood"}) {
        ST_HTTPREQUEST request(server.url(path), dir.path("keep.jpg"), 20000);
        request.nMaxKB = 100;
        request.byAttempts = 2;
        request.byRetryDelay = 0;
        ST_HTTPRESPONSE response;
        EXPECT_FALSE(FetchUrl(request, response, 3)) << path;
        EXPECT_EQ(dir.read("keep.jpg"), "EARLIER PICTURE") << path; // untouched
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"keep.jpg"}));
}

namespace {

sim::Catalogue StopCatalogue() {
    sim::Shop shop;
    shop.kind = "taobao";
    shop.host = "stops.taobao.com";
    shop.nick = "stops";
    shop.pageSize = 5;
    for (int i = 1; i <= 60; ++i) {
        sim::Item item;
        item.id = QString::number(9100 + i);
        item.name = QStringLiteral("n%1").arg(i);
        item.pictures = 6;
        item.descriptionPictures = 0;
        item.pictureKB = 32;
        item.slowMs = 5;
        shop.items << item;
    }
    sim::Catalogue catalogue;
    catalogue.shops << shop;
    return catalogue;
}

} // namespace

TEST(Stops, FiftyStopsAtRandomMomentsNeverHang) {
    sim::MarketSim market(StopCatalogue());
    ASSERT_TRUE(market.Start());
    qputenv("http_proxy", market.address().toUtf8());
    TestDir dir;
    VantrelState state;
    Prepare(state, dir);
    state.Settings.Change([](ST_SOFTDATA& d) { return d.downSets[11].wThreads = 4, true; });
    RecordingPort port;
    port.texts[ctl::AddressBox] = QStringLiteral("http://stops.taobao.com/");
    port.texts[ctl::SavePathBox] = dir.path("out");
    QRandomGenerator random(42);
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(round);
        state.Albums.EmptyAlbums();
        state.ListFetchState = 1;
        auto fetch = std::async(std::launch::async, [&] { FetchAlbumList(state, port); });
        std::this_thread::sleep_for(std::chrono::milliseconds(random.bounded(40)));
        uint8_t running = 1;
        state.ListFetchState.compare_exchange_strong(running, 2); // the button, unless the fetch has ended
        ASSERT_EQ(fetch.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        EXPECT_EQ(state.ListFetchState.load(), 0);

        if (state.Albums.isEmpty())
            continue;
        port.selected.clear();
        for (int i = 0; i < state.Albums.size(); ++i)
            port.selected << i;
        state.DownloadState = 1;
        auto download = std::async(std::launch::async, [&] { RunDownloadPass(state, port); });
        std::this_thread::sleep_for(std::chrono::milliseconds(random.bounded(60)));
        // The button while a pass runs: stop requested, workers told.
        for (uint8_t now = state.DownloadState; now != 0 && !state.DownloadState.compare_exchange_weak(now, 3);)
            ;
        state.WorkerStopFlag = 1;
        ASSERT_EQ(download.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        EXPECT_EQ(state.DownloadState.load(), 0);
        EXPECT_EQ(state.WorkersRunning.load(), 0);
    }
    qunsetenv("http_proxy");
}
