#include "help/AboutBox.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/Twips.h"
#include "ui/WindowFonts.h"

namespace kelmar {

namespace {
// Shown in the user's language; the verse and its title stay Latin.
constexpr const char* DescriptionText =
    QT_TRANSLATE_NOOP("kelmar::AboutBox", "kelmor - (pronounced 'KEL-mor') - Algorithmic General MIDI Mouse Performer");
} // namespace

const QString AboutBox::Verse = QStringLiteral(
    "Surge, aquilo,\r\n"
    "et veni, auster;\r\n"
    "perfla hortum meum,\r\n"
    "et fluant aromata illius.\r\n"
    " \r\n"
    "Veniat dilectus meus in hortum suum\r\n"
    "et comedat fructus eius optimos.\r\n"
    "Veni in hortum meum, soror mea sponsa;\r\n"
    "messui myrrham meam cum aromatibus meis,\r\n"
    "comedi favum cum melle,\r\n"
    "bibi vinum cum lacte meo.\r\n"
    "Comedite, amici, et bibite\r\n"
    "et inebriamini, carissimi.\r\n");

const QString AboutBox::Description = QString::fromLatin1(DescriptionText);

const QString AboutBox::VerseTitle = QStringLiteral("Canticum Canticorum");

namespace {
const QColor Grey(128, 128, 128);
const QColor LightGrey(224, 224, 224);
// Behind the light grey description line: the picture's deep blue, so the
// line stays readable where it lies over the verse.
const QColor DescriptionBackground(11, 29, 58);

const char* const Notice =
    QT_TRANSLATE_NOOP("kelmar::AboutBox", "Free software for live\nperformance with the\nmouse. No warranty.");
} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("kelmar_about");
    setWindowTitle(tr("About Kelmar..."));
    setFixedSize(Twips::toPixels(TwipRect{0, 0, 8040, 3585}).size());
    setFont(WindowFonts::sans());

    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setGeometry(Twips::toPixels(TwipRect{15, 60, 4290, 3495}));
    image1_->setPixmap(QPixmap(":/kelmar/about.jpg"));
    image1_->setScaledContents(true);
    image1_->setMouseTracking(true);
    image1_->installEventFilter(this);
    image1_->setAccessibleName(tr("Kelmar picture"));

    hotSpot_ = new QWidget(this);
    hotSpot_->setObjectName("kelmor_about");
    hotSpot_->setGeometry(Twips::toPixels(TwipRect{2730, 3060, 1515, 405}));
    hotSpot_->setMouseTracking(true);
    hotSpot_->installEventFilter(this);

    text2_ = textBox("Text2", Twips::toPixels(TwipRect{4500, 75, 3435, 2595}), palette().color(QPalette::WindowText));
    text2_->setFont(WindowFonts::small(7.0)); // all thirteen lines fit the box
    text2_->setPlainText(QString(Verse).replace("\r\n", "\n"));
    text2_->viewport()->installEventFilter(this);
    text2_->setAccessibleName(VerseTitle);

    text3_ = textBox("Text3", Twips::toPixels(TwipRect{4440, 60, 1920, 960}), LightGrey);
    QPalette descriptionPalette = text3_->palette();
    descriptionPalette.setColor(QPalette::Base, DescriptionBackground);
    text3_->setPalette(descriptionPalette);
    text3_->setLineWrapMode(QPlainTextEdit::WidgetWidth); // the description wraps within its box
    // Presses pass through the line to the verse it lies over.
    text3_->setAttribute(Qt::WA_TransparentForMouseEvents);
    text3_->hide(); // shown, over the verse, while it holds a line
    text3_->raise();
    text3_->setAccessibleName(tr("Description"));

    text1_ = textBox("Text1", Twips::toPixels(TwipRect{4350, 2685, 2025, 825}), Grey);
    text1_->setPlainText(tr(Notice));
    text1_->setAccessibleName(tr("Notice"));

    label1_ = new QLabel("kelmar v0.1", this);
    label1_->setObjectName("Label1");
    label1_->setGeometry(Twips::toPixels(TwipRect{6360, 2880, 1095, 210}));
    label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label1_->setStyleSheet("color: white; background-color: rgb(11, 29, 58);");

    command1_ = new QPushButton("kelmar!", this);
    command1_->setObjectName("Command1");
    command1_->setGeometry(Twips::toPixels(TwipRect{6915, 3240, 1065, 315}));
    connect(command1_, &QPushButton::clicked, this, &QWidget::hide);
}

QPlainTextEdit* AboutBox::textBox(const char* name, const QRect& place, const QColor& textColour)
{
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFrameShape(QFrame::NoFrame);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->document()->setDocumentMargin(1);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Button));
    p.setColor(QPalette::Text, textColour);
    box->setPalette(p);
    return box;
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    auto showLine = [this](const QString& line) {
        text3_->setPlainText(line);
        text3_->setVisible(!line.isEmpty());
    };
    if (event->type() == QEvent::MouseMove) {
        if (watched == hotSpot_)
            showLine(tr(DescriptionText));
        else if (watched == image1_)
            showLine(QString());
    } else if (event->type() == QEvent::MouseButtonPress && watched == text2_->viewport()) {
        showLine(VerseTitle);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelmar
