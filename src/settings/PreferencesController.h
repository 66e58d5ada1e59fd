#pragma once

#include <QPointer>

#include "settings/PreferencesWindow.h"

namespace kelmar {

// Shows the one preferences window modeless: showing it while it is open
// brings that same window forward; after it was closed, a new one is made.
class PreferencesController {
public:
    explicit PreferencesController(QWidget* owner) : owner_(owner) {}
    ~PreferencesController() { delete window_.data(); }
    PreferencesController(const PreferencesController&) = delete;
    PreferencesController& operator=(const PreferencesController&) = delete;

    void show();
    PreferencesWindow* window() const { return window_; }

private:
    QWidget* owner_;
    QPointer<PreferencesWindow> window_;
};

} // namespace kelmar
