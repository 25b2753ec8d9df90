#include "MarketSim.h"
#include "RecordingPort.h"
#include "TestDir.h"
#include "commands/Download.h"
#include "commands/GetAlbums.h"
#include "market/ChangeSource.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <numeric>
#include <thread>

namespace {

ST_DOWNJOB Job(const QString& folder, int pictures) {
    ST_DOWNJOB job;
    job.folder = folder;
    for (int i = 0; i < pictures; ++i) {
        job.addresses << QStringLiteral("http://pic/%1.jpg").arg(i);
        job.names << QStringLiteral("%1.jpg").arg(i);
        job.headers << QString();
    }
    return job;
}

// A stand-in for the network that records the order and the concurrency of picture fetches.
struct RecordingFetch {
    std::mutex lock;
    QStringList started;
    int running = 0;
    int mostAtOnce = 0;
    int delayMs = 30;
    PictureFetcher fetcher() {
        return [this](ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, int options) {
            {
                const std::lock_guard<std::mutex> g(lock);
                started << request.strUrl;
                mostAtOnce = std::max(mostAtOnce, ++running);
            }
            EXPECT_EQ(options, FETCH_CACHEWRITE | FETCH_FROMCACHE);
            EXPECT_EQ(request.byAttempts, 2);
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            response.body = "picture";
            const std::lock_guard<std::mutex> g(lock);
            --running;
            return true;
        };
    }
};

} // namespace

TEST(Coordinator, StartsInOrderWithinTheThreadCount) {
    for (uint32_t threads : {5u, 3u}) {
        VantrelState state;
        RecordingPort port;
        RecordingFetch fetch;
        const ST_DOWNJOB job = Job("/nowhere/", 12);
        DownPicFunc(job, DownloadParams{0, 0, threads, 30}, state, port, fetch.fetcher());
        // Workers run side by side, so their fetches may begin in any order among those in flight; but
        // no picture begins before its turn: the p-th fetch is one of pictures 0 .. p + threads - 1.
        QList<int> order;
        for (const QString& url : fetch.started)
            order << url.section(u'/', -1).section(u'.', 0, 0).toInt();
        for (int p = 0; p < order.size(); ++p)
            EXPECT_LT(order[p], p + int(threads)) << p;
        std::sort(order.begin(), order.end());
        QList<int> all(12);
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(order, all);
        EXPECT_LE(fetch.mostAtOnce, int(threads));
        EXPECT_EQ(port.texts[ctl::ProgressLine], QStringLiteral("已下载12/12......"));
        EXPECT_EQ(state.WorkersRunning.load(), 0);
    }
    VantrelState state;
    RecordingPort port;
    RecordingFetch fetch;
    DownPicFunc(Job("/nowhere/", 3), DownloadParams{0, 0, 5, 30}, state, port, fetch.fetcher());
    EXPECT_EQ(fetch.mostAtOnce, 3);
    EXPECT_EQ(port.texts[ctl::ProgressLine], QStringLiteral("已下载3/3......"));
}

TEST(Coordinator, OneThreadPausesBetweenPictures) {
    VantrelState state;
    RecordingPort port;
    RecordingFetch fetch;
    fetch.delayMs = 0;
    const auto start = std::chrono::steady_clock::now();
    DownPicFunc(Job("/nowhere/", 3), DownloadParams{0, 0, 1, 30}, state, port, fetch.fetcher());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4000)); // two pauses of 2 s
    EXPECT_EQ(fetch.mostAtOnce, 1);
}

TEST(Coordinator, StopLeavesLateWorkersToThemselves) {
    VantrelState state;
    RecordingPort port;
    RecordingFetch fetch;
    fetch.delayMs = 100;
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        state.WorkerStopFlag = 1;
    });
    DownPicFunc(Job("/nowhere/", 100), DownloadParams{0, 0, 5, 30}, state, port, fetch.fetcher());
    stopper.join();
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // the late workers end on their own
    const std::lock_guard<std::mutex> g(fetch.lock);
    EXPECT_LT(fetch.started.size(), 30);
    EXPECT_EQ(fetch.running, 0);
}

