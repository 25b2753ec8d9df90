#include "ChangeSource.h"

#include "albums/AlbumList.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "text/FileNames.h"
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

namespace {

QString CompanyNameAfter(const QString& page, const QString& mark) {
    QString name = GetBetweenConst(page, mark, QStringLiteral("</"));
    CutThroughMark(name, QStringLiteral("\">"), true); // a link tag in front of the name
    return name;
}

// Sets ListFolderName; false (after its message) when the page names no company.
bool ReadCompanyName(ListContext& context, const QString& page) {
    QString name = CompanyNameAfter(page, QStringLiteral("_compname\">"));
    if (name.isEmpty())
        name = CompanyNameAfter(page, QStringLiteral("chinaname hidden\""));
    if (name.isEmpty()) {
        context.port.MessageBox(Deciphered(stored::kNoCompanyNameMessage), QString(), MessageButtons::Ok);
        return false;
    }
    CleanFileName(name, kTimeNameFallback, true);
    const std::lock_guard<std::mutex> lock(context.state.TextLock);
    context.state.ListFolderName = name;
    return true;
}

void ParseSingleOffer(const QString& address, ListContext& context) {
    ST_HTTPREQUEST request = PageRequest();
    ST_HTTPRESPONSE response;
    request.strUrl = address;
    QString page;
    if (!FetchPage(context, request, response, page) || !ReadCompanyName(context, page))
        return;
    ST_PERLISTRECORD album;
    album.strAddress = address;
    CutThroughMark(page, QStringLiteral("class=\"box-img"), true);
    album.strName = GetBetween(page, QStringLiteral("title=\""), QStringLiteral("\""), BETWEEN_CONSUME);
    album.strName.remove(QStringLiteral("点击查看大图："));
    if (AddAndShowAlbum(context, album))
        return;
    QString whole;
    DecodeBody(response, whole, DECODE_GUNZIP);
    const std::lock_guard<std::mutex> lock(context.state.TextLock);
    context.state.OfferPageText = whole; // the offer's pictures are read from it, not fetched again
}

void WalkOffers(const QString& listTemplate, ListContext& context) {
    ST_HTTPREQUEST request = PageRequest();
    ST_HTTPRESPONSE response;
    const QString blockMark = QStringLiteral("class=\"image");
    bool nextPage = true;
    for (int p = 1; nextPage; ++p) {
        request.strUrl = QStringLiteral("%1&showType=window&pageNum=%2").arg(listTemplate).arg(p);
        QString page;
        if (!FetchPage(context, request, response, page) || page.isEmpty())
            return;
        if (page.indexOf(QStringLiteral("class=\"next-disabled")) >= 1)
            nextPage = false;
        if (p == 1 && !ReadCompanyName(context, page))
            return;
        CutThroughMark(page, QStringLiteral("class=\"filters\""), true);
        CutBeforeMark(page, QStringLiteral("common-tips-->"));
        QStringList pieces;
        if (SplitByMark(page, blockMark, pieces) == 0)
            return;
        for (qsizetype i = 1; i < pieces.size(); ++i) {
            QString cursor = pieces[i];
            ST_PERLISTRECORD album;
            album.strAddress = GetBetween(cursor, QStringLiteral("href=\""), QStringLiteral("\""), BETWEEN_CONSUME);
            album.strName = GetBetween(cursor, QStringLiteral("title=\""), QStringLiteral("\""), BETWEEN_CONSUME);
            album.strCoverAddress = GetBetween(cursor, QStringLiteral("load-src=\""), QStringLiteral("\""), BETWEEN_CONSUME);
            if (AddAndShowAlbum(context, album))
                return;
        }
    }
}

} // namespace

void ParseOfferList(const QString& listTemplate, ListContext& context) {
    {
        const std::lock_guard<std::mutex> lock(context.state.TextLock);
        context.state.OfferPageText.clear();
    }
    if (listTemplate.indexOf(QStringLiteral("com/offer")) >= 1)
        ParseSingleOffer(listTemplate, context);
    else
        WalkOffers(listTemplate, context);
}
