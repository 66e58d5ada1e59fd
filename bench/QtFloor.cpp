// The least any Qt Widgets program costs here: a dialog with a line of text
// and a button, titled "Qt floor". scripts/measure-startup.sh measures it
// beside the program with KELMAR_PEER=qt, to tell the program's own start
// from what Qt's libraries, platform plugin and fonts take.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Qt floor");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("A bare Qt Widgets dialog", &dialog));
    layout->addWidget(new QPushButton("Ok", &dialog));
    dialog.show();
    return QApplication::exec();
}
