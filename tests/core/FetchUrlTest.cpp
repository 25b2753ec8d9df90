#include "Compress.h"
#include "ScriptedServer.h"
#include "TestDir.h"
#include "http/URLSource2.h"

#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using S = ScriptedServer;

namespace {

ST_HTTPREQUEST Request(const QString& url) {
    ST_HTTPREQUEST r(QString(), QString(), 20000);
    r.strUrl = url;
    return r;
}

// A response that declares no length and ends by closing the connection.
S::Script Undeclared(const QByteArray& body) {
    return {S::Send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + body), S::Close()};
}

} // namespace

TEST(FetchUrl, SizeLimits) {
    struct Case {
        const char* what;
        S::Script script;
        uint32_t minKB, maxKB;
        bool ok;
        qsizetype bodyKept; // -1: whatever arrived
    } cases[] = {
        {"declared below the minimum", S::Reply(200, QByteArray(500, 'a')), 1, 0, false, 0},
        {"declared above the maximum", S::Reply(200, QByteArray(3000, 'a')), 0, 1, false, 0},
        {"undeclared above the maximum", Undeclared(QByteArray(3000, 'a')), 0, 1, false, -1},
        {"undeclared below the minimum", Undeclared(QByteArray(1023, 'a')), 1, 0, false, 1023},
        {"exactly the minimum", S::Reply(200, QByteArray(1024, 'a')), 1, 0, true, 1024},
        {"exactly the maximum", S::Reply(200, QByteArray(1024, 'a')), 0, 1, true, 1024},
        {"undeclared exactly the maximum", Undeclared(QByteArray(1024, 'a')), 0, 1, true, 1024},
        {"one above the maximum", S::Reply(200, QByteArray(1025, 'a')), 0, 1, false, 0},
        {"lying length, body shorter", {S::Send(S::Response(200, "short", "Content-Length: 50\r\n")), S::Close()},
         0, 0, false, -1},
        {"lying length below the minimum, big body", {S::Send(S::Response(200, QByteArray(4096, 'a'), "Content-Length: 10\r\n"))},
         1, 0, false, 0},
        {"no limits", S::Reply(200, QByteArray(200000, 'b')), 0, 0, true, 200000},
    };
    for (const Case& c : cases) {
        S server;
        server.on("/p", c.script);
        TestDir dir;
        ST_HTTPREQUEST request = Request(server.url("/p"));
        request.nMinKB = c.minKB;
        request.nMaxKB = c.maxKB;
        request.strSavePath = dir.path("pic.jpg");
        ST_HTTPRESPONSE response;
        EXPECT_EQ(FetchUrl(request, response, 0x03), c.ok) << c.what;
        if (c.bodyKept >= 0) {
            EXPECT_EQ(response.body.size(), c.bodyKept) << c.what;
        }
        EXPECT_EQ(QFile::exists(request.strSavePath), c.ok) << c.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), c.ok ? 1 : 0) << c.what; // no temporary left
    }
}

TEST(FetchUrl, AttemptsAndPauses) {
    S server;
    server.on("/short", S::Reply(200, "ab"));
    ST_HTTPREQUEST none = Request(server.url("/short"));
    none.byAttempts = 0;
    ST_HTTPRESPONSE response;
    EXPECT_FALSE(FetchUrl(none, response, 0));
    EXPECT_TRUE(server.requests().empty());

    ST_HTTPREQUEST twice = Request(server.url("/short"));
    twice.byAttempts = 2;
    twice.nMinLength = 2; // a body of at most 2 bytes is fetched again
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(FetchUrl(twice, response, 0));
    EXPECT_GE(timer.elapsed(), 2000); // the pause follows the last attempt too
    EXPECT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(response.body, "ab");

    int calls = 0;
    server.on("/mark", [&](const S::Request&) { return S::Reply(200, ++calls == 1 ? "busy, RETRY" : "fine"); });
    ST_HTTPREQUEST marked = Request(server.url("/mark"));
    marked.byAttempts = 3;
    marked.strRetryMark = "RETRY";
    EXPECT_TRUE(FetchUrl(marked, response, 0));
    EXPECT_EQ(response.body, "fine");
    EXPECT_EQ(calls, 2);
}

