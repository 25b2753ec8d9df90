#include "ChangeSource.h"

#include "albums/AlbumList.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "text/FileNames.h"
#include "text/StringCtrl.h"

namespace {

bool ContainsAfterFirst(const QString& text, const QString& mark) {
    return text.indexOf(mark) >= 1;
}

void ReadShopName(ListContext& context, const QString& page) {
    QString name = GetBetweenConst(page, QStringLiteral("nickName:"), QStringLiteral(","));
    if (name.isEmpty())
        name = GetBetweenConst(page, QStringLiteral("NickName\""), QStringLiteral(","));
    name.remove(u'\'');
    name = UrlDecodeUtf8(name.trimmed());
    CleanFileName(name, kTimeNameFallback, true);
    const std::lock_guard<std::mutex> lock(context.state.TextLock);
    context.state.ListFolderName = name;
}

void ParseSingleItem(const QString& address, ListContext& context) {
    ST_HTTPREQUEST request = PageRequest();
    ST_HTTPRESPONSE response;
    request.strUrl = address;
    QString page;
    if (!FetchPage(context, request, response, page))
        return;
    ST_PERLISTRECORD album;
    album.strAddress = address;
    album.strName = GetBetween(page, QStringLiteral("<title>"), QStringLiteral("</title>"), BETWEEN_CONSUME);
    const qsizetype dash = album.strName.lastIndexOf(u'-');
    if (dash >= 1)
        album.strName.truncate(dash);
    ReadShopName(context, page);
    AddAndShowAlbum(context, album);
}

// The next-page test of a list page: false once the page says it is the last.
bool HasNextPage(const QString& page) {
    if (page.indexOf(QStringLiteral("没有下一页")) > 10)
        return false;
    if (page.indexOf(QStringLiteral("disable\">下一页")) > 10)
        return false;
    return page.contains(QStringLiteral(">下一页</a>"));
}

enum class PieceResult { Skipped, Added, Stop, BadLink };

PieceResult ParseListPiece(QString cursor, ListContext& context) {
    ST_PERLISTRECORD album;
    album.strAddress = GetBetween(cursor, QStringLiteral("href=\""), QStringLiteral("\""), BETWEEN_CONSUME);
    if (album.strAddress.isEmpty())
        return PieceResult::Skipped;
    album.strAddress.prepend(QStringLiteral("http:")); // links are scheme-relative: "//item..."
    if (!album.strAddress.contains(QStringLiteral("http://")))
        return PieceResult::BadLink;
    album.strCoverAddress = GetBetween(cursor, QStringLiteral("lazyload=\""), QStringLiteral("\""), BETWEEN_CONSUME);
    if (album.strCoverAddress.isEmpty())
        album.strCoverAddress = GetBetween(cursor, QStringLiteral("src=\""), QStringLiteral("\""), BETWEEN_CONSUME);
    CutThroughMark(cursor, QStringLiteral("<a"), true);
    CutThroughMark(cursor, QStringLiteral("class=\"item-name\""), true);
    album.strName = GetBetween(cursor, QStringLiteral(">"), QStringLiteral("</a>"), BETWEEN_CONSUME);
    if (album.strName.isEmpty())
        return PieceResult::Skipped;
    const QString sales = ContainsAfterFirst(cursor, QStringLiteral("sale-num\">"))
                              ? GetBetween(cursor, QStringLiteral("sale-num\">"), QStringLiteral("</"), BETWEEN_CONSUME)
                              : GetBetween(cursor, QStringLiteral("<em>"), QStringLiteral("</em>"), BETWEEN_CONSUME);
    album.nSales = ReadUnsignedNumber(sales);
    return AddAndShowAlbum(context, album) ? PieceResult::Stop : PieceResult::Added;
}

void WalkList(const QString& listTemplate, ListContext& context) {
    ST_HTTPREQUEST request = PageRequest();
    ST_HTTPRESPONSE response;
    request.strUrl = kMarketplaceHome;
    context.fetch(request, response, 0); // the marketplace's home first, as a browser would

    QString blockMark = QStringLiteral("<dl class=\"item");
    bool nextPage = true;
    for (int p = 1; nextPage; ++p) {
        request.strUrl = QStringLiteral("%1&viewType=grid&pageNum=%2").arg(listTemplate).arg(p);
        QString page;
        if (!FetchPage(context, request, response, page) || page.isEmpty())
            return;
        if (p == 1) {
            ReadShopName(context, page);
            const QString crumbs = StripTags(GetBetweenConst(page, QStringLiteral("<ol>"), QStringLiteral("</ol>")));
            const std::lock_guard<std::mutex> lock(context.state.TextLock);
            context.state.ListSubFolderName = crumbs;
        }
        nextPage = HasNextPage(page);
        if (ContainsAfterFirst(page, QStringLiteral("很抱歉，搜索到“<em>0</em>”个宝贝")))
            return;
        CutThroughMark(page, QStringLiteral("排序："), false);
        const qsizetype button = page.indexOf(QStringLiteral("<button type=\"submit\">确定"));
        if (button >= 1)
            page.truncate(button);

        QStringList pieces;
        if (SplitByMark(page, blockMark, pieces) == 0) {
            blockMark = QStringLiteral("<div class=\"item\">");
            if (SplitByMark(page, blockMark, pieces) == 0) {
                WriteDiagnosticFile(context, QStringLiteral("taobao.tmp"), page);
                return;
            }
        }
        for (qsizetype i = 1; i < pieces.size(); ++i) {
            switch (ParseListPiece(pieces[i], context)) {
            case PieceResult::Stop:
                return;
            case PieceResult::BadLink: {
                QString whole;
                DecodeBody(response, whole, DECODE_GUNZIP);
                WriteDiagnosticFile(context, QStringLiteral("log.err"), whole);
                context.port.MessageBox(QStringLiteral("获取信息出错,请将程序目录下的log.err文件发给作者,以便修改"),
                                        QString(), MessageButtons::Ok);
                return;
            }
            default:
                break;
            }
        }
    }
}

} // namespace

void ParseShopList(const QString& listTemplate, ListContext& context) {
    if (ContainsAfterFirst(listTemplate, QStringLiteral("item.")))
        ParseSingleItem(listTemplate, context);
    else
        WalkList(listTemplate, context);
}
