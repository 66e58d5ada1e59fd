#pragma once

#include <QWidget>

#include <algorithm>
#include <vector>

namespace kelmar {

// Chains the widgets' tab order in reading order: rows from top to bottom,
// each from left to right. A widget whose top lies within `rowTolerance`
// pixels of a row's first widget belongs to that row. The first widget in
// reading order keeps its place in the window's chain; the others follow it.
inline void setReadingTabOrder(std::vector<QWidget*> widgets, int rowTolerance)
{
    std::ranges::stable_sort(widgets, {}, [](const QWidget* w) { return w->y(); });
    for (auto rowStart = widgets.begin(); rowStart != widgets.end();) {
        const int top = (*rowStart)->y();
        const auto rowEnd =
            std::find_if(rowStart, widgets.end(), [&](const QWidget* w) { return w->y() - top > rowTolerance; });
        std::stable_sort(rowStart, rowEnd, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        rowStart = rowEnd;
    }
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace kelmar
