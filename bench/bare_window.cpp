// The yardsticks for the program's start-up and memory: a bare Qt window of
// the options window's size, with nothing in it, or with one line of text
// (--text), which is what the first use of the font system costs; or a
// bare window covering the screen (--full-screen), the least a full-screen
// clock can hold.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare Qt Window");
    const bool fullScreen = argc > 1 && std::strcmp(argv[1], "--full-screen") == 0;
    if (!fullScreen)
        window.setFixedSize(536, 330);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel("Show Fullscreen Clock", &window);
    // Placed over the screen rather than asked to be full screen, which
    // takes a window manager, as the clock's windows are.
    if (fullScreen) {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(window.screen()->geometry());
    }
    window.show();
    return QApplication::exec();
}
