#include "NoticeComponent.h"

NoticeData FetchNoticeData() {
    NoticeData data;
    data.siteNames = {
        QStringLiteral("QQ相册"),   QStringLiteral("百度相册"),   QStringLiteral("网易相册"),
        QStringLiteral("人人相册"), QStringLiteral("新浪微博"),   QStringLiteral("56相册"),
        QStringLiteral("POCO相册"), QStringLiteral("又拍相册"),   QStringLiteral("51相册"),
        QStringLiteral("中关村在线"), QStringLiteral("电脑之家"), QStringLiteral("淘宝/天猫/1688"),
        QStringLiteral("美空"),     QStringLiteral("宝宝树"),     QStringLiteral("太平洋电脑"),
        QStringLiteral("虎扑"),     QStringLiteral("京东"),       QStringLiteral("Instagram"),
        QStringLiteral("花瓣"),     QStringLiteral("乐乎"),       QStringLiteral("Topit"),
        QStringLiteral("其它1"),    QStringLiteral("其它2"),      QStringLiteral("其它3"),
    };
    data.newestVersion = kProgramVersionNumber;
    data.updateAddress = QStringLiteral("https://vantrel.example/download/");
    return data;
}
