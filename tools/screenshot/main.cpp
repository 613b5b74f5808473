#include "fileerror.h"
#include "safefilewriter.h"
#include "vizizareroapp.h"
#include "vizizarerodlg.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const char *const Usage = "Usage: velkari-screenshot PROJECT.vsp OUTPUT.png\n\n"
                          "Opens the project in the editor's window, off screen, and saves what the window shows.\n";

} // namespace

int main(int argc, char *argv[])
{
    // Off screen, the pixels depend only on the fonts installed, not on a display or its theme.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nor on the window size, recent files or recovery copies the person running it has stored.
    const QTemporaryDir home;
    if (home.isValid()) {
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    }
    velkari::CViziZareroApp app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        err << Usage;
        return 2;
    }
    velkari::CViziZareroDlg window;
    window.show();
    window.openProjectFile(args[0]);
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG")) {
        err << "velkari-screenshot: cannot encode \"" << args[1] << "\"\n";
        return 2;
    }
    try {
        velkari::writeFileSafely(args[1], png.data());
    } catch (const velkari::FileError &error) {
        err << "velkari-screenshot: " << error.message() << '\n';
        return 2;
    }
    return 0;
}
