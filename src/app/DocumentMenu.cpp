#include "app/DocumentMenu.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>

#include "app/MainWindow.h"
#include "app/SetupBinding.h"

namespace kelmar {

namespace {

const char* const SetupFilter = "Kelmar setups (*.json);;All files (*)";

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

DocumentMenu::DocumentMenu(MainWindow& window, std::function<void(const QString&)> tell)
    : QObject(&window)
    , window_(window)
    , tell_(std::move(tell))
{
}

void DocumentMenu::show()
{
    if (shown_)
        return;
    shown_ = true;
    auto* file = window_.findChild<QMenu*>("File");
    auto* separator = window_.findChild<QAction*>("Separator");
    connect(item(file, separator, "MnuOpenSetup", "&Open Setup..."), &QAction::triggered, this,
            &DocumentMenu::chooseSetupToOpen);
    connect(item(file, separator, "MnuSaveSetupAs", "Save Setup &As..."), &QAction::triggered, this,
            &DocumentMenu::chooseSetupToSave);
}

QAction* DocumentMenu::item(QMenu* file, QAction* before, const char* name, const char* caption)
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
        tell_(QString("The setup \"%1\" was not opened; nothing has changed.\n%2").arg(path, *problem));
        return false;
    }
    SetupBinding::apply(window_, std::get<PerformanceSetup>(read));
    return true;
}

bool DocumentMenu::saveSetup(const QString& path)
{
    const QString problem = SetupBinding::capture(window_).write(path);
    if (!problem.isEmpty())
        tell_(QString("The setup \"%1\" was not saved.\n%2").arg(path, problem));
    return problem.isEmpty();
}

void DocumentMenu::chooseSetupToOpen()
{
    const QString path = QFileDialog::getOpenFileName(&window_, "Open Setup", documentsFolder(), SetupFilter);
    if (!path.isEmpty())
        openSetup(path);
}

// The dialog asks before it replaces a file.
void DocumentMenu::chooseSetupToSave()
{
    const QString path =
        QFileDialog::getSaveFileName(&window_, "Save Setup As", documentsFolder() + "/setup.json", SetupFilter);
    if (!path.isEmpty())
        saveSetup(path);
}

} // namespace kelmar
