#pragma once

#include <QScrollBar>

namespace kelmar {

// A horizontal scroll bar used as a value control: a tab stop whose keys
// move it as its arrows and trough do: Left/Right one step down/up, Page
// Down/Page Up one page, Home/End to its ends. (QScrollBar on its own turns
// the horizontal keys round; the wheel keeps QScrollBar's direction.)
class ValueBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ValueBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kelmar
