#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelmar {

// The about box kelmar_about: a picture, a verse, the version, and a
// description line (Text3) that changes as the pointer passes the marked
// spot of the picture. Its button only hides it; shown again it is as it was.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    // Thirteen lines, each ended by CR LF; the fifth line is one blank.
    static const QString Verse;
    // In English; the box shows it in the user's language.
    static const QString Description;
    static const QString VerseTitle;

    explicit AboutBox(QWidget* parent = nullptr);

    QPlainTextEdit* Text3() const { return text3_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* textBox(const char* name, const QRect& place, const QColor& textColour);

    QLabel* image1_;
    QWidget* hotSpot_;
    QPlainTextEdit* text1_;
    QPlainTextEdit* text2_;
    QPlainTextEdit* text3_;
    QLabel* label1_;
    QPushButton* command1_;
};

} // namespace kelmar
