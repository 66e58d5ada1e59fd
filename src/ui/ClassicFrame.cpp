#include "ui/ClassicFrame.h"

#include <QPaintEvent>
#include <QPainter>

namespace kelmar {

namespace {
constexpr int CaptionLeft = 8; // where the caption starts, in pixels
constexpr int CaptionPad = 2;  // blank on each side of the caption
} // namespace

ClassicFrame::ClassicFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent)
{
}

void ClassicFrame::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int lineTop = title().isEmpty() ? 0 : metrics.height() / 2;
    const QRect box = rect().adjusted(0, lineTop, -2, -2);

    // an etched line: dark, with a light one just inside and below it
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.translated(1, 1));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(box);

    // The caption is measured and drawn only where it is to be repainted.
    if (title().isEmpty() || !event->region().intersects(QRect(0, 0, width(), metrics.height())))
        return;
    const int width = metrics.horizontalAdvance(title()) + 2 * CaptionPad;
    const QRect caption(CaptionLeft, 0, width, metrics.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace kelmar
