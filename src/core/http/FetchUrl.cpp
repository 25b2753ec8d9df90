#include "CurlShare.h"
#include "URLSource2.h"
#include "text/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <chrono>
#include <thread>

const char* const kDefaultUserAgent =
    "User-Agent:Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/38.0.2125.104 "
    "Safari/537.36";
const char* const kIeUserAgent =
    "Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1; Trident/4.0; SLCC2; .NET CLR 2.0.50727; .NET CLR 3.5.30729; "
    ".NET CLR 3.0.30729; .NET4.0C; .NET4.0E)";

namespace {

using Clock = std::chrono::steady_clock;

// What one transfer's callbacks share.
struct Transfer {
    Transfer(const ST_HTTPREQUEST& r, ST_HTTPRESPONSE& s) : request(r), response(s) {}
    const ST_HTTPREQUEST& request;
    ST_HTTPRESPONSE& response;
    QByteArray headerBlock;
    bool headersDone = false;
    bool declaredChecked = false;
    bool failed = false;        // a size limit or a stall
    bool endMarkReached = false;
    bool applyMarks = false;
    Clock::time_point lastActivity = Clock::now();
    curl_off_t uploaded = 0;
};

uint64_t KiB(uint32_t kb) {
    return uint64_t(kb) * 1024;
}

bool TooSmall(const ST_HTTPREQUEST& r, uint64_t length) {
    return length < KiB(r.nMinKB);
}
bool TooLarge(const ST_HTTPREQUEST& r, uint64_t length) {
    return r.nMaxKB != 0 && length > KiB(r.nMaxKB);
}

// The number after the first "Content-Length:" of the block, or -1.
int64_t DeclaredLength(const QByteArray& block) {
    qsizetype at = block.indexOf("Content-Length:");
    if (at < 0)
        at = block.indexOf("content-length:"); // HTTP/2 sends its names in lower case
    if (at < 0)
        return -1;
    qsizetype i = at + 15;
    while (i < block.size() && block[i] == ' ')
        ++i;
    uint64_t length = 0;
    bool digits = false;
    for (; i < block.size() && block[i] >= '0' && block[i] <= '9'; ++i) {
        digits = true;
        length = std::min<uint64_t>(length * 10 + uint64_t(block[i] - '0'), uint64_t(INT64_MAX) / 10);
    }
    return digits ? int64_t(length) : 0;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    QByteArray line(data, qsizetype(size * count));
    if (line.startsWith("HTTP/")) {
        // A new response (after a redirect or an interim 100): its block replaces the one before.
        t->headerBlock.clear();
        t->headersDone = false;
    }
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    t->headerBlock += line + "\r\n";
    if (line.isEmpty()) {
        t->headersDone = true;
        t->lastActivity = Clock::now();
        t->response.strHeaders = QString::fromLatin1(t->headerBlock);
        t->response.bGzip = t->headerBlock.contains("gzip");
    }
    return size * count;
}

void ApplyMarksWhileReading(Transfer* t) {
    QByteArray& body = t->response.body;
    const QByteArray& start = t->request.strStartMark;
    const QByteArray& end = t->request.strEndMark;
    if (!start.isEmpty()) {
        for (qsizetype at = body.indexOf(start); at >= 0; at = body.indexOf(start))
            body.remove(0, at + start.size());
    }
    if (!end.isEmpty()) {
        const qsizetype at = body.indexOf(end);
        if (at >= 0) {
            body.truncate(at);
            t->endMarkReached = true;
        }
    }
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    t->lastActivity = Clock::now();
    if (!t->declaredChecked) {
        // A declared length outside the limits fails before any byte of the body is kept.
        t->declaredChecked = true;
        t->applyMarks = !t->response.bGzip && t->request.strSavePath.isEmpty();
        const int64_t declared = DeclaredLength(t->headerBlock);
        if (declared >= 0 && (TooSmall(t->request, uint64_t(declared)) || TooLarge(t->request, uint64_t(declared)))) {
            t->failed = true;
            return 0;
        }
    }
    t->response.body.append(data, qsizetype(bytes));
    if (t->applyMarks) {
        ApplyMarksWhileReading(t);
        if (t->endMarkReached)
            return 0; // stops the transfer; the body is complete for the caller
    }
    if (TooLarge(t->request, uint64_t(t->response.body.size()))) {
        t->failed = true;
        return 0;
    }
    return bytes;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
    auto* t = static_cast<Transfer*>(user);
    const auto now = Clock::now();
    if (uploaded != t->uploaded) {
        t->uploaded = uploaded;
        t->lastActivity = now;
    }
    // Until the headers each step may take dwTimeout; then each piece of the body dwReadTimeout.
    const uint32_t limit = t->headersDone ? t->request.dwReadTimeout : t->request.dwTimeout;
    if (now - t->lastActivity > std::chrono::milliseconds(limit)) {
        t->failed = true;
        return 1;
    }
    return 0;
}

curl_slist* HeaderList(const QString& headers) {
    curl_slist* list = nullptr;
    for (const QString& line : headers.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        list = curl_slist_append(list, line.toUtf8().constData());
    // A body goes out as it is, without waiting for "100 Continue".
    return curl_slist_append(list, "Expect:");
}

} // namespace

bool RequestOnce(ST_HTTPRESPONSE& response, const ST_HTTPREQUEST& request, int fetchOptions) {
    response.body.clear();
    response.strStartMark = request.strStartMark;
    response.strEndMark = request.strEndMark;
    response.bGzip = false;

    // Canonical form: non-ASCII characters and blanks percent-escaped, escapes already there kept.
    const QUrl parsed(request.strUrl.trimmed(), QUrl::TolerantMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() || parsed.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return false;
    const QByteArray url = parsed.toEncoded();

    PooledHandle handle;
    CURL* curl = handle.get();
    Transfer transfer(request, response);
    curl_slist* headers = HeaderList(request.strHeaders);
    const QByteArray verb = request.strVerb.toUtf8();
    const QByteArray body = request.pBody.left(qstrnlen(request.pBody.constData(), request.pBody.size()));
    const QByteArray caFile = HttpCaFile().toLocal8Bit();

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, (fetchOptions & FETCH_IEAGENT) ? kIeUserAgent : kDefaultUserAgent);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 20L);
    curl_easy_setopt(curl, CURLOPT_AUTOREFERER, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(std::max<uint32_t>(request.dwTimeout, 1)));
    curl_easy_setopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.isEmpty() ? DefaultCaFile() : caFile.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L); // also undoes the method of the handle's last fetch
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, nullptr);
    if (!body.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.constData());
    }
    if (verb == "HEAD")
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    else if (verb != (body.isEmpty() ? "GET" : "POST"))
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, verb.constData());

    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(headers);

    bool ok = code == CURLE_OK || (code == CURLE_WRITE_ERROR && transfer.endMarkReached && !transfer.failed);
    if (transfer.failed)
        ok = false;
    if (!transfer.headerBlock.isEmpty() && response.strHeaders.isEmpty())
        response.strHeaders = QString::fromLatin1(transfer.headerBlock);
    if (!ok)
        return false;
    const uint64_t length = uint64_t(response.body.size());
    if (TooSmall(request, length) || TooLarge(request, length))
        return false;
    if (!request.strSavePath.isEmpty())
        WriteWholeFile(request.strSavePath, response.body); // a file that cannot be written fails nothing
    return true;
}

bool FetchUrl(ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, int fetchOptions) {
    if (request.byAttempts == 0)
        return false;
    for (int attempt = 1;; ++attempt) {
        if (RequestOnce(response, request, fetchOptions)) {
            if (request.nMinLength == 0 && request.strRetryMark.isEmpty())
                return true;
            QByteArray copy;
            if ((fetchOptions & FETCH_CACHEWRITE) && response.bGzip)
                GunzipBody(copy, response.body.constData(), response.body.size());
            else
                copy = response.body;
            if (uint64_t(copy.size()) > request.nMinLength &&
                (request.strRetryMark.isEmpty() || !copy.contains(request.strRetryMark)))
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1000 * request.byRetryDelay));
        if (attempt >= request.byAttempts)
            return false;
    }
}
