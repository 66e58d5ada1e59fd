#pragma once

#include <QComboBox>
#include <QMetaObject>

#include <memory>

namespace kelmar {

// Runs `handle(position)` when a list reaches a new position from code, and
// on every pick by the user, also a pick of the entry already shown. A user
// pick that changes the position raises both currentIndexChanged and
// activated in one go; the change handles it and the activation that
// follows in the same turn of the event loop is skipped. -1 (an emptied
// list) handles nothing.
template <typename Handle>
void connectPicks(QComboBox* list, QObject* context, Handle handle)
{
    auto changedThisTurn = std::make_shared<bool>(false);
    QObject::connect(list, &QComboBox::currentIndexChanged, context, [list, changedThisTurn, handle](int position) {
        if (position >= 0)
            handle(position);
        // Set after the handling: a nested event loop in it must not clear it.
        *changedThisTurn = true;
        QMetaObject::invokeMethod(list, [changedThisTurn] { *changedThisTurn = false; }, Qt::QueuedConnection);
    });
    QObject::connect(list, &QComboBox::activated, context, [changedThisTurn, handle](int position) {
        const bool handled = *changedThisTurn;
        *changedThisTurn = false;
        if (!handled && position >= 0)
            handle(position);
    });
}

// Picks `position` in `list` as the user would: its handling runs also
// when the list already shows that entry.
inline void pickEntry(QComboBox* list, int position)
{
    if (list->currentIndex() != position)
        list->setCurrentIndex(position);
    else
        emit list->activated(position);
}

} // namespace kelmar
