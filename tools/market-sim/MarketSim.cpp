#include "MarketSim.h"

#include "Pages.h"

#include "Compress.h"
#include "ScriptedServer.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QUrl>
#include <QUrlQuery>


namespace sim {

namespace {

// The value of the last "key=" in the query: the program appends its own paging keys behind the
// page's.
QString LastValue(const QString& query, const QString& key) {
    QString value;
    for (const QString& pair : query.split(u'&')) {
        if (pair.startsWith(key + u'='))
            value = pair.mid(key.size() + 1);
    }
    return value;
}

int PageNumber(const QString& query) {
    return std::max(1, LastValue(query, QStringLiteral("pageNum")).toInt());
}

QString SearchWords(const QString& query) {
    const QByteArray raw = QByteArray::fromPercentEncoding(LastValue(query, QStringLiteral("q")).replace(u'+', u' ').toLatin1());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(raw);
    if (!utf8.hasError())
        return text;
    return QStringDecoder("GBK").decode(raw);
}

QByteArray Encoded(const QString& html, const QString& charset) {
    if (charset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0)
        return html.toUtf8();
    QStringEncoder gbk("GBK");
    return gbk.encode(html);
}

Answer Page(const Shop* shop, const QString& html) {
    Answer answer;
    const QString charset = shop ? shop->charset : QStringLiteral("GBK");
    answer.contentType = "text/html; charset=" + charset.toLatin1();
    answer.body = Encoded(html, charset);
    answer.gzip = shop && shop->gzip;
    return answer;
}

Answer NotFound() {
    Answer answer;
    answer.status = 404;
    answer.body = "<html><body>404 Not Found</body></html>";
    return answer;
}

const Shop* ShopByHost(const Catalogue& catalogue, const QString& host) {
    for (const Shop& shop : catalogue.shops) {
        if (shop.host.compare(host, Qt::CaseInsensitive) == 0)
            return &shop;
    }
    return nullptr;
}

bool FindItem(const Catalogue& catalogue, const QString& kind, const QString& id, const Shop** shop, const Item** item) {
    for (const Shop& s : catalogue.shops) {
        if (s.kind != kind && !(kind == QLatin1String("taobao") && s.kind == QLatin1String("tmall")))
            continue;
        for (const Item& i : s.items) {
            if (i.id == id) {
                *shop = &s;
                *item = &i;
                return true;
            }
        }
    }
    return false;
}


Answer Picture(const Item& item, int n, bool description) {
    Answer answer;
    answer.contentType = item.format == QLatin1String("png")   ? "image/png"
                         : item.format == QLatin1String("gif") ? "image/gif"
                                                               : "image/jpeg";
    answer.body = PictureBytes(item.format, item.pictureKB * 1024 + n * 37, item.id.toInt() * 31 + n + (description ? 1000 : 0));
    answer.noLength = item.noLength;
    answer.slowMs = item.slowMs;
    answer.failOnce = item.failOnce;
    return answer;
}

// "/imgextra/i1/ID/3.jpg" or "/img/ibank/ID/d2.png": the item id, the number, a description picture?
bool ParsePicturePath(const QString& path, QString* id, int* n, bool* description) {
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return false;
    *id = parts[parts.size() - 2];
    QString file = parts.last().section(u'.', 0, 0);
    *description = file.startsWith(u'd');
    if (*description)
        file.remove(0, 1);
    bool ok = false;
    *n = file.toInt(&ok);
    return ok && *n >= 1;
}

bool FindAnyItem(const Catalogue& catalogue, const QString& id, const Shop** shop, const Item** item) {
    return FindItem(catalogue, QStringLiteral("taobao"), id, shop, item) || FindItem(catalogue, QStringLiteral("1688"), id, shop, item);
}

} // namespace

QByteArray PictureBytes(const QString& format, int size, int seed) {
    QByteArray bytes;
    if (format == QLatin1String("gif")) {
        bytes = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
    } else {
        QImage image(48, 40, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(seed % 360, 160, 220));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format == QLatin1String("png") ? "PNG" : "JPG");
    }
    // Behind the image's end decoders read nothing more: the padding gives the size asked for.
    for (int i = 0; bytes.size() < size; ++i)
        bytes.append(char('a' + (seed + i) % 26));
    return bytes;
}

