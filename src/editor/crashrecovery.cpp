#include "crashrecovery.h"

#include "documentprompts.h"
#include "fileerror.h"
#include "projectdocument.h"
#include "projecttexts.h"

#include <QCoreApplication>

namespace velkari {

CrashRecovery::CrashRecovery(SkinProject &project, QObject *parent, const QString &folder)
    : QObject(parent)
    , m_project(project)
    , m_store(folder)
{
    m_timer.setInterval(Interval);
    connect(&m_timer, &QTimer::timeout, this, &CrashRecovery::writeIfDue);
    m_timer.start();
}

CrashRecovery::~CrashRecovery()
{
    discard();
}

void CrashRecovery::projectChanged(bool modified)
{
    if (modified)
        m_due = true;
    else
        discard();
}

void CrashRecovery::writeIfDue()
{
    if (!m_due)
        return;
    try {
        m_store.write(m_project);
        m_due = false;
    } catch (const FileError &) {
        // A copy that cannot be written is tried again next time; the user's work is in memory and
        // their own saves report their failures.
    }
}

void CrashRecovery::discard()
{
    m_due = false;
    m_store.remove();
}

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::CrashRecovery)
};

} // namespace

bool OfferRecoveryCopies(ProjectDocument &document, DocumentPrompts &prompts)
{
    RecoveryStore &store = document.recovery().store();
    bool taken = false;
    for (const RecoveryStore::Copy &copy : store.leftBehind()) {
        QString problem;
        if (copy.readable) {
            if (!prompts.askToRestoreRecoveryCopy(copy.projectPath, copy.written)) {
                store.drop(copy);
                continue;
            }
            QString damage;
            taken = document.replaceFromRecovery(copy, &damage);
            if (taken)
                break;
            if (!damage.isEmpty())
                problem = Text::tr("The recovery copy is damaged (%1), and is removed.").arg(damage);
        }
        // A copy that cannot be read is no use to keep; the user hears why it is gone.
        if (problem.isEmpty())
            problem = Text::tr("The recovery copy cannot be read, and is removed.");
        prompts.showMessage(problem, applicationName(), DocumentPrompts::Icon::Warning);
        store.drop(copy);
    }
    store.release();
    return taken;
}

} // namespace velkari
