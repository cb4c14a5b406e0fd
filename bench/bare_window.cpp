// The yardsticks for the program's start-up and memory: a bare Qt window of
// the options window's size, with nothing in it, or with one line of text
// (--text), which is what the first use of the font system costs; or a
// bare window covering the screen (--full-screen), the least a full-screen
// clock can hold. With --ticking as well, that window repaints a square of
// 160 pixels each second: the least CPU a clock that changes each second
// can cost through Qt's widgets.
#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

class TickingSquare : public QWidget {
public:
    TickingSquare()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        timer_.callOnTimeout([this] {
            lit_ = !lit_;
            update(800, 400, 160, 160);
        });
        timer_.start(1000);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).fillRect(event->rect(), lit_ ? Qt::white : Qt::black);
    }

private:
    QTimer timer_;
    bool lit_ = false;
};

bool hasArgument(int argc, char** argv, const char* argument)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], argument) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool ticking = hasArgument(argc, argv, "--ticking");
    const std::unique_ptr<QWidget> shown = ticking ? std::make_unique<TickingSquare>() : std::make_unique<QWidget>();
    QWidget& window = *shown;
    window.setWindowTitle("Bare Qt Window");
    const bool fullScreen = ticking || hasArgument(argc, argv, "--full-screen");
    if (!fullScreen)
        window.setFixedSize(536, 330);
    if (hasArgument(argc, argv, "--text"))
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
