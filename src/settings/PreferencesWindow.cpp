#include "settings/PreferencesWindow.h"

#include <QCheckBox>

#include "ui/FramePlacement.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

namespace kelmar {

PreferencesWindow::PreferencesWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , prefsCheck_(new QCheckBox(tr("Display MIDI Setup on Load"), this))
{
    setObjectName("kelmor_prefs");
    setWindowTitle(tr("Kelmar Preferences"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The caption's room was laid out for the windows' narrow face.
    setFont(WindowFonts::sans());
    // The place and size of the whole window, title bar and borders included.
    FramePlacement::place(this, Twips::toPixels(TwipRect{3645, 3180, 4575, 3540}));
    prefsCheck_->setObjectName("PrefsCheck");
    prefsCheck_->setGeometry(Twips::toPixels(TwipRect{180, 195, 2475, 300}));
    prefsCheck_->setChecked(true);
}

} // namespace kelmar
