#pragma once

#include <QFont>

namespace kelmar {

// The fonts of the main window: a plain sans face at 8.25 pt ("Sans") and
// a small one at 6.75 pt ("Small"), each from the nearest sans family the
// system has.
class WindowFonts {
public:
    static QFont sans();
    static QFont sansBold(); // the window's own font
    static QFont small();
    static QFont smallBold();
    static QFont small(double pointSize);
};

} // namespace kelmar
