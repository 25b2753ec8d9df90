// market-sim: a local marketplace on 127.0.0.1. It answers requests in proxy form (point http_proxy
// at it) by host and path, and plain requests by their Host header.
#pragma once

#include "Catalogue.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <mutex>

#include <atomic>
#include <memory>
#include <thread>

class ScriptedServer;

namespace sim {

struct Answer {
    int status = 200;
    QByteArray contentType = "text/html";
    QByteArray body;
    bool gzip = false;
    bool noLength = false;  // no Content-Length: the body ends with the connection
    int slowMs = 0;         // pause between pieces of the body
    bool failOnce = false;  // the first request of this address is reset
};

// Real picture bytes of the format ("jpg", "png", "gif"), padded behind the image's end to the size.
QByteArray PictureBytes(const QString& format, int size, int seed);

// The answer for one request: host, path and query as sent.
Answer Route(const Catalogue& catalogue, const QString& host, const QString& path, const QString& query);

class MarketSim {
public:
    explicit MarketSim(Catalogue catalogue);
    ~MarketSim();

    // Listens on 127.0.0.1 (port 0: any free one) and serves on threads of its own.
    bool Start(int port = 0);
    void Stop();
    int port() const { return m_port; }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    int requestCount() const { return m_requests.load(); }

private:
    Catalogue m_catalogue;
    std::unique_ptr<ScriptedServer> m_server;
    int m_port = 0;
    std::atomic<int> m_requests{0};
    std::mutex m_failedLock;
    QSet<QString> m_failedOnce;
};

} // namespace sim
