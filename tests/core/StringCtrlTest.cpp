#include "text/StringCtrl.h"

#include <gtest/gtest.h>

TEST(GetBetween, ConsumesFromTheBeginMarkOn) {
    QString source = QStringLiteral("a[b]c[d]");
    EXPECT_EQ(GetBetween(source, "[", "]", BETWEEN_CONSUME), "b");
    EXPECT_EQ(source, "b]c[d]");
    EXPECT_EQ(GetBetween(source, "[", "]", BETWEEN_CONSUME), "d");
    EXPECT_EQ(source, "d]");
    EXPECT_EQ(GetBetween(source, "[", "]", BETWEEN_CONSUME), "");
    EXPECT_EQ(source, "d]");
}

TEST(GetBetween, MissingMarks) {
    struct Case {
        const char* source;
        const char* begin;
        const char* end;
        int flags;
        const char* result;
        const char* sourceAfter;
    } cases[] = {
        {"x<y", "<", ">", 0, "", "x<y"},
        {"x<y", "<", ">", BETWEEN_TO_END, "y", "x<y"},
        {"x<y", "<", ">", BETWEEN_TO_END | BETWEEN_CONSUME, "y", "y"},
        {"xy>", "<", ">", BETWEEN_TO_END | BETWEEN_CONSUME, "", "xy>"}, // end mark not looked for
        {"ab>c", "", ">", 0, "ab", "ab>c"},                            // empty begin mark: the start
    };
    for (const Case& c : cases) {
        QString source = c.source;
        EXPECT_EQ(GetBetween(source, c.begin, c.end, c.flags), c.result) << c.source << " flags " << c.flags;
        EXPECT_EQ(source, c.sourceAfter) << c.source;
    }
}

TEST(CountAndSplit, Pieces) {
    QStringList pieces;
    EXPECT_EQ(SplitByMark("a||b", "|", pieces), 2);
    EXPECT_EQ(pieces, QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitByMark("abc", "|", pieces), 0);
    EXPECT_TRUE(pieces.isEmpty());
    EXPECT_EQ(SplitByMark("|x|", "|", pieces), 2);
    EXPECT_EQ(pieces, QStringList({"", "x", ""}));
    EXPECT_EQ(CountMark("aaa", "aa"), 1);
    EXPECT_EQ(CountMark("aaaa", "aa"), 2);
    EXPECT_EQ(CountMark("abc", ""), 0);
}

TEST(DecodeHtmlEntities, PassesInOrder) {
    struct Case {
        QString in, out;
    } cases[] = {
        {QStringLiteral("x&nbsp;&hellip;&#39;"), QStringLiteral("x \u2026'")},
        {QStringLiteral("a&amp;lt;b"), QStringLiteral("a<b")},
        {QStringLiteral("&quot;&amp;&gt;"), QStringLiteral("\"&>")},
        {QStringLiteral("&amp;quot;"), QStringLiteral("&quot;")}, // quot ran before amp
        {QStringLiteral("&#40;&copy;"), QStringLiteral("&#40;&copy;")},
    };
    for (auto& c : cases) {
        QString text = c.in;
        DecodeHtmlEntities(text);
        EXPECT_EQ(text, c.out) << c.in.toStdString();
    }
}

TEST(ReplaceByLists, PairedOrWhole) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        const char* out;
    } cases[] = {
        {"a|b ab", "a|b", "1", "1 ab"},     // counts differ: the whole list is the pattern
        {"a b ab", "a|b", "x", "a b ab"},
        {"a b ab", "a|b", "x|", "x  x"},    // a to x, b removed
        {"abc", "|b", "Z|Y", "aYc"},        // an empty from-item replaces nothing
        {"aab", "a|ab", "ab|X", "XXb"},     // in order, each over the result before
    };
    for (const Case& c : cases) {
        QString text = c.text;
        ReplaceByLists(text, c.from, c.to);
        EXPECT_EQ(text, c.out) << c.text << " " << c.from << " -> " << c.to;
    }
}

TEST(StripTags, RemovesEveryTag) {
    EXPECT_EQ(StripTags("<b>bold</b> and <i>it</i>"), "bold and it");
    EXPECT_EQ(StripTags("<a href=\"x\">x</a><a href=\"x\">y</a>"), "xy");
    EXPECT_EQ(StripTags("a <> <b>c</b>"), "a <> <b>c</b>"); // the empty tag ends the walk
    EXPECT_EQ(StripTags("1 < 2"), "1 < 2");
}

TEST(Cut, ThroughAndBefore) {
    QString text = "abcXYdef";
    EXPECT_EQ(CutThroughMark(text, "XY", false), 3);
    EXPECT_EQ(text, "XYdef");
    text = "abcXYdef";
    EXPECT_EQ(CutThroughMark(text, "XY", true), 3);
    EXPECT_EQ(text, "def");
    EXPECT_EQ(CutThroughMark(text, "Q", true), -1);
    EXPECT_EQ(text, "def");
    text = "abcXYdef";
    EXPECT_EQ(CutBeforeMark(text, "XY"), 3);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(CutBeforeMark(text, "Q"), -1);
    EXPECT_EQ(text, "abc");
}

TEST(IsUtf8Text, Table) {
    struct Case {
        QByteArray bytes;
        int expected;
    } cases[] = {
        {QByteArray("\xC3\xA9"), 1},
        {QByteArray("\xC3"), 0},
        {QByteArray("abc"), 0},
        {QByteArray(), 0},
        {QByteArray("\xE4\xB8\xAD\xE6\x96\x87"), 1},
        {QByteArray("\xD6\xD0\xCE\xC4"), 0}, // GBK
        {QByteArray("\x80"), 0},
        {QByteArray("\xF8\x80\x80\x80\x80"), 1},
        {QByteArray("\xFC\x80\x80\x80\x80\x80"), 1},
        {QByteArray("\xE4\xB8" "a"), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUtf8Text(c.bytes.constData(), c.bytes.size()), c.expected) << c.bytes.toHex().constData();
}

TEST(CodePages, Conversions) {
    EXPECT_EQ(UnicodeToGbk(QStringLiteral("中文")), QByteArray("\xD6\xD0\xCE\xC4"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray("\xD6\xD0\xCE\xC4"), CP_GBK), QStringLiteral("中文"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray("\xE4\xB8\xAD"), CP_UTF8), QStringLiteral("中"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray("\xA4\xA4"), CP_BIG5), QStringLiteral("中"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray("\xB0\xA1"), CP_EUCKR), QStringLiteral("가"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray("\x80", 1), CP_GBK), QStringLiteral("€"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray("ab\0cd", 5), CP_GBK), QStringLiteral("ab"));
    EXPECT_EQ(MultiByteToUnicode(QByteArray(), CP_GBK), QString());
    EXPECT_EQ(UnicodeToGbk(QStringLiteral("a\u0000b")), QByteArray("a"));
    EXPECT_EQ(UnicodeToGbk(QStringLiteral("가")), QByteArray("?")); // not in code page 936
}

TEST(UrlDecodeUtf8, Table) {
    EXPECT_EQ(UrlDecodeUtf8("%E4%B8%AD"), QStringLiteral("中"));
    EXPECT_EQ(UrlDecodeUtf8("a+b%2fc"), QStringLiteral("a+b/c"));
    EXPECT_EQ(UrlDecodeUtf8("ab%4"), QStringLiteral("ab"));
    EXPECT_EQ(UrlDecodeUtf8("ab%zzcd"), QStringLiteral("ab"));
    EXPECT_EQ(UrlDecodeUtf8(QString(2000, u'x')).size(), 1023);
}
