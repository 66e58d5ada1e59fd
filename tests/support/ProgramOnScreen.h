#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>
#include <string>

#include "support/XDisplay.h"

namespace kelmar::test {

// Helpers for tests that drive the real program on an X display.

// Answers the real program's setup dialog as a person would: opens the
// output list with the pointer, types the start of a device's name, takes
// it with Return and presses Ok. Places are the dialog's own, in pixels.
inline void chooseOutputInSetupDialog(XDisplay& display, unsigned long dialog, const std::string& typed)
{
    constexpr QPoint OutputList{240, 46};
    constexpr QPoint OkButton{367, 32};
    const QPoint origin = display.geometry(dialog).topLeft();
    display.click(origin + OutputList);
    display.type(typed);
    display.key("Return");
    display.click(origin + OkButton);
}

// The blue rectangle that holds the leftmost, then topmost, pure blue
// pixel on the screen: area 0's performance picture.
inline std::optional<QRect> findArea0Picture(const QImage& screen)
{
    auto blue = [&](int x, int y) {
        const QRgb pixel = screen.pixel(x, y);
        return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 255;
    };
    for (int x = 0; x < screen.width(); ++x) {
        for (int y = 0; y < screen.height(); ++y) {
            if (!blue(x, y))
                continue;
            int right = x;
            while (right + 1 < screen.width() && blue(right + 1, y))
                ++right;
            int bottom = y;
            while (bottom + 1 < screen.height() && blue(x, bottom + 1))
                ++bottom;
            return QRect(QPoint(x, y), QPoint(right, bottom));
        }
    }
    return std::nullopt;
}

} // namespace kelmar::test
