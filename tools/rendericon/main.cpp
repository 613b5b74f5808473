#include "fileerror.h"
#include "safefilewriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

const char *const Usage = "Usage: velkari-render-icon SOURCE.svg SIZE OUTPUT.png [SIZE OUTPUT.png ...]\n\n"
                          "Renders the drawing into a square PNG of SIZE pixels for each pair.\n";

constexpr int MaxSize = 1024;

bool render(QSvgRenderer &renderer, int size, const QString &path, QTextStream &err)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written safely, so a failed build never leaves a half-written icon that looks done.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG")) {
        err << "velkari-render-icon: cannot encode \"" << path << "\"\n";
        return false;
    }
    try {
        velkari::writeFileSafely(path, png.data());
    } catch (const velkari::FileError &error) {
        err << "velkari-render-icon: " << error.message() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || args.size() % 2 == 0) {
        err << Usage;
        return 2;
    }
    QSvgRenderer renderer(args.first());
    if (!renderer.isValid()) {
        err << "velkari-render-icon: \"" << args.first() << "\" is not a drawing it can read\n";
        return 2;
    }
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > MaxSize) {
            err << "velkari-render-icon: \"" << args[i] << "\" is not a size from 1 to " << MaxSize << '\n';
            return 2;
        }
        if (!render(renderer, size, args[i + 1], err))
            return 2;
    }
    return 0;
}
