#pragma once

#include <QProcess>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "midi/MidiMessage.h"

namespace kelmar::test {

// A MIDI file as Debian's python3-mido reads it: an independent reader,
// strict about data bytes and chunk lengths.
struct MidoFile {
    struct Event {
        double ms = 0;    // from the file's start, at its tempo
        std::string what; // a message's bytes in hex ("90 3C 64"), or a meta event's type
    };

    std::string error; // mido's complaint; empty when it read the file
    int format = -1, tracks = 0, division = 0;
    long long size = 0, trackEnd = 0; // the file's length; where its track ends by the chunk's length
    std::vector<Event> events;

    static MidoFile read(const std::string& path)
    {
        static const char* const script = R"(
import sys, mido
f = mido.MidiFile(sys.argv[1])
data = open(sys.argv[1], 'rb').read()
print(f.type, len(f.tracks), f.ticks_per_beat, len(data), 22 + int.from_bytes(data[18:22], 'big'))
tick, tempo = 0, 500000
for m in f.tracks[0]:
    tick += m.time
    what = m.hex() if not m.is_meta else m.type + {'set_tempo': '_%d' % getattr(m, 'tempo', 0),
                                                   'text': '_%d' % len(getattr(m, 'text', ''))}.get(m.type, '')
    print('%.3f %s' % (mido.tick2second(tick, f.ticks_per_beat, tempo) * 1000, what))
    tempo = getattr(m, 'tempo', tempo)
)";
        QProcess python;
        python.start("/usr/bin/python3", {"-c", script, QString::fromStdString(path)});
        MidoFile file;
        if (!python.waitForFinished(30000) || python.exitCode() != 0) {
            file.error = "mido: " + python.readAllStandardError().toStdString();
            return file;
        }
        std::istringstream out(python.readAllStandardOutput().toStdString());
        out >> file.format >> file.tracks >> file.division >> file.size >> file.trackEnd;
        for (Event e; out >> e.ms && std::getline(out >> std::ws, e.what);)
            file.events.push_back(e);
        return file;
    }

    // Events up to the first End of Track (what a strict reader plays),
    // without the empty text events left where write batches join.
    std::vector<Event> played() const
    {
        std::vector<Event> out;
        for (std::size_t i = 0; i < events.size() && events[i].what != "end_of_track"; ++i) {
            if (events[i].what != "text_0")
                out.push_back(events[i]);
        }
        return out;
    }
};

inline std::string hex(const MidiBytes& message)
{
    std::string out;
    for (std::size_t i = 0; i < message.size; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%s%02X", i == 0 ? "" : " ", message.data[i]);
        out += byte;
    }
    return out;
}

} // namespace kelmar::test
