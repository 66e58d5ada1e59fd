#pragma once

#include <QPixmap>

namespace kelmar {

// The two 20 x 19 decoration pictures beside the all-notes-off button.
class DecorationImages {
public:
    static constexpr int Width = 20;
    static constexpr int Height = 19;

    static QPixmap go();     // GoImage: a green disc with a white play arrow
    static QPixmap allOff(); // AllOffImage: a red octagon with a white bar
};

} // namespace kelmar