TEST(PictureFetch, AlternativeAddressRule) {
    struct Case {
        const char* entry;
        QByteArray firstBody;
        int fetches;
    } cases[] = {
        {"http://a/1.jpg\r\nhttp://b/1.jpg", "", 2},
        {"http://a/1.jpg\r\nhttp://img.alicdn.com/1.jpg", QByteArray(300, 'x'), 2},
        {"http://a/1.jpg\r\nhttp://b/1.jpg", QByteArray(300, 'x'), 1},
        {"http://a/1.jpg\r\nhttp://img.alicdn.com/1.jpg", QByteArray(600, 'x'), 1},
        {"http://a/1.jpg", "", 1},
    };
    for (const Case& c : cases) {
        ST_DOWNJOB job;
        job.folder = QStringLiteral("/folder/");
        job.addresses << c.entry;
        job.names << QStringLiteral("/full/path.jpg");
        job.headers << QStringLiteral("Referer: http://item/");
        QStringList asked;
        FetchPicture(job, 0, DownloadParams{10, 100, 5, 45}, [&](ST_HTTPREQUEST& r, ST_HTTPRESPONSE& response, int) {
            asked << r.strUrl;
            EXPECT_EQ(r.strSavePath, QStringLiteral("/full/path.jpg"));
            EXPECT_EQ(r.strHeaders, QStringLiteral("Referer: http://item/"));
            EXPECT_EQ(r.dwReadTimeout, 45000u);
            EXPECT_EQ(r.dwTimeout, 20000u);
            EXPECT_EQ(r.nMinKB, 10u);
            EXPECT_EQ(r.nMaxKB, 100u);
            response.body = asked.size() == 1 ? c.firstBody : QByteArray("second");
            return true;
        });
        EXPECT_EQ(asked.size(), c.fetches) << c.entry;
    }
}

namespace {

QByteArray Gbk(const QString& text) {
    return UnicodeToGbk(text);
}

PictureFetcher OnePage(const QByteArray& page, QStringList* asked = nullptr) {
    return [page, asked](ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, int) {
        if (asked)
            *asked << request.strUrl;
        response.strHeaders = QStringLiteral("HTTP/1.1 200 OK\r\ncharset=GBK\r\n\r\n");
        response.body = page;
        return true;
    };
}

struct Collected {
    QStringList addresses, names;
};

Collected Collect(VantrelState& state, RecordingPort& port, const PictureFetcher& fetch, bool offer, int stopAfter = -1) {
    Collected c;
    ListContext context{state, port, fetch};
    const ItemPictureSink sink = [&](const QString& a, const QString& n, const QString&) {
        c.addresses << a;
        c.names << n;
        if (int(c.names.size()) == stopAfter)
            state.DownloadState = 2;
    };
    if (offer)
        GetOfferPictures(context, 0, sink);
    else
        GetItemPictures(context, 0, sink);
    return c;
}

const QString kItemPage = QStringLiteral(
    "<html><script>var g={'defaultItemPrice':'12.50'}; TB.loadScript('//dsc.taobaocdn.com/d/1.js');</script>"
    "<ul id=\"J_UlThumb\"><li><img src=\"//x/s.gif\" lazyload=\"//img.alicdn.com/a.jpg_60x60.jpg\"></li>"
    "<li><img src=\"http://img.alicdn.com/b_1.jpg_60x60.jpg\"></li><li><img src=\"//img.alicdn.com/c.jpg\"></li></ul>");

} // namespace

TEST(ItemPictures, StripPricesAndStops) {
    VantrelState state;
    RecordingPort port;
    state.SiteNumber = 11;
    ST_PERLISTRECORD album;
    album.strAddress = QStringLiteral("http://item.taobao.com/item.htm?id=1");
    state.Albums.AddAlbum(album);
    state.DownloadState = 1;
    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = SAVE_MAIN_PICTURES_ONLY, true; });

    Collected c = Collect(state, port, OnePage(Gbk(kItemPage)), false);
    EXPECT_EQ(c.addresses, QStringList({"http://img.alicdn.com/a.jpg", "http://img.alicdn.com/b_1.jpg",
                                        "http://img.alicdn.com/c.jpg"}));
    EXPECT_EQ(c.names, QStringList({"主图_1", "主图_2", "主图_3"}));

    state.Extension = {true, 0};
    EXPECT_EQ(Collect(state, port, OnePage(Gbk(kItemPage)), false).names.value(2), QStringLiteral("价格12.50元_主图_3"));
    state.Extension = {true, 5};
    EXPECT_EQ(Collect(state, port, OnePage(Gbk(kItemPage)), false).names.value(2), QStringLiteral("价格17.50元_主图_3"));
    EXPECT_EQ(PricePrefix(QStringLiteral("10.00 - 20.00"), true, 1), QStringLiteral("价格11.00元_"));
    EXPECT_EQ(PricePrefix(QString(), true, 1), QString());

    EXPECT_EQ(Collect(state, port, OnePage(Gbk(kItemPage)), false, 2).names.size(), 2); // DownloadState 2 ends it
    state.DownloadState = 1;

    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = SAVE_DESCRIPTION_PICTURES_ONLY, true; });
    QStringList asked;
    c = Collect(state, port, OnePage(Gbk(kItemPage + "<img src=\"http://d/1.jpg\">"), &asked), false);
    // The stand-in answers the description address with the same page: its four pictures.
    EXPECT_EQ(c.names, QStringList({"价格17.50元_描述_1", "价格17.50元_描述_2", "价格17.50元_描述_3", "价格17.50元_描述_4"}));
    EXPECT_EQ(c.addresses.last(), QStringLiteral("http://d/1.jpg"));
    EXPECT_EQ(asked.last(), QStringLiteral("http://dsc.taobaocdn.com/d/1.js"));

    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = 0, true; });
    c = Collect(state, port, OnePage(Gbk(QStringLiteral("<ul id=\"J_UlThumb\"><img src=\"//a/1.jpg\"></ul>"))), false);
    EXPECT_TRUE(c.names.isEmpty()); // no description host: not an item page we know
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, QStringLiteral("获取信息出错(2),请将程序目录下的log.err文件发给作者,以便修改"));
}

