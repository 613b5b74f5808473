#include "vizizareroapp.h"

#include "appicon.h"
#include "filecommands.h"
#include "firstpaintwatcher.h"
#include "translations.h"
#include "vizizarerodlg.h"

#include <QTimer>

#include <cstdio>

namespace velkari {

std::optional<int> CViziZareroApp::answerInformationRequest(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        QString text;
        if (arg == "--version") {
            text = QStringLiteral("velkari-skin-editor %1\n").arg(QStringLiteral(VELKARI_VERSION));
        } else if (arg == "--help" || arg == "-h") {
            // A core application only, for the translations: no display is needed to answer.
            int count = argc;
            QCoreApplication core(count, argv);
            installTranslations(QLocale::system());
            text = tr("Usage: velkari-skin-editor [PROJECT.vsp]\n\n"
                      "Starts the Velkari Skin Editor on a new project, or on PROJECT.vsp.\n\n"
                      "  --help     prints this text\n"
                      "  --version  prints the version\n\n"
                      "Qt's own options (for example -platform offscreen) are understood too.\n");
        } else {
            continue;
        }
        fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

CViziZareroApp::CViziZareroApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // Nothing is stored under this name; it only identifies the application to the platform.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(applicationName());
    setApplicationVersion(QStringLiteral(VELKARI_VERSION));
    setDesktopFileName(applicationId());
    installTranslations(QLocale::system());
}

int CViziZareroApp::run()
{
    CViziZareroDlg window;
    const QStringList args = arguments().mid(1);
    FirstPaintWatcher::afterFirstPaint(&window, [this] {
        FirstPaintWatcher::reportWhenAsked();
        // Adding the icon's pictures looks up every image format plugin: the window comes first.
        setWindowIcon(applicationIcon());
    });
    window.show();
    if (!args.isEmpty())
        window.openProjectFile(args.first());
    // Once the window is up, so that the question has something to stand over.
    QTimer::singleShot(0, &window, &CViziZareroDlg::offerRecovery);
    window.exec();
    return 0;
}

} // namespace velkari
