// The pages market-sim answers with, carrying the marks the program reads.
#pragma once

#include "Catalogue.h"

#include <QString>

namespace sim {

QString HomePage();
// Page p (from 1) of a Taobao or Tmall shop's item list (also its categories).
QString ShopListPage(const Shop& shop, int page);
// Search results over the given items (an empty list: the nothing-found page).
QString SearchPage(const QList<Item>& found, const QString& words, int page, int pageSize);
// The item page; for a package-deal item the plain page only points to the package-deal page, which
// is the full page (packageDealPage true).
QString ItemPage(const Shop& shop, const Item& item, bool packageDealPage = false);
QString DescriptionPage(const Item& item, bool offer);
// Page p of a 1688 shop's offer list, and one offer.
QString OfferListPage(const Shop& shop, int page);
QString OfferPage(const Shop& shop, const Item& item);

QString ItemLink(const Shop& shop, const Item& item); // scheme-relative for Taobao and Tmall
QString CoverAddress(const Item& item);
// Picture n (from 1) of the item as its page names it: main pictures, then description pictures.
QString PictureAddress(const Item& item, int n, bool description, bool offer);
QString PictureExtension(const Item& item);

} // namespace sim
