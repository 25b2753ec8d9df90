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

// Where the marketplace hosts are.
inline const QString kMarketplaceHome = QStringLiteral("http://www.taobao.com/");
