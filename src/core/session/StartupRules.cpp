#include "StartupRules.h"

#include <QDir>

QString ClipboardAddress(const QString& clipboardText) {
    const QString trimmed = clipboardText.trimmed();
    return trimmed.size() >= 1 && trimmed.size() <= 199 ? trimmed : QString();
}

QString WithTrailingSlash(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

bool IsTemporaryPlace(const QString& programDir) {
    const QString lower = programDir.toLower();
    return lower.contains(QStringLiteral("/tmp/")) || lower.contains(QStringLiteral("/temp/")) ||
           lower.contains(QStringLiteral("/locals"));
}

QString MakeDocumentsSavePath(const QString& documentsDir) {
    const QString path = WithTrailingSlash(documentsDir) + QStringLiteral("Kestrava/");
    QDir().mkpath(path);
    return path;
}

QString InitialSavePath(const QString& programDir, const QString& documentsDir, const ST_SOFTDATA& settings) {
    QString savePath = programDir;
    if (IsTemporaryPlace(programDir))
        savePath = MakeDocumentsSavePath(documentsDir); // made even when a recent path wins below
    const QString recent = RecentEntry(settings, RECENT_SAVE_PATHS, 0);
    return recent.isEmpty() ? savePath : recent;
}
