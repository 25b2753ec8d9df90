#include "MarketSim.h"
#include "RecordingPort.h"
#include "TestDir.h"
#include "commands/GetAlbums.h"
#include "session/WindowStates.h"
#include "market/ChangeSource.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

#include <gtest/gtest.h>

TEST(RewriteListAddress, Table) {
    struct Case {
        const char* address;
        const char* listTemplate;
        bool offers;
    } cases[] = {
        {"http://s.taobao.com/search", "http://s.taobao.com/search?", false},
        {"http://s.taobao.com/search?q=a&pageNum=5&viewType=list", "http://s.taobao.com/search?q=a&Wmz1=5&Wmz2=list", false},
        {"http://item.taobao.com/item.htm?id=1", "http://item.taobao.com/item.htm?id=1", false},
        {"http://x.tmall.com/category-123.htm", "http://x.tmall.com/category-123.htm?", false},
        {"http://shop1.taobao.com/", "http://shop1.taobao.com/?search=y", false},
        {"http://shop1.taobao.com/index.htm?spm=1.2", "http://shop1.taobao.com/?search=y", false},
        {"search.taobao.com/", "search.taobao.com/?search=y", false}, // "search" at position 0 does not count
        {"http://detail.1688.com/offer/12.html", "http://detail.1688.com/offer/12.html", true},
        {"http://s.1688.com/page/offerlist.htm?pageNum=2&showType=list", "http://s.1688.com/page/offerlist.htm?Wmz1=2&Wmz2=list", true},
        {"http://s.1688.com/page/offerlist.htm", "http://s.1688.com/page/offerlist.htm?", true},
        {"http://abc.1688.com/", "http://abc.1688.com/page/offerlist.htm?", true},
        {"http://abc.1688.com", "http://abc.1688.com/?search=y", false}, // no "/" after the domain
    };
    for (const Case& c : cases) {
        const ListAddress list = RewriteListAddress(c.address);
        EXPECT_EQ(list.listTemplate, c.listTemplate) << c.address;
        EXPECT_EQ(list.offers1688, c.offers) << c.address;
    }
    EXPECT_EQ(TidyFolderName(QStringLiteral(" a/b:c ")), QStringLiteral("abc/"));
    EXPECT_EQ(TidyFolderName(QString()), QString());
}

namespace {

sim::Shop MakeShop(const QString& kind, const QString& host, int items, int pageSize, const QString& layout,
                   const QString& lastPage) {
    sim::Shop shop;
    shop.kind = kind;
    shop.host = host;
    shop.nick = QStringLiteral("测试店铺");
    shop.company = QStringLiteral("测试公司");
    shop.crumbs = {QStringLiteral("首页"), QStringLiteral("女装")};
    shop.pageSize = pageSize;
    shop.layout = layout;
    shop.lastPage = lastPage;
    for (int i = 1; i <= items; ++i)
        shop.items.append({QString::number(host.size() * 1000 + i), QStringLiteral("宝贝%1").arg(i),
                           QStringLiteral("%1人付款").arg(i * 10), 3});
    return shop;
}

class ListFetch : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Catalogue catalogue;
        catalogue.shops = {MakeShop("taobao", "dl.taobao.com", 11, 4, "dl", "nomore"),
                           MakeShop("tmall", "div.tmall.com", 7, 3, "div", "disabled"),
                           MakeShop("taobao", "bare.taobao.com", 5, 2, "dl", "none"),
                           MakeShop("1688", "firm.1688.com", 6, 4, "dl", "nomore")};
        catalogue.shops[0].gzip = true;
        sim::Shop same = MakeShop("taobao", "same.taobao.com", 3, 10, "dl", "nomore");
        for (sim::Item& item : same.items)
            item.name = QStringLiteral("同名");
        catalogue.shops.append(same);
        market = std::make_unique<sim::MarketSim>(catalogue);
        ASSERT_TRUE(market->Start());
        qputenv("http_proxy", market->address().toUtf8());
        state.ProgramDir = dir.path();
        state.Settings.SetPath(dir.path("soft.dat"));
        state.Settings.Load();
        state.Ready = 1;
    }
    void TearDown() override { qunsetenv("http_proxy"); }

    void Fetch(const QString& address) {
        port.texts[ctl::AddressBox] = address;
        state.Albums.EmptyAlbums();
        state.ListFetchState = 1;
        FetchAlbumList(state, port);
    }
    QStringList Names() const {
        QStringList names;
        for (const auto& album : state.Albums.snapshot())
            names << album.strName;
        return names;
    }

    TestDir dir;
    std::unique_ptr<sim::MarketSim> market;
    VantrelState state;
    RecordingPort port;
};

} // namespace

