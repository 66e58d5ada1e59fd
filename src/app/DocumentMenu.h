#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "midi/take/TakeRecorder.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace kelmar {

class MainWindow;
class MidiOutputPort;

// The File menu's documents, added once Extended Play has been asked for
// in a run (a plain start keeps the File menu as it was): "&Record Take..."
// (then "S&top Recording") for takes, "&Open Setup..." and "Save Setup
// &As..." for performance setups. Nothing is written or read unless the
// user asks. While a take runs the window says so, and for how long.
class DocumentMenu : public QObject {
    Q_OBJECT
public:
    // `tell` shows a message to the user.
    DocumentMenu(MainWindow& window, std::function<void(const QString&)> tell);
    ~DocumentMenu() override;

    // Adds the items to the File menu, before its separator (once).
    void show();

    // Opens the setup in `path` and applies it; a setup that cannot be used
    // is refused whole and told. True when it was applied.
    bool openSetup(const QString& path);
    // Saves what the window holds now; a failure is told. True when saved.
    bool saveSetup(const QString& path);

    // Records what is played from now on into `path`, asking first when a
    // file is there. True when the take runs.
    bool startTake(const QString& path);
    // Ends the take (the file's last notes ended, complete), without
    // waiting for the disk; a problem is told.
    void stopTake();
    // Ends the take and waits for it: the program is ending.
    void endTake();
    const TakeRecorder& recorder() const { return recorder_; }

private:
    QAction* item(QMenu* file, QAction* before, const char* name, const QString& caption);
    void chooseSetupToOpen();
    void chooseSetupToSave();
    void chooseTake();
    void showTake();
    void takeFailed(const QString& why);

    MainWindow& window_;
    MidiOutputPort& output_;
    std::function<void(const QString&)> tell_;
    bool shown_ = false;
    TakeRecorder recorder_;
    QAction* record_ = nullptr;
    QLabel* takeLabel_;
    QTimer* takeClock_;
};

} // namespace kelmar
