#include "CookieJar.h"

#include "CurlShare.h"
#include "text/WholeFile.h"

#include <QFile>

#include <mutex>

namespace {

std::mutex g_jarLock;
QString g_path;
QStringList g_saved; // the persistent lines as last loaded or saved

bool IsSessionCookie(const QString& line) {
    const QStringList fields = line.split(u'\t');
    return fields.size() >= 7 && fields[4].trimmed() == QLatin1String("0");
}

QStringList PersistentLines() {
    QStringList lines;
    for (const QString& line : AllCookieLines()) {
        if (!IsSessionCookie(line))
            lines << line;
    }
    lines.sort();
    return lines;
}

} // namespace

QStringList ParseCookieFile(const QByteArray& contents) {
    QStringList cookies;
    for (QByteArray raw : contents.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        QString line = QString::fromUtf8(raw);
        const bool httpOnly = line.startsWith(QLatin1String("#HttpOnly_"));
        if (line.isEmpty() || (line.startsWith(u'#') && !httpOnly))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 7 || fields[0].size() <= (httpOnly ? 10 : 0) || fields[5].isEmpty())
            continue;
        bool numeric = false;
        fields[4].toLongLong(&numeric);
        if (!numeric || line.contains(QChar(0)))
            continue;
        cookies << line;
    }
    return cookies;
}

void AddCookieLine(const QString& netscapeLine) {
    PooledHandle handle;
    const QByteArray line = netscapeLine.toUtf8();
    curl_easy_setopt(handle.get(), CURLOPT_COOKIELIST, line.constData());
}

QStringList AllCookieLines() {
    PooledHandle handle;
    curl_slist* list = nullptr;
    QStringList lines;
    if (curl_easy_getinfo(handle.get(), CURLINFO_COOKIELIST, &list) == CURLE_OK) {
        for (curl_slist* item = list; item; item = item->next)
            lines << QString::fromUtf8(item->data);
        curl_slist_free_all(list);
    }
    return lines;
}

void LoadCookieJar(const QString& programDir) {
    QFile file(programDir + QStringLiteral("cookies.txt"));
    QStringList lines;
    if (file.open(QIODevice::ReadOnly))
        lines = ParseCookieFile(file.read(8 * 1024 * 1024));
    for (const QString& line : lines)
        AddCookieLine(line);
    const std::lock_guard<std::mutex> lock(g_jarLock);
    g_path = programDir + QStringLiteral("cookies.txt");
    g_saved = PersistentLines();
}

bool SaveCookieJar() {
    const std::lock_guard<std::mutex> lock(g_jarLock);
    if (g_path.isEmpty())
        return true;
    const QStringList lines = PersistentLines();
    if (lines == g_saved)
        return true;
    QByteArray contents("# Netscape HTTP Cookie File\n");
    for (const QString& line : lines)
        contents += line.toUtf8() + '\n';
    if (!WriteWholeFile(g_path, contents))
        return false;
    g_saved = lines;
    return true;
}
