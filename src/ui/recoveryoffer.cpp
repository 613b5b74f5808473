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
        if (!copy.readable) {
            QMessageBox::warning(parent, applicationName(), Text::tr("The recovery copy cannot be read, and is removed."));
            store.drop(copy);
            continue;
        }
        const QString project = copy.projectPath.isEmpty() ? Text::tr("a project that was never saved")
                                                           : QStringLiteral("\"%1\"").arg(copy.projectPath);
        const QString question = Text::tr("The editor ended without saving the changes to %1. A recovery copy of "
                                          "them was written on %2.\n\nRestore it? If not, the copy is removed.")
                                     .arg(project, QLocale().toString(copy.written, QLocale::LongFormat));
        if (QMessageBox::question(parent, applicationName(), question) != QMessageBox::Yes) {
            store.drop(copy);
            continue;
        }
        QString damage;
        if (document.replaceFromRecovery(copy, &damage)) {
            taken = true;
            break;
        }
        // A copy that cannot be read is no use to keep; the user hears why it is gone.
        QMessageBox::warning(parent, applicationName(),
                             damage.isEmpty() ? Text::tr("The recovery copy cannot be read, and is removed.")
                                              : Text::tr("The recovery copy is damaged (%1), and is removed.").arg(damage));
        store.drop(copy);
    }
    store.release();
    return taken;
}

} // namespace velkari
