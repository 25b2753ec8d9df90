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
        taobao.items.append({QString::number(500000 + i), QStringLiteral("2015夏季新款 %1 &amp; 配饰 %2号").arg(goods[i % 10]).arg(i),
                             QStringLiteral("%1人付款").arg(i * 37), 4 + i % 3});
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
        tmall.items.append({QString::number(600000 + i), QStringLiteral("天猫正品 %1 第%2款").arg(goods[(i * 3) % 10]).arg(i),
                            QStringLiteral("%1").arg(i * 101), 5});
    catalogue.shops.append(tmall);

    Shop offers;
    offers.kind = "1688";
    offers.host = "vantrel-demo.1688.com";
    offers.company = "义乌市万特尔服饰有限公司";
    offers.pageSize = 5;
    for (int i = 1; i <= 7; ++i)
        offers.items.append({QString::number(700000 + i), QStringLiteral("厂家直销 %1 批发 %2").arg(goods[i % 10]).arg(i), QString(), 4});
    catalogue.shops.append(offers);
    return catalogue;
}

} // namespace sim
