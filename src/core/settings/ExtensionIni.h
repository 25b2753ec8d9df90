// The extension ini "下载器扩展设置.ini" beside the program: read only, never written.
#pragma once

#include <QString>

inline const QString kExtensionIniName = QStringLiteral("下载器扩展设置.ini");

// A private-profile style ini file: sections and keys without regard to letter case, the first
// occurrence wins, blanks around keys and values dropped and one pair of enclosing quotes removed.
// The file is UTF-16LE with BOM, UTF-8 with BOM, or else code page 936.
class CIni {
public:
    explicit CIni(const QString& path);
    bool exists() const { return m_exists; }
    QString GetString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The value's leading decimal digits, negative after a leading minus; the default for an empty
    // or missing value; 0 when there are no digits.
    int GetInt(const QString& section, const QString& key, int defaultValue) const;

private:
    bool m_exists = false;
    QString m_text;
};

// Leading decimal digits of a value, as the ini's numbers are read.
int IniNumber(const QString& value, int defaultValue);

struct ExtensionSettings {
    bool priceInName = false; // "图片名中是否有价格" begins with "有"
    int priceAdjust = 0;      // "价格增减"
};

// Reads the ini in the program directory (which ends with "/"); defaults when it does not exist.
ExtensionSettings ReadExtensionIni(const QString& programDir);