TEST(FetchUrl, RetryTestInflatesOnlyWithCacheWrite) {
    S server;
    const QByteArray hidden = Deflate("please RETRY later");
    server.on("/gz", S::Reply(200, hidden, "Content-Encoding: gzip\r\n"));
    for (int options : {0, int(FETCH_CACHEWRITE)}) {
        ST_HTTPREQUEST request = Request(server.url("/gz"));
        request.strRetryMark = "RETRY";
        request.byRetryDelay = 0;
        ST_HTTPRESPONSE response;
        EXPECT_EQ(FetchUrl(request, response, options), options == 0) << options;
        EXPECT_TRUE(response.bGzip);
        EXPECT_EQ(response.body, hidden); // kept compressed
    }
}

TEST(FetchUrl, MarksWhileReading) {
    S server;
    server.on("/start", S::Reply(200, "xSySz"));
    server.on("/end", {S::Send("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\naEb"), S::Sleep(8000)});
    server.on("/gz", S::Reply(200, "xSySz", "X-Note: gzip\r\n"));

    ST_HTTPREQUEST start = Request(server.url("/start"));
    start.strStartMark = "S";
    ST_HTTPRESPONSE response;
    ASSERT_TRUE(FetchUrl(start, response, 0));
    EXPECT_EQ(response.body, "z");
    EXPECT_EQ(response.strStartMark, "S");

    ST_HTTPREQUEST end = Request(server.url("/end"));
    end.strEndMark = "E";
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(FetchUrl(end, response, 0));
    EXPECT_EQ(response.body, "a");
    EXPECT_LT(timer.elapsed(), 6000); // reading stopped at the mark

    ST_HTTPREQUEST gz = Request(server.url("/gz"));
    gz.strStartMark = "S";
    ASSERT_TRUE(FetchUrl(gz, response, 0));
    EXPECT_TRUE(response.bGzip); // "gzip" anywhere in the headers
    EXPECT_EQ(response.body, "xSySz");

    TestDir dir;
    ST_HTTPREQUEST saved = Request(server.url("/start"));
    saved.strStartMark = "S";
    saved.strSavePath = dir.path("f.txt");
    ASSERT_TRUE(FetchUrl(saved, response, 0));
    EXPECT_EQ(response.body, "xSySz");
    EXPECT_EQ(dir.read("f.txt"), "xSySz");
}

TEST(FetchUrl, Saving) {
    S server;
    server.on("/pic", S::Reply(200, "PICTURE"));
    server.on("/empty", S::Reply(200, ""));
    server.on("/big", S::Reply(200, QByteArray(5000, 'x')));
    TestDir dir;
    ST_HTTPRESPONSE response;

    ST_HTTPREQUEST missingFolder = Request(server.url("/pic"));
    missingFolder.strSavePath = dir.path("no/such/folder/pic.jpg");
    EXPECT_TRUE(FetchUrl(missingFolder, response, 3));
    EXPECT_EQ(response.body, "PICTURE");
    EXPECT_FALSE(QFile::exists(missingFolder.strSavePath));

    ST_HTTPREQUEST empty = Request(server.url("/empty"));
    empty.strSavePath = dir.path("empty.jpg");
    EXPECT_TRUE(FetchUrl(empty, response, 3));
    EXPECT_TRUE(QFile::exists(empty.strSavePath));
    EXPECT_EQ(dir.read("empty.jpg"), "");

    dir.write("old.jpg", "OLD CONTENT");
    ST_HTTPREQUEST tooBig = Request(server.url("/big"));
    tooBig.nMaxKB = 1;
    tooBig.strSavePath = dir.path("old.jpg");
    EXPECT_FALSE(FetchUrl(tooBig, response, 3));
    EXPECT_EQ(dir.read("old.jpg"), "OLD CONTENT");

    ST_HTTPREQUEST replace = Request(server.url("/pic"));
    replace.strSavePath = dir.path("old.jpg");
    EXPECT_TRUE(FetchUrl(replace, response, 3));
    EXPECT_EQ(dir.read("old.jpg"), "PICTURE");
}

