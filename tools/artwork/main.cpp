// Paints the program's artwork: the splash picture (its corners in the splash's transparent colour,
// so they are cut out of the window's shape) and the program icon. Run once; the results are kept
// in src/gui/resources.
//   vantrel-artwork OUTPUT_DIR
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kTransparent(212, 120, 120);

void PaintPicturesMotif(QPainter& p, QRectF area, qreal scale) {
    // Three stacked photo frames: the program collects pictures.
    for (int i = 2; i >= 0; --i) {
        QRectF frame(area.left() + i * 10 * scale, area.top() + (2 - i) * 8 * scale, 60 * scale, 46 * scale);
        p.setPen(QPen(QColor(255, 255, 255), 2 * scale));
        p.setBrush(QColor(40 + i * 30, 110 + i * 25, 190 - i * 20));
        p.drawRoundedRect(frame, 4 * scale, 4 * scale);
        QPainterPath hill;
        hill.moveTo(frame.left() + 4 * scale, frame.bottom() - 4 * scale);
        hill.lineTo(frame.left() + 22 * scale, frame.top() + 20 * scale);
        hill.lineTo(frame.left() + 36 * scale, frame.bottom() - 12 * scale);
        hill.lineTo(frame.left() + 44 * scale, frame.top() + 26 * scale);
        hill.lineTo(frame.right() - 4 * scale, frame.bottom() - 4 * scale);
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 230, 120, 200));
        p.drawPath(hill);
    }
}

QImage Splash() {
    QImage image(330, 200, QImage::Format_RGB32);
    image.fill(kTransparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false); // exact edges: no blend with the cut-out colour
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(24, 52, 96));
    sky.setColorAt(1, QColor(44, 120, 160));
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, 330, 200), 22, 22);
    p.setRenderHint(QPainter::Antialiasing, true);
    PaintPicturesMotif(p, QRectF(230, 120, 90, 70), 1.0);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(24);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(30, 14, 290, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vantrel"));
    return image;
}

QImage Icon() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(QColor(24, 52, 96));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);
    PaintPicturesMotif(p, QRectF(-2, 6, 64, 52), 0.72);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    return Splash().save(dir + QStringLiteral("/splash.png")) && Icon().save(dir + QStringLiteral("/icon.png")) ? 0 : 1;
}
