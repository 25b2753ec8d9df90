// What market-sim serves: shops with their items, described by a small JSON file.
//
// {
//   "shops": [
//     { "kind": "taobao" | "tmall" | "1688", "host": "shop1.taobao.com",
//       "nick": "店铺名", "company": "公司名 (1688)", "crumbs": "首页/全部宝贝",
//       "pageSize": 8, "layout": "dl" | "div", "lastPage": "nomore" | "disabled" | "none",
//       "gzip": true, "charset": "GBK" | "UTF-8",
//       "items": [ { "id": "1001", "name": "宝贝名", "sales": "123人付款", "pictures": 5,
//                    "price": "12.50", "priceForm": 1-4, "strip": "src" | "lazyload" | "image",
//                    "descriptionPictures": 2, "packageDeal": false, "noDescriptionHost": false,
//                    "format": "jpg" | "png" | "gif", "wrongExtension": false, "pictureKB": 20,
//                    "noLength": false, "slowMs": 0, "failOnce": false } ] }
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
    QString price = QStringLiteral("12.50");
    int priceForm = 1;                         // which of the four price marks the page carries
    QString strip = QStringLiteral("src");     // how the thumbnail strip names its pictures
    int descriptionPictures = 2;
    bool packageDeal = false;                  // the page only points to the package-deal page
    bool noDescriptionHost = false;            // a page of an unknown layout
    QString format = QStringLiteral("jpg");    // jpg, png or gif bytes
    bool wrongExtension = false;               // served under ".jpg" whatever the bytes are
    int pictureKB = 20;
    bool noLength = false;                     // pictures sent without Content-Length
    int slowMs = 0;                            // pause between the pieces of a picture
    bool failOnce = false;                     // the first request of each picture is reset
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
