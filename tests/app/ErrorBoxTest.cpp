// The box that shows input errors: it opens only once control is back in
// the event loop, and never more than one at a time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "app/ErrorBox.h"
#include "support/EventLoop.h"

using kelmar::ErrorBox;

namespace {

// The texts of the message boxes on screen.
QStringList openBoxes()
{
    QStringList texts;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            texts.append(box->text());
    }
    return texts;
}

void closeTheBox()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            box->accept();
    }
}

} // namespace

TEST(ErrorBox, OpensAfterTheReportingHandlerOneBoxAtATimeWithoutRepeats)
{
    QWidget window;
    ErrorBox errors(&window);
    errors.show("The keyboard went away.");
    EXPECT_TRUE(openBoxes().isEmpty()) << "not inside the handler that reported it";
    kelmar::test::settle();
    EXPECT_EQ(openBoxes(), QStringList{"The keyboard went away."});

    errors.show("The keyboard went away.");
    errors.show("The JACK server has shut down.");
    errors.show("The JACK server has shut down.");
    errors.show("The keyboard went away.");
    kelmar::test::settle();
    EXPECT_EQ(openBoxes(), QStringList{"The keyboard went away."});

    closeTheBox();
    kelmar::test::settle();
    EXPECT_EQ(openBoxes(), QStringList{"The JACK server has shut down."});
    closeTheBox();
    kelmar::test::settle();
    EXPECT_TRUE(openBoxes().isEmpty());

    errors.show("The keyboard went away."); // news again once its box was closed
    kelmar::test::settle();
    EXPECT_EQ(openBoxes(), QStringList{"The keyboard went away."});
}

TEST(ErrorBox, KeepsAtMostABoundedNumberOfTextsWaiting)
{
    QWidget window;
    ErrorBox errors(&window);
    for (int i = 0; i < 3 * ErrorBox::MaxWaiting; ++i)
        errors.show(QString("Error %1.").arg(i));
    int shown = 0;
    for (kelmar::test::settle(); !openBoxes().isEmpty(); kelmar::test::settle()) {
        EXPECT_EQ(openBoxes(), QStringList{QString("Error %1.").arg(shown)});
        ++shown;
        closeTheBox();
    }
    EXPECT_EQ(shown, ErrorBox::MaxWaiting);
}
