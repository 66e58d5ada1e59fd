#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace kelmar {

class MainWindow;

// The File menu's documents, added once Extended Play has been asked for
// in a run (a plain start keeps the File menu as it was): "&Open Setup..."
// and "Save Setup &As..." for performance setups. Nothing is written or
// read unless the user asks.
class DocumentMenu : public QObject {
    Q_OBJECT
public:
    // `tell` shows a message to the user.
    DocumentMenu(MainWindow& window, std::function<void(const QString&)> tell);

    // Adds the items to the File menu, before its separator (once).
    void show();

    // Opens the setup in `path` and applies it; a setup that cannot be used
    // is refused whole and told. True when it was applied.
    bool openSetup(const QString& path);
    // Saves what the window holds now; a failure is told. True when saved.
    bool saveSetup(const QString& path);

private:
    QAction* item(QMenu* file, QAction* before, const char* name, const char* caption);
    void chooseSetupToOpen();
    void chooseSetupToSave();

    MainWindow& window_;
    std::function<void(const QString&)> tell_;
    bool shown_ = false;
};

} // namespace kelmar