TEST(FetchUrl, StallsAndTimeouts) {
    S server;
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 60\r\n\r\n";
    server.on("/stall", {S::Send(head + QByteArray(10, 'a')), S::Sleep(8000), S::Send(QByteArray(50, 'b'))});
    S::Script steady = {S::Send(head)};
    for (int i = 0; i < 6; ++i) {
        steady.push_back(S::Sleep(500));
        steady.push_back(S::Send(QByteArray(10, char('0' + i))));
    }
    server.on("/steady", steady);
    server.on("/late", {S::Sleep(8000), S::Send(S::Response(200, "late"))});

    ST_HTTPRESPONSE response;
    ST_HTTPREQUEST stall = Request(server.url("/stall"));
    stall.dwReadTimeout = 1000;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(FetchUrl(stall, response, 0));
    EXPECT_LT(timer.elapsed(), 7000); // well before the stalled piece, the pause after the attempt included
    EXPECT_EQ(response.body, QByteArray(10, 'a')); // what arrived is kept

    ST_HTTPREQUEST slow = Request(server.url("/steady"));
    slow.dwReadTimeout = 1500; // each piece is in time, the whole body takes 3 s
    ASSERT_TRUE(FetchUrl(slow, response, 0));
    EXPECT_EQ(response.body.size(), 60);

    ST_HTTPREQUEST late = Request(server.url("/late"));
    late.dwTimeout = 1000;
    late.dwReadTimeout = 10000;
    late.byRetryDelay = 0;
    timer.restart();
    EXPECT_FALSE(FetchUrl(late, response, 0));
    EXPECT_LT(timer.elapsed(), 7000); // the headers did not come within dwTimeout
}

