#include "text/FileNames.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(CleanFileName, Table) {
    struct Case {
        QString in;
        QString out;
    } cases[] = {
        {QStringLiteral("  a   b  "), QStringLiteral("a b")},
        {QStringLiteral("..."), QStringLiteral("。。。")},
        {QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"), QStringLiteral("abcdefghij")},
        {QStringLiteral("a\tb\r\nc\u0007"), QStringLiteral("a_bc")},
        {QStringLiteral("..name.."), QStringLiteral("name")},
        {QStringLiteral(" .x. "), QStringLiteral("x")},
        {QStringLiteral("a&amp;b&nbsp;&nbsp;c"), QStringLiteral("a&b c")},
        {QStringLiteral(". /"), QStringLiteral("")}, // "." is not dots only before the slash goes
        {QStringLiteral(". .. ."), QStringLiteral("。。")}, // the trims leave "..": never a parent folder
    };
    for (auto& c : cases) {
        QString text = c.in;
        CleanFileName(text, 0, false);
        EXPECT_EQ(text, c.out) << c.in.toStdString();
    }
}

TEST(CleanFileName, Fallbacks) {
    QString empty = QStringLiteral(" ?? ");
    CleanFileName(empty, 7, true);
    EXPECT_EQ(empty, "pic7");

    QString timed = QStringLiteral("***");
    CleanFileName(timed, kTimeNameFallback, true);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}$")).match(timed).hasMatch()) << timed.toStdString();

    QString tooLong(1000, u'x');
    CleanFileName(tooLong, 3, true);
    EXPECT_EQ(tooLong, "pic3");
    QString justShort(999, u'x');
    CleanFileName(justShort, 3, true);
    EXPECT_EQ(justShort.size(), 999);

    QString noFallback = QStringLiteral("///");
    CleanFileName(noFallback, 3, false);
    EXPECT_EQ(noFallback, "");
}

TEST(TimeName, FourteenDigits) {
    EXPECT_EQ(TimeName(QDateTime(QDate(2015, 7, 28), QTime(9, 5, 3))), "20150728090503");
    EXPECT_EQ(TimeName(QDateTime()), "");
}