TEST_F(ListFetch, ShopListWalksEveryPage) {
    Fetch(QStringLiteral("  http://dl.taobao.com/#top  "));
    ASSERT_EQ(state.Albums.size(), 11);
    EXPECT_EQ(Names().first(), QStringLiteral("宝贝1"));
    EXPECT_EQ(Names().last(), QStringLiteral("宝贝11"));
    const ST_PERLISTRECORD third = state.Albums.at(2);
    EXPECT_EQ(third.strAddress, QStringLiteral("http://item.taobao.com/item.htm?id=13003"));
    EXPECT_EQ(third.strCoverAddress, QStringLiteral("//img.alicdn.com/bao/uploaded/13003/cover.jpg_180x180.jpg"));
    EXPECT_EQ(third.nSales, 30);
    EXPECT_EQ(third.nPictureCount, -1);
    EXPECT_EQ(state.ListFolderName, QStringLiteral("测试店铺/"));
    EXPECT_EQ(state.ListSubFolderName, QStringLiteral("首页女装/"));
    EXPECT_EQ(state.ListFetchState.load(), 0);
    EXPECT_EQ(port.texts[ctl::AlbumFrame], QStringLiteral("相册列表(共11个)"));
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("获取相册列表完成，共11个"));
    EXPECT_EQ(port.texts[ctl::GetAlbumsButton], QStringLiteral("获取相册"));
    EXPECT_FALSE(port.disabled.contains(ctl::DownloadButton));
    EXPECT_TRUE(port.hidden.contains(ctl::StartupNotice));
    EXPECT_EQ(port.shownAlbums, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(port.messages.isEmpty());
    EXPECT_EQ(port.downloadsStarted, 0);
    // The address as typed (trimmed) is remembered, once whatever its letter case.
    EXPECT_EQ(RecentEntry(state.Settings.Copy(), RECENT_ADDRESSES, 0), QStringLiteral("http://dl.taobao.com/#top"));
    Fetch(QStringLiteral("HTTP://DL.taobao.com/#TOP"));
    EXPECT_EQ(RecentEntries(state.Settings.Copy(), RECENT_ADDRESSES).size(), 1);
    EXPECT_EQ(port.recent[ctl::AddressBox].size(), 1);
}

TEST_F(ListFetch, PagingEndsOfEachLayout) {
    Fetch(QStringLiteral("http://div.tmall.com/category-9.htm"));
    EXPECT_EQ(state.Albums.size(), 7); // "<div class=\"item\">" blocks, a disabled next link at the end
    EXPECT_EQ(state.Albums.at(6).nSales, 70);
    Fetch(QStringLiteral("http://bare.taobao.com/"));
    EXPECT_EQ(state.Albums.size(), 5); // the last page has no next link at all
    Fetch(QStringLiteral("http://same.taobao.com/"));
    EXPECT_EQ(Names(), QStringList({"同名", "同名 (1)", "同名 (2)"}));
}

TEST_F(ListFetch, NothingFoundAndBadAddresses) {
    Fetch(QStringLiteral("http://s.taobao.com/search?q=nothing"));
    EXPECT_EQ(state.Albums.size(), 0);
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, Deciphered(stored::kNoAlbumMessage));
    EXPECT_TRUE(port.disabled.contains(ctl::DownloadButton));
    EXPECT_TRUE(RecentEntries(state.Settings.Copy(), RECENT_ADDRESSES).isEmpty());

    port.messages.clear();
    port.texts.remove(ctl::GetAlbumsButton);
    Fetch(QStringLiteral("   "));
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, Deciphered(stored::kEmptyAddressMessage));
    EXPECT_FALSE(port.texts.contains(ctl::GetAlbumsButton)); // never entered the fetching state
    EXPECT_EQ(state.ListFetchState.load(), 0);

    port.messages.clear();
    Fetch(QStringLiteral("dl.taobao.com"));
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, Deciphered(stored::kNotWebAddressMessage));
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("获取相册列表完成，共0个"));
}

TEST_F(ListFetch, SingleItemStartsTheDownload) {
    Fetch(QStringLiteral("http://item.taobao.com/item.htm?id=13002"));
    ASSERT_EQ(state.Albums.size(), 1);
    EXPECT_EQ(state.Albums.at(0).strName, QStringLiteral("宝贝2"));
    EXPECT_EQ(state.Albums.at(0).strAddress, QStringLiteral("http://item.taobao.com/item.htm?id=13002"));
    EXPECT_EQ(state.ListFolderName, QStringLiteral("测试店铺/"));
    EXPECT_EQ(port.selectAllCount, 1);
    EXPECT_EQ(port.downloadsStarted, 1);
}

