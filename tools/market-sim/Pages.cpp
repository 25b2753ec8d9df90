#include "Pages.h"

#include <QUrl>

namespace sim {

namespace {

QString Head(const QString& title, const QString& charset) {
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"%1\"><title>%2</title>\n").arg(charset, title);
}

QString NickScript(const Shop& shop) {
    return QStringLiteral("<script>var g_config={shopId:'%1',nickName:'%2',userId:'1'};</script>\n")
        .arg(shop.host, QString::fromLatin1(QUrl::toPercentEncoding(shop.nick)));
}

QList<Item> PageItems(const QList<Item>& items, int page, int pageSize) {
    return items.mid(qsizetype(page - 1) * pageSize, pageSize);
}

QString Pagination(bool hasNext, int page, const QString& lastPage) {
    if (hasNext)
        return QStringLiteral("<div class=\"pagination\"><a class=\"J_SearchAsync next\" href=\"?pageNum=%1\">下一页</a></div>\n")
            .arg(page + 1);
    if (lastPage == QLatin1String("disabled"))
        return QStringLiteral("<div class=\"pagination\"><span class=\"page-next disable\">下一页</span></div>\n");
    if (lastPage == QLatin1String("nomore"))
        return QStringLiteral("<div class=\"pagination\"><span class=\"no-next\">没有下一页</span></div>\n");
    return QString();
}

QString ItemBlock(const Shop& shop, const Item& item) {
    const QString link = ItemLink(shop, item);
    if (shop.layout == QLatin1String("div")) {
        return QStringLiteral("<div class=\"item\"><div class=\"pic\"><a href=\"%1\" target=\"_blank\"><img src=\"%2\"></a></div>"
                              "<p class=\"title\"><a class=\"item-name\" href=\"%1\" target=\"_blank\">%3</a></p>"
                              "<p class=\"status\">月成交<em>%4</em>笔</p></div>\n")
            .arg(link, CoverAddress(item), item.name, item.sales);
    }
    return QStringLiteral("<dl class=\"item \" data-id=\"%1\"><dt class=\"photo\"><a href=\"%2\" target=\"_blank\">"
                          "<img alt=\"\" lazyload=\"%3\" src=\"//assets.alicdn.com/s.gif\"></a></dt>"
                          "<dd class=\"detail\"><a class=\"item-name\" href=\"%2\" target=\"_blank\">%4</a>"
                          "<div class=\"attribute\"><span class=\"sale-num\">%5</span></div></dd></dl>\n")
        .arg(item.id, link, CoverAddress(item), item.name, item.sales);
}

QString ListBody(const Shop& shop, const QList<Item>& items, bool hasNext, int page) {
    QString html = QStringLiteral("<div class=\"filter\">排序：<a>综合</a><a>销量</a></div>\n<div class=\"shop-items\">\n");
    for (const Item& item : items)
        html += ItemBlock(shop, item);
    html += QStringLiteral("</div>\n") + Pagination(hasNext, page, shop.lastPage);
    html += QStringLiteral("<form>到第<input name=\"pageNo\">页<button type=\"submit\">确定</button></form>\n");
    html += QStringLiteral("<div class=\"footer\"><a href=\"//www.taobao.com/\">淘宝网</a></div>\n");
    return html;
}

} // namespace

QString ItemLink(const Shop& shop, const Item& item) {
    if (shop.kind == QLatin1String("1688"))
        return QStringLiteral("http://detail.1688.com/offer/%1.html").arg(item.id);
    if (shop.kind == QLatin1String("tmall"))
        return QStringLiteral("//detail.tmall.com/item.htm?id=%1").arg(item.id);
    return QStringLiteral("//item.taobao.com/item.htm?id=%1").arg(item.id);
}

QString CoverAddress(const Item& item) {
    return QStringLiteral("//img.alicdn.com/bao/uploaded/%1/cover.jpg_180x180.jpg").arg(item.id);
}

QString HomePage() {
    return Head(QStringLiteral("淘宝网 - 淘！我喜欢"), QStringLiteral("GBK")) + QStringLiteral("</head><body>淘宝网</body></html>\n");
}

