// FetchUrl against a local server: N small files with 15 concurrent callers, then the same files with
// `curl --parallel --parallel-max 15`, in the same run. Prints requests and bytes per second and the
// TCP connections each opened.
//   http_bench [FILES] [KIB]
#include "ScriptedServer.h"
#include "http/URLSource2.h"

#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {
double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}
void Report(const char* who, int files, qint64 bytes, double seconds, int connections) {
    std::printf("%-22s %6d files %8.1f req/s %8.2f MiB/s %5d connections %7.2f s\n", who, files, files / seconds,
                bytes / seconds / (1024.0 * 1024.0), connections, seconds);
}
} // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int kib = argc > 2 ? std::atoi(argv[2]) : 20;
    constexpr int kCallers = 15;
    qputenv("no_proxy", "127.0.0.1,localhost");

    ScriptedServer server;
    const QByteArray body(kib * 1024, 'v');
    server.on("*", ScriptedServer::Reply(200, body, "Content-Type: image/jpeg\r\n"));

    std::atomic<int> next{0}, failed{0};
    std::atomic<qint64> bytes{0};
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> callers;
    for (int t = 0; t < kCallers; ++t) {
        callers.emplace_back([&] {
            for (int i = next++; i < files; i = next++) {
                ST_HTTPREQUEST request(server.url(QStringLiteral("/f/%1.jpg").arg(i)), QString(), 20000);
                ST_HTTPRESPONSE response;
                if (FetchUrl(request, response, 0x03))
                    bytes += response.body.size();
                else
                    ++failed;
            }
        });
    }
    for (auto& caller : callers)
        caller.join();
    Report("FetchUrl", files - failed, bytes, Seconds(start), server.connectionsOpened());

    QTemporaryDir dir;
    QFile config(dir.path() + QStringLiteral("/urls.cfg"));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 0; i < files; ++i)
        config.write("url = \"" + server.url(QStringLiteral("/c/%1.jpg").arg(i)).toUtf8() + "\"\noutput = \"/dev/null\"\n");
    config.close();
    const int before = server.connectionsOpened();
    const auto curlStart = std::chrono::steady_clock::now();
    const std::string command = "curl -s --no-progress-meter --parallel --parallel-max 15 -K '" + config.fileName().toStdString() + "'";
    const int rc = std::system(command.c_str());
    Report("curl --parallel", rc == 0 ? files : 0, qint64(files) * body.size(), Seconds(curlStart),
           server.connectionsOpened() - before);
    return failed == 0 && rc == 0 ? 0 : 1;
}
