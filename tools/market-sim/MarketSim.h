// market-sim: a local marketplace on 127.0.0.1. It answers requests in proxy form (point http_proxy
// at it) by host and path, and plain requests by their Host header.
#pragma once

#include "Catalogue.h"

#include <QByteArray>
#include <QString>

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
};

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
};

} // namespace sim
