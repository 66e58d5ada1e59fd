#pragma once

#include <QComboBox>
#include <QStringList>

namespace kelmar {

// Fills a list; the first entry and then the picked one run its handling.
inline void fillList(QComboBox* list, const QStringList& entries, int picked)
{
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(picked);
}

} // namespace kelmar
