#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace kelmar {

// The Help menu's entries and what each opens. Entries 2 and 6 are
// separators; entry 8 is the about box; the others are links handed to the
// desktop, which opens them with the user's browser or mail program.
class HelpLinks {
public:
    static constexpr int EntryCount = 9;
    static constexpr int AboutEntry = 8;

    // Caption of Help entry n ("-" for a separator).
    static QString caption(int n);
    static bool isSeparator(int n) { return n == 2 || n == 6; }
    // The link of entry n; none for the separators and the about box.
    static std::optional<QUrl> link(int n);
    // Kelmar's own user manual, shipped and installed beside the program.
    static QUrl manualUrl();

    // Hands the link of entry n to the desktop and ignores the outcome;
    // the program itself never reaches a network.
    void OpenHelpLink(int n);

    int lastEntry() const { return lastEntry_; }

private:
    int lastEntry_ = -1;
};

} // namespace kelmar
