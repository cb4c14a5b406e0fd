// The yardstick for the options window's start-up: a bare Qt window of the
// same size, with nothing in it, or with one line of text (--text), which
// is what the first use of the font system costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt Window");
    window.setFixedSize(536, 330);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel("Show Fullscreen Clock", &window);
    window.show();
    return QApplication::exec();
}
