#include "examplekeyboard.h"
#include "fileerror.h"
#include "gifencoder.h"
#include "keyboardpainter.h"
#include "projectfile.h"
#include "skinfile.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

using namespace velkari;

const char *const Usage = "Usage: velkari-make-example FOLDER\n\n"
                          "Draws the demo skin's pictures into FOLDER/pictures and writes the project\n"
                          "FOLDER/velkari-demo.vsp that uses them.\n";

// Through a temporary file, so a failed run leaves the committed file as it was.
void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(FileError::Action::Write, path, file.errorString());
}

QByteArray encodePicture(const IndexedImage &image, const QString &path)
{
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return GifEncoder::encode(image);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // An indexed image becomes a paletted BMP, a fraction of the size of a true-colour one.
    if (!image.toImage().save(&buffer, "BMP"))
        return {};
    return buffer.data();
}

// Empty when the picture is written; otherwise why not.
QString writePicture(const SkinLayout &layout, const QString &shapeName, int fontPixelSize)
{
    const QString label = shapeName + QStringLiteral("->") + layout.name;
    const QImage drawn = KeyboardPainter(fontPixelSize).paint(layout).convertToFormat(QImage::Format_RGB32);
    if (drawn.isNull())
        return QStringLiteral("The layout \"%1\" has no keys to draw.").arg(label);
    const IndexedImage indexed = reduceColors(drawn);
    if (indexed.toImage().convertToFormat(QImage::Format_RGB32) != drawn)
        return QStringLiteral("The picture of \"%1\" has more than 256 colours.").arg(label);
    const QByteArray bytes = encodePicture(indexed, layout.picFileName);
    const QImage readBack = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    if (bytes.isEmpty() || readBack != drawn)
        return QStringLiteral("The picture of \"%1\" does not read back as drawn.").arg(label);
    writeFile(layout.picFileName, bytes);
    return {};
}

int writeExample(const QString &folder, QTextStream &out, QTextStream &err)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("pictures"))) {
        err << "velkari-make-example: cannot create " << dir.absoluteFilePath(QStringLiteral("pictures")) << '\n';
        return 2;
    }
    SkinProject project;
    buildExampleProject(project, dir.absoluteFilePath(QStringLiteral("pictures")));

    int pictures = 0;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            const QString problem =
                writePicture(*layout, ScreenShapeName(shape), exampleShapeMetrics(shape).fontPixelSize);
            if (!problem.isEmpty()) {
                err << "velkari-make-example: " << problem << '\n';
                return 1;
            }
            ++pictures;
        }
    }
    const QString failure = FirstValidationFailure(project);
    if (!failure.isEmpty()) {
        err << "velkari-make-example: " << failure << '\n';
        return 1;
    }
    const QString projectPath = dir.absoluteFilePath(QStringLiteral("velkari-demo.vsp"));
    SaveProjectFile(project, projectPath);
    out << "Wrote " << pictures << " pictures and " << QDir::toNativeSeparators(projectPath) << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Only draws into images; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        err << Usage;
        return 2;
    }
    try {
        return writeExample(args.first(), out, err);
    } catch (const velkari::FileError &error) {
        err << error.message() << '\n';
        return 2;
    }
}
