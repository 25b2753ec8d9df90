// DecodeBody and GunzipBody on arbitrary bytes and headers.
#include "FuzzInput.h"
#include "http/URLSource2.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t options = data[0];
    const QList<QByteArray> p = Pieces(data + 1, size - 1, 4);
    ST_HTTPRESPONSE response;
    response.strHeaders = QString::fromLatin1(p[0]);
    response.body = p[1];
    response.strStartMark = p[2];
    response.strEndMark = p[3];
    response.bGzip = options & 0x80;
    QString text;
    DecodeBody(response, text, options & 0x3F);
    QByteArray inflated;
    GunzipBody(inflated, p[1].constData(), p[1].size());
    return 0;
}
