#include "settings/PreferencesController.h"

#include "ui/WindowSystem.h"

namespace kelmar {

void PreferencesController::show()
{
    if (!window_)
        window_ = new PreferencesWindow(owner_);
    window_->show();
    bringToFront(window_);
}

} // namespace kelmar
