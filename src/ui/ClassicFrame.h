#pragma once

#include <QGroupBox>

namespace kelmar {

// A frame drawn as the window's layout expects: an etched rectangle whose
// top edge runs through the middle of the caption, so children placed near
// the top sit below the caption line and not across a second border.
class ClassicFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ClassicFrame(const QString& caption, QWidget* parent);
    explicit ClassicFrame(QWidget* parent) : ClassicFrame(QString(), parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kelmar