TEST_F(ListFetch, OfferListsAndOffers) {
    Fetch(QStringLiteral("http://firm.1688.com/"));
    ASSERT_EQ(state.Albums.size(), 6);
    EXPECT_EQ(state.ListPageKind.load(), 2);
    EXPECT_EQ(state.ListFolderName, QStringLiteral("测试公司/"));
    EXPECT_EQ(state.Albums.at(5).strAddress, QStringLiteral("http://detail.1688.com/offer/13006.html"));
    EXPECT_EQ(state.Albums.at(5).strCoverAddress, QStringLiteral("https://cbu01.alicdn.com/img/ibank/13006.220x220.jpg"));
    EXPECT_TRUE(state.OfferPageText.isEmpty());
    EXPECT_EQ(port.downloadsStarted, 0);

    Fetch(QStringLiteral("http://detail.1688.com/offer/13004.html"));
    ASSERT_EQ(state.Albums.size(), 1);
    EXPECT_EQ(state.Albums.at(0).strName, QStringLiteral("宝贝4")); // "点击查看大图：" removed
    EXPECT_TRUE(state.OfferPageText.contains(QStringLiteral("box-img")));
    EXPECT_EQ(port.downloadsStarted, 1);
}

namespace {
// A port that asks the fetch to stop once the given number of albums is shown.
class StoppingPort : public RecordingPort {
public:
    StoppingPort(VantrelState& state, int after) : m_state(state), m_after(after) {}
    void ShowAlbum(int index) override {
        RecordingPort::ShowAlbum(index);
        if (index + 1 == m_after)
            m_state.ListFetchState = 2;
    }

private:
    VantrelState& m_state;
    int m_after;
};
} // namespace

TEST_F(ListFetch, StopRequestEndsAfterTheNextAlbum) {
    for (const char* address : {"http://dl.taobao.com/", "http://firm.1688.com/"}) {
        StoppingPort stopping(state, 5);
        stopping.texts[ctl::AddressBox] = address;
        state.Albums.EmptyAlbums();
        state.ListFetchState = 1;
        FetchAlbumList(state, stopping);
        EXPECT_EQ(state.Albums.size(), 5) << address;
        EXPECT_EQ(state.ListFetchState.load(), 0);
        EXPECT_EQ(stopping.texts[ctl::StatusLine], QStringLiteral("获取相册列表完成，共5个"));
    }
}

TEST_F(ListFetch, NotReadyAddsNothing) {
    state.Ready = 0;
    Fetch(QStringLiteral("http://dl.taobao.com/"));
    EXPECT_EQ(state.Albums.size(), 0);
}

namespace {
// Pages made by hand, answered in place of the network.
PageFetcher Pages(QMap<QString, QByteArray> pages, QStringList* asked = nullptr) {
    return [pages, asked](ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, int) {
        if (asked)
            asked->append(request.strUrl);
        response.strHeaders = QStringLiteral("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\n\r\n");
        response.bGzip = false;
        for (auto it = pages.begin(); it != pages.end(); ++it) {
            if (request.strUrl.endsWith(it.key())) {
                response.body = it.value();
                return true;
            }
        }
        response.body = "<html></html>";
        return true;
    };
}
QByteArray Gbk(const QString& text) {
    return UnicodeToGbk(text);
}
const QString kBlock = QStringLiteral("<dl class=\"item\"><a href=\"//item.taobao.com/item.htm?id=%1\"><img src=\"c%1.jpg\"></a>"
                                      "<a class=\"item-name\" href=\"#\">名%1</a><em>%1件</em></dl>");
} // namespace

TEST_F(ListFetch, DiagnosticFilesAndMessages) {
    ListContext context{state, port, Pages({{"pageNum=1", Gbk(QStringLiteral("排序：<p>nothing here</p>"))}})};
    ParseShopList(QStringLiteral("http://x.taobao.com/?search=y"), context);
    QFile file(dir.path("taobao.tmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2),
              QStringLiteral("排序：<p>nothing here</p>"));

    const QString badLink = QStringLiteral("<dl class=\"item\"><a href=\"mailto:x\">x</a></dl>");
    ListContext bad{state, port, Pages({{"pageNum=1", Gbk(kBlock.arg(1) + badLink + kBlock.arg(2))}})};
    ParseShopList(QStringLiteral("http://x.taobao.com/?search=y"), bad);
    EXPECT_EQ(state.Albums.size(), 1); // the album before the bad link stays
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, QStringLiteral("获取信息出错,请将程序目录下的log.err文件发给作者,以便修改"));
    EXPECT_TRUE(QFile::exists(dir.path("log.err")));
}