TEST(FetchUrl, ResetMidBody) {
    S server;
    server.on("/reset", {S::Send("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(100, 'r')), S::Sleep(100), S::Reset()});
    ST_HTTPREQUEST request = Request(server.url("/reset"));
    request.byRetryDelay = 0;
    ST_HTTPRESPONSE response;
    EXPECT_FALSE(FetchUrl(request, response, 0));
}

TEST(FetchUrl, RedirectsAndHeaders) {
    S server;
    server.on("/a", S::Reply(302, "", "Location: /b\r\n"));
    server.on("/b", S::Reply(301, "moved", "Location: " + server.url("/c").toUtf8() + "\r\n"));
    server.on("/c", S::Reply(200, "final", "Set-Cookie: flavour=gzip-free\r\n"));
    server.on("/loop", S::Reply(302, "", "Location: /loop\r\n"));
    server.on("/missing", S::Reply(404, "<h1>no such page</h1>"));

    ST_HTTPRESPONSE response;
    ST_HTTPREQUEST chain = Request(server.url("/a"));
    ASSERT_TRUE(FetchUrl(chain, response, 0));
    EXPECT_EQ(response.body, "final");
    EXPECT_TRUE(response.strHeaders.startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(response.strHeaders.endsWith("\r\n\r\n"));
    EXPECT_FALSE(response.strHeaders.contains("Location"));
    EXPECT_TRUE(response.bGzip); // the cookie value says gzip

    ST_HTTPREQUEST loop = Request(server.url("/loop"));
    loop.byRetryDelay = 0;
    EXPECT_FALSE(FetchUrl(loop, response, 0));

    ST_HTTPREQUEST missing = Request(server.url("/missing"));
    EXPECT_TRUE(FetchUrl(missing, response, 0)); // an error page's body is a body
    EXPECT_EQ(response.body, "<h1>no such page</h1>");

    ST_HTTPREQUEST bad = Request(QStringLiteral("not an address"));
    bad.byRetryDelay = 0;
    EXPECT_FALSE(FetchUrl(bad, response, 0));
}

TEST(FetchUrl, RequestCarriesAgentHeadersAndBody) {
    S server;
    server.on("/echo", S::Reply(200, "ok"));
    ST_HTTPREQUEST page = Request(server.url("/echo?q=%D6%D0"));
    page.strHeaders = QStringLiteral("Accept-Encoding: gzip, deflate\r\nAccept-Language: zh-cn");
    ST_HTTPRESPONSE response;
    ASSERT_TRUE(FetchUrl(page, response, 0));
    ST_HTTPREQUEST post = Request(server.url("/echo"));
    post.strVerb = QStringLiteral("POST");
    post.pBody = QByteArray(2500, 'p') + QByteArray("\0ignored", 8);
    ASSERT_TRUE(FetchUrl(post, response, FETCH_IEAGENT));
    ST_HTTPREQUEST put = Request(server.url("/echo"));
    put.strVerb = QStringLiteral("PUT");
    put.pBody = "data";
    ASSERT_TRUE(FetchUrl(put, response, 0));

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/echo?q=%D6%D0");
    EXPECT_EQ(requests[0].header("User-Agent"), kDefaultUserAgent);
    EXPECT_EQ(requests[0].header("Accept-Encoding"), "gzip, deflate");
    EXPECT_EQ(requests[0].header("Accept-Language"), "zh-cn");
    EXPECT_EQ(requests[1].method, "POST");
    EXPECT_EQ(requests[1].body, QByteArray(2500, 'p'));
    EXPECT_EQ(requests[1].header("User-Agent"), kIeUserAgent);
    EXPECT_EQ(requests[2].method, "PUT");
    EXPECT_EQ(requests[2].body, "data");
}

TEST(FetchUrl, ThroughTheProxyFromTheEnvironment) {
    S proxy;
    proxy.on("/item.htm", S::Reply(200, "via proxy"));
    qputenv("http_proxy", proxy.url("").toUtf8());
    ST_HTTPREQUEST request = Request(QStringLiteral("http://item.taobao.com/item.htm?id=42"));
    ST_HTTPRESPONSE response;
    const bool ok = FetchUrl(request, response, 0);
    qunsetenv("http_proxy");
    ASSERT_TRUE(ok);
    EXPECT_EQ(response.body, "via proxy");
    const auto requests = proxy.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "http://item.taobao.com/item.htm?id=42");
    EXPECT_EQ(requests[0].header("Host"), "item.taobao.com");
}

TEST(FetchUrl, ManyThreadsShareFewConnections) {
    S server;
    server.on("*", [](const S::Request& r) { return S::Reply(200, "body of " + r.target); });
    constexpr int kThreads = 15, kEach = 20;
    std::atomic<int> good{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                const QString path = QStringLiteral("/f/%1/%2").arg(t).arg(i);
                ST_HTTPREQUEST request = Request(server.url(path));
                ST_HTTPRESPONSE response;
                if (FetchUrl(request, response, 0) && response.body == "body of " + path.toUtf8())
                    ++good;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(good.load(), kThreads * kEach);
    EXPECT_LE(server.connectionsOpened(), 3 * kThreads); // kept alive, not one per fetch
}

TEST(FetchUrl, ChunkedAndCompressedBodies) {
    S server;
    server.on("/chunked", S::Script{S::Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n"),
                                   S::Sleep(50), S::Send("6\r\n world\r\n0\r\n\r\n")});
    const QByteArray zlib = Deflate("zlib wrapped page", 15);
    server.on("/zlib", S::Reply(200, zlib, "Content-Encoding: deflate\r\nX-Hint: gzip\r\n"));
    ST_HTTPRESPONSE response;
    ST_HTTPREQUEST chunked = Request(server.url("/chunked"));
    chunked.nMaxKB = 1;
    ASSERT_TRUE(FetchUrl(chunked, response, 0));
    EXPECT_EQ(response.body, "hello world"); // the chunks joined, no chunk sizes in the body
    ST_HTTPREQUEST deflated = Request(server.url("/zlib"));
    ASSERT_TRUE(FetchUrl(deflated, response, 0));
    EXPECT_EQ(response.body, zlib); // kept as sent
    QString text;
    DecodeBody(response, text, DECODE_GUNZIP);
    EXPECT_EQ(text, QStringLiteral("zlib wrapped page"));
}
