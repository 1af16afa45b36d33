// render_icon: draws the program's SVG icon as a square PNG of the sizes asked for.
//   render_icon <icon.svg> <output folder> <size>...   writes <output folder>/<size>/tavrelion.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "render_icon: %s is not a readable SVG file\n", argv[1]);
        return 1;
    }
    for (int index = 3; index < argc; ++index) {
        const int size = QString::fromLatin1(argv[index]).toInt();
        const QString folder = QString::fromLocal8Bit(argv[2]) + "/" + QString::number(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(folder) || !image.save(folder + "/tavrelion.png")) {
            std::fprintf(stderr, "render_icon: cannot write the %s px icon\n", argv[index]);
            return 1;
        }
    }
    return 0;
}
