#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0); // drawn on the 256 × 256 grid of the SVG
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x4b, 0x6e));
    p.drawRoundedRect(QRectF(40, 20, 180, 216), 18, 18);
    p.setBrush(QColor(0xfb, 0xf7, 0xee));
    p.drawRoundedRect(QRectF(56, 28, 156, 200), 10, 10);
    p.setBrush(QColor(0x23, 0x39, 0x4f));
    p.drawRoundedRect(QRectF(40, 20, 28, 216), 12, 12);
    p.setPen(QPen(QColor(0xb9, 0xc3, 0xcf), 6, Qt::SolidLine, Qt::RoundCap));
    for (const auto &[y, end] : { std::pair { 78, 190 }, { 108, 190 }, { 138, 170 }, { 168, 150 } })
        p.drawLine(QLineF(88, y, end, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgbF(0.0f, 0.7f, 1.0f));
    p.drawPolygon(QPolygonF({ QPointF(176, 20), QPointF(204, 20), QPointF(204, 96),
            QPointF(190, 84), QPointF(176, 96) }));
    return pixmap;
}

} // namespace

QIcon penwickIcon()
{
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128, 256 })
        icon.addPixmap(drawIcon(size));
    return icon;
}
