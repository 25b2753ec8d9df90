// An HTTP server on 127.0.0.1 and an ephemeral port that answers each request with a script of raw
// steps: bytes sent exactly as given, pauses, a close or a reset. It records every request and counts
// the connections opened. Requests in proxy form ("GET http://host/path") are routed by their path.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

class ScriptedServer {
public:
    struct Step {
        enum Kind { Send, Sleep, Close, Reset } kind;
        QByteArray bytes;
        int ms = 0;
    };
    using Script = std::vector<Step>;

    struct Request {
        QByteArray method;
        QByteArray target; // as sent: a path, or an absolute address through a proxy
        QByteArray path;   // without scheme, host and query
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        int connection = 0; // which connection carried it, counting from 1
        QByteArray header(const QByteArray& name) const;
    };
    using Handler = std::function<Script(const Request&)>;

    // Port 0: any free one. port() is 0 when the port could not be had.
    explicit ScriptedServer(int port = 0);
    ~ScriptedServer();

    int port() const { return m_port; }
    QString url(const QString& path = QStringLiteral("/")) const;

    // Answers requests for the path (exact, without query) with the script; "*" is the default.
    void on(const QByteArray& path, Script script);
    void on(const QByteArray& path, Handler handler);

    std::vector<Request> requests() const;
    int connectionsOpened() const { return m_connections.load(); }

    // Script pieces.
    static Step Send(const QByteArray& bytes) { return {Step::Send, bytes, 0}; }
    static Step Sleep(int ms) { return {Step::Sleep, {}, ms}; }
    static Step Close() { return {Step::Close, {}, 0}; }
    static Step Reset() { return {Step::Reset, {}, 0}; }
    // A whole response with a true Content-Length (unless the extra headers carry one of their own).
    static QByteArray Response(int status, const QByteArray& body, const QByteArray& extraHeaders = QByteArray());
    static Script Reply(int status, const QByteArray& body, const QByteArray& extraHeaders = QByteArray());

private:
    void AcceptLoop();
    void Serve(int socket, int connection);
    void Forget(int socket);
    Script ScriptFor(const Request& request);

    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    std::thread m_acceptThread;
    mutable std::mutex m_lock;
    std::map<QByteArray, Handler> m_handlers;
    std::vector<Request> m_requests;
    std::vector<std::thread> m_connectionThreads;
    std::vector<int> m_sockets;
};
