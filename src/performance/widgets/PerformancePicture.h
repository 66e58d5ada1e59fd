#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace kelmar {

// The picture of a performance area (PerformanceImage): a 14 x 14 image of
// solid blue drawn stretched to the box. It reports every pointer movement
// over it (with or without a button held, and while a drag that started on
// it goes on outside) and every button press, with the position relative to
// its top-left corner in logical pixels.
class PerformancePicture : public QWidget {
    Q_OBJECT
public:
    explicit PerformancePicture(QWidget* parent);

signals:
    void pointerMoved(QPointF position);
    void buttonPressed(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace kelmar
