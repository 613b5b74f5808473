#include "vizizareroapp.h"

#include "appicon.h"
#include "filecommands.h"
#include "translations.h"
#include "vizizarerodlg.h"

namespace velkari {

CViziZareroApp::CViziZareroApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // Nothing is stored under this name; it only identifies the application to the platform.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(ApplicationName());
    setApplicationVersion(QStringLiteral(VELKARI_VERSION));
    setDesktopFileName(applicationId());
    setWindowIcon(applicationIcon());
    installTranslations(QLocale::system());
}

int CViziZareroApp::run()
{
    CViziZareroDlg window;
    const QStringList args = arguments().mid(1);
    window.show();
    if (!args.isEmpty())
        window.openProjectFile(args.first());
    window.exec();
    return 0;
}

} // namespace velkari
