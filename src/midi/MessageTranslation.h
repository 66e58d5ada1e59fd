#pragma once

#include <QString>

#include <string>

namespace kelmar {

// The port layer's and the backends' messages (plain English sentences,
// made where the problem is met, on any thread) in the user's language,
// for the windows and the command line that show them. Each message is
// matched whole against the known sentences, whose variable parts (a
// device's name, a reason, a further message) are kept, themselves
// translated where they are known sentences too. A message that matches
// none is shown as it is.
class MessageTranslation {
public:
    static QString translated(const std::string& message);
    static QString translated(const QString& message);
};

} // namespace kelmar
