// What market-sim serves: shops with their items, described by a small JSON file.
//
// {
//   "shops": [
//     { "kind": "taobao" | "tmall" | "1688", "host": "shop1.taobao.com",
//       "nick": "店铺名", "company": "公司名 (1688)", "crumbs": "首页/全部宝贝",
//       "pageSize": 8, "layout": "dl" | "div", "lastPage": "nomore" | "disabled" | "none",
//       "gzip": true, "charset": "GBK" | "UTF-8",
//       "items": [ { "id": "1001", "name": "宝贝名", "sales": "123人付款", "pictures": 5 } ] }
//   ]
// }
// Names and texts are HTML as the pages carry them (entities stay entities).
// Every item also has a single item page: item.taobao.com/item.htm?id=ID, detail.tmall.com/item.htm?id=ID
// or detail.1688.com/offer/ID.html. Searches (s.taobao.com/search?q=) find Taobao and Tmall items
// whose names contain the words.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace sim {

struct Item {
    QString id;
    QString name;
    QString sales;
    int pictures = 5;
};

struct Shop {
    QString kind = QStringLiteral("taobao");
    QString host;
    QString nick;
    QString company;
    QStringList crumbs;
    int pageSize = 8;
    QString layout = QStringLiteral("dl");
    QString lastPage = QStringLiteral("nomore");
    bool gzip = false;
    QString charset = QStringLiteral("GBK");
    QList<Item> items;

    int pageCount() const { return std::max<int>(1, (int(items.size()) + pageSize - 1) / pageSize); }
};

struct Catalogue {
    QList<Shop> shops;
};

// The catalogue in the file; false with a message when it cannot be read.
bool LoadCatalogue(const QString& path, Catalogue& catalogue, QString* error);
Catalogue ParseCatalogue(const QByteArray& json, QString* error);

// A few shops of each kind, for a newcomer without the internet.
Catalogue DemoCatalogue();

} // namespace sim
