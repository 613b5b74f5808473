#include "recoveryoffer.h"

#include "crashrecovery.h"
#include "projectdocument.h"
#include "projecttexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::CrashRecovery)
};

} // namespace

bool offerRecoveryCopies(QWidget *parent, ProjectDocument &document)
{
    RecoveryStore &store = document.recovery().store();
    bool taken = false;
    for (const RecoveryStore::Copy &copy : store.leftBehind()) {
        const QString project = copy.projectPath.isEmpty() ? Text::tr("a project that was never saved")
                                                           : QStringLiteral("\"%1\"").arg(copy.projectPath);
        const QString question = Text::tr("The editor ended without saving the changes to %1. A recovery copy of "
                                          "them was written on %2.\n\nRestore it? If not, the copy is removed.")
                                     .arg(project, QLocale().toString(copy.written, QLocale::LongFormat));
        if (QMessageBox::question(parent, ApplicationName(), question) != QMessageBox::Yes) {
            store.drop(copy);
            continue;
        }
        if (document.replaceFromRecovery(copy)) {
            taken = true;
            break;
        }
    }
    store.release();
    return taken;
}

} // namespace velkari
