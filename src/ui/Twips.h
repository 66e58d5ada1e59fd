#pragma once

#include <QRect>

namespace kelmar {

// A place on a window as the layout gives it: left, top, width x height in
// twips (1/1440 inch), relative to the control's container.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Twips to logical pixels: 15 twips to a pixel at 96 dots per inch; Qt
// scales logical pixels on high-density screens.
class Twips {
public:
    static constexpr int PerPixel = 15;

    static constexpr int toPixels(int twips) { return (twips + PerPixel / 2) / PerPixel; }
    static QRect toPixels(const TwipRect& r)
    {
        return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
    }
};

} // namespace kelmar
