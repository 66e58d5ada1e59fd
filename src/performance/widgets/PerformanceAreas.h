#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointF>
#include <QString>

#include <array>

#include "performance/MousePerformance.h"
#include "performance/PerformanceState.h"
#include "performance/widgets/PerformanceAreaWidgets.h"

namespace kelmar {

class MidiMessageLayer;
class PerformancePicture;
struct PairView;

// The four performance areas: their widgets and the handlers that feed the
// widgets' events to MousePerformance and show what it answers. Each
// handler is named after its control and takes the area index first.
class PerformanceAreas : public QObject, private QAccessible::ActivationObserver {
    Q_OBJECT
public:
    // Builds the areas inside `container` (the "Mouse Performance Controls"
    // frame), which owns them.
    PerformanceAreas(MidiMessageLayer& midi, QWidget* container);
    ~PerformanceAreas() override;

    const PerformanceAreaWidgets& area(int index) const { return areas_.at(static_cast<std::size_t>(index)); }
    MousePerformance& performance() { return performance_; }
    const MousePerformance& performance() const { return performance_; }

    // Start-up: fills every HeightCombo with the axis parameters and picks
    // "Pitch", then every WidthCombo and picks "Velocity"; each pick runs
    // its handler. Filling again replaces the entries.
    void fillAxisLists();
    // Start-up: every area's pair back to Pitch / Velocity, code 1, whatever
    // the picks left; what the areas show is not changed.
    void resetPairTables();

    // Extended Play on or off for every area. What the areas show follows
    // the rules in use; switching off puts back what they showed before,
    // or what the classic rules show for a pair picked meanwhile.
    void setExtended(bool on);

    // Plays area `index` from `picture` too (a picture of another size in a
    // window of its own): its events act as the area's own picture's do,
    // scaled to its size, and write the area's readout.
    void playFrom(int index, PerformancePicture* picture);

    // Draws on `picture` the band guides of area `index`'s axes (none
    // where they would be too many, or under the classic rules).
    void showGuides(int index, PerformancePicture* picture) const;
    // Tells that the areas' bands may have changed (a new scale).
    void bandsChanged()
    {
        for (int i = 0; i < AreaCount; ++i)
            emit areaChanged(i);
    }

signals:
    // An area's readout has just been written.
    void readoutShown(int index, const QString& text);
    // An area's pair, limits or rules changed: its bands may have.
    void areaChanged(int index);

private:
    void accessibilityActiveChanged(bool active) override;

    // What an area showed under the classic rules when Extended Play came on.
    struct ClassicLook {
        int code = 1;
        QString info;
        bool pitchTextEnabled = false;
        bool velTextEnabled = false;
    };

    void connectArea(const PerformanceAreaWidgets& w);
    void showExtended(const PerformanceAreaWidgets& w);
    void showClassic(const PerformanceAreaWidgets& w);

    void PerformanceImageMouseMove(int index, const PerformancePicture* picture, QPointF position);
    void PerformanceImageMouseDown(int index, const PerformancePicture* picture, Qt::MouseButton button, QPointF position);
    void PerformanceImageMouseUp(int index, const PerformancePicture* picture, Qt::MouseButton button, QPointF position);
    void PerformanceImageLeft(int index);
    void PerfCheckToggled(int index, bool checked);
    void HeightComboPicked(int index, int position);
    void WidthComboPicked(int index, int position);
    // A limit box's text changed: Extended Play ends the area's note.
    void LimitChanged(int index);
    // A limit box lost the focus: under Extended Play a number shows the
    // value in use (clamped to what the axis' parameter takes).
    void LimitFinished(int index, PictureAxis axis);

    PointerSample sample(int index, const PerformancePicture* picture, QPointF position) const;
    void showReadout(int index, const std::optional<std::string>& readout);
    void showPair(int index, const PairView& view);

    MousePerformance performance_;
    std::array<PerformanceAreaWidgets, AreaCount> areas_;
    std::array<ClassicLook, AreaCount> classic_;
};

} // namespace kelmar
