// A borderless splash window in the shape of its picture, with a text drawn over it, faded in and
// out where the platform can. While it has the keyboard focus, Esc ends the whole program.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QWidget>

class QTimer;

class CSplashScreenEx : public QWidget {
    Q_OBJECT
public:
    enum Style : unsigned {
        FadeIn = 0x01,
        FadeOut = 0x02,
        Shadow = 0x04,
        CenterScreen = 0x08,
        CenterParent = 0x10,
        HideOnClick = 0x20,
    };
    // Pixels of this colour are cut out of the window's shape.
    static constexpr QRgb kTransparentColour = qRgb(212, 120, 120);

    explicit CSplashScreenEx(QWidget* owner, const QString& text);

    bool SetBitmap(const QString& resource);
    void SetTextFont(const QFont& font);
    void SetTextRect(const QRect& rect);
    void SetTextColour(const QColor& colour);
    void SetTextFormat(int qtAlignmentFlags);
    void SetTimeout(int ms) { m_timeoutMs = ms; }

    void Show();
    // Hides (fading out with FadeOut) and then destroys the window.
    void Hide();

    // The window's shape: every run of pixels not of the transparent colour, one pixel high.
    static QRegion ShapeRegion(const QImage& image);
    static bool CanFade();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget* m_owner;
    QPixmap m_bitmap;
    QString m_text;
    QFont m_font;
    QRect m_textRect;
    QColor m_textColour = Qt::black;
    int m_textFormat = Qt::AlignCenter | Qt::TextWordWrap;
    int m_timeoutMs = 0;
    unsigned m_style = FadeIn | FadeOut | CenterScreen;
    bool m_hiding = false;
};
