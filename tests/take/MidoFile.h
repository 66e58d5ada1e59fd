#pragma once

#include <QProcess>
#include <QStringList>

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
        double ms = 0;    // from the file's start, by its tempo
        std::string what; // a message's bytes in hex ("90 3C 64"), or a meta event's type
    };

    std::string error; // mido's complaint; empty when it read the file
    int format = -1;
    int tracks = 0;
    int division = 0;
    long long size = 0;     // the file's length
    long long trackEnd = 0; // where the first track's chunk ends, by its length
    std::vector<Event> events;

    static MidoFile read(const std::string& path)
    {
        static const char* const script = R"(
import sys, mido
f = mido.MidiFile(sys.argv[1])
data = open(sys.argv[1], 'rb').read()
print('file', f.type, len(f.tracks), f.ticks_per_beat, len(data), 22 + int.from_bytes(data[18:22], 'big'))
tick, tempo = 0, 500000
for m in f.tracks[0]:
    tick += m.time
    ms = mido.tick2second(tick, f.ticks_per_beat, tempo) * 1000  # one tempo, at the start
    if m.type == 'set_tempo':
        tempo = m.tempo
        print('%.3f set_tempo_%d' % (ms, m.tempo))
    elif m.type == 'text':
        print('%.3f text_%d' % (ms, len(m.text)))
    elif m.is_meta:
        print('%.3f %s' % (ms, m.type))
    else:
        print('%.3f %s' % (ms, m.hex()))
)";
        QProcess python;
        python.start("/usr/bin/python3", {"-c", script, QString::fromStdString(path)});
        MidoFile file;
        if (!python.waitForFinished(30000) || python.exitCode() != 0) {
            file.error = "mido: " + python.readAllStandardError().toStdString();
            return file;
        }
        std::istringstream lines(python.readAllStandardOutput().toStdString());
        std::string word;
        lines >> word >> file.format >> file.tracks >> file.division >> file.size >> file.trackEnd;
        std::string line;
        std::getline(lines, line);
        while (std::getline(lines, line)) {
            const auto space = line.find(' ');
            file.events.push_back({std::stod(line.substr(0, space)), line.substr(space + 1)});
        }
        return file;
    }

    // Events up to the first End of Track (what a strict reader plays),
    // without the empty text events left where batches join.
    std::vector<Event> played() const
    {
        std::vector<Event> out;
        for (const Event& e : events) {
            if (e.what == "end_of_track")
                break;
            if (e.what != "text_0")
                out.push_back(e);
        }
        return out;
    }
};

inline std::string hex(const MidiBytes& message)
{
    std::string out;
    for (std::size_t i = 0; i < message.size; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", message.data[i]);
        out += byte;
    }
    return out;
}

} // namespace kelmar::test
