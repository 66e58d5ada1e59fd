#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace kelmar::test {

// Takes the links the desktop is asked to open (web, file and mail links)
// instead of a browser or mail program, while it exists.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    LinkCatcher()
    {
        for (const char* scheme : Schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~LinkCatcher() override
    {
        for (const char* scheme : Schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }

private:
    static constexpr const char* Schemes[] = {"http", "https", "file", "mailto"};
};

} // namespace kelmar::test
