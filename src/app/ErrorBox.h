#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QMessageBox;
class QWidget;

namespace kelmar {

// Shows error texts to the user in a message box, one box at a time.
// show() only takes note: the box opens once control is back in the event
// loop, never inside the handler that reported the error. While a box is
// open (or about to open), a text that is already shown or waiting is not
// taken again; a different text waits and is shown, in order, once the box
// before it is closed. At most MaxWaiting texts wait; more are not shown.
class ErrorBox : public QObject {
public:
    static constexpr int MaxWaiting = 8;

    explicit ErrorBox(QWidget* parent);
    ~ErrorBox() override;

    void show(const QString& text);

private:
    void scheduleNext();
    void showNext();

    QWidget* parent_;
    QPointer<QMessageBox> box_;
    QString shown_;      // the open box's text
    QStringList waiting_;
    bool scheduled_ = false;
};

} // namespace kelmar
