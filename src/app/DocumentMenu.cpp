#include "app/DocumentMenu.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/SetupBinding.h"
#include "midi/MessageTranslation.h"
#include "midi/MidiMessageLayer.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

namespace kelmar {

namespace {

// Translated where they are shown.
const char* const SetupFilter = QT_TRANSLATE_NOOP("kelmar::DocumentMenu", "Kelmar setups (*.json);;All files (*)");
const char* const TakeFilter =
    QT_TRANSLATE_NOOP("kelmar::DocumentMenu", "Standard MIDI Files (*.mid *.midi);;All files (*)");
const char* const RecordCaption = QT_TRANSLATE_NOOP("kelmar::DocumentMenu", "&Record Take...");
const char* const StopCaption = QT_TRANSLATE_NOOP("kelmar::DocumentMenu", "S&top Recording");
// Left of the "All Notes Off" button, in the "Mouse Performance Controls" frame.
constexpr TwipRect TakeLabelPlace{4380, 4620, 2490, 270};

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString newTakeName()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return music + QDateTime::currentDateTime().toString("'/take-'yyyyMMdd'-'HHmmss'.mid'");
}

QString minutesAndSeconds(std::chrono::nanoseconds elapsed)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

} // namespace

DocumentMenu::DocumentMenu(MainWindow& window, std::function<void(const QString&)> tell)
    : QObject(&window)
    , window_(window)
    , output_(window.midi().output())
    , tell_(std::move(tell))
    , takeLabel_(new QLabel(window.ControlFrame(1)))
    , takeClock_(new QTimer(this))
{
    takeLabel_->setObjectName("TakeLabel");
    takeLabel_->setFont(WindowFonts::sans());
    takeLabel_->setStyleSheet("color: #c00000;");
    takeLabel_->setGeometry(Twips::toPixels(TakeLabelPlace));
    takeLabel_->hide();
    takeClock_->setInterval(500);
    connect(takeClock_, &QTimer::timeout, this, &DocumentMenu::showTake);
    // Told on the writer's thread; handled on this one.
    recorder_.setFailureListener([this](const std::string& why) {
        QMetaObject::invokeMethod(this, [this, text = QString::fromStdString(why)] { takeFailed(text); },
                                  Qt::QueuedConnection);
    });
    output_.setTap(&recorder_);
}

// Runs once the window is gone (its children go last): only the port, which
// outlives it, is reached.
DocumentMenu::~DocumentMenu()
{
    output_.setTap(nullptr);
    recorder_.stop();
}

void DocumentMenu::show()
{
    if (shown_)
        return;
    shown_ = true;
    auto* file = window_.findChild<QMenu*>("File");
    auto* separator = window_.findChild<QAction*>("Separator");
    record_ = item(file, separator, "MnuRecordTake", tr(recorder_.running() ? StopCaption : RecordCaption));
    connect(record_, &QAction::triggered, this, [this] { recorder_.running() ? stopTake() : chooseTake(); });
    connect(item(file, separator, "MnuOpenSetup", tr("&Open Setup...")), &QAction::triggered, this,
            &DocumentMenu::chooseSetupToOpen);
    connect(item(file, separator, "MnuSaveSetupAs", tr("Save Setup &As...")), &QAction::triggered, this,
            &DocumentMenu::chooseSetupToSave);
}

QAction* DocumentMenu::item(QMenu* file, QAction* before, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, file);
    action->setObjectName(name);
    file->insertAction(before, action);
    return action;
}

bool DocumentMenu::openSetup(const QString& path)
{
    const auto read = PerformanceSetup::read(path);
    if (const QString* problem = std::get_if<QString>(&read)) {
        tell_(tr("The setup \"%1\" was not opened; nothing has changed.\n%2").arg(path, *problem));
        return false;
    }
    SetupBinding::apply(window_, std::get<PerformanceSetup>(read));
    return true;
}

bool DocumentMenu::saveSetup(const QString& path)
{
    const QString problem = SetupBinding::capture(window_).write(path);
    if (!problem.isEmpty())
        tell_(tr("The setup \"%1\" was not saved.\n%2").arg(path, problem));
    return problem.isEmpty();
}

bool DocumentMenu::startTake(const QString& path)
{
    if (QFileInfo::exists(path)
        && QMessageBox::question(&window_, tr("Record Take"), tr("\"%1\" exists. Replace it with the new take?").arg(path))
               != QMessageBox::Yes)
        return false;
    const std::string why =
        recorder_.start(path.toStdString(), TakeRecorder::channelSetup(window_.midi().channels()));
    if (!why.empty()) {
        tell_(MessageTranslation::translated(why));
        return false;
    }
    takeClock_->start();
    showTake();
    return true;
}

void DocumentMenu::stopTake()
{
    recorder_.stopLater([this](const std::string& report) {
        if (report.empty())
            return;
        QMetaObject::invokeMethod(this, [this, text = MessageTranslation::translated(report)] { tell_(text); },
                                  Qt::QueuedConnection);
    });
    showTake();
}

void DocumentMenu::endTake()
{
    recorder_.stop();
}

// The take's file chooser asks before it replaces a file.
void DocumentMenu::chooseTake()
{
    const QString path = QFileDialog::getSaveFileName(&window_, tr("Record Take"), newTakeName(), tr(TakeFilter), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        startTake(path);
}

void DocumentMenu::showTake()
{
    const bool running = recorder_.running();
    if (record_)
        record_->setText(tr(running ? StopCaption : RecordCaption));
    takeLabel_->setVisible(running);
    if (!running) {
        takeClock_->stop();
        return;
    }
    takeLabel_->setText(tr("Recording %1  %2")
                            .arg(minutesAndSeconds(recorder_.elapsed()),
                                 QFileInfo(QString::fromStdString(recorder_.path())).fileName()));
}

// The take has stopped writing: it ends, and playing goes on.
void DocumentMenu::takeFailed(const QString& why)
{
    if (!recorder_.running())
        return;
    recorder_.stopLater(nullptr); // the failure is the report: told once, here
    showTake();
    tell_(MessageTranslation::translated(why));
}

void DocumentMenu::chooseSetupToOpen()
{
    const QString path = QFileDialog::getOpenFileName(&window_, tr("Open Setup"), documentsFolder(), tr(SetupFilter));
    if (!path.isEmpty())
        openSetup(path);
}

// The dialog asks before it replaces a file.
void DocumentMenu::chooseSetupToSave()
{
    const QString path =
        QFileDialog::getSaveFileName(&window_, tr("Save Setup As"), documentsFolder() + "/setup.json", tr(SetupFilter));
    if (!path.isEmpty())
        saveSetup(path);
}

} // namespace kelmar
