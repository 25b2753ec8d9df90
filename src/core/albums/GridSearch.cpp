#include "GridSearch.h"

namespace {
bool RowMatches(const QStringList& cells, const QString& keyword, bool ignoreCase, bool wholeCell) {
    for (QString text : cells) {
        if (ignoreCase)
            text = text.toLower();
        if (wholeCell ? text == keyword : text.contains(keyword))
            return true;
    }
    return false;
}
} // namespace

int FindGridRow(const QList<QStringList>& rows, int fixedRows, int start, const QString& keyword, bool forward,
                bool ignoreCase, bool wholeCell) {
    const QString key = ignoreCase ? keyword.toLower() : keyword;
    const int count = int(rows.size());
    if (forward) {
        for (int r = std::max(start + 1, fixedRows); r < count; ++r) {
            if (RowMatches(rows[r], key, ignoreCase, wholeCell))
                return r;
        }
    } else {
        for (int r = std::min(start - 1, count - 1); r >= fixedRows; --r) {
            if (RowMatches(rows[r], key, ignoreCase, wholeCell))
                return r;
        }
    }
    return -1;
}