Answer Route(const Catalogue& catalogue, const QString& host, const QString& path, const QString& query) {
    const QString lowerHost = host.toLower();
    if (lowerHost == QLatin1String("www.taobao.com"))
        return Page(nullptr, HomePage());
    if (lowerHost == QLatin1String("s.taobao.com") && path.startsWith(QLatin1String("/search"))) {
        const QStringList words = SearchWords(query).split(u' ', Qt::SkipEmptyParts);
        QList<Item> found;
        for (const Shop& shop : catalogue.shops) {
            if (shop.kind == QLatin1String("1688"))
                continue;
            for (const Item& item : shop.items) {
                bool all = !words.isEmpty();
                for (const QString& word : words)
                    all = all && item.name.contains(word, Qt::CaseInsensitive);
                if (all)
                    found.append(item);
            }
        }
        return Page(nullptr, SearchPage(found, words.join(u' '), PageNumber(query), 8));
    }
    const Shop* shop = nullptr;
    const Item* item = nullptr;
    if ((lowerHost == QLatin1String("item.taobao.com") || lowerHost == QLatin1String("detail.tmall.com")) &&
        path == QLatin1String("/item.htm")) {
        const QString kind = lowerHost.startsWith(QLatin1String("item")) ? QStringLiteral("taobao") : QStringLiteral("tmall");
        if (!FindItem(catalogue, kind, LastValue(query, QStringLiteral("id")), &shop, &item))
            return NotFound();
        return Page(shop, ItemPage(*shop, *item));
    }
    if (lowerHost == QLatin1String("detail.1688.com") && path.startsWith(QLatin1String("/offer/"))) {
        QString id = path.mid(7);
        id.chop(id.endsWith(QLatin1String(".html")) ? 5 : 0);
        if (!FindItem(catalogue, QStringLiteral("1688"), id, &shop, &item))
            return NotFound();
        return Page(shop, OfferPage(*shop, *item));
    }
    if (lowerHost == QLatin1String("meal.taobao.com") && path == QLatin1String("/item.htm")) {
        if (!FindItem(catalogue, QStringLiteral("taobao"), LastValue(query, QStringLiteral("id")), &shop, &item))
            return NotFound();
        return Page(shop, ItemPage(*shop, *item, true));
    }
    if (lowerHost == QLatin1String("dsc.taobaocdn.com") || lowerHost == QLatin1String("desc.1688.com")) {
        const bool offer = lowerHost.startsWith(QLatin1String("desc"));
        QString id = offer ? path.mid(1).section(u'.', 0, 0) : path.section(u'/', -2, -2);
        if (!FindAnyItem(catalogue, id, &shop, &item))
            return NotFound();
        return Page(shop, DescriptionPage(*item, offer));
    }
    if (lowerHost.endsWith(QLatin1String("alicdn.com"))) {
        QString id;
        int n = 0;
        bool description = false;
        if (!ParsePicturePath(path, &id, &n, &description) || !FindAnyItem(catalogue, id, &shop, &item))
            return NotFound();
        if (n > (description ? item->descriptionPictures : item->pictures))
            return NotFound();
        return Picture(*item, n, description);
    }
    shop = ShopByHost(catalogue, lowerHost);
    if (!shop)
        return NotFound();
    if (shop->kind == QLatin1String("1688")) {
        if (path.startsWith(QLatin1String("/page/offerlist")))
            return Page(shop, OfferListPage(*shop, PageNumber(query)));
        return Page(shop, QStringLiteral("<html><body>%1</body></html>").arg(shop->company));
    }
    const bool listing = (path == QLatin1String("/") && query.contains(QLatin1String("search=y"))) ||
                         path.startsWith(QLatin1String("/search")) || path.startsWith(QLatin1String("/category-"));
    if (listing)
        return Page(shop, ShopListPage(*shop, PageNumber(query)));
    return Page(shop, QStringLiteral("<html><head><title>%1</title></head><body>%1</body></html>").arg(shop->nick));
}

MarketSim::MarketSim(Catalogue catalogue) : m_catalogue(std::move(catalogue)) {}

MarketSim::~MarketSim() {
    Stop();
}

bool MarketSim::Start(int port) {
    m_server = std::make_unique<ScriptedServer>(port);
    if (m_server->port() <= 0) {
        m_server.reset();
        return false;
    }
    m_port = m_server->port();
    m_server->on("*", [this](const ScriptedServer::Request& request) {
        ++m_requests;
        // Through a proxy the target is the whole address; else the Host header names the site.
        QUrl url(QString::fromLatin1(request.target));
        QString host = url.host();
        if (host.isEmpty()) {
            host = QString::fromLatin1(request.header("Host")).section(u':', 0, 0);
            url = QUrl(QStringLiteral("http://x") + QString::fromLatin1(request.target));
        }
        const Answer answer = Route(m_catalogue, host, url.path(QUrl::FullyEncoded), url.query(QUrl::FullyEncoded));
        const bool gzip = answer.gzip && request.header("Accept-Encoding").contains("gzip");
        QByteArray headers = "Content-Type: " + answer.contentType + "\r\n";
        if (gzip)
            headers += "Content-Encoding: gzip\r\n";
        if (answer.failOnce) {
            const std::lock_guard<std::mutex> lock(m_failedLock);
            if (!m_failedOnce.contains(url.toString())) {
                m_failedOnce.insert(url.toString());
                return ScriptedServer::Script{ScriptedServer::Reset()};
            }
        }
        const QByteArray body = gzip ? Deflate(answer.body) : answer.body;
        if (!answer.noLength && answer.slowMs == 0)
            return ScriptedServer::Reply(answer.status, body, headers);
        // Slow pictures come in pieces; pictures without a length end with the connection.
        ScriptedServer::Script script;
        const QByteArray head = "HTTP/1.1 200 OK\r\n" + headers +
                                (answer.noLength ? QByteArray("Connection: close\r\n")
                                                 : "Content-Length: " + QByteArray::number(body.size()) + "\r\n") +
                                "\r\n";
        script.push_back(ScriptedServer::Send(head));
        constexpr int kPiece = 16 * 1024;
        for (qsizetype at = 0; at < body.size(); at += kPiece) {
            if (answer.slowMs > 0 && at > 0)
                script.push_back(ScriptedServer::Sleep(answer.slowMs));
            script.push_back(ScriptedServer::Send(body.mid(at, kPiece)));
        }
        if (answer.noLength)
            script.push_back(ScriptedServer::Close());
        return script;
    });
    return true;
}

void MarketSim::Stop() {
    m_server.reset();
}

} // namespace sim
