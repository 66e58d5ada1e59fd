#include "performance/widgets/BigPicture.h"

#include <QShortcut>
#include <QVBoxLayout>

#include "performance/widgets/PerformanceAreas.h"
#include "performance/widgets/PerformancePicture.h"
#include "ui/FrameThrottle.h"

namespace kelmar {

namespace {
constexpr QSize StartSize{800, 600};
}

BigPicture::BigPicture(PerformanceAreas& areas, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , areas_(areas)
{
    setObjectName("BigPicture");
    setWindowTitle(tr("Big Picture"));
    resize(StartSize);
    FrameThrottle::install(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &BigPicture::toggleFullScreen);
    connect(&areas_, &PerformanceAreas::readoutShown, this, [this](int index, const QString& text) {
        if (index == area_ && picture_)
            picture_->setCaption(text);
    });
    connect(&areas_, &PerformanceAreas::areaChanged, this, [this](int index) {
        if (index == area_)
            emit guidesDue();
    });
    connect(this, &BigPicture::guidesDue, this, [this] {
        if (picture_)
            areas_.showGuides(area_, picture_);
    });
}

// A picture of its own for each area: its events carry that area's index.
void BigPicture::showArea(int index)
{
    if (index == area_)
        return;
    delete picture_.data();
    area_ = index;
    picture_ = new PerformancePicture(this);
    picture_->setObjectName("BigPictureImage");
    layout()->addWidget(picture_);
    areas_.playFrom(index, picture_);
    picture_->setFocus();
    emit guidesDue();
}

void BigPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit guidesDue();
}

void BigPicture::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

} // namespace kelmar
