#include "DialogUnits.h"

#include <QFontMetrics>

DialogUnits DialogUnits::FromFont(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the 52 Latin letters, rounded, as the dialog manager measures it.
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.baseX = std::max(1, (letters / 26 + 1) / 2);
    units.baseY = std::max(1, metrics.height());
    return units;
}

QFont DialogFont(int points) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize((points * 96 + 36) / 72);
    return font;
}
