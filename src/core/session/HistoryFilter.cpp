#include "HistoryFilter.h"

QStringList FilterHistoryEntries(const QStringList& entries, const QString& typed, const QString& hideMark) {
    QStringList shown;
    const QString needle = typed.toLower();
    const QString mark = hideMark.toLower();
    for (const QString& entry : entries) {
        QString lower = entry.toLower();
        if (!lower.contains(needle))
            continue;
        if (!mark.isEmpty()) {
            const qsizetype at = lower.indexOf(mark);
            if (at >= 0)
                lower.truncate(at);
        }
        shown.append(lower);
    }
    return shown;
}
