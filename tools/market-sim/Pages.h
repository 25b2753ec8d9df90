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
QString ItemPage(const Shop& shop, const Item& item);
// Page p of a 1688 shop's offer list, and one offer.
QString OfferListPage(const Shop& shop, int page);
QString OfferPage(const Shop& shop, const Item& item);

QString ItemLink(const Shop& shop, const Item& item); // scheme-relative for Taobao and Tmall
QString CoverAddress(const Item& item);

} // namespace sim
