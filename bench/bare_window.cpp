// The yardstick for the options window's start-up: a bare Qt window of the
// same size, with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt Window");
    window.setFixedSize(536, 330);
    window.show();
    return QApplication::exec();
}