TEST(ItemPictures, OfferNumbersSkipNonHttpPieces) {
    VantrelState state;
    RecordingPort port;
    state.SiteNumber = 11;
    state.Albums.AddAlbum(ST_PERLISTRECORD());
    state.DownloadState = 1;
    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = SAVE_MAIN_PICTURES_ONLY, true; });
    state.OfferPageText = QStringLiteral("<div data-tfs-url=\"http://desc/1\"></div>{\"original\":\"http://a/1.jpg\"},"
                                         "{\"original\":\"//a/2.jpg\"},{\"original\":\"http://a/3.jpg\"}");
    QStringList asked;
    const Collected c = Collect(state, port, OnePage("", &asked), true);
    EXPECT_EQ(c.names, QStringList({"主图_1", "主图_3"}));
    EXPECT_TRUE(asked.isEmpty()); // the kept page text, no fetch
}

namespace {

class DownloadEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Shop shop;
        shop.kind = "taobao";
        shop.host = "pics.taobao.com";
        shop.nick = "图片店";
        shop.pageSize = 3;
        for (int i = 1; i <= 5; ++i) {
            sim::Item item;
            item.id = QString::number(8000 + i);
            item.name = QStringLiteral("宝贝%1").arg(i);
            item.pictures = 3;
            item.descriptionPictures = 1;
            item.format = i == 2 ? "png" : "jpg";
            item.wrongExtension = i == 2;
            item.noLength = i == 4;
            item.failOnce = i == 5;
            item.pictureKB = 2;
            shop.items << item;
        }
        catalogue.shops << shop;
        market = std::make_unique<sim::MarketSim>(catalogue);
        ASSERT_TRUE(market->Start());
        qputenv("http_proxy", market->address().toUtf8());
        state.ProgramDir = dir.path();
        state.Settings.SetPath(dir.path("soft.dat"));
        state.Settings.Load(); // first run: slot 11 has 0x0012
        state.Ready = 1;
        port.texts[ctl::SavePathBox] = dir.path("out");
    }
    void TearDown() override { qunsetenv("http_proxy"); }

    void FetchList() {
        port.texts[ctl::AddressBox] = QStringLiteral("http://pics.taobao.com/");
        state.ListFetchState = 1;
        FetchAlbumList(state, port);
    }
    int Download(QList<int> picked) {
        port.selected = picked;
        state.DownloadState = 1;
        return RunDownloadPass(state, port);
    }
    QStringList Files(const QString& album) {
        return QDir(dir.path("out/图片店/") + album).entryList(QDir::Files, QDir::Name);
    }

    TestDir dir;
    sim::Catalogue catalogue;
    std::unique_ptr<sim::MarketSim> market;
    VantrelState state;
    RecordingPort port;
};

} // namespace