QString ShopListPage(const Shop& shop, int page) {
    QString html = Head(shop.nick + QStringLiteral("-淘宝网"), shop.charset) + NickScript(shop) + QStringLiteral("</head><body>\n");
    html += QStringLiteral("<div class=\"crumbs\"><ol>");
    for (const QString& crumb : shop.crumbs)
        html += QStringLiteral("<li><a href=\"#\">%1</a></li>").arg(crumb);
    html += QStringLiteral("</ol></div>\n");
    html += ListBody(shop, PageItems(shop.items, page, shop.pageSize), page < shop.pageCount(), page);
    return html + QStringLiteral("</body></html>\n");
}

QString SearchPage(const QList<Item>& found, const QString& words, int page, int pageSize) {
    QString html = Head(words + QStringLiteral("_淘宝搜索"), QStringLiteral("GBK")) + QStringLiteral("</head><body>\n");
    if (found.isEmpty()) {
        html += QStringLiteral("<div class=\"tips\">很抱歉，搜索到“<em>0</em>”个宝贝</div>\n");
        // The page still shows suggestions in the item layout.
        Shop suggestions;
        suggestions.items = {{QStringLiteral("900001"), QStringLiteral("猜你喜欢"), QStringLiteral("1"), 1}};
        html += ListBody(suggestions, suggestions.items, false, 1);
        return html + QStringLiteral("</body></html>\n");
    }
    Shop results;
    results.items = found;
    results.pageSize = pageSize;
    html += ListBody(results, PageItems(found, page, pageSize), page < results.pageCount(), page);
    return html + QStringLiteral("</body></html>\n");
}

QString PictureExtension(const Item& item) {
    return item.wrongExtension ? QStringLiteral(".jpg") : QStringLiteral(".") + item.format;
}

QString PictureAddress(const Item& item, int n, bool description, bool offer) {
    const QString file = QStringLiteral("%1%2%3").arg(description ? QStringLiteral("d") : QString()).arg(n).arg(PictureExtension(item));
    if (offer)
        return QStringLiteral("http://cbu01.alicdn.com/img/ibank/%1/%2").arg(item.id, file);
    return QStringLiteral("//img.alicdn.com/imgextra/i1/%1/%2").arg(item.id, file);
}

namespace {

QString PriceMark(const Item& item) {
    switch (item.priceForm) {
    case 2:
        return QStringLiteral("<script>var g_item={price:%1,quantity:9};</script>\n").arg(item.price);
    case 3:
        return QStringLiteral("<script>var g_item={\"defaultItemPrice\":\"%1\"};</script>\n").arg(item.price);
    case 4:
        return QStringLiteral("<div class=\"tb-price\"><em class=\"tb-rmb\">¥</em><em class=\"tb-rmb-num\">%1</em></div>\n").arg(item.price);
    default:
        return QStringLiteral("<script>var g_item={'defaultItemPrice':'%1'};</script>\n").arg(item.price);
    }
}

QString ThumbStrip(const Item& item) {
    QString html = QStringLiteral("<ul id=\"J_UlThumb\" class=\"tb-thumb\">\n");
    for (int n = 1; n <= item.pictures; ++n) {
        const QString small = PictureAddress(item, n, false, false) + QStringLiteral("_60x60.jpg");
        if (item.strip == QLatin1String("lazyload"))
            html += QStringLiteral("<li><a href=\"#\"><img src=\"//assets.alicdn.com/s.gif\" lazyload=\"%1\"></a></li>\n").arg(small);
        else if (item.strip == QLatin1String("image"))
            html += QStringLiteral("<li><a href=\"#\" style=\"background-image:url(%1)\"></a></li>\n").arg(small);
        else
            html += QStringLiteral("<li><a href=\"#\"><img src=\"%1\"></a></li>\n").arg(small);
    }
    return html + QStringLiteral("</ul>\n");
}

} // namespace

