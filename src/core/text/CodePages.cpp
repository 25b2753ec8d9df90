#include "StringCtrl.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* CodecName(int codePage) {
    switch (codePage) {
    case CP_ANSI:
    case CP_GBK:
        return "GBK";
    case CP_BIG5:
        return "windows-950";
    case CP_EUCKR:
        return "EUC-KR";
    case CP_UTF8:
        return "UTF-8";
    default:
        return nullptr;
    }
}

QString CutAtNul(QString text) {
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

} // namespace

QByteArray UnicodeToGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(text);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

QString MultiByteToUnicode(const char* bytes, qsizetype count, int codePage) {
    const char* name = CodecName(codePage);
    if (!name || !bytes || count <= 0)
        return QString();
    QStringDecoder decoder(name);
    if (!decoder.isValid())
        return QString();
    return CutAtNul(decoder.decode(QByteArrayView(bytes, count)));
}

QString MultiByteToUnicode(const QByteArray& bytes, int codePage) {
    return MultiByteToUnicode(bytes.constData(), bytes.size(), codePage);
}
