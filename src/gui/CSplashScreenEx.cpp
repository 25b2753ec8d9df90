#include "CSplashScreenEx.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

#include <unistd.h>

CSplashScreenEx::CSplashScreenEx(QWidget* owner, const QString& text)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_owner(owner),
      m_text(text) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::ClickFocus);
    resize(0, 0);
    m_font = QFont(QStringLiteral("Noto Sans CJK SC"));
    m_font.setPointSize(10);
}

QRegion CSplashScreenEx::ShapeRegion(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRegion region;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int runStart = -1;
        for (int x = 0; x <= rgb.width(); ++x) {
            const bool opaque = x < rgb.width() && (line[x] & 0xFFFFFF) != (kTransparentColour & 0xFFFFFF);
            if (opaque && runStart < 0)
                runStart = x;
            if (!opaque && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return region;
}

bool CSplashScreenEx::SetBitmap(const QString& resource) {
    QImage image(resource);
    if (image.isNull())
        return false;
    m_bitmap = QPixmap::fromImage(image);
    resize(m_bitmap.size());
    QRect area;
    if ((m_style & CenterParent) && m_owner)
        area = m_owner->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->geometry();
    if (area.isValid())
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    setMask(ShapeRegion(image));
    return true;
}

void CSplashScreenEx::SetTextFont(const QFont& font) {
    m_font = font;
    update();
}
void CSplashScreenEx::SetTextRect(const QRect& rect) {
    m_textRect = rect;
    update();
}
void CSplashScreenEx::SetTextColour(const QColor& colour) {
    m_textColour = colour;
    update();
}
void CSplashScreenEx::SetTextFormat(int qtAlignmentFlags) {
    m_textFormat = qtAlignmentFlags;
    update();
}

bool CSplashScreenEx::CanFade() {
    // Window opacity needs a compositing window system; the offscreen and plain X servers have none.
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void CSplashScreenEx::Show() {
    if ((m_style & FadeIn) && CanFade()) {
        setWindowOpacity(0.0);
        show();
        auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
        fade->setDuration(500);
        fade->setStartValue(0.0);
        fade->setEndValue(1.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        show();
    }
    if (m_timeoutMs > 0)
        QTimer::singleShot(m_timeoutMs, this, &CSplashScreenEx::Hide);
}

void CSplashScreenEx::Hide() {
    if (m_hiding)
        return;
    m_hiding = true;
    if ((m_style & FadeOut) && CanFade() && isVisible()) {
        auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
        fade->setDuration(200);
        fade->setStartValue(windowOpacity());
        fade->setEndValue(0.0);
        connect(fade, &QPropertyAnimation::finished, this, &QWidget::close);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        close();
    }
}

void CSplashScreenEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
    painter.setFont(m_font);
    painter.setPen(m_textColour);
    painter.drawText(m_textRect, m_textFormat, m_text);
}

void CSplashScreenEx::keyPressEvent(QKeyEvent* event) {
    if (m_style & HideOnClick) {
        Hide();
        return;
    }
    if (event->key() == Qt::Key_Escape)
        ::_exit(0); // abandons start-up at once; nothing is saved
    QWidget::keyPressEvent(event);
}

void CSplashScreenEx::mousePressEvent(QMouseEvent* event) {
    if (m_style & HideOnClick) {
        Hide();
        return;
    }
    QWidget::mousePressEvent(event);
}
