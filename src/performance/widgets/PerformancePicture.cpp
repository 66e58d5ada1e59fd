#include "performance/widgets/PerformancePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelmar {

namespace {
constexpr int ImageSide = 14;
constexpr QRgb Blue = qRgb(0, 0, 255);
} // namespace

PerformancePicture::PerformancePicture(QWidget* parent)
    : QWidget(parent)
    , image_(ImageSide, ImageSide, QImage::Format_RGB32)
{
    image_.fill(Blue);
    setMouseTracking(true); // movement plays without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PerformancePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), image_);
}

void PerformancePicture::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(event->position()); }

void PerformancePicture::mousePressEvent(QMouseEvent* event) { emit buttonPressed(event->button(), event->position()); }

} // namespace kelmar
