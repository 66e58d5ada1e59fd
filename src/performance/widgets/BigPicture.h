#pragma once

#include <QPointer>
#include <QWidget>

#include "performance/widgets/PerformancePicture.h"

namespace kelmar {

class PerformanceAreas;

// "Big Picture": one performance area's picture in a window of its own,
// resizable and able to fill the screen (F11 switches full screen on and
// off). It plays exactly as that area's own picture does, with positions
// scaled to its own size, and writes the area's readout; it shows the
// readout large as well, and whatever guides it is given, without hiding
// where the pointer is. Closing it leaves the main window as it was.
class BigPicture : public QWidget {
    Q_OBJECT
public:
    BigPicture(PerformanceAreas& areas, QWidget* owner);

    // Plays area `index` from now on.
    void showArea(int index);
    int area() const { return area_; }
    PerformancePicture* picture() const { return picture_; }

signals:
    // The picture now plays another area, or has another size: its guides
    // are due again.
    void guidesDue();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void toggleFullScreen();

    PerformanceAreas& areas_;
    QPointer<PerformancePicture> picture_;
    int area_ = -1;
};

} // namespace kelmar
