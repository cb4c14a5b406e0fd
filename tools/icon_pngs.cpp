// horavista-icon-pngs SVG NAME FOLDER SIZE...: the scalable icon drawn at
// each size given, as FOLDER/SIZExSIZE/NAME.png, for the installed icons.
// The clock's own drawing fits its parts to a dial of a hundred pixels or
// more, so the small icons are the large frame's picture made small, not
// small frames.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("usage: horavista-icon-pngs SVG NAME FOLDER SIZE...\n", stderr);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "horavista-icon-pngs: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QString("%1/%2x%2").arg(QString::fromLocal8Bit(argv[3])).arg(size);
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        picture.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(folder) || !icon.save(folder + '/' + argv[2] + ".png")) {
            std::fprintf(stderr, "horavista-icon-pngs: cannot write the %s pixel icon in %s\n", argv[i], argv[3]);
            return 1;
        }
    }
    return 0;
}
