// The one way the program fetches anything over HTTP, and the decoding of page bodies into text.
//
// FetchUrl blocks the calling thread; any number of threads may call it at once with their own
// records. Every fetch carries the process's cookie jar (see CookieJar.h), follows redirects, reads
// the proxy from http_proxy / https_proxy / no_proxy and verifies https certificates.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Fetch options.
enum : int {
    FETCH_CACHEWRITE = 0x01, // the retry test inflates a gzip body before looking at it
    FETCH_FROMCACHE = 0x02,  // kept for callers; every fetch here goes to the server
    FETCH_IEAGENT = 0x40,    // the alternative user agent
};

// Decode options.
enum : int {
    DECODE_GUNZIP = 0x01,
    DECODE_UTF8 = 0x02,
    DECODE_EUCKR = 0x04,
    DECODE_BIG5 = 0x08,
    DECODE_AUTOUTF8 = 0x10,
    DECODE_KEEPNUL = 0x20,
};

struct ST_HTTPREQUEST {
    ST_HTTPREQUEST(const QString& url = QString(), const QString& savePath = QString(), uint32_t timeoutMs = 20000)
        : strUrl(url), strSavePath(savePath), dwReadTimeout(timeoutMs), dwTimeout(timeoutMs) {}

    QString strUrl;
    QString strVerb = QStringLiteral("GET");
    QString strHeaders;      // extra request header lines, CR LF between them
    QByteArray strStartMark; // the body keeps only what follows the last start mark
    QByteArray strEndMark;   // the body ends before the end mark, and reading stops there
    QByteArray strRetryMark; // a body holding it is fetched again
    QString strSavePath;     // when set, the body is written to this file
    QByteArray pBody;        // the request body, up to its first NUL byte
    uint32_t dwReadTimeout;  // ms: longest wait for each further piece of the body
    uint32_t dwTimeout;      // ms: connecting, and each step until the response headers
    uint32_t nMinKB = 0;     // a body below nMinKB * 1024 bytes fails
    uint32_t nMaxKB = 0;     // a body above nMaxKB * 1024 bytes fails; 0 = no limit
    uint32_t nMinLength = 0; // a body of at most this many bytes is fetched again
    uint8_t byAttempts = 1;  // 0 fails at once
    uint8_t byRetryDelay = 1; // seconds of pause after each failed attempt
};

struct ST_HTTPRESPONSE {
    QString strHeaders;      // the raw header block of the final response, status line first, CR LF
    QByteArray body;         // as received (still compressed when the server compressed it)
    QByteArray strStartMark; // copies of the request's marks, for DecodeBody
    QByteArray strEndMark;
    bool bGzip = false;      // the header block contains "gzip"
};

// Up to byAttempts attempts with the pause after each failed one. True when an attempt succeeded and
// its body passed the retry test (longer than nMinLength, no retry mark).
bool FetchUrl(ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, int fetchOptions);

// One attempt.
bool RequestOnce(ST_HTTPRESPONSE& response, const ST_HTTPREQUEST& request, int fetchOptions);

// The page body as text: inflated (DECODE_GUNZIP and bGzip), marks applied to gzip bodies, converted
// by the charset the headers declare or the options, entities decoded.
void DecodeBody(const ST_HTTPRESPONSE& response, QString& text, int decodeOptions);

// Appends the inflated form of the data (zlib or gzip wrapping) to out; true when the stream ended
// properly. A damaged stream leaves what could be inflated.
bool GunzipBody(QByteArray& out, const char* data, qsizetype length);

// The certificate authorities https is verified against; empty for the system's. Tests only.
void SetHttpCaFile(const QString& path);

// The user agents, exactly as the marketplace has always seen them.
extern const char* const kDefaultUserAgent;
extern const char* const kIeUserAgent;
