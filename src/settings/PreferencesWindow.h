#pragma once

#include <QWidget>

class QCheckBox;

namespace kelmar {

// The preferences window kelmor_prefs: one check box, kept only while the
// window is open. Nothing reads it and nothing is saved; every start of the
// program applies the same built-in defaults. Closing the window discards it.
class PreferencesWindow : public QWidget {
    Q_OBJECT

public:
    explicit PreferencesWindow(QWidget* owner = nullptr);

    QCheckBox* PrefsCheck() const { return prefsCheck_; }

private:
    QCheckBox* prefsCheck_;
};

} // namespace kelmar
