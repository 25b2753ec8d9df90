#include "Compress.h"
#include "http/URLSource2.h"
#include "text/StringCtrl.h"

#include <gtest/gtest.h>

namespace {
ST_HTTPRESPONSE Response(const QByteArray& body, const QString& headers, bool gzip) {
    ST_HTTPRESPONSE r;
    r.body = body;
    r.strHeaders = headers;
    r.bGzip = gzip;
    return r;
}
QString Decoded(const ST_HTTPRESPONSE& r, int options) {
    QString text;
    DecodeBody(r, text, options);
    return text;
}
const QString kPlain = QStringLiteral("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n");
const QString kGbk = QStringLiteral("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\n\r\n");
const QString kGzip = QStringLiteral("HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\n\r\n");
} // namespace

TEST(GunzipBody, WrappingsAndDamage) {
    const QByteArray text = QByteArray("中文 text ").repeated(5000); // several 8 KiB output rounds
    for (int bits : {31, 15}) {
        QByteArray out;
        EXPECT_TRUE(GunzipBody(out, Deflate(text, bits).constData(), Deflate(text, bits).size())) << bits;
        EXPECT_EQ(out, text);
    }
    const QByteArray gz = Deflate(text);
    QByteArray partial;
    EXPECT_FALSE(GunzipBody(partial, gz.constData(), gz.size() / 2));
    EXPECT_FALSE(partial.isEmpty());
    EXPECT_TRUE(text.startsWith(partial));
    QByteArray notCompressed;
    EXPECT_FALSE(GunzipBody(notCompressed, "<html>", 6));
    EXPECT_TRUE(notCompressed.isEmpty());
    QByteArray raw;
    EXPECT_FALSE(GunzipBody(raw, Deflate("abc", -15).constData(), Deflate("abc", -15).size()));
}

TEST(DecodeBody, Table) {
    const QByteArray gbk = UnicodeToGbk(QStringLiteral("淘宝店铺"));
    const QByteArray utf8 = QStringLiteral("淘宝店铺").toUtf8();
    struct Case {
        const char* what;
        ST_HTTPRESPONSE response;
        int options;
        QString text;
    } cases[] = {
        {"gzip inflated", Response(Deflate("<p>x</p>"), kGzip, true), DECODE_GUNZIP, "<p>x</p>"},
        {"zlib with gzip in the headers", Response(Deflate("zz", 15), kGzip, true), DECODE_GUNZIP, "zz"},
        {"deflate without gzip mentioned", Response(Deflate("zz", 15), kPlain, false), DECODE_GUNZIP,
         MultiByteToUnicode(Deflate("zz", 15), CP_GBK)},
        {"flagged gzip but plain", Response("plain", kGzip, true), DECODE_GUNZIP, ""},
        {"GBK declared", Response(gbk, kGbk, false), 0, QStringLiteral("淘宝店铺")},
        {"GBK wins over UTF8", Response(gbk, kGbk, false), DECODE_UTF8, QStringLiteral("淘宝店铺")},
        {"gbk lower case: options decide", Response(utf8, QStringLiteral("charset=gbk"), false), DECODE_UTF8,
         QStringLiteral("淘宝店铺")},
        {"GBK zero cuts", Response(QByteArray("ab\0cd", 5), kGbk, false), 0, "ab"},
        {"GBK KEEPNUL", Response(QByteArray("ab\0c\x7F" "d", 6), kGbk, false), DECODE_KEEPNUL, "abcd"},
        {"UTF8 zero cuts", Response(QByteArray("ab\0cd", 5), kPlain, false), DECODE_UTF8, "ab"},
        {"auto ASCII", Response("abc", kPlain, false), DECODE_AUTOUTF8, "abc"},
        {"auto UTF-8", Response(utf8, kPlain, false), DECODE_AUTOUTF8, QStringLiteral("淘宝店铺")},
        {"auto GBK", Response(gbk, kPlain, false), DECODE_AUTOUTF8, QStringLiteral("淘宝店铺")},
        {"ANSI default", Response(gbk, kPlain, false), 0, QStringLiteral("淘宝店铺")},
        {"BIG5", Response("\xA4\xA4", kPlain, false), DECODE_BIG5, QStringLiteral("中")},
        {"EUC-KR", Response("\xB0\xA1", kPlain, false), DECODE_EUCKR, QStringLiteral("가")},
        {"UTF8 before EUC-KR", Response(utf8, kPlain, false), DECODE_UTF8 | DECODE_EUCKR, QStringLiteral("淘宝店铺")},
        {"entities in turn", Response("a&amp;lt;b", kPlain, false), 0, "a<b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Decoded(c.response, c.options), c.text) << c.what;
}

TEST(DecodeBody, MarksApplyToGzipBodies) {
    ST_HTTPRESPONSE r = Response(Deflate("xSySzEtail"), kGzip, true);
    r.strStartMark = "S";
    EXPECT_EQ(Decoded(r, DECODE_GUNZIP), "zEtail");
    r.strEndMark = "E";
    EXPECT_EQ(Decoded(r, DECODE_GUNZIP), "z");
    ST_HTTPRESPONSE plain = Response("xSySz", kPlain, false);
    plain.strStartMark = "S"; // plain bodies had their marks applied while reading
    EXPECT_EQ(Decoded(plain, 0), "xSySz");
}
