#include "StringCtrl.h"

void DecodeHtmlEntities(QString& text) {
    // One pass after another: "&amp;lt;" becomes "<" on purpose, as the pages expect.
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&hellip;"), QString(QChar(0x2026)));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
}

int CountMark(const QString& text, const QString& mark) {
    if (mark.isEmpty())
        return 0; // an empty mark would match everywhere without advancing
    int count = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(mark, from);
        if (at < 0)
            return count;
        ++count;
        from = at + mark.size();
    }
}

int SplitByMark(const QString& text, const QString& mark, QStringList& pieces) {
    pieces.clear();
    const int count = CountMark(text, mark);
    if (count == 0)
        return 0;
    pieces = text.split(mark, Qt::KeepEmptyParts);
    return count;
}

void ReplaceByLists(QString& text, const QString& fromList, const QString& toList) {
    const QString bar = QStringLiteral("|");
    const int fromBars = CountMark(fromList, bar);
    const int toBars = CountMark(toList, bar);
    if (fromBars != toBars) {
        if (!fromList.isEmpty())
            text.replace(fromList, toList);
        return;
    }
    const QStringList from = fromList.split(bar, Qt::KeepEmptyParts);
    const QStringList to = toList.split(bar, Qt::KeepEmptyParts);
    for (qsizetype i = 0; i < from.size() && i < to.size(); ++i) {
        if (!from[i].isEmpty())
            text.replace(from[i], to[i]);
    }
}

QString GetBetween(QString& source, const QString& beginMark, const QString& endMark, int flags) {
    QString result;
    const qsizetype begin = source.indexOf(beginMark);
    if (begin < 0)
        return result; // the source is unchanged whatever the flags say
    QString work = source.mid(begin + beginMark.size());
    if (flags & BETWEEN_TO_END)
        result = work;
    const qsizetype end = work.indexOf(endMark);
    if (end >= 0)
        result = work.left(end);
    if (flags & BETWEEN_CONSUME)
        source = work;
    return result;
}

QString GetBetweenConst(const QString& source, const QString& beginMark, const QString& endMark, int flags) {
    QString copy = source;
    return GetBetween(copy, beginMark, endMark, flags & ~BETWEEN_CONSUME);
}

QString StripTags(const QString& text) {
    QString result = text;
    QString cursor = text;
    const QString open = QStringLiteral("<");
    const QString close = QStringLiteral(">");
    for (;;) {
        const QString piece = GetBetween(cursor, open, close, BETWEEN_CONSUME);
        if (piece.isEmpty())
            return result;
        result.remove(open + piece + close);
    }
}

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

QString UrlDecodeUtf8(const QString& text) {
    constexpr qsizetype kMaxBytes = 1023;
    const QByteArray in = UnicodeToGbk(text);
    QByteArray out;
    for (qsizetype i = 0; i < in.size() && out.size() < kMaxBytes; ++i) {
        if (in[i] != '%') {
            out.append(in[i]);
            continue;
        }
        const int high = i + 1 < in.size() ? HexValue(in[i + 1]) : -1;
        const int low = i + 2 < in.size() ? HexValue(in[i + 2]) : -1;
        if (high < 0 || low < 0)
            break;
        out.append(char(high * 16 + low));
        i += 2;
    }
    return MultiByteToUnicode(out, CP_UTF8);
}

qsizetype CutThroughMark(QString& text, const QString& mark, bool includeMark) {
    const qsizetype at = text.indexOf(mark);
    if (at < 0)
        return -1;
    text.remove(0, includeMark ? at + mark.size() : at);
    return at;
}

qsizetype CutBeforeMark(QString& text, const QString& mark) {
    const qsizetype at = text.indexOf(mark);
    if (at < 0)
        return -1;
    text.truncate(at);
    return at;
}

int IsUtf8Text(const char* bytes, qint64 count) {
    int due = 0;
    bool sawHigh = false;
    for (qint64 i = 0; i < count; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (due > 0) {
            if (b < 0x80 || b > 0xBF)
                return 0;
            --due;
            continue;
        }
        if (b < 0x80)
            continue;
        sawHigh = true;
        if (b <= 0xBF)
            return 0; // a continuation byte where none is due
        if (b <= 0xDF)
            due = 1;
        else if (b <= 0xEF)
            due = 2;
        else if (b <= 0xF7)
            due = 3;
        else if (b == 0xFC || b == 0xFD)
            due = 5;
        else
            due = 4; // 0xF8 to 0xFB and 0xFE, 0xFF
    }
    return (due == 0 && sawHigh) ? 1 : 0;
}