TEST_F(DownloadEndToEnd, AlbumsLandInTheirFolders) {
    FetchList();
    ASSERT_EQ(state.Albums.size(), 5);
    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags |= SAVE_FIX_FORMAT | SAVE_NAME_FILE, true; });
    EXPECT_EQ(Download({0, 1, 3, 4}), 16);
    EXPECT_EQ(Files("宝贝1"), QStringList({"pic.wmz", "主图_1.jpg", "主图_2.jpg", "主图_3.jpg", "宝贝1.txt", "描述_1.jpg"}));
    EXPECT_EQ(Files("宝贝2"), QStringList({"pic.wmz", "主图_1.png", "主图_2.png", "主图_3.png", "宝贝2.txt", "描述_1.png"}));
    EXPECT_EQ(Files("宝贝4").size(), 6); // pictures without a length
    EXPECT_EQ(Files("宝贝5").size(), 6); // each picture failed once, the second attempt kept it
    EXPECT_FALSE(QDir(dir.path("out/图片店/宝贝3")).exists());
    QFile picture(dir.path("out/图片店/宝贝1/主图_2.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(picture.readAll(), sim::PictureBytes("jpg", 2048 + 2 * 37, 8001 * 31 + 2));
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("下载完毕"));
    EXPECT_EQ(port.texts[ctl::DownloadButton], QStringLiteral("下载"));
    EXPECT_EQ(state.DownloadState.load(), 0);
    EXPECT_EQ(state.Albums.PickedCount(), 4);
    EXPECT_EQ(port.openedFolders, QStringList({dir.path("out/图片店/宝贝5/")})); // first-run SAVE_OPEN_FOLDER
}

TEST_F(DownloadEndToEnd, SkipDownloadedAndListFiles) {
    FetchList();
    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = SAVE_SKIP_DOWNLOADED, true; });
    EXPECT_EQ(Download({0}), 4);
    EXPECT_EQ(Download({0}), 0); // the first picture was downloaded before
    EXPECT_EQ(Files("宝贝1").size(), 5);

    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = SAVE_THUNDER_LIST_ONLY, true; });
    EXPECT_EQ(Download({2}), 4);
    EXPECT_EQ(Files("宝贝3"), QStringList({"宝贝3.lst"}));
    QFile list(dir.path("out/图片店/宝贝3/宝贝3.lst"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), QByteArray("http://img.alicdn.com/imgextra/i1/8003/1.jpg\r\nhttp://img.alicdn.com/imgextra/i1/8003/2.jpg\r\n"
                                         "http://img.alicdn.com/imgextra/i1/8003/3.jpg\r\nhttp://img.alicdn.com/imgextra/i1/8003/d1.jpg\r\n"));
}

TEST_F(DownloadEndToEnd, SavePathProblems) {
    FetchList();
    port.texts[ctl::SavePathBox] = QStringLiteral("  ");
    EXPECT_EQ(Download({0}), 0);
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, QStringLiteral("请先设置保存路径"));
    EXPECT_EQ(state.DownloadState.load(), 0);

    dir.write("file", "not a folder");
    port.texts[ctl::SavePathBox] = dir.path("file/below");
    EXPECT_EQ(Download({0}), 0);
    ASSERT_EQ(port.messages.size(), 3);
    EXPECT_EQ(port.messages[1].text, dir.path("file/below"));
    EXPECT_EQ(port.messages[2].text, QStringLiteral("请检测设置的保存路径是否有误"));

    port.texts[ctl::SavePathBox] = dir.path("out");
    EXPECT_EQ(Download({}), 0);
    EXPECT_EQ(port.messages.last().text, Deciphered(stored::kNoSelectionMessage));
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("下载完毕"));
}

TEST_F(DownloadEndToEnd, StopInTheThirdOfFiveAlbums) {
    FetchList();
    catalogue.shops[0].items[2].slowMs = 400;
    catalogue.shops[0].items[2].pictureKB = 64;
    market = std::make_unique<sim::MarketSim>(catalogue); // the same shop, its third album slow
    ASSERT_TRUE(market->Start());
    qputenv("http_proxy", market->address().toUtf8());
    state.Settings.Change([](ST_SOFTDATA& d) { return d.saveSets[11].wFlags = SAVE_FIX_ORDER, true; });
    std::thread stopper([&] {
        while (!port.ControlText(ctl::StatusLine).contains(QStringLiteral("第3/5")))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        PressDownload(state, port, [] { return true; }); // the button again: stop
    });
    Download({0, 1, 2, 3, 4});
    stopper.join();
    EXPECT_EQ(Files("宝贝1").size(), 5);
    EXPECT_FALSE(QFile::exists(dir.path("out/图片店/宝贝3/pic.wmz"))); // a stopped album gets no history
    EXPECT_FALSE(QDir(dir.path("out/图片店/宝贝4")).exists());
    EXPECT_EQ(state.DownloadState.load(), 0);
}
