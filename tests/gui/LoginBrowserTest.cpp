// The login browser and the cookie jar are one store: cookies the browser receives (by header,
// HttpOnly, and by script) go out with the next fetch, and cookies a fetch received reach the browser.
#include "DlgWebOpen.h"
#include "ScriptedServer.h"
#include "http/CookieJar.h"
#include "http/URLSource2.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

class LoginBrowserTest : public QObject {
    Q_OBJECT

    static bool JarHas(const QString& name) {
        for (const QString& line : AllCookieLines()) {
            if (line.contains(u'\t' + name + u'\t'))
                return true;
        }
        return false;
    }

private slots:
    void netscapeLines() {
        QNetworkCookie cookie("sid", "v1");
        cookie.setDomain(QStringLiteral(".taobao.com"));
        cookie.setPath(QStringLiteral("/"));
        cookie.setHttpOnly(true);
        cookie.setExpirationDate(QDateTime::fromSecsSinceEpoch(2000000000));
        const QString line = NetscapeLine(cookie);
        QCOMPARE(line, QStringLiteral("#HttpOnly_.taobao.com\tTRUE\t/\tFALSE\t2000000000\tsid\tv1"));
        const QNetworkCookie back = CookieFromNetscapeLine(line);
        QCOMPARE(back.name(), QByteArray("sid"));
        QVERIFY(back.isHttpOnly());
        QCOMPARE(back.domain(), QStringLiteral(".taobao.com"));
        QCOMPARE(back.expirationDate().toSecsSinceEpoch(), 2000000000);
        QVERIFY(CookieFromNetscapeLine(QStringLiteral("garbage")).name().isEmpty());
    }

    void signInCarriesOverBothWays() {
        ScriptedServer server;
        server.on("/login", ScriptedServer::Reply(200,
                                                  "<html><body><script>document.cookie='script_cookie=s1; path=/';</script>"
                                                  "signed in</body></html>",
                                                  "Content-Type: text/html\r\nSet-Cookie: header_cookie=h1; HttpOnly; Path=/\r\n"));
        server.on("/check", ScriptedServer::Reply(200, "ok"));
        server.on("/fetched", ScriptedServer::Reply(200, "ok", "Set-Cookie: fetch_cookie=f1; Path=/\r\n"));
        server.on("/show", ScriptedServer::Reply(200, "<html><head><script>document.title=document.cookie;</script>"
                                                      "</head><body>show</body></html>",
                                                 "Content-Type: text/html\r\n"));

        CDlgWebOpen browser(server.url("/login"));
        QCOMPARE(browser.AddressBox()->text(), server.url("/login"));
        browser.show();
        QTRY_VERIFY_WITH_TIMEOUT(JarHas("header_cookie") && JarHas("script_cookie"), 60000);
        browser.close();

        ST_HTTPREQUEST request(server.url("/check"), QString(), 20000);
        ST_HTTPRESPONSE response;
        QVERIFY(FetchUrl(request, response, 0));
        const QByteArray sent = server.requests().back().header("Cookie");
        QVERIFY2(sent.contains("header_cookie=h1") && sent.contains("script_cookie=s1"), sent.constData());

        ST_HTTPREQUEST fetched(server.url("/fetched"), QString(), 20000);
        QVERIFY(FetchUrl(fetched, response, 0));
        CDlgWebOpen second(server.url("/show"));
        second.show();
        QTRY_VERIFY_WITH_TIMEOUT(second.Browser()->title().contains(QStringLiteral("fetch_cookie=f1")), 60000);
    }

    void clipboardAndResizing() {
        QGuiApplication::clipboard()->setText(QStringLiteral("http://login.example/"));
        CDlgWebOpen browser{QString()};
        QCOMPARE(browser.AddressBox()->text(), QStringLiteral("http://login.example/"));
        QVERIFY(browser.Browser()->url().isEmpty()); // nothing opened yet
        browser.show();
        browser.resize(1200, 800);
        QTRY_COMPARE(browser.OpenButton()->geometry().right(), browser.width() - 1);
        QCOMPARE(browser.AddressBox()->geometry().right(), browser.OpenButton()->geometry().left() - 6);
        QCOMPARE(browser.Browser()->geometry().bottom(), browser.height() - 1);
    }
};

int main(int argc, char** argv) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    LoginBrowserTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "LoginBrowserTest.moc"
