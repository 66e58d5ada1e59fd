#pragma once

#include <memory>

#include "midi/MidiDeviceCatalogue.h"

namespace kelmar {

// The one place that knows this system's MIDI backends.
class SystemMidi {
public:
    // The catalogue of this system: the built-in synthesizer (also the
    // default output), JACK and the ALSA sequencer, each only if it works.
    // The JACK client starts opening at once, in the background.
    // Sound::Off: the synthesizer starts no audio driver (only listing).
    // Call it before the program starts threads of its own: it sets the
    // environment the backends read.
    enum class Sound { On, Off };
    static std::unique_ptr<MidiDeviceCatalogue> createCatalogue(Sound sound = Sound::On);

    // True while a backend's thread that the program left to itself (held
    // up by a server that does not answer) still runs: the process then
    // ends without its exit handlers, which that thread may hold up.
    static bool threadsLeftRunning() noexcept;
};

} // namespace kelmar
