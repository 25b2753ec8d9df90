#include "SiteTable.h"

namespace {

struct SiteTest {
    const char16_t* text;
    int site;
};

// In table order; the first test that matches decides.
constexpr SiteTest kSiteTests[] = {
    {u"qq.com/", 0},      {u"baidu.com", 1},    {u"163.com", 2},        {u"renren.com", 3},
    {u"sina.com", 4},     {u"weibo.com/", 4},   {u"56.com", 5},         {u"poco.cn", 6},
    {u"yupoo.com", 7},    {u"51.com", 8},       {u"zol.com.cn/", 9},    {u"pchome.net", 10},
    {u"taobao.com", 11},  {u"tmall.com/", 11},  {u"1688.com", 11},      {u"moko.cc", 12},
    {u"babytree.com", 13}, {u"pconline.com.cn", 14}, {u"hupu.com", 15}, {u"jd.com", 16},
    {u"instagram.com", 17}, {u"huaban.com", 18}, {u"lofter.com", 19},   {u".topit.", 20},
};

bool ContainsAfterFirst(const QString& text, const QString& test) {
    return text.indexOf(test, 1) >= 1;
}

} // namespace

int ClassifySite(const QString& address, int current) {
    if (!address.contains(QStringLiteral("http://")))
        return current;
    for (const SiteTest& test : kSiteTests) {
        if (ContainsAfterFirst(address, QString::fromUtf16(test.text)))
            return test.site;
    }
    return current;
}

int ClassifyQqSubSite(const QString& address) {
    if (ContainsAfterFirst(address, QStringLiteral("t.qq.com")))
        return 2;
    if (ContainsAfterFirst(address, QStringLiteral("qun.qq.com")))
        return 1;
    return -1;
}

QStringList QqSubSiteNames() {
    return {QStringLiteral("QQ空间相册"), QStringLiteral("QQ群相册"), QStringLiteral("腾讯微博相册")};
}

QString LoginPageAddress(int commandId, const QString& addressBoxText, int qqSubSite) {
    switch (commandId) {
    case 32781: {
        QString page = QStringLiteral("http://user.qzone.qq.com/");
        const QString number = addressBoxText.trimmed();
        bool digitsOnly = true;
        for (const QChar c : number)
            digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
        if (digitsOnly && qqSubSite == 0)
            page += number;
        return page;
    }
    case 32782:
        return QStringLiteral("http://t.qq.com/");
    case 32789:
        return QStringLiteral("http://hi.baidu.com");
    case 32790:
        return QStringLiteral("http://reg.163.com/");
    case 32791:
        return QStringLiteral("http://www.renren.com");
    case 32792:
        return QStringLiteral("http://www.yupoo.com/account/login/");
    case 32793:
        return QStringLiteral("http://www.moko.cc/jsps/common/login.jsp?tourl=http%3A//www.moko.cc/");
    case 32794:
        return QStringLiteral("http://weibo.com");
    case 32795:
        return QStringLiteral("https://www.taobao.com/");
    case 32803:
        return QStringLiteral("https://login.taobao.com/member/login.jhtml");
    case 32813:
        return QStringLiteral("http://user.56.com/login/");
    case 32815:
        return QStringLiteral("http://passport.hupu.com/login");
    default:
        return QString();
    }
}

bool IsModelessLogin(int commandId) {
    return commandId == 32781 || commandId == 32791;
}
