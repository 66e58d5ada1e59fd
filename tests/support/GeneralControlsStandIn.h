#pragma once

#include <vector>

#include "app/GeneralControls.h"

namespace kelmar::test {

// The main window's patch list and bars without widgets, around their real
// handling: moving a control to a new value runs its handling, moving it to
// the value it holds does nothing, as setCurrentIndex and setValue do. They
// start where the window's start-up leaves them. Every move is recorded.
// Give `handling` to the message layer as its controls.
class GeneralControlsStandIn : private GeneralControls::Controls {
public:
    explicit GeneralControlsStandIn(MidiMessageLayer& layer) : handling(layer, *this) {}

    GeneralControls handling;

    struct Call {
        char control; // 'P' patch list, 'V' volume bar, 'O' octave bar, 'N' pan bar
        int value;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    int patch = 0;
    int volume = 100;
    int octave = 3;
    int pan = 64;

private:
    template <typename Handle>
    void move(char control, int& held, int value, Handle handle)
    {
        calls.push_back({control, value});
        if (value == held)
            return;
        held = value;
        handle(value);
    }

    void setPatchPosition(int position) override
    {
        move('P', patch, position, [this](int p) { handling.patchPicked(p); });
    }
    void setVolumeScroll(int value) override
    {
        move('V', volume, value, [this](int v) { handling.volumeChanged(v); });
    }
    void setOctaveScroll(int value) override
    {
        move('O', octave, value, [this](int v) { handling.octaveChanged(v); });
    }
    void setPanScroll(int value) override
    {
        move('N', pan, value, [this](int v) { handling.panChanged(v); });
    }
};

} // namespace kelmar::test
