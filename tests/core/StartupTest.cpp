#include "RecordingPort.h"
#include "TestDir.h"
#include "commands/SiteSelection.h"
#include "commands/StartupThread.h"
#include "session/ControlIds.h"
#include "session/StartupRules.h"
#include "session/VantrelState.h"
#include "text/StoredTexts.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(StartupRules, ClipboardLengths) {
    EXPECT_EQ(ClipboardAddress(QString(199, u'x')), QString(199, u'x'));
    EXPECT_EQ(ClipboardAddress(QStringLiteral("  ") + QString(199, u'x') + QStringLiteral("\r\n")), QString(199, u'x'));
    EXPECT_EQ(ClipboardAddress(QString(200, u'x')), QString());
    EXPECT_EQ(ClipboardAddress(QStringLiteral(" \t \n ")), QString());
    EXPECT_EQ(ClipboardAddress(QStringLiteral("a")), QStringLiteral("a"));
}

TEST(StartupRules, TemporaryPlaces) {
    struct Case {
        const char* dir;
        bool temporary;
    } cases[] = {
        {"/home/u/Temp/x/", true},  {"/TMP/a/", true},          {"/home/u/.localsettings/", false},
        {"/home/u/localsettings/", true}, {"/home/u/temperature/", false}, {"/home/u/vantrel/", false},
        {"/tmp/", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsTemporaryPlace(c.dir), c.temporary) << c.dir;
}

TEST(StartupRules, SavePathChoice) {
    TestDir docs;
    ST_SOFTDATA settings{};
    const QString tempProgram = QStringLiteral("/x/Temp/vantrel/");
    EXPECT_EQ(InitialSavePath("/opt/vantrel/", docs.path(), settings), "/opt/vantrel/");
    const QString kestrava = InitialSavePath(tempProgram, docs.path(), settings);
    EXPECT_EQ(kestrava, docs.path("Kestrava/"));
    EXPECT_TRUE(QDir(kestrava).exists());
    PushRecent(settings, RECENT_SAVE_PATHS, "/data/pics/");
    EXPECT_EQ(InitialSavePath(tempProgram, docs.path(), settings), "/data/pics/");
    EXPECT_EQ(InitialSavePath("/opt/vantrel/", docs.path(), settings), "/data/pics/");
}

TEST(VersionCheck, ComparesTexts) {
    struct Case {
        const char* newest;
        bool announced;
    } cases[] = {
        {"15.07.28.02", true}, {"15.07.28.01", false}, {"15.07.28.00", false},
        {"15.07.28.01#beta", false}, {"15.7.28.01", true}, {"", false}, {"15.07.28.01.1", true},
    };
    for (const Case& c : cases) {
        RecordingPort port;
        int slept = 0;
        const bool announced = CheckVersion(port, NoticeData{{}, c.newest, "https://up.example/"},
                                            [&](int ms) { slept += ms; });
        EXPECT_EQ(announced, c.announced) << c.newest;
        if (c.announced) {
            EXPECT_FALSE(port.hidden.contains(ctl::UpdateLink));
            ASSERT_EQ(port.messages.size(), 1);
            EXPECT_EQ(port.messages[0].caption, QStringLiteral("提示"));
            EXPECT_EQ(port.messages[0].text, Deciphered(stored::kUpdateMessage));
            EXPECT_EQ(port.openedAddresses, QStringList({"https://up.example/"}));
            EXPECT_EQ(slept, 3000);
            EXPECT_EQ(port.exitCode, 0);
        } else {
            EXPECT_TRUE(port.messages.isEmpty());
            EXPECT_EQ(port.texts.value(ctl::NoticeLine), Deciphered(stored::kNoticeLineText));
            EXPECT_EQ(port.exitCode, -1);
        }
    }
}

TEST(StartupThread, FillsSitesClassifiesAndGetsReady) {
    VantrelState state;
    RecordingPort port;
    port.hidden.insert(ctl::UpdateLink);
    port.texts[ctl::AddressBox] = QStringLiteral("http://t.qq.com/someone");
    RunStartupThread(state, port, FetchNoticeData, [](int) {});
    EXPECT_EQ(port.startupDoneCount, 1);
    EXPECT_EQ(port.comboItems[ctl::SiteSelector].size(), 24);
    EXPECT_EQ(port.comboSelection[ctl::SiteSelector], 0);  // the QQ address picked site 0
    EXPECT_EQ(port.comboSelection[ctl::SubSiteBox], 0);     // the last ApplySiteSelection reset it
    EXPECT_FALSE(port.hidden.contains(ctl::SubSiteBox));
    EXPECT_EQ(state.Ready.load(), 1);
    EXPECT_EQ(state.SiteNumber.load(), 11);
    EXPECT_TRUE(port.hidden.contains(ctl::UpdateLink)); // no newer version in this edition
    EXPECT_FALSE(port.texts.value(ctl::NoticeLine).isEmpty());
}

TEST(StartupThread, NoSiteNamesStillEndsReady) {
    VantrelState state;
    RecordingPort port;
    RunStartupThread(state, port, [] { return NoticeData{}; }, [](int) {});
    EXPECT_EQ(port.comboSelection[ctl::SiteSelector], -1);
    EXPECT_TRUE(port.hidden.contains(ctl::SubSiteBox));
    EXPECT_EQ(state.SiteNumber.load(), 11);
    EXPECT_EQ(state.Ready.load(), 1);
}

TEST(SiteSelection, ClassifiesTheAddressBox) {
    struct Case {
        const char* address;
        int before;
        int site;
        int subSite; // -1: box 1035 hidden
    } cases[] = {
        {"taobao.com/shop", 5, 5, -1},                      // no http://
        {"https://shop1.taobao.com/", 5, 5, -1},            // https only: not classified
        {"http://shop1.taobao.com/", 5, 11, -1},
        {"http://list.tmall.com", 5, 5, -1},                // no slash after the Tmall domain
        {"http://s.taobao.com/search?q=http://weibo.sina.com", 5, 4, -1},
        {"http://t.qq.com/u", 11, 0, 2},
        {"http://qun.qq.com/g", 11, 0, 1},
        {"http://user.qzone.qq.com/123", 11, 0, 0},
        {"http://detail.1688.com/offer/1.html", 0, 11, -1},
        {"http://x.topit.me/", 0, 20, -1},
    };
    for (const Case& c : cases) {
        VantrelState state;
        RecordingPort port;
        port.comboItems[ctl::SiteSelector] = FetchNoticeData().siteNames;
        port.comboSelection[ctl::SiteSelector] = c.before;
        port.hidden.insert(ctl::SubSiteBox);
        port.texts[ctl::AddressBox] = c.address;
        ClassifyAddress(state, port);
        EXPECT_EQ(port.comboSelection[ctl::SiteSelector], c.site) << c.address;
        if (c.subSite < 0)
            EXPECT_TRUE(port.hidden.contains(ctl::SubSiteBox)) << c.address;
        else
            EXPECT_EQ(port.comboSelection[ctl::SubSiteBox], c.subSite) << c.address;
    }
}

#include "session/HistoryFilter.h"

TEST(HistoryFilter, TypedTextListsMatchesInLowerCase) {
    const QString mark = QStringLiteral("wmz?!oxff");
    const QStringList entries = {QStringLiteral("http://AbCd.com/"), QStringLiteral("x.htmwmz?!oxffABC more"),
                                 QStringLiteral("http://other.com/"), QStringLiteral("abc")};
    EXPECT_EQ(FilterHistoryEntries(entries, QStringLiteral("ABC"), mark),
              QStringList({"http://abcd.com/", "x.htm", "abc"}));
    EXPECT_TRUE(FilterHistoryEntries(entries, QStringLiteral("zzz"), mark).isEmpty());
}

#include "commands/OptionFlags.h"

TEST(OptionFlags, TogglesWithExclusionsAndSaves) {
    TestDir dir;
    VantrelState state;
    state.Settings.SetPath(dir.path("soft.dat"));
    state.Settings.Load();
    state.SiteNumber = 11;
    const uint16_t before = state.Settings.SaveSet(11).wFlags; // first run: 0x0012
    ASSERT_TRUE(ToggleOptionFlag(state, cmd::DescriptionPicturesOnly));
    EXPECT_EQ(state.Settings.SaveSet(11).wFlags, before | SAVE_DESCRIPTION_PICTURES_ONLY);
    ASSERT_TRUE(ToggleOptionFlag(state, cmd::MainPicturesOnly)); // on: clears 0x0100
    EXPECT_EQ(state.Settings.SaveSet(11).wFlags, before | SAVE_MAIN_PICTURES_ONLY);
    ASSERT_TRUE(ToggleOptionFlag(state, cmd::MainPicturesOnly)); // off: 0x0100 stays off
    EXPECT_EQ(state.Settings.SaveSet(11).wFlags, before);
    EXPECT_FALSE(ToggleOptionFlag(state, cmd::About));

    ST_SOFTDATA onDisk;
    ToggleOptionFlag(state, cmd::FixFormat);
    LoadSoftData(dir.path("soft.dat"), onDisk);
    EXPECT_EQ(onDisk.saveSets[11].wFlags, before | SAVE_FIX_FORMAT);
    EXPECT_EQ(onDisk.saveSets[10].wFlags, state.Settings.SaveSet(10).wFlags); // other slots untouched

    const OptionMenuItem large = OptionMenuItemState(state, cmd::LargePictures);
    const OptionMenuItem mainOnly = OptionMenuItemState(state, cmd::MainPicturesOnly);
    const OptionMenuItem fixFormat = OptionMenuItemState(state, cmd::FixFormat);
    EXPECT_FALSE(large.enabled);
    EXPECT_TRUE(mainOnly.enabled);
    EXPECT_FALSE(mainOnly.checked);
    EXPECT_TRUE(fixFormat.checked);
    EXPECT_TRUE(fixFormat.enabled);
}

#include "sites/SiteTable.h"

TEST(SiteTable, LoginPages) {
    EXPECT_EQ(LoginPageAddress(cmd::LoginQq, QStringLiteral(" 12345 "), 0), QStringLiteral("http://user.qzone.qq.com/12345"));
    EXPECT_EQ(LoginPageAddress(cmd::LoginQq, QStringLiteral("12345"), 1), QStringLiteral("http://user.qzone.qq.com/"));
    EXPECT_EQ(LoginPageAddress(cmd::LoginQq, QStringLiteral("12a45"), 0), QStringLiteral("http://user.qzone.qq.com/"));
    EXPECT_EQ(LoginPageAddress(cmd::LoginQq, QString(), 0), QStringLiteral("http://user.qzone.qq.com/"));
    EXPECT_EQ(LoginPageAddress(cmd::LoginTaobao), QStringLiteral("https://login.taobao.com/member/login.jhtml"));
    EXPECT_EQ(LoginPageAddress(cmd::LoginMoko), QStringLiteral("http://www.moko.cc/jsps/common/login.jsp?tourl=http%3A//www.moko.cc/"));
    EXPECT_TRUE(LoginPageAddress(cmd::ExportThunderList).isEmpty());
    EXPECT_TRUE(IsModelessLogin(cmd::LoginQq) && IsModelessLogin(cmd::LoginRenren));
    EXPECT_FALSE(IsModelessLogin(cmd::LoginTaobao));
}
