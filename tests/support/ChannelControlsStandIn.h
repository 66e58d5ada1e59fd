#pragma once

#include <vector>

#include "midi/ChannelControls.h"
#include "midi/MidiMessageLayer.h"

namespace kelmar::test {

// Behaves like the main window's patch list and volume and pan bars for the
// message layer: setting a value re-enters the control's handling only when
// the value changes, and that handling stores and sends as the window does.
class ChannelControlsStandIn : public ChannelControls {
public:
    explicit ChannelControlsStandIn(MidiMessageLayer& layer) : layer_(layer) {}

    void setPatchPosition(int programme) override
    {
        calls.push_back({'P', programme});
        if (programme == patch)
            return;
        patch = programme;
        layer_.channels().ChannelPatch[static_cast<std::size_t>(layer_.channels().CurrentChannel)] =
            static_cast<std::int16_t>(programme);
        layer_.SendProgramChange();
    }
    void setVolumeScroll(int value) override
    {
        calls.push_back({'V', value});
        if (value == volume)
            return;
        volume = value;
        layer_.channels().ChannelVolume[static_cast<std::size_t>(layer_.channels().CurrentChannel)] =
            static_cast<std::int16_t>(value);
    }
    void setPanScroll(int value) override
    {
        calls.push_back({'N', value});
        if (value == pan)
            return;
        pan = value;
        layer_.channels().ChannelPan[static_cast<std::size_t>(layer_.channels().CurrentChannel)] =
            static_cast<std::int16_t>(value);
        layer_.SendPan();
    }

    struct Call {
        char control; // 'P' patch list, 'V' volume bar, 'N' pan bar
        int value;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    int patch = 0;
    int volume = 100;
    int pan = 64;

private:
    MidiMessageLayer& layer_;
};

} // namespace kelmar::test
