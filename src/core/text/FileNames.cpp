#include "FileNames.h"

#include "StringCtrl.h"

namespace {

void TrimBlanks(QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    qsizetype end = text.size();
    while (end > start && text[end - 1] == u' ')
        --end;
    text = text.mid(start, end - start);
}

bool OnlyDots(const QString& text) {
    for (const QChar c : text) {
        if (c != u'.')
            return false;
    }
    return !text.isEmpty();
}

bool IsForbidden(QChar c) {
    switch (c.unicode()) {
    case u'\r':
    case u'\n':
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
    case 0x0007:
        return true;
    default:
        return false;
    }
}

} // namespace

void CleanFileName(QString& text, int n, bool fallback) {
    DecodeHtmlEntities(text);
    while (text.contains(QStringLiteral("  ")))
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    TrimBlanks(text);
    if (OnlyDots(text))
        text.replace(u'.', QChar(0x3002));

    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t')
            kept.append(u'_');
        else if (!IsForbidden(c))
            kept.append(c);
    }
    text = kept;

    while (text.endsWith(u'.'))
        text.chop(1);
    while (text.startsWith(u'.'))
        text.remove(0, 1);
    TrimBlanks(text);
    // The trims can leave dots alone again (". .. ." becomes ".."): a name must never be a step to
    // the parent folder.
    if (OnlyDots(text))
        text.replace(u'.', QChar(0x3002));

    if (fallback && (text.isEmpty() || text.size() >= 1000)) {
        text = n == kTimeNameFallback ? TimeName(QDateTime::currentDateTime())
                                      : QStringLiteral("pic%1").arg(n);
    }
}

QString TimeName(const QDateTime& localTime) {
    if (!localTime.isValid())
        return QString();
    return localTime.toString(QStringLiteral("yyyyMMddHHmmss"));
}
