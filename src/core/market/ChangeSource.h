// The list parsers: Taobao and Tmall shop, search, category and item pages, and 1688 offer lists and
// offers. They run on the list-fetch thread, add each album the moment they find it, and return
// after the album that follows a stop request.
#pragma once

#include "ListContext.h"

// Taobao and Tmall: a single item page (the template holds "item.") or a list walked page by page
// ("&viewType=grid&pageNum=%d" appended to the template). Sets ListFolderName and ListSubFolderName.
void ParseShopList(const QString& listTemplate, ListContext& context);

// 1688: a single offer (the template holds "com/offer"), kept in OfferPageText, or an offer list
// ("&showType=window&pageNum=%d"). Sets ListFolderName.
void ParseOfferList(const QString& listTemplate, ListContext& context);

// What the item parsers hand each picture to: address, name text, extra header lines. After each
// picture they read DownloadState and stop at 2 (the album is complete) or 3 (stop requested).
using ItemPictureSink = std::function<void(const QString& address, const QString& nameText, const QString& headers)>;

// Taobao and Tmall item pages: the main pictures of the thumbnail strip ("主图_n", with the price in
// front when the extension settings ask for it), then the pictures of the item's description page
// ("描述_n") unless SAVE_MAIN_PICTURES_ONLY is set; SAVE_DESCRIPTION_PICTURES_ONLY skips the main ones.
void GetItemPictures(ListContext& context, int albumIndex, const ItemPictureSink& sink);

// 1688 offers: the "original" pictures of the offer page (OfferPageText when it holds the page),
// then its description pictures, under the same options.
void GetOfferPictures(ListContext& context, int albumIndex, const ItemPictureSink& sink);

// The price prefix of picture names: "价格%s元_", or with an adjustment "价格%.2f元_".
QString PricePrefix(const QString& priceText, bool priceInName, int priceAdjust);

// Where the marketplace hosts are.
inline const QString kMarketplaceHome = QStringLiteral("http://www.taobao.com/");
inline const QString kPackageDealMark = QStringLiteral("'//meal.taobao.com/item.htm'");
inline const QString kItemHost = QStringLiteral("//item.taobao.com");
inline const QString kPackageDealHost = QStringLiteral("//meal.taobao.com");
inline const QString kDescriptionMark = QStringLiteral("//dsc.");
inline const QString kDescriptionMarkWithScheme = QStringLiteral("http://dsc.");
