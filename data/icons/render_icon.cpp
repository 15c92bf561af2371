// Renders the program's icon from its SVG source into the PNG files of the icon theme:
// render_icon SOURCE OUTPUT_DIRECTORY SIZE... writes OUTPUT_DIRECTORY/SIZExSIZE/apps/NAME.png.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QTextStream errors(stderr);
    if (argc < 4) {
        errors << "usage: render_icon SOURCE OUTPUT_DIRECTORY SIZE...\n";
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        errors << "render_icon: cannot read " << source << '\n';
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName() + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) {
            errors << "render_icon: not a size: " << argv[i] << '\n';
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QDir folder(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1/apps").arg(size));
        if (!folder.mkpath(QStringLiteral(".")) || !image.save(folder.filePath(name))) {
            errors << "render_icon: cannot write " << folder.filePath(name) << '\n';
            return 1;
        }
    }
    return 0;
}
