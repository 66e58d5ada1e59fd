// The least a pointer move costs any Qt Widgets program here, for
// scripts/measure-pointer.sh to measure in the program's place: a dialog
// titled "MIDI Setup" (Return closes it), then a window titled "Kelmar" with
// a blue 138 x 102 picture that follows the pointer. With --readout, each
// move also sets a label's text, which Qt repaints at its own pace; without,
// moves are taken and nothing is drawn. Other arguments are ignored.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class Picture : public QWidget {
public:
    Picture(QLabel* readout, QWidget* parent)
        : QWidget(parent)
        , readout_(readout)
    {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::blue); }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (readout_)
            readout_->setText(QString("%1, %2").arg(event->position().x()).arg(event->position().y()));
    }

private:
    QLabel* readout_;
};

} // namespace

int main(int argc, char* argv[])
{
    const QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("MIDI Setup");
    auto* ok = new QPushButton("Ok", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    (new QVBoxLayout(&dialog))->addWidget(ok);
    dialog.exec();

    QWidget window;
    window.setWindowTitle("Kelmar");
    window.resize(600, 400);
    QLabel* readout = QApplication::arguments().contains("--readout") ? new QLabel("0, 0", &window) : nullptr;
    if (readout)
        readout->setGeometry(157, 230, 120, 20);
    (new Picture(readout, &window))->setGeometry(157, 100, 138, 102);
    window.show();
    return QApplication::exec();
}
