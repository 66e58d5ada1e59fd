// The Help links handed to the desktop, and the about box's texts and
// mouse-over descriptions.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "help/AboutBox.h"
#include "support/LinkCatcher.h"
#include "help/HelpLinks.h"

using namespace kelmar;

namespace {

void moveOver(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

TEST(HelpLinks, EachLinkGoesToTheDesktopOnce)
{
    test::LinkCatcher catcher;
    HelpLinks links;
    for (int n : {0, 1, 3, 4, 5, 7})
        links.OpenHelpLink(n);
    ASSERT_EQ(catcher.opened.size(), 6);
    EXPECT_TRUE(catcher.opened[0].isLocalFile());
    EXPECT_TRUE(catcher.opened[0].path().endsWith("share/kelmar/manual/index.html"));
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(catcher.opened[i].scheme(), "https");
    EXPECT_EQ(catcher.opened[5].scheme(), "mailto");
    EXPECT_EQ(links.lastEntry(), 7);

    links.OpenHelpLink(2); // separators and the about box have no link
    links.OpenHelpLink(8);
    EXPECT_EQ(catcher.opened.size(), 6);
}

TEST(AboutBox, VerseDescriptionAndVersionAreExact)
{
    QString verse = AboutBox::Verse;
    EXPECT_EQ(verse.count("\r\n"), 13);
    EXPECT_TRUE(verse.endsWith("et inebriamini, carissimi.\r\n"));
    EXPECT_TRUE(verse.startsWith("Surge, aquilo,\r\net veni, auster;\r\n"));
    EXPECT_EQ(verse.split("\r\n")[4], " ");
    EXPECT_EQ(verse.remove("\r\n").count('\r') + verse.count('\n'), 0); // no lone CR or LF
    EXPECT_TRUE(AboutBox::Description.startsWith("kelmor - (pronounced '"));
    EXPECT_TRUE(AboutBox::Description.endsWith("') - Algorithmic General MIDI Mouse Performer"));

    AboutBox about;
    EXPECT_EQ(about.objectName(), "kelmar_about");
    EXPECT_EQ(about.windowTitle(), "About Kelmar...");
    EXPECT_EQ(about.findChild<QPlainTextEdit*>("Text2")->toPlainText(), QString(AboutBox::Verse).replace("\r\n", "\n"));
    EXPECT_EQ(about.findChild<QLabel*>("Label1")->text(), "kelmar v0.1");
    EXPECT_EQ(about.findChild<QLabel*>("Image1")->pixmap().size(), QSize(510, 408));
}

TEST(AboutBox, HotSpotPictureAndVerseSetTheDescriptionLine)
{
    AboutBox about;
    about.show();
    QPlainTextEdit* text3 = about.Text3();
    EXPECT_TRUE(text3->toPlainText().isEmpty());
    moveOver(about.findChild<QWidget*>("kelmor_about"));
    EXPECT_EQ(text3->toPlainText(), AboutBox::Description);
    EXPECT_TRUE(text3->isVisible());
    moveOver(about.findChild<QLabel*>("Image1"));
    EXPECT_TRUE(text3->toPlainText().isEmpty());

    QWidget* verse = about.findChild<QPlainTextEdit*>("Text2")->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), verse->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(verse, &press);
    EXPECT_EQ(text3->toPlainText(), "Canticum Canticorum");
    // the line lies over the verse, not under it
    QPlainTextEdit* text2 = about.findChild<QPlainTextEdit*>("Text2");
    EXPECT_GT(about.children().indexOf(text3), about.children().indexOf(text2));

    // A real press on the verse where the description line covers it.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    moveOver(about.findChild<QWidget*>("kelmor_about"));
    ASSERT_TRUE(text3->isVisible());
    const QPoint covered = text3->geometry().intersected(text2->geometry()).center();
    QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, covered);
    EXPECT_EQ(text3->toPlainText(), "Canticum Canticorum");
}

TEST(AboutBox, ItsButtonOnlyHidesIt)
{
    AboutBox about;
    about.show();
    about.findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(about.isVisible());
}

