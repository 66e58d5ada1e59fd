#include "performance/widgets/PerformancePicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTabletEvent>

#include <algorithm>

namespace kelmar {

namespace {
constexpr int ImageSide = 14;
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr int ValueCount = PerformancePicture::MaxValue + 1; // a pointer scales by extent / 127
constexpr int MarkerRadius = 3;
constexpr int ShiftStep = 10;
constexpr int CaptionFlags = Qt::AlignTop | Qt::AlignRight;

// Where the caption goes: inside the picture, clear of its edges.
QRect captionBox(const QRect& picture)
{
    return picture.adjusted(12, 8, -12, -8);
}

int clampValue(int value)
{
    return std::clamp(value, 0, PerformancePicture::MaxValue);
}
} // namespace

PerformancePicture::PerformancePicture(QWidget* parent)
    : QWidget(parent)
    , image_(ImageSide, ImageSide, QImage::Format_RGB32)
{
    image_.fill(Blue);
    setMouseTracking(true); // movement plays without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QPointF PerformancePicture::pointFor(QPoint values) const
{
    return {(values.x() + 0.5) * width() / ValueCount, (values.y() + 0.5) * height() / ValueCount};
}

void PerformancePicture::setGuides(std::vector<Guide> rows, std::vector<Guide> columns)
{
    rows_ = std::move(rows);
    columns_ = std::move(columns);
    backdrop_ = QImage();
    update();
}

void PerformancePicture::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update(captionStrip());
}

QFont PerformancePicture::captionFont() const
{
    QFont big = font();
    big.setPixelSize(std::max(14, height() / 14));
    big.setBold(true);
    return big;
}

// The caption's line across the top, whatever its text: found without
// laying the text out, as the caption changes with every move.
QRect PerformancePicture::captionStrip() const
{
    const QRect box = captionBox(rect());
    // A pixel or two more for the antialiased edges of the glyphs.
    return QRect(box.topLeft(), QSize(box.width(), QFontMetrics(captionFont()).height() + 2)) & box;
}

const QImage& PerformancePicture::backdrop()
{
    const qreal ratio = devicePixelRatioF();
    if (!backdrop_.isNull() && backdropSize_ == size() && backdrop_.devicePixelRatio() == ratio)
        return backdrop_;
    backdropSize_ = size();
    backdrop_ = QImage(size() * ratio, QImage::Format_RGB32);
    backdrop_.setDevicePixelRatio(ratio);
    QPainter painter(&backdrop_);
    painter.setFont(font());
    painter.drawImage(rect(), image_);
    paintGuides(painter);
    return backdrop_;
}

void PerformancePicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (rows_.empty() && columns_.empty()) {
        painter.drawImage(rect(), image_); // solid blue: nothing worth keeping
    } else {
        painter.drawImage(QPoint(0, 0), backdrop()); // pixel for pixel, only where the repaint is
    }
    if (!caption_.isEmpty() && event->rect().intersects(captionStrip())) {
        painter.setFont(captionFont());
        painter.setPen(QColor(255, 255, 255, 200));
        painter.drawText(captionBox(rect()), CaptionFlags, caption_);
    }
    if (!hasFocus())
        return;
    // The focus: a dotted white frame, and the play position as a small ring.
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(pointFor(play_), MarkerRadius, MarkerRadius);
}

// Faint lines and small labels: nothing covers the picture where the
// pointer plays.
void PerformancePicture::paintGuides(QPainter& painter) const
{
    if (rows_.empty() && columns_.empty())
        return;
    const QColor faint(255, 255, 255, 70);
    const QColor label(255, 255, 255, 150);
    painter.setPen(faint);
    for (const Guide& g : rows_) {
        const int y = static_cast<int>(g.at * height());
        painter.drawLine(0, y, width(), y);
    }
    for (const Guide& g : columns_) {
        const int x = static_cast<int>(g.at * width());
        painter.drawLine(x, 0, x, height());
    }
    painter.setPen(label);
    for (const Guide& g : rows_)
        painter.drawText(QPointF(4, g.at * height() - 3), g.label);
    for (const Guide& g : columns_)
        painter.drawText(QPointF(g.at * width() + 3, height() - 4), g.label);
}

void PerformancePicture::mouseMoveEvent(QMouseEvent* event)
{
    held_ = event->buttons();
    emit pointerMoved(event->position());
}

void PerformancePicture::mousePressEvent(QMouseEvent* event)
{
    held_ = event->buttons();
    emit buttonPressed(event->button(), event->position());
}

void PerformancePicture::mouseReleaseEvent(QMouseEvent* event)
{
    held_ = event->buttons();
    emit buttonReleased(event->button(), event->position());
}

// Taken here, so that no mouse event follows it. The pressure counts only
// while the pen touches (with the left button down, as Qt reports it).
void PerformancePicture::tabletEvent(QTabletEvent* event)
{
    held_ = event->buttons();
    const bool touching = event->type() != QEvent::TabletRelease && held_.testFlag(Qt::LeftButton);
    pressure_ = touching ? std::optional<double>(event->pressure()) : std::nullopt;
    switch (event->type()) {
    case QEvent::TabletPress:
        emit buttonPressed(event->button(), event->position());
        break;
    case QEvent::TabletMove:
        emit pointerMoved(event->position());
        break;
    case QEvent::TabletRelease:
        emit buttonReleased(event->button(), event->position());
        break;
    default:
        break;
    }
    pressure_.reset();
    event->accept();
}

void PerformancePicture::leaveEvent(QEvent* event)
{
    emit pointerLeft();
    QWidget::leaveEvent(event);
}

// Qt's default turns the second press of a double click into one more press.
void PerformancePicture::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void PerformancePicture::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? ShiftStep : 1;
    if (movePlayPosition(event->key(), step)) {
        update();
        emit pointerMoved(pointFor(play_));
        return;
    }
    const bool fresh = !event->isAutoRepeat(); // holding a key down is one press
    switch (event->key()) {
    case Qt::Key_Space:
        if (fresh) {
            held_ |= Qt::LeftButton;
            emit buttonPressed(Qt::LeftButton, pointFor(play_));
        }
        return;
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        if (fresh)
            emit buttonPressed(Qt::RightButton, pointFor(play_));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PerformancePicture::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && held_.testFlag(Qt::LeftButton)) {
        held_ &= ~Qt::MouseButtons(Qt::LeftButton);
        emit buttonReleased(Qt::LeftButton, pointFor(play_));
        return;
    }
    QWidget::keyReleaseEvent(event);
}

// Every arrow press is a movement, also one held against an edge, as a
// pointer pushed against it keeps playing there.
bool PerformancePicture::movePlayPosition(int key, int step)
{
    switch (key) {
    case Qt::Key_Left:
        play_.setX(clampValue(play_.x() - step));
        return true;
    case Qt::Key_Right:
        play_.setX(clampValue(play_.x() + step));
        return true;
    case Qt::Key_Up:
        play_.setY(clampValue(play_.y() - step));
        return true;
    case Qt::Key_Down:
        play_.setY(clampValue(play_.y() + step));
        return true;
    default:
        return false;
    }
}

void PerformancePicture::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void PerformancePicture::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void PerformancePicture::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        backdrop_ = QImage(); // the guides' labels
    QWidget::changeEvent(event);
}

} // namespace kelmar
