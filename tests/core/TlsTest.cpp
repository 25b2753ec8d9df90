// https stays https: a fetch reaches a TLS listener on its own port, verified against a certificate
// authority made for the test.
#include <httplib.h>

#include "TestDir.h"
#include "http/URLSource2.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

TEST(Tls, HttpsIsFetchedOverTlsAndVerified) {
    TestDir dir;
    const std::string key = dir.path("key.pem").toStdString(), cert = dir.path("cert.pem").toStdString();
    const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 "
                             "-addext subjectAltName=IP:127.0.0.1 -keyout '" + key + "' -out '" + cert +
                             "' > /dev/null 2>&1";
    ASSERT_EQ(std::system(make.c_str()), 0) << "openssl could not make a certificate";

    httplib::SSLServer server(cert.c_str(), key.c_str());
    std::atomic<int> served{0};
    server.Get("/secure", [&](const httplib::Request& request, httplib::Response& response) {
        ++served;
        response.set_content("secret " + request.get_header_value("Cookie"), "text/plain");
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread listener([&] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));

    ST_HTTPREQUEST request(QString(), QString(), 20000);
    request.strUrl = QStringLiteral("https://127.0.0.1:%1/secure").arg(port);
    request.byRetryDelay = 0;
    ST_HTTPRESPONSE response;

    SetHttpCaFile(QString());
    EXPECT_FALSE(FetchUrl(request, response, 0)); // a certificate nobody vouches for is refused
    SetHttpCaFile(QString::fromStdString(cert));
    EXPECT_TRUE(FetchUrl(request, response, 0));
    EXPECT_TRUE(response.body.startsWith("secret"));
    EXPECT_EQ(served.load(), 1);
    SetHttpCaFile(QString());

    server.stop();
    listener.join();
}