TEST_F(ListFetch, NextPageTestsAndCuts) {
    QStringList asked;
    // "没有下一页" within the first 11 characters does not end the walk; page 2 ends it later on.
    const QString first = QStringLiteral("没有下一页") + kBlock.arg(1) + QStringLiteral("<a>>下一页</a>");
    const QString second = kBlock.arg(2) + QStringLiteral("<a href=#>下一页</a> 那么…… 没有下一页") +
                           QStringLiteral("<button type=\"submit\">确定</button>") + kBlock.arg(9);
    ListContext context{state, port,
                        Pages({{"pageNum=1", Gbk(first)}, {"pageNum=2", Gbk(second)}, {"pageNum=3", Gbk(kBlock.arg(3))}}, &asked)};
    ParseShopList(QStringLiteral("http://x.taobao.com/?search=y"), context);
    EXPECT_EQ(asked, QStringList({"http://www.taobao.com/", "http://x.taobao.com/?search=y&viewType=grid&pageNum=1",
                                  "http://x.taobao.com/?search=y&viewType=grid&pageNum=2"}));
    ASSERT_EQ(state.Albums.size(), 2); // the block behind the submit button was cut away
    EXPECT_EQ(state.Albums.at(1).strName, QStringLiteral("名2"));
    EXPECT_EQ(state.Albums.at(1).nSales, 2);
    EXPECT_EQ(state.Albums.at(1).strCoverAddress, QStringLiteral("c2.jpg"));
    EXPECT_EQ(state.ListFolderName.size(), 14); // no shop name on the page: the time name
}

TEST_F(ListFetch, OfferListWithoutCompanyName) {
    ListContext context{state, port, Pages({{"pageNum=1", Gbk(QStringLiteral("<div class=\"image\"><a href=\"x\" title=\"t\"></div>"))}})};
    ParseOfferList(QStringLiteral("http://x.1688.com/page/offerlist.htm?"), context);
    EXPECT_EQ(state.Albums.size(), 0);
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, Deciphered(stored::kNoCompanyNameMessage));
}

TEST(WindowStates, GetAlbumsButton) {
    VantrelState state;
    RecordingPort port;
    int started = 0;
    const auto start = [&] { return ++started, true; };
    PressGetAlbums(state, port, start);
    EXPECT_EQ(started, 0); // not ready yet
    state.Ready = 1;
    state.Albums.AddAlbum(ST_PERLISTRECORD());
    PressGetAlbums(state, port, start);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(state.ListFetchState.load(), 1);
    EXPECT_TRUE(state.Albums.isEmpty());
    EXPECT_EQ(port.gridResets, 1);
    PressGetAlbums(state, port, start);
    EXPECT_EQ(state.ListFetchState.load(), 2);
    PressGetAlbums(state, port, start);
    EXPECT_EQ(state.ListFetchState.load(), 2);
    EXPECT_EQ(started, 1);

    state.ListFetchState = 0;
    PressGetAlbums(state, port, [] { return false; });
    EXPECT_EQ(state.ListFetchState.load(), 0);
    ASSERT_EQ(port.messages.size(), 1);
    EXPECT_EQ(port.messages[0].text, QStringLiteral("Create thread:GetListFunc failed."));
}

TEST(WindowStates, EnterAndLeave) {
    VantrelState state;
    RecordingPort port;
    EnterFetchingState(state, port);
    for (int id : {ctl::SiteSelector, ctl::DownloadButton, ctl::AddressBox, ctl::ThumbnailBox, ctl::FindLink,
                   ctl::FilterLink, ctl::ExportLink, ctl::GoodReviewLink})
        EXPECT_TRUE(port.disabled.contains(id)) << id;
    EXPECT_EQ(port.texts[ctl::GetAlbumsButton], QStringLiteral("终止获取"));
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("正在获取相册列表，请稍等..."));
    LeaveFetchingState(state, port);
    EXPECT_TRUE(port.disabled.contains(ctl::DownloadButton)); // still no album
    EXPECT_FALSE(port.disabled.contains(ctl::AddressBox));
    EXPECT_TRUE(port.hidden.contains(ctl::StartupNotice));   // stays hidden

    EnterDownloadingState(state, port);
    EXPECT_EQ(state.DownloadState.load(), 1);
    EXPECT_EQ(port.texts[ctl::DownloadButton], QStringLiteral("终止下载"));
    for (int id : {ctl::SavePathBox, ctl::AddressBox, ctl::SiteSelector, ctl::GetAlbumsButton, ctl::SetPathButton})
        EXPECT_TRUE(port.disabled.contains(id)) << id;
    EXPECT_FALSE(port.disabled.contains(ctl::ThumbnailBox));
    LeaveDownloadingState(state, port);
    EXPECT_EQ(state.DownloadState.load(), 0);
    EXPECT_EQ(port.texts[ctl::StatusLine], QStringLiteral("下载完毕"));
    EXPECT_EQ(port.texts[ctl::ProgressLine], QString());
    EXPECT_FALSE(port.disabled.contains(ctl::GetAlbumsButton));
    EXPECT_FALSE(port.disabled.contains(ctl::SavePathBox));
}
