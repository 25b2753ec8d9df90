#include "StringCtrl.h"

namespace {

constexpr char kEscapeEqual = '1'; // the plain byte equals the key byte
constexpr char kEscapeCr = '2';    // the plain byte XOR the key byte is CR
constexpr char kEscapeLf = '3';    // the plain byte XOR the key byte is LF

QByteArray XorLayer(const QByteArray& plain, const QByteArray& key) {
    QByteArray out;
    out.reserve(plain.size() * 2);
    qsizetype k = 0;
    for (const char p : plain) {
        const char q = key[k];
        const char c = char(p ^ q);
        if (c == 0 || c == 13 || c == 10) {
            out.append(q);
            out.append(c == 0 ? kEscapeEqual : c == 13 ? kEscapeCr : kEscapeLf);
        } else {
            out.append(c);
        }
        if (++k == key.size())
            k = 0;
    }
    return out;
}

QByteArray UnXorLayer(const QByteArray& mixed, const QByteArray& key) {
    QByteArray out;
    qsizetype k = 0;
    for (qsizetype i = 0; i < mixed.size(); ++i) {
        const char g = mixed[i];
        const char q = key[k];
        if (g == q) {
            // The byte after the escape: past the end it reads as the terminating zero.
            const char m = i + 1 < mixed.size() ? mixed[++i] : '\0';
            out.append(m == kEscapeEqual ? q : m == kEscapeCr ? char(q ^ 13) : char(q ^ 10));
        } else {
            out.append(char(g ^ q));
        }
        if (++k == key.size())
            k = 0;
    }
    return out;
}

int ComplementDigitValue(char digit) {
    return digit >= '0' && digit <= '9' ? 15 - (digit - 0x30) : 15 - (digit - 0x37);
}

} // namespace

QString EncipherText(const QString& plain, const QString& key) {
    const QByteArray keyBytes = UnicodeToGbk(key);
    if (keyBytes.isEmpty())
        return QString();
    const QByteArray mixed = XorLayer(UnicodeToGbk(plain), keyBytes);
    static const char kDigits[] = "0123456789ABCDEF";
    QString stored;
    stored.reserve(mixed.size() * 2);
    for (const char b : mixed) {
        const unsigned char complement = 255 - static_cast<unsigned char>(b);
        stored.append(QChar(kDigits[complement >> 4]));
        stored.append(QChar(kDigits[complement & 15]));
    }
    return stored;
}

QString DecipherText(const QString& stored, const QString& key) {
    const QByteArray keyBytes = UnicodeToGbk(key);
    if (keyBytes.isEmpty())
        return QString();
    const QByteArray digits = UnicodeToGbk(stored);
    QByteArray mixed;
    mixed.reserve(digits.size() / 2 + 1);
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        const int high = ComplementDigitValue(digits[i]);
        // A missing low digit reads as the terminating zero byte.
        const int low = ComplementDigitValue(i + 1 < digits.size() ? digits[i + 1] : '\0');
        mixed.append(char((high * 16 + low) & 0xFF));
    }
    return MultiByteToUnicode(UnXorLayer(mixed, keyBytes), CP_GBK);
}
