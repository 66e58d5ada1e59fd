#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QWidget>

#include "support/EventLoop.h"
#include "ui/FrameThrottle.h"

namespace kelmar {
namespace {

// Counts the window's update requests, held or not, and the texts the
// label is painted with.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* window, QLabel* label)
        : label_(label)
    {
        window->installEventFilter(this); // after the throttle's: sees every request
        label->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++requests;
        if (watched == label_ && event->type() == QEvent::Paint)
            painted = label_->text();
        return false;
    }
    int requests = 0;
    QString painted;

private:
    QLabel* label_;
};

TEST(FrameThrottleTest, AHeldRepaintShowsTheLatestTextAndThenTheWindowRests)
{
    QWidget window;
    auto* label = new QLabel(QStringLiteral("0"), &window);
    window.resize(200, 50);
    FrameThrottle::install(&window);
    PaintWatch watch(&window, label);
    window.show();
    ASSERT_TRUE(test::waitUntil([&] { return watch.painted == QLatin1String("0"); }));

    // Changes right after a paint are held for the next frame and painted
    // together, with the last text.
    for (const char* text : {"1", "2", "3"}) {
        label->setText(QString::fromLatin1(text));
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(test::waitUntil([&] { return watch.painted == QLatin1String("3"); }, 1000));

    // Nothing changes any more: no request comes after that paint.
    test::settle(100);
    const int requests = watch.requests;
    test::settle(200);
    EXPECT_EQ(watch.requests, requests);
}

} // namespace
} // namespace kelmar
