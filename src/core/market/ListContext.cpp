#include "ListContext.h"

#include "session/VantrelState.h"
#include "session/WindowPort.h"

#include "text/WholeFile.h"

ST_HTTPREQUEST PageRequest() {
    ST_HTTPREQUEST request(QString(), QString(), 20000);
    request.strHeaders = QStringLiteral("Accept-Encoding: gzip, deflate\r\nAccept-Language: zh-cn");
    return request;
}

bool FetchPage(ListContext& context, ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, QString& page) {
    page.clear();
    if (!context.fetch(request, response, 0))
        return false;
    DecodeBody(response, page, DECODE_GUNZIP);
    return true;
}

bool AddAndShowAlbum(ListContext& context, const ST_PERLISTRECORD& album) {
    if (context.state.Ready == 1) {
        const int size = context.state.Albums.AddAlbum(album);
        context.port.ShowAlbum(size - 1);
    }
    return context.state.ListFetchState == 2;
}

void WriteDiagnosticFile(const ListContext& context, const QString& fileName, const QString& page) {
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(page.utf16()), page.size() * 2);
    WriteWholeFile(context.state.ProgramDir + fileName, bytes);
}

int ReadUnsignedNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    qint64 number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        number = std::min<qint64>(number * 10 + (text[i].unicode() - u'0'), INT32_MAX);
    return int(number);
}
