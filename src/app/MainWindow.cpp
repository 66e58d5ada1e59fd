#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/FillList.h"
#include "ui/ClassicFrame.h"
#include "ui/ControlArray.h"
#include "ui/DecorationImages.h"
#include "app/GeneralControlsBinding.h"
#include "app/GeneralMidiPatches.h"
#include "app/DocumentMenu.h"
#include "app/ErrorBox.h"
#include "app/MainMenu.h"
#include "app/PlayMenu.h"
#include "ui/Twips.h"
#include "ui/FrameThrottle.h"
#include "ui/WheelGuard.h"
#include "ui/WindowSystem.h"
#include "ui/WindowFonts.h"
#include "help/AboutBox.h"
#include "midi/MidiMessageLayer.h"
#include "performance/widgets/BigPicture.h"
#include "performance/widgets/PerformanceAreas.h"

namespace kelmar {

namespace {

constexpr TwipRect ClientArea{0, 0, 9045, 5955};
constexpr int ScreenLeft = 1000;
constexpr int ScreenTop = 1400;

constexpr std::array<TwipRect, 3> FramePlaces = {{
    {75, 45, 7605, 720},   // General Controls
    {75, 795, 8910, 5130}, // Mouse Performance Controls
    {3675, 180, 3960, 330}, // Formulator
}};

QLabel* decoration(QWidget* frame, const char* name, const QString& spoken, const QPixmap& image, const TwipRect& where)
{
    auto* picture = new QLabel(frame);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPixmap(image);
    picture->setGeometry(Twips::toPixels(where));
    picture->setAccessibleName(spoken);
    return picture;
}

} // namespace

MainWindow::MainWindow(MidiMessageLayer& midi, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::FramelessWindowHint)
    , midi_(midi)
    , setup_(midi, this)
    , preferences_(this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kelmar"));
    auto* client = new QWidget(this);
    client->setFont(WindowFonts::sansBold()); // the window's font; the menu bar keeps the system's
    client->setFixedSize(Twips::toPixels(ClientArea).size());
    setCentralWidget(client);

    // creation order: General Controls, Formulator, Mouse Performance Controls
    QGroupBox* general = frame(client, 0, tr("General Controls"));
    QGroupBox* formulator = frame(client, 2, tr("Formulator"));
    QGroupBox* performance = frame(client, 1, tr("Mouse Performance Controls"));

    general_ = GeneralControlWidgets::build(general);
    formulator_ = FormulatorWidgets::build(formulator);
    // The formulator frame lies over the pan and patch controls; it goes
    // behind the general controls, whose opaque frame keeps them usable.
    general->setAutoFillBackground(true);
    formulator->stackUnder(general);

    buildPerformanceFrame(performance);

    generalBinding_ = new GeneralControlsBinding(general_, allOff_, midi_, this);
    midi_.setControls(&generalBinding_->controls());
    menu_ = new MainMenu(*this, {[this] { leave(); },
                                 [this] { preferences_.show(); },
                                 [this] { setup_.showModal(); },
                                 [this](int entry) { showHelp(entry); }});
    play_ = new PlayMenu(*this, *areas_);
    documentErrors_ = new ErrorBox(this);
    documents_ = new DocumentMenu(*this, [this](const QString& text) { documentErrors_->show(text); });
    connect(play_, &PlayMenu::shown, documents_, &DocumentMenu::show);
    connect(play_, &PlayMenu::bigPictureAsked, this,
            [this] { showBigPicture(areas_->performance().state().CurrentArea); });
    WheelGuard::guard(this);
    FrameThrottle::install(this);
}

MainWindow::~MainWindow()
{
    midi_.setControls(nullptr);
}

GeneralControls& MainWindow::generalControls()
{
    return generalBinding_->controls();
}

void MainWindow::load()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    placeOnScreen();
    menu_->BuildHelpMenu();
    fillPatchLists();
    areas_->fillAxisLists();
    fillFormulator();
    areas_->resetPairTables();
    setStartValues();
    QGuiApplication::restoreOverrideCursor();
    setup_.showModal();
}

void MainWindow::placeOnScreen()
{
    if (windowsArePlaced())
        move(Twips::toPixels(ScreenLeft), Twips::toPixels(ScreenTop));
}

// Each list's pick of position 0 stores programme 0 for channel 1 and sends it.
void MainWindow::fillPatchLists()
{
    fillList(general_.ComboPatch, generalMidiPatchNames(), 0);
    fillList(general_.FavouritePatch, favouritePatchNames(), 0);
}

void MainWindow::fillFormulator()
{
    QStringList numbers;
    for (int n = 0; n <= 10; ++n)
        numbers << QString::number(n);
    for (QComboBox* list : formulator_.var_num)
        fillList(list, numbers, 0);
    fillList(formulator_.obtype, {tr("variable"), tr("operation"), tr("condition")}, 0);
}

// Channel 1 current; then octave 3, volume 100 and pan 64, each stored and
// shown by its bar's handling, the pan also sent.
void MainWindow::setStartValues()
{
    midi_.channels().CurrentChannel = 0;
    general_.MidiChannelScroll->setValue(0);
    general_.OctaveScroll->setValue(3);
    general_.VolumeScroll->setValue(100);
    general_.PanScroll->setValue(64);
}

void MainWindow::showHelp(int entry)
{
    if (entry != HelpLinks::AboutEntry) {
        helpLinks_.OpenHelpLink(entry);
        return;
    }
    if (!about_)
        about_ = new AboutBox(this);
    about_->show();
    bringToFront(about_);
}

void MainWindow::showBigPicture(int area)
{
    if (!bigPicture_)
        bigPicture_ = new BigPicture(*areas_, this);
    bigPicture_->showArea(area);
    bigPicture_->show();
    bringToFront(bigPicture_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    leave();
}

// Notes Extended Play started end first; without it nothing more is sent.
// A take is ended and written whole.
void MainWindow::leave()
{
    areas_->performance().endAllNotes();
    documents_->endTake(); // complete, with what was just sent
    midi_.CloseMidi();
}

QGroupBox* MainWindow::frame(QWidget* client, int index, const QString& caption)
{
    auto* box = new ClassicFrame(caption, client);
    box->setFont(WindowFonts::sans());
    box->setGeometry(Twips::toPixels(FramePlaces.at(static_cast<std::size_t>(index))));
    ControlArray::tag(box, QStringLiteral("ControlFrame"), index);
    frames_.at(static_cast<std::size_t>(index)) = box;
    return box;
}

void MainWindow::buildPerformanceFrame(QGroupBox* frame)
{
    areas_ = new PerformanceAreas(midi_, frame);

    allOff_ = new QPushButton(tr("&All Notes Off"), frame);
    allOff_->setObjectName(QStringLiteral("AllOff"));
    allOff_->setFont(WindowFonts::sans());
    allOff_->setGeometry(Twips::toPixels(TwipRect{6945, 4605, 1065, 315}));
    allOff_->setAccessibleDescription(tr("Silences every note on every channel"));

    goImage_ = decoration(frame, "GoImage", tr("Go picture"), DecorationImages::go(), {8055, 4635, 300, 285});
    allOffImage_ = decoration(frame, "AllOffImage", tr("All notes off picture"), DecorationImages::allOff(),
                              {8430, 4635, 300, 285});
}

} // namespace kelmar
