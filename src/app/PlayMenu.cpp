#include "app/PlayMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <array>

#include "performance/widgets/PerformanceAreas.h"

namespace kelmar {

namespace {

// Captions with access keys unique within their submenu; translated where
// the menu is built.
constexpr std::array<const char*, 9> ScaleCaptions = {
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Chromatic"),        QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Major"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Natural Minor"),    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Harmonic Minor"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "Major &Pentatonic"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "Minor Pen&tatonic"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Blues"),            QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Dorian"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "Mi&xolydian"),
};
constexpr std::array<const char*, 12> RootCaptions = {
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&C"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "C#"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&D"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "D#"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&E"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&F"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "F#"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&G"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "G#"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&A"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "A#"), QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&B"),
};
constexpr std::array<const char*, 2> NoteCaptions = {
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&Held Until Silenced"),
    QT_TRANSLATE_NOOP("kelmar::PlayMenu", "&One Note per Area"),
};

} // namespace

PlayMenu::PlayMenu(QMainWindow& window, PerformanceAreas& areas)
    : QObject(&window)
    , window_(window)
    , areas_(areas)
    , extended_(new QAction(tr("&Extended Play"), this))
{
    extended_->setObjectName("MnuExtendedPlay");
    extended_->setCheckable(true);
    extended_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // Part of the window, so that its shortcut works before the menu exists.
    window_.addAction(extended_);
    connect(extended_, &QAction::toggled, this, [this](bool on) { setExtended(on); });
}

void PlayMenu::setExtended(bool on)
{
    build();
    extended_->setChecked(on); // runs this again only on a change
    areas_.setExtended(on);
}

void PlayMenu::setScale(const Scale& scale)
{
    MousePerformance& performance = areas_.performance();
    performance.setScale(scale.kind());
    performance.setRoot(scale.root());
    areas_.bandsChanged();
    showChoices();
}

void PlayMenu::setNoteMode(NoteMode mode)
{
    areas_.performance().setNoteMode(mode);
    showChoices();
}

void PlayMenu::build()
{
    if (menu_)
        return;
    menu_ = new QMenu(tr("Pla&y"), &window_);
    menu_->setObjectName("MnuPlay");
    menu_->menuAction()->setObjectName("MnuPlay");
    auto* help = window_.findChild<QMenu*>("MnuHelp");
    window_.menuBar()->insertMenu(help ? help->menuAction() : nullptr, menu_);
    menu_->addAction(extended_);
    QAction* big = menu_->addAction(tr("&Big Picture"));
    big->setObjectName("MnuBigPicture");
    big->setShortcut(QKeySequence(Qt::Key_F11));
    connect(big, &QAction::triggered, this, &PlayMenu::bigPictureAsked);
    menu_->addSeparator();

    MousePerformance& performance = areas_.performance();
    QMenu* scales = submenu("MnuScale", tr("&Scale"));
    scales_ = new QActionGroup(this);
    for (std::size_t k = 0; k < ScaleCaptions.size(); ++k)
        connect(choice(scales, scales_, "MnuScaleItem", static_cast<int>(k), tr(ScaleCaptions[k])), &QAction::triggered,
                this, [this, &performance, k] {
                    performance.setScale(static_cast<ScaleKind>(k));
                    areas_.bandsChanged();
                });
    QMenu* roots = submenu("MnuRoot", tr("&Root"));
    roots_ = new QActionGroup(this);
    for (std::size_t k = 0; k < RootCaptions.size(); ++k)
        connect(choice(roots, roots_, "MnuRootItem", static_cast<int>(k), tr(RootCaptions[k])), &QAction::triggered, this,
                [this, &performance, k] {
                    performance.setRoot(static_cast<int>(k));
                    areas_.bandsChanged();
                });
    QMenu* notes = submenu("MnuNotes", tr("&Notes"));
    notes_ = new QActionGroup(this);
    for (std::size_t k = 0; k < NoteCaptions.size(); ++k)
        connect(choice(notes, notes_, "MnuNotesItem", static_cast<int>(k), tr(NoteCaptions[k])), &QAction::triggered,
                this, [&performance, k] { performance.setNoteMode(static_cast<NoteMode>(k)); });
    showChoices();
    emit shown();
}

QMenu* PlayMenu::submenu(const char* name, const QString& caption)
{
    QMenu* sub = menu_->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    return sub;
}

QAction* PlayMenu::choice(QMenu* menu, QActionGroup* group, const char* name, int index, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setProperty("Index", index);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

// The check marks follow what the performance holds.
void PlayMenu::showChoices()
{
    if (!menu_)
        return;
    const ExtendedSettings& settings = areas_.performance().extendedSettings();
    auto check = [](QActionGroup* group, int index) {
        const QList<QAction*> items = group->actions();
        if (index >= 0 && index < items.size())
            items[index]->setChecked(true);
    };
    check(scales_, static_cast<int>(settings.scale.kind()));
    check(roots_, settings.scale.root());
    check(notes_, static_cast<int>(settings.noteMode));
}

} // namespace kelmar
