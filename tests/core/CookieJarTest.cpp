#include "ScriptedServer.h"
#include "TestDir.h"
#include "http/CookieJar.h"
#include "http/URLSource2.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>
#include <thread>

using S = ScriptedServer;

namespace {
bool Fetch(const QString& url) {
    ST_HTTPREQUEST request(QString(), QString(), 20000);
    request.strUrl = url;
    ST_HTTPRESPONSE response;
    return FetchUrl(request, response, 0);
}
} // namespace

TEST(CookieJar, ACookieSetOnOneThreadGoesOutOnAnother) {
    S server;
    server.on("/set", S::Reply(200, "set", "Set-Cookie: thread_cookie=blue; Path=/\r\n"));
    server.on("/check", S::Reply(200, "checked"));
    std::thread first([&] { EXPECT_TRUE(Fetch(server.url("/set"))); });
    first.join();
    std::thread second([&] { EXPECT_TRUE(Fetch(server.url("/check"))); });
    second.join();
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[1].header("Cookie").contains("thread_cookie=blue")) << requests[1].header("Cookie").constData();
}

TEST(CookieJar, LinesAddedByTheBrowserGoOutAndComeBack) {
    S server;
    server.on("/check", S::Reply(200, "checked"));
    AddCookieLine(QStringLiteral("#HttpOnly_127.0.0.1\tFALSE\t/\tFALSE\t0\tbrowser_session\tx1"));
    ASSERT_TRUE(Fetch(server.url("/check")));
    EXPECT_TRUE(server.requests().back().header("Cookie").contains("browser_session=x1"));
    bool found = false;
    for (const QString& line : AllCookieLines())
        found = found || line.contains(QStringLiteral("browser_session\tx1"));
    EXPECT_TRUE(found);
}

TEST(CookieJar, ParsesOnlyCookieLines) {
    const QByteArray file = "# Netscape HTTP Cookie File\n"
                            ".taobao.com\tTRUE\t/\tFALSE\t1999999999\tcna\tabc\r\n"
                            "#HttpOnly_.taobao.com\tTRUE\t/\tTRUE\t1999999999\tcookie2\tdef\n"
                            "garbage line\n"
                            "a\tb\tc\n"
                            ".x.com\tTRUE\t/\tFALSE\tsoon\tn\tv\n"
                            "\n"
                            ".y.com\tTRUE\t/\tFALSE\t1999999999\t\tv\n";
    const QStringList lines = ParseCookieFile(file);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("cna\tabc")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("#HttpOnly_")));
    EXPECT_TRUE(ParseCookieFile(QByteArray(5000, '\xFF')).isEmpty());
}

// The second half of SurvivesARestart, run in a process of its own.
TEST(CookieJar, ChildFetchesWithTheSavedJar) {
    const QByteArray dir = qgetenv("VANTREL_COOKIE_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "runs as the child of CookieJar.SurvivesARestart";
    LoadCookieJar(QString::fromUtf8(dir));
    EXPECT_TRUE(Fetch(QString::fromUtf8(qgetenv("VANTREL_COOKIE_URL"))));
}

TEST(CookieJar, SurvivesARestart) {
    if (!qgetenv("VANTREL_COOKIE_DIR").isEmpty())
        GTEST_SKIP();
    TestDir dir;
    LoadCookieJar(dir.path()); // nothing there yet
    S server;
    server.on("/login", S::Reply(200, "welcome",
                                 "Set-Cookie: kept=1; Max-Age=3600; Path=/\r\nSet-Cookie: session_only=2; Path=/\r\n"));
    server.on("/check", S::Reply(200, "checked"));
    ASSERT_TRUE(Fetch(server.url("/login")));
    ASSERT_TRUE(SaveCookieJar());
    const QByteArray saved = dir.read("cookies.txt");
    EXPECT_TRUE(saved.contains("\tkept\t1"));
    EXPECT_FALSE(saved.contains("session_only")); // session cookies live in memory only

    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string command = "VANTREL_COOKIE_DIR='" + dir.path().toStdString() + "' VANTREL_COOKIE_URL='" +
                                server.url("/check").toStdString() +
                                "' '" + std::string(self) + "' --gtest_filter=CookieJar.ChildFetchesWithTheSavedJar > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    const QByteArray sent = requests[1].header("Cookie");
    EXPECT_TRUE(sent.contains("kept=1")) << sent.constData();
    EXPECT_FALSE(sent.contains("session_only")) << sent.constData();
}
