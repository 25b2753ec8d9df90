#include "Catalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace sim {

namespace {

Shop ReadShop(const QJsonObject& o) {
    Shop shop;
    shop.kind = o.value("kind").toString(shop.kind);
    shop.host = o.value("host").toString();
    shop.nick = o.value("nick").toString();
    shop.company = o.value("company").toString();
    const QJsonValue crumbs = o.value("crumbs");
    shop.crumbs = crumbs.isArray() ? crumbs.toVariant().toStringList() : crumbs.toString().split(u'/', Qt::SkipEmptyParts);
    shop.pageSize = std::max(1, o.value("pageSize").toInt(shop.pageSize));
    shop.layout = o.value("layout").toString(shop.layout);
    shop.lastPage = o.value("lastPage").toString(shop.lastPage);
    shop.gzip = o.value("gzip").toBool(shop.gzip);
    shop.charset = o.value("charset").toString(shop.charset);
    for (const QJsonValue& v : o.value("items").toArray()) {
        const QJsonObject i = v.toObject();
        Item item;
        item.id = i.value("id").isDouble() ? QString::number(i.value("id").toInteger()) : i.value("id").toString();
        item.name = i.value("name").toString();
        item.sales = i.value("sales").toString();
        item.pictures = i.value("pictures").toInt(item.pictures);
        item.price = i.value("price").toString(item.price);
        item.priceForm = i.value("priceForm").toInt(item.priceForm);
        item.strip = i.value("strip").toString(item.strip);
        item.descriptionPictures = i.value("descriptionPictures").toInt(item.descriptionPictures);
        item.packageDeal = i.value("packageDeal").toBool(item.packageDeal);
        item.noDescriptionHost = i.value("noDescriptionHost").toBool(item.noDescriptionHost);
        item.format = i.value("format").toString(item.format);
        item.wrongExtension = i.value("wrongExtension").toBool(item.wrongExtension);
        item.pictureKB = i.value("pictureKB").toInt(item.pictureKB);
        item.noLength = i.value("noLength").toBool(item.noLength);
        item.slowMs = i.value("slowMs").toInt(item.slowMs);
        item.failOnce = i.value("failOnce").toBool(item.failOnce);
        shop.items.append(item);
    }
    return shop;
}

} // namespace

Catalogue ParseCatalogue(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    Catalogue catalogue;
    if (document.isNull()) {
        if (error)
            *error = parseError.errorString();
        return catalogue;
    }
    for (const QJsonValue& v : document.object().value("shops").toArray())
        catalogue.shops.append(ReadShop(v.toObject()));
    return catalogue;
}

bool LoadCatalogue(const QString& path, Catalogue& catalogue, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    error->clear();
    catalogue = ParseCatalogue(file.readAll(), error);
    return error->isEmpty();
}

Catalogue DemoCatalogue() {
    Catalogue catalogue;
    const QStringList goods = {"连衣裙", "衬衫", "牛仔裤", "风衣", "毛衣", "半身裙", "T恤", "外套", "卫衣", "针织衫"};
    Shop taobao;
    taobao.kind = "taobao";
    taobao.host = "vantrel-demo.taobao.com";
    taobao.nick = "Vantrel演示店";
    taobao.crumbs = {"首页", "全部宝贝"};
    taobao.pageSize = 8;
    taobao.gzip = true;
    for (int i = 1; i <= 20; ++i)
    {
        Item item;
        item.id = QString::number(500000 + i);
        item.name = QStringLiteral("2015夏季新款 %1 &amp; 配饰 %2号").arg(goods[i % 10]).arg(i);
        item.sales = QStringLiteral("%1人付款").arg(i * 37);
        item.pictures = 4 + i % 3;
        item.price = QStringLiteral("%1.90").arg(59 + i);
        item.priceForm = 1 + i % 4;
        item.strip = i % 3 == 0 ? QStringLiteral("lazyload") : i % 3 == 1 ? QStringLiteral("src") : QStringLiteral("image");
        item.format = i % 5 == 0 ? QStringLiteral("png") : QStringLiteral("jpg");
        item.wrongExtension = i % 5 == 0;
        item.packageDeal = i == 4; // its page points to the package-deal page
        taobao.items.append(item);
    }
    catalogue.shops.append(taobao);

    Shop tmall;
    tmall.kind = "tmall";
    tmall.host = "vantrel-demo.tmall.com";
    tmall.nick = "Vantrel旗舰店";
    tmall.crumbs = {"首页", "女装"};
    tmall.layout = "div";
    tmall.lastPage = "disabled";
    tmall.pageSize = 6;
    for (int i = 1; i <= 9; ++i)
    {
        Item item;
        item.id = QString::number(600000 + i);
        item.name = QStringLiteral("天猫正品 %1 第%2款").arg(goods[(i * 3) % 10]).arg(i);
        item.sales = QString::number(i * 101);
        item.format = i % 2 ? QStringLiteral("jpg") : QStringLiteral("gif");
        tmall.items.append(item);
    }
    catalogue.shops.append(tmall);

    Shop offers;
    offers.kind = "1688";
    offers.host = "vantrel-demo.1688.com";
    offers.company = "义乌市万特尔服饰有限公司";
    offers.pageSize = 5;
    for (int i = 1; i <= 7; ++i)
    {
        Item item;
        item.id = QString::number(700000 + i);
        item.name = QStringLiteral("厂家直销 %1 批发 %2").arg(goods[i % 10]).arg(i);
        item.pictures = 4;
        offers.items.append(item);
    }
    catalogue.shops.append(offers);
    return catalogue;
}

} // namespace sim
