#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <array>
#include <string>
#include <variant>

#include "performance/PerformanceState.h"

namespace kelmar {

// A performance setup as the user saves and opens it: each area's pair and
// boxes, Extended Play's choices and every channel's settings. A document,
// not a setting: nothing is read or written unless the user asks.
//
// On disk it is a small JSON document {"format": "kelmar-setup",
// "version": 1, ...}; reading checks the whole of it and refuses it whole,
// naming the first problem, so that nothing half-applies.
struct PerformanceSetup {
    static constexpr const char* Format = "kelmar-setup";
    static constexpr int Version = 1;
    // Larger files are no setup (a setup is some 4 KB).
    static constexpr qint64 MaxBytes = 64 * 1024;
    // Longest text a box of an area may hold.
    static constexpr int MaxBoxText = 32;

    struct Area {
        int height = 0; // axis list positions
        int width = 1;
        std::string pitchText = "63";
        std::string velText = "120";
        std::array<std::string, 4> limits{"VLimitMin", "VLimitMax", "HLMin", "HLMax"};
        bool mouseDownOnly = false;
        bool enabled = true;
        bool operator==(const Area&) const = default;
    };
    struct Channel {
        int programme = 0;
        int volume = 0;
        int octave = 0;
        int pan = 0;
        bool operator==(const Channel&) const = default;
    };

    std::array<Area, AreaCount> areas{};
    bool extended = false;
    int scale = 0; // ScaleKind
    int root = 0;
    int noteMode = 1; // NoteMode
    int currentChannel = 0;
    std::array<Channel, 16> channels{};
    bool operator==(const PerformanceSetup&) const = default;

    QByteArray toJson() const;
    // The setup a document holds, or the first problem found in it.
    static std::variant<PerformanceSetup, QString> fromJson(const QByteArray& document);

    // The setup in `path`, or why it cannot be opened.
    static std::variant<PerformanceSetup, QString> read(const QString& path);
    // Writes the setup to `path` whole or not at all (the old file stays
    // until the new one is complete); empty on success, else why not.
    QString write(const QString& path) const;

    Q_DECLARE_TR_FUNCTIONS(kelmar::PerformanceSetup)
};

} // namespace kelmar
