#include "app/ErrorBox.h"

#include <QMessageBox>

namespace kelmar {

ErrorBox::ErrorBox(QWidget* parent)
    : QObject(parent)
    , parent_(parent)
{
}

ErrorBox::~ErrorBox()
{
    if (box_) {
        box_->disconnect(this);
        delete box_.data();
    }
}

void ErrorBox::show(const QString& text)
{
    if ((box_ && text == shown_) || waiting_.contains(text) || waiting_.size() >= MaxWaiting)
        return;
    waiting_.append(text);
    if (!box_)
        scheduleNext();
}

void ErrorBox::scheduleNext()
{
    if (scheduled_ || waiting_.isEmpty())
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &ErrorBox::showNext, Qt::QueuedConnection);
}

void ErrorBox::showNext()
{
    scheduled_ = false;
    if (box_ || waiting_.isEmpty())
        return;
    shown_ = waiting_.takeFirst();
    box_ = new QMessageBox(QMessageBox::Information, QString(), shown_, QMessageBox::Ok, parent_);
    box_->setAttribute(Qt::WA_DeleteOnClose);
    // Without an event loop of its own (the caller is long gone and nothing
    // waits for the box to close), and not modal: the music goes on while
    // the box tells what happened.
    box_->setWindowModality(Qt::NonModal);
    connect(box_, &QDialog::finished, this, [this] {
        box_ = nullptr;
        shown_.clear();
        scheduleNext();
    });
    box_->show();
}

} // namespace kelmar
