#include "ui/WindowFonts.h"

#include <QStringList>

namespace kelmar {

namespace {

// Percent of the face's normal width: the first four faces share
// Helvetica's widths, and at 84 % every caption fits the room the layout
// gives it (captions_fit_test measures them).
constexpr int Stretch = 84;
constexpr double SansSize = 8.25;
constexpr double SmallSize = 6.75;

QFont make(double pointSize, bool bold)
{
    QFont font;
    // Helvetica-like faces first, a little condensed: the layout was made
    // for a narrow sans face, and wider ones clip the captions.
    font.setFamilies({"Nimbus Sans", "Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStretch(Stretch);
    return font;
}

} // namespace

QFont WindowFonts::sans() { return make(SansSize, false); }
QFont WindowFonts::sansBold() { return make(SansSize, true); }
QFont WindowFonts::small() { return make(SmallSize, false); }
QFont WindowFonts::smallBold() { return make(SmallSize, true); }
QFont WindowFonts::small(double pointSize) { return make(pointSize, false); }

} // namespace kelmar
