#include "URLSource2.h"
#include "text/StringCtrl.h"

#include <zlib.h>

bool GunzipBody(QByteArray& out, const char* data, qsizetype length) {
    z_stream stream{};
    constexpr int kOutputSize = 8192;
    unsigned char buffer[kOutputSize];
    // Window bits 15 + 32: a zlib or a gzip header is recognised by itself.
    if (inflateInit2_(&stream, 47, "1.2.3", int(sizeof(z_stream))) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = uInt(length);
    const qsizetype startLength = out.size();
    bool ended = false;
    for (;;) {
        stream.next_out = buffer;
        stream.avail_out = kOutputSize;
        const int status = inflate(&stream, Z_NO_FLUSH);
        const qsizetype produced = qsizetype(stream.total_out) - (out.size() - startLength);
        if (produced > 0)
            out.append(reinterpret_cast<const char*>(buffer), produced);
        if (status == Z_STREAM_END) {
            ended = true;
            break;
        }
        if (status != Z_OK)
            break; // damaged, or truncated with nothing more to make
    }
    inflateEnd(&stream);
    return ended;
}

namespace {

// The ANSI conversion: code page 936, the bytes read as a string that ends at its first zero.
QString Ansi(const QByteArray& bytes) {
    return MultiByteToUnicode(bytes.constData(), qstrnlen(bytes.constData(), bytes.size()), CP_ANSI);
}

void ApplyMarks(QByteArray& copy, const QByteArray& start, const QByteArray& end) {
    if (!start.isEmpty()) {
        for (qsizetype at = copy.indexOf(start); at >= 0; at = copy.indexOf(start))
            copy.remove(0, at + start.size());
    }
    if (!end.isEmpty()) {
        const qsizetype at = copy.indexOf(end);
        if (at >= 0)
            copy.truncate(at);
    }
}

} // namespace

void DecodeBody(const ST_HTTPRESPONSE& response, QString& text, int decodeOptions) {
    QByteArray copy;
    if ((decodeOptions & DECODE_GUNZIP) && response.bGzip)
        GunzipBody(copy, response.body.constData(), response.body.size());
    else
        copy = response.body;
    if (response.bGzip)
        ApplyMarks(copy, response.strStartMark, response.strEndMark);

    if (response.strHeaders.contains(QStringLiteral("charset=GBK"))) {
        if (decodeOptions & DECODE_KEEPNUL) {
            copy.replace('\0', '\x7F');
            text = Ansi(copy);
            text.remove(QChar(0x7F));
        } else {
            text = Ansi(copy);
        }
    } else if (decodeOptions & DECODE_UTF8) {
        text = MultiByteToUnicode(copy, CP_UTF8);
    } else if (decodeOptions & DECODE_EUCKR) {
        text = MultiByteToUnicode(copy, CP_EUCKR);
    } else if (decodeOptions & DECODE_BIG5) {
        text = MultiByteToUnicode(copy, CP_BIG5);
    } else if ((decodeOptions & DECODE_AUTOUTF8) && IsUtf8Text(copy.constData(), copy.size())) {
        text = MultiByteToUnicode(copy, CP_UTF8);
    } else {
        text = Ansi(copy);
    }
    DecodeHtmlEntities(text);
}
