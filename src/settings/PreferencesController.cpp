#include "settings/PreferencesController.h"

namespace kelmar {

void PreferencesController::show()
{
    if (!window_)
        window_ = new PreferencesWindow(owner_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace kelmar
