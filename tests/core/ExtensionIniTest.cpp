#include "TestDir.h"
#include "settings/ExtensionIni.h"
#include "text/StringCtrl.h"

#include <gtest/gtest.h>

namespace {
QByteArray Utf16Bom(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}
} // namespace

TEST(ExtensionIni, MissingFileGivesDefaults) {
    TestDir dir;
    const ExtensionSettings s = ReadExtensionIni(dir.path());
    EXPECT_FALSE(s.priceInName);
    EXPECT_EQ(s.priceAdjust, 0);
}

TEST(ExtensionIni, EncodingsAndValues) {
    const QString body = QStringLiteral("; 注释\r\n[其它]\r\n价格增减=9\r\n[淘宝]\r\n 图片名中是否有价格 = 有\r\n价格增减=-5\r\n");
    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"gbk", UnicodeToGbk(body)},
        {"utf16", Utf16Bom(body)},
        {"utf8", QByteArray("\xEF\xBB\xBF") + body.toUtf8()},
    };
    for (const Case& c : cases) {
        TestDir dir;
        dir.write(kExtensionIniName, c.bytes);
        const ExtensionSettings s = ReadExtensionIni(dir.path());
        EXPECT_TRUE(s.priceInName) << c.name;
        EXPECT_EQ(s.priceAdjust, -5) << c.name;
    }
}

TEST(ExtensionIni, ValueRules) {
    struct Case {
        QString flag, adjust;
        bool priceInName;
        int priceAdjust;
    } cases[] = {
        {QStringLiteral("有价格"), QStringLiteral("12元"), true, 12},
        {QStringLiteral("无有"), QStringLiteral("abc"), false, 0},
        {QStringLiteral(""), QStringLiteral(""), false, 0},
        {QStringLiteral("\"有\""), QStringLiteral("-"), true, 0},
        {QStringLiteral("没有"), QStringLiteral("99999999999"), false, INT32_MAX},
    };
    for (const Case& c : cases) {
        TestDir dir;
        dir.write(kExtensionIniName,
                  UnicodeToGbk(QStringLiteral("[淘宝]\n图片名中是否有价格=%1\n价格增减=%2\n").arg(c.flag, c.adjust)));
        const ExtensionSettings s = ReadExtensionIni(dir.path());
        EXPECT_EQ(s.priceInName, c.priceInName) << c.flag.toStdString();
        EXPECT_EQ(s.priceAdjust, c.priceAdjust) << c.adjust.toStdString();
    }
}

TEST(ExtensionIni, SectionsAndKeysIgnoreCase) {
    TestDir dir;
    dir.write("x.ini", QByteArray("[Main]\nKey=first\nkey=second\n[main]\nKEY=third\n"));
    const CIni ini(dir.path("x.ini"));
    EXPECT_EQ(ini.GetString("MAIN", "kEy", "d"), "first");
    EXPECT_EQ(ini.GetString("main", "other", "d"), "d");
    EXPECT_EQ(ini.GetString("none", "key", "d"), "d");
}
