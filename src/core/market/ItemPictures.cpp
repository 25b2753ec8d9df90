#include "ChangeSource.h"

#include "albums/AlbumList.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "text/StringCtrl.h"

namespace {

const QString kLayoutMessage = QStringLiteral("获取信息出错(2),请将程序目录下的log.err文件发给作者,以便修改");

bool Stopped(const ListContext& context) {
    const uint8_t state = context.state.DownloadState;
    return state == 2 || state == 3;
}

uint16_t Flags(const ListContext& context) {
    return context.state.Settings.SaveSet(context.state.CurrentSite()).wFlags;
}

QString WithScheme(QString address) {
    if (!address.contains(QStringLiteral("http")))
        address.prepend(QStringLiteral("http:"));
    return address;
}

void ReportLayout(ListContext& context, const QString& page) {
    WriteDiagnosticFile(context, QStringLiteral("log.err"), page);
    context.port.MessageBox(kLayoutMessage, QString(), MessageButtons::Ok);
}

QString PriceText(const QString& page) {
    const QString marks[][2] = {{QStringLiteral("defaultItemPrice':'"), QStringLiteral("'")},
                                {QStringLiteral("price:"), QStringLiteral(",")},
                                {QStringLiteral("defaultItemPrice\":\""), QStringLiteral("\"")},
                                {QStringLiteral("\"tb-rmb-num\">"), QStringLiteral("<")}};
    for (const auto& mark : marks) {
        const QString price = GetBetweenConst(page, mark[0], mark[1]);
        if (!price.isEmpty())
            return price;
    }
    return QString();
}

// The leading decimal number of a text (" 10.00 - 20.00" reads 10.00), 0 when there is none.
double LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == u'-' || trimmed[end] == u'+'))
        ++end;
    bool dot = false;
    while (end < trimmed.size() && (trimmed[end].isDigit() || (trimmed[end] == u'.' && !dot))) {
        dot = dot || trimmed[end] == u'.';
        ++end;
    }
    return trimmed.left(end).toDouble();
}

// Every picture the description page shows, in page order.
QStringList DescriptionPictures(const QString& description) {
    QStringList pictures;
    QStringList pieces;
    SplitByMark(description, QStringLiteral("<img"), pieces);
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString tag = pieces[i].left(pieces[i].indexOf(u'>'));
        const QString address = GetBetweenConst(tag, QStringLiteral("src=\""), QStringLiteral("\""));
        if (!address.isEmpty())
            pictures << WithScheme(address);
    }
    return pictures;
}

void AddDescriptionPictures(ListContext& context, const QString& address, const QString& prefix,
                            const ItemPictureSink& sink) {
    if (address.isEmpty() || (Flags(context) & SAVE_MAIN_PICTURES_ONLY) || Stopped(context))
        return;
    ST_HTTPREQUEST request = PageRequest();
    ST_HTTPRESPONSE response;
    request.strUrl = WithScheme(address);
    QString description;
    if (!FetchPage(context, request, response, description))
        return; // a description that cannot be fetched adds nothing and stops nothing
    int n = 0;
    for (const QString& picture : DescriptionPictures(description)) {
        sink(picture, QStringLiteral("%1描述_%2").arg(prefix).arg(++n), QString());
        if (Stopped(context))
            return;
    }
}

QString ItemDescriptionAddress(const QString& page) {
    const QString script = GetBetweenConst(page, QStringLiteral("Script('"), QStringLiteral("'"));
    if (!script.isEmpty())
        return script;
    for (const QString& mark : {QStringLiteral("\"") + kDescriptionMarkWithScheme, QStringLiteral("\"") + kDescriptionMark}) {
        const qsizetype at = page.indexOf(mark);
        if (at >= 0)
            return GetBetweenConst(page.mid(at), QStringLiteral("\""), QStringLiteral("\""));
    }
    return QString();
}

} // namespace

QString PricePrefix(const QString& priceText, bool priceInName, int priceAdjust) {
    if (!priceInName || priceText.isEmpty())
        return QString();
    if (priceAdjust == 0)
        return QStringLiteral("价格%1元_").arg(priceText);
    return QStringLiteral("价格%1元_").arg(LeadingNumber(priceText) + priceAdjust, 0, 'f', 2);
}

