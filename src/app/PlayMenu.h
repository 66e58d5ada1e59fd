#pragma once

#include <QObject>

#include "performance/NoteMode.h"
#include "performance/Scale.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace kelmar {

class PerformanceAreas;

// Extended Play's switch and its menu. A plain start shows only the
// window's four menus; the switch (Ctrl+E, or --extended) works from the
// start, and once Extended Play has been asked for, "Pla&y" stands between
// MIDI and Help for the rest of the run: the check item "&Extended Play"
// (Ctrl+E) and the submenus of the scale, its root and how notes end, each
// with its choice checked. Nothing is kept between runs.
class PlayMenu : public QObject {
    Q_OBJECT
public:
    PlayMenu(QMainWindow& window, PerformanceAreas& areas);

    // As the check item does: switches Extended Play, showing the menu first.
    void setExtended(bool on);
    void setScale(const Scale& scale);
    void setNoteMode(NoteMode mode);
    QMenu* menu() const { return menu_; }

signals:
    // The menu has just been added to the menu bar (once a run).
    void shown();
    // "&Big Picture" (F11) was chosen.
    void bigPictureAsked();

private:
    void build();
    QMenu* submenu(const char* name, const QString& caption);
    QAction* choice(QMenu* menu, QActionGroup* group, const char* name, int index, const QString& caption);
    void showChoices();

    QMainWindow& window_;
    PerformanceAreas& areas_;
    QAction* extended_;
    QMenu* menu_ = nullptr;
    QActionGroup* scales_ = nullptr;
    QActionGroup* roots_ = nullptr;
    QActionGroup* notes_ = nullptr;
};

} // namespace kelmar
