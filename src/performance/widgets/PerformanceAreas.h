#pragma once

#include <QObject>
#include <QPointF>

#include <array>

#include "performance/MousePerformance.h"
#include "performance/PerformanceState.h"
#include "performance/widgets/PerformanceAreaWidgets.h"

namespace kelmar {

class MidiMessageLayer;
struct PairView;

// The four performance areas: their widgets and the handlers that feed the
// widgets' events to MousePerformance and show what it answers. Each
// handler is named after its control and takes the area index first.
class PerformanceAreas : public QObject {
    Q_OBJECT
public:
    // Builds the areas inside `container` (the "Mouse Performance Controls"
    // frame), which owns them.
    PerformanceAreas(MidiMessageLayer& midi, QWidget* container);

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

private:
    void connectArea(const PerformanceAreaWidgets& w);

    void PerformanceImageMouseMove(int index, QPointF position);
    void PerformanceImageMouseDown(int index, Qt::MouseButton button, QPointF position);
    void PerfCheckToggled(int index, bool checked);
    void HeightComboPicked(int index, int position);
    void WidthComboPicked(int index, int position);

    PointerSample sample(int index, QPointF position) const;
    void showReadout(int index, const std::optional<std::string>& readout);
    void showPair(int index, const PairView& view);

    MousePerformance performance_;
    std::array<PerformanceAreaWidgets, AreaCount> areas_;
};

} // namespace kelmar