void GetItemPictures(ListContext& context, int albumIndex, const ItemPictureSink& sink) {
    ST_HTTPREQUEST request = PageRequest();
    ST_HTTPRESPONSE response;
    request.strUrl = context.state.Albums.at(albumIndex).strAddress;
    QString page;
    if (!FetchPage(context, request, response, page) || page.isEmpty())
        return;
    if (page.indexOf(kPackageDealMark) >= 1) {
        request.strUrl.replace(kItemHost, kPackageDealHost);
        if (!FetchPage(context, request, response, page) || page.isEmpty())
            return;
    }
    request.strUrl.clear();
    if (!page.contains(kDescriptionMark))
        DecodeBody(response, page, DECODE_GUNZIP | DECODE_UTF8 | DECODE_KEEPNUL);
    if (page.indexOf(kDescriptionMarkWithScheme) < 1 && page.indexOf(kDescriptionMark) < 1) {
        ReportLayout(context, page);
        return;
    }
    DecodeBody(response, page, DECODE_GUNZIP | DECODE_KEEPNUL);
    const QString price = PriceText(page);
    const QString descriptionAddress = ItemDescriptionAddress(page);
    CutThroughMark(page, QStringLiteral("id=\"J_UlThumb\""), true);
    if (CutBeforeMark(page, QStringLiteral("</ul>")) < 0)
        page.clear();
    ExtensionSettings extension;
    {
        const std::lock_guard<std::mutex> lock(context.state.TextLock);
        extension = context.state.Extension;
    }
    const QString prefix = PricePrefix(price, extension.priceInName, extension.priceAdjust);

    if (!(Flags(context) & SAVE_DESCRIPTION_PICTURES_ONLY)) {
        const QString mark = CountMark(page, QStringLiteral("src=\"")) >= 1 ? QStringLiteral("src=\"")
                                                                           : QStringLiteral("image:url(");
        QStringList pieces;
        SplitByMark(page, mark, pieces);
        for (qsizetype n = 1; n < pieces.size(); ++n) {
            QString piece = pieces[n];
            QString address = piece.indexOf(QStringLiteral("lazyload=\"")) >= 1
                                  ? GetBetween(piece, QStringLiteral("lazyload=\""), QStringLiteral("\""), BETWEEN_CONSUME)
                                  : piece.left(std::max<qsizetype>(piece.indexOf(u'"'), 0));
            const qsizetype underscore = address.lastIndexOf(u'_');
            if (underscore >= 0)
                address.truncate(underscore); // "a.jpg_60x60.jpg": the strip's small size dropped
            sink(WithScheme(address), QStringLiteral("%1主图_%2").arg(prefix).arg(n), QString());
            if (Stopped(context))
                return;
        }
    }
    AddDescriptionPictures(context, descriptionAddress, prefix, sink);
}

void GetOfferPictures(ListContext& context, int albumIndex, const ItemPictureSink& sink) {
    QString page;
    {
        const std::lock_guard<std::mutex> lock(context.state.TextLock);
        page = context.state.OfferPageText;
    }
    if (page.isEmpty()) {
        ST_HTTPREQUEST request = PageRequest();
        ST_HTTPRESPONSE response;
        request.strUrl = context.state.Albums.at(albumIndex).strAddress;
        if (!FetchPage(context, request, response, page) || page.isEmpty())
            return;
    }
    const QString tfsMark = QStringLiteral("data-tfs-url=\"");
    if (page.indexOf(tfsMark) < 1) {
        ReportLayout(context, page);
        return;
    }
    if (!(Flags(context) & SAVE_DESCRIPTION_PICTURES_ONLY)) {
        const QString mark = CountMark(page, QStringLiteral("\"original\":\"")) >= 1 ? QStringLiteral("\"original\":\"")
                                                                                       : QStringLiteral("image:url(");
        QStringList pieces;
        SplitByMark(page, mark, pieces);
        for (qsizetype n = 1; n < pieces.size(); ++n) {
            const QString address = pieces[n].left(std::max<qsizetype>(pieces[n].indexOf(u'"'), 0));
            if (!address.contains(QStringLiteral("http://")))
                continue; // its number is used up all the same
            sink(address, QStringLiteral("主图_%1").arg(n), QString());
            if (Stopped(context))
                return;
        }
    }
    AddDescriptionPictures(context, GetBetweenConst(page, tfsMark, QStringLiteral("\"")), QString(), sink);
}
