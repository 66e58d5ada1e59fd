#include "help/HelpLinks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

#include <array>

namespace kelmar {

namespace {

struct HelpEntry {
    const char* caption;
    const char* address; // empty: the manual, a separator or the about box
};

// Web addresses and the mail address of the Help menu, in entry order; the
// captions are translated where the menu shows them.
constexpr std::array<HelpEntry, HelpLinks::EntryCount> Entries{{
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "Online &Help..."), ""},
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "Other &Software..."), "https://software.brannoc.example.org/"},
    {"-", ""},
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "&Brannoc Website..."), "https://www.brannoc.example.org/"},
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "&Tessary..."), "https://tessary.brannoc.example.org/"},
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "&Varrow Website..."), "https://www.varrow.example.org/"},
    {"-", ""},
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "&Email..."), "mailto:kelmar@brannoc.example.org?subject=Kelmar"},
    {QT_TRANSLATE_NOOP("kelmar::HelpLinks", "&About Kelmar..."), ""},
}};

// Where the manual lies relative to the program: <prefix>/share/kelmar/manual
// beside <prefix>/bin when installed, and the same shape in the build tree.
constexpr const char* ManualPath = "../share/kelmar/manual/index.html";

} // namespace

QString HelpLinks::caption(int n)
{
    if (n < 0 || n >= EntryCount)
        return {};
    return QCoreApplication::translate("kelmar::HelpLinks", Entries[static_cast<std::size_t>(n)].caption);
}

QUrl HelpLinks::manualUrl()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(QDir::cleanPath(programDir.filePath(ManualPath)));
}

std::optional<QUrl> HelpLinks::link(int n)
{
    if (n == 0)
        return manualUrl();
    if (n < 0 || n >= AboutEntry || isSeparator(n))
        return std::nullopt;
    return QUrl(QString::fromLatin1(Entries[static_cast<std::size_t>(n)].address));
}

void HelpLinks::OpenHelpLink(int n)
{
    const auto url = link(n);
    if (!url)
        return;
    lastEntry_ = n;
    QDesktopServices::openUrl(*url); // a link that cannot be opened is not reported
}

} // namespace kelmar
