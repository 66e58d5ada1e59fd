#include "ui/DecorationImages.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace kelmar {

namespace {

QImage canvas()
{
    QImage image(DecorationImages::Width, DecorationImages::Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent); // the frame shows around the drawing
    return image;
}

QPolygonF octagon(QPointF centre, double radius)
{
    QPolygonF shape;
    for (int k = 0; k < 8; ++k) {
        const double angle = std::numbers::pi / 8 + k * std::numbers::pi / 4;
        shape << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
    return shape;
}

} // namespace

QPixmap DecorationImages::go()
{
    QImage image = canvas();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 96, 0), 1));
        p.setBrush(QColor(0, 176, 0));
        p.drawEllipse(QRectF(1.5, 1, 17, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(7.5, 5), QPointF(14.5, 9.5), QPointF(7.5, 14)}));
    }
    return QPixmap::fromImage(image);
}

QPixmap DecorationImages::allOff()
{
    QImage image = canvas();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(112, 0, 0), 1));
        p.setBrush(QColor(208, 0, 0));
        p.drawPolygon(octagon(QPointF(10, 9.5), 8.8));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 8, 10, 3));
    }
    return QPixmap::fromImage(image);
}

} // namespace kelmar
