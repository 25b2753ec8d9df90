// Dialog-unit rectangles in pixels, from the dialog font's metrics: a horizontal unit is a quarter of
// the font's average character width, a vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

struct DialogUnits {
    int baseX = 6;
    int baseY = 12;

    static DialogUnits FromFont(const QFont& font);
    int x(int units) const { return (units * baseX + 2) / 4; }
    int y(int units) const { return (units * baseY + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const { return QRect(x(left), y(top), x(width), y(height)); }
};

// The font the program's dialogs are laid out with, at the template's point size (96 dots per inch).
QFont DialogFont(int points = 9);
