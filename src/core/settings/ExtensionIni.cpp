#include "ExtensionIni.h"

#include "text/StringCtrl.h"

#include <QFile>
#include <QStringList>

namespace {

QString DecodeIniBytes(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return MultiByteToUnicode(bytes, CP_GBK);
}

QString Unquote(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

CIni::CIni(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    m_text = DecodeIniBytes(file.readAll());
}

QString CIni::GetString(const QString& section, const QString& key, const QString& defaultValue) const {
    bool inSection = false;
    const QStringList lines = m_text.split(QChar(u'\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return Unquote(line.mid(equals + 1));
    }
    return defaultValue;
}

int IniNumber(const QString& value, int defaultValue) {
    if (value.isEmpty())
        return defaultValue;
    qsizetype i = 0;
    const bool negative = value.startsWith(u'-');
    if (negative)
        i = 1;
    qint64 number = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        number = number * 10 + (value[i].unicode() - u'0');
        if (number > qint64(INT32_MAX) + 1)
            number = qint64(INT32_MAX) + 1; // absurd lengths saturate
    }
    if (negative)
        number = -number;
    return int(std::clamp<qint64>(number, INT32_MIN, INT32_MAX));
}

int CIni::GetInt(const QString& section, const QString& key, int defaultValue) const {
    return IniNumber(GetString(section, key, QString()).left(64), defaultValue);
}

ExtensionSettings ReadExtensionIni(const QString& programDir) {
    ExtensionSettings settings;
    const CIni ini(programDir + kExtensionIniName);
    if (!ini.exists())
        return settings;
    const QString section = QStringLiteral("淘宝");
    settings.priceInName = ini.GetString(section, QStringLiteral("图片名中是否有价格"), QStringLiteral("无"))
                               .startsWith(QStringLiteral("有"));
    settings.priceAdjust = ini.GetInt(section, QStringLiteral("价格增减"), 0);
    return settings;
}