QString ItemPage(const Shop& shop, const Item& item, bool packageDealPage) {
    const bool tmall = shop.kind == QLatin1String("tmall");
    QString html = Head(item.name + QStringLiteral("-") + (tmall ? QStringLiteral("tmall.com天猫") : QStringLiteral("淘宝网")),
                        shop.charset);
    html += NickScript(shop);
    if (item.packageDeal && !packageDealPage) {
        html += QStringLiteral("<script>var mealUrl='//meal.taobao.com/item.htm';</script>\n</head><body>套餐</body></html>\n");
        return html;
    }
    html += PriceMark(item);
    if (!item.noDescriptionHost)
        html += QStringLiteral("<script>TB.loadScript('//dsc.taobaocdn.com/i1/%1/desc.js');</script>\n").arg(item.id);
    html += QStringLiteral("</head><body>\n<div class=\"tb-detail-hd\"><h1>%1</h1></div>\n").arg(item.name);
    html += ThumbStrip(item);
    return html + QStringLiteral("<div id=\"description\"></div></body></html>\n");
}

QString DescriptionPage(const Item& item, bool offer) {
    QString pictures;
    for (int n = 1; n <= item.descriptionPictures; ++n) {
        QString address = PictureAddress(item, n, true, offer);
        if (!offer)
            address.prepend(QStringLiteral("http:"));
        pictures += QStringLiteral("<p><img align=\"absmiddle\" src=\"%1\"></p>").arg(address);
    }
    if (offer)
        return QStringLiteral("<div class=\"desc\">%1</div>\n").arg(pictures);
    return QStringLiteral("var desc='%1';\n").arg(pictures);
}

QString OfferListPage(const Shop& shop, int page) {
    QString html = Head(shop.company, shop.charset) + QStringLiteral("</head><body>\n");
    html += QStringLiteral("<div class=\"logo_compname\"><a href=\"http://%1/\" title=\"%2\">%2</a></div>\n").arg(shop.host, shop.company);
    html += QStringLiteral("<div class=\"filters\"><a>综合</a></div>\n<ul class=\"offer-list\">\n");
    for (const Item& item : PageItems(shop.items, page, shop.pageSize)) {
        html += QStringLiteral("<li><div class=\"image\"><a href=\"%1\" title=\"%2\" target=\"_blank\"><img load-src=\"%3\"></a></div></li>\n")
                    .arg(ItemLink(shop, item), item.name,
                         QStringLiteral("https://cbu01.alicdn.com/img/ibank/%1.220x220.jpg").arg(item.id));
    }
    html += QStringLiteral("</ul>\n<!--common-tips-->\n<div class=\"pagination\">");
    html += page < shop.pageCount() ? QStringLiteral("<a class=\"next\" href=\"#\">下一页</a>")
                                    : QStringLiteral("<a class=\"next-disabled\">下一页</a>");
    return html + QStringLiteral("</div></body></html>\n");
}

QString OfferPage(const Shop& shop, const Item& item) {
    QString html = Head(item.name + QStringLiteral(" - 阿里巴巴"), shop.charset) + QStringLiteral("</head><body>\n");
    html += QStringLiteral("<div class=\"company\"><a class=\"name_compname\">%1</a></div>\n").arg(shop.company);
    html += QStringLiteral("<div class=\"box-img\"><a href=\"#\" title=\"点击查看大图：%1\"><img src=\"%2\"></a></div>\n")
                .arg(item.name, QStringLiteral("https://cbu01.alicdn.com/img/ibank/%1.400x400.jpg").arg(item.id));
    html += QStringLiteral("<script>var iDetailData={\"sku\":{},\"images\":[");
    for (int n = 1; n <= item.pictures; ++n)
        html += QStringLiteral("%1{\"preview\":\"%2\",\"original\":\"%2\"}").arg(n > 1 ? QStringLiteral(",") : QString(),
                                                                                   PictureAddress(item, n, false, true));
    html += QStringLiteral("]};</script>\n");
    if (!item.noDescriptionHost)
        html += QStringLiteral("<div id=\"desc-lazyload-container\" data-tfs-url=\"http://desc.1688.com/%1.html\"></div>\n").arg(item.id);
    return html + QStringLiteral("</body></html>\n");
}

} // namespace sim
