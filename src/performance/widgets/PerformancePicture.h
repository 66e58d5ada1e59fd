#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

#include "performance/PerformanceScaling.h"

namespace kelmar {

// The picture of a performance area (PerformanceImage): a 14 x 14 image of
// solid blue drawn stretched to the box. It reports every pointer movement
// over it (with or without a button held, and while a drag that started on
// it goes on outside) and every button press, with the position relative to
// its top-left corner in logical pixels. The second press of a double click
// is not reported: a double click plays once.
//
// It also plays from the keyboard. It takes the focus (Tab or a click) and
// then keeps a play position, in the values 0..126 a pointer position
// scales to, drawn as a small marker. The arrow keys move it by one value
// (ten with Shift) and report a pointer movement to it; Space reports a left
// press there (and its release), Escape and Delete a right press.
class PerformancePicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxValue = PerformanceScaling::MaxValue;

    explicit PerformancePicture(QWidget* parent);

    // The keyboard's play position (horizontal, vertical value).
    QPoint playPosition() const { return play_; }
    // The point in the picture that scales to `values`: the middle of its cell.
    QPointF pointFor(QPoint values) const;
    // The buttons held during the last event reported (Space counts as the left).
    Qt::MouseButtons buttonsHeld() const { return held_; }
    // While a pen touching the picture is reported: its pressure, 0..1.
    std::optional<double> penPressure() const { return pressure_; }

    // Lines across the picture where bands meet, each with a label, drawn
    // faintly: the positions are fractions of the height from the top
    // (rows) or of the width from the left (columns).
    struct Guide {
        double at = 0;
        QString label;
    };
    void setGuides(std::vector<Guide> rows, std::vector<Guide> columns);
    // A text drawn large at the picture's corner (what was just played);
    // a new one repaints only its line.
    void setCaption(const QString& caption);

signals:
    void pointerMoved(QPointF position);
    void buttonPressed(Qt::MouseButton button, QPointF position);
    void buttonReleased(Qt::MouseButton button, QPointF position);
    // The pointer has left the picture.
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A pen plays as the mouse does, with its pressure.
    void tabletEvent(QTabletEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool movePlayPosition(int key, int step);

    // The stretched image with its guides, drawn once for each size and
    // set of guides: a repaint copies the part it needs.
    const QImage& backdrop();
    void paintGuides(QPainter& painter) const;
    QFont captionFont() const;
    QRect captionStrip() const;

    QImage image_;
    QImage backdrop_;
    QSize backdropSize_;

    QPoint play_{MaxValue / 2, MaxValue / 2};
    std::vector<Guide> rows_;
    std::vector<Guide> columns_;
    QString caption_;
    Qt::MouseButtons held_;
    std::optional<double> pressure_;
};

} // namespace kelmar
