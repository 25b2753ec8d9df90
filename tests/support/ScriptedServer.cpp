#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

QByteArray ScriptedServer::Request::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return QByteArray();
}

ScriptedServer::ScriptedServer(int port) {
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(uint16_t(port));
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(m_listen, 128) != 0) {
        m_port = 0;
        m_acceptThread = std::thread([] {});
        return;
    }
    socklen_t length = sizeof address;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    on("*", Reply(404, "not found"));
    m_acceptThread = std::thread([this] { AcceptLoop(); });
}

ScriptedServer::~ScriptedServer() {
    m_stopping = true;
    m_acceptThread.join();
    ::close(m_listen);
    std::vector<std::thread> threads;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        for (int socket : m_sockets)
            ::shutdown(socket, SHUT_RDWR);
        threads.swap(m_connectionThreads);
    }
    for (auto& thread : threads)
        thread.join();
}

QString ScriptedServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

void ScriptedServer::on(const QByteArray& path, Script script) {
    on(path, [script](const Request&) { return script; });
}

void ScriptedServer::on(const QByteArray& path, Handler handler) {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_handlers[path] = std::move(handler);
}

std::vector<ScriptedServer::Request> ScriptedServer::requests() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_requests;
}

QByteArray ScriptedServer::Response(int status, const QByteArray& body, const QByteArray& extraHeaders) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status < 400 ? " OK\r\n" : " Error\r\n");
    head += extraHeaders;
    if (!extraHeaders.contains("Content-Length:") && !extraHeaders.contains("Transfer-Encoding:"))
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return head + "\r\n" + body;
}

ScriptedServer::Script ScriptedServer::Reply(int status, const QByteArray& body, const QByteArray& extraHeaders) {
    return {Send(Response(status, body, extraHeaders))};
}

void ScriptedServer::AcceptLoop() {
    while (!m_stopping) {
        pollfd waiting{m_listen, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int socket = ::accept(m_listen, nullptr, nullptr);
        if (socket < 0)
            continue;
        int yes = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        const int connection = ++m_connections;
        const std::lock_guard<std::mutex> lock(m_lock);
        m_sockets.push_back(socket);
        m_connectionThreads.emplace_back([this, socket, connection] { Serve(socket, connection); });
    }
}

ScriptedServer::Script ScriptedServer::ScriptFor(const Request& request) {
    Handler handler;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_requests.push_back(request);
        auto found = m_handlers.find(request.path);
        handler = found != m_handlers.end() ? found->second : m_handlers["*"];
    }
    return handler(request);
}

namespace {

bool ReadMore(int socket, QByteArray& buffer) {
    char chunk[16384];
    const ssize_t got = ::recv(socket, chunk, sizeof chunk, 0);
    if (got <= 0)
        return false;
    buffer.append(chunk, got);
    return true;
}

QByteArray PathOf(const QByteArray& target) {
    QByteArray path = target;
    const qsizetype scheme = path.indexOf("://");
    if (scheme >= 0) {
        const qsizetype slash = path.indexOf('/', scheme + 3);
        path = slash < 0 ? QByteArray("/") : path.mid(slash);
    }
    const qsizetype query = path.indexOf('?');
    return query < 0 ? path : path.left(query);
}

} // namespace

void ScriptedServer::Forget(int socket) {
    const std::lock_guard<std::mutex> lock(m_lock);
    std::erase(m_sockets, socket);
    ::close(socket);
}

void ScriptedServer::Serve(int socket, int connection) {
    QByteArray buffer;
    for (;;) {
        qsizetype headEnd;
        while ((headEnd = buffer.indexOf("\r\n\r\n")) < 0) {
            if (!ReadMore(socket, buffer)) {
                Forget(socket);
                return;
            }
        }
        Request request;
        request.connection = connection;
        const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        request.target = requestLine.value(1);
        request.path = PathOf(request.target);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
        }
        buffer.remove(0, headEnd + 4);
        const qsizetype bodyLength = request.header("Content-Length").toLongLong();
        while (buffer.size() < bodyLength) {
            if (!ReadMore(socket, buffer)) {
                Forget(socket);
                return;
            }
        }
        request.body = buffer.left(bodyLength);
        buffer.remove(0, bodyLength);

        for (const Step& step : ScriptFor(request)) {
            switch (step.kind) {
            case Step::Send:
                for (qsizetype sent = 0; sent < step.bytes.size();) {
                    const ssize_t n = ::send(socket, step.bytes.constData() + sent, step.bytes.size() - sent, MSG_NOSIGNAL);
                    if (n <= 0)
                        break;
                    sent += n;
                }
                break;
            case Step::Sleep:
                for (int waited = 0; waited < step.ms && !m_stopping; waited += 10)
                    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(10, step.ms - waited)));
                break;
            case Step::Reset: {
                linger hard{1, 0};
                ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
                Forget(socket);
                return;
            }
            case Step::Close:
                ::shutdown(socket, SHUT_WR);
                Forget(socket);
                return;
            }
        }
        if (request.header("Connection").compare("close", Qt::CaseInsensitive) == 0) {
            Forget(socket);
            return;
        }
    }
}
