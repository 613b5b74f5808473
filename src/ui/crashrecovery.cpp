#include "crashrecovery.h"

#include "fileerror.h"
#include "filecommands.h"

#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

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

void CrashRecovery::projectChanged()
{
    m_due = m_due || m_project.modified;
}

void CrashRecovery::modifiedChanged(bool modified)
{
    if (modified)
        m_due = true;
    else
        discard();
}

void CrashRecovery::writeIfDue()
{
    if (!m_due || !m_project.modified)
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

bool CrashRecovery::offer(QWidget *parent)
{
    bool taken = false;
    for (const RecoveryStore::Copy &copy : m_store.leftBehind()) {
        const QString project = copy.projectPath.isEmpty() ? tr("a project that was never saved")
                                                           : QStringLiteral("\"%1\"").arg(copy.projectPath);
        const QString question = tr("The editor ended without saving the changes to %1. A recovery copy of "
                                    "them was written on %2.\n\nRestore it? If not, the copy is removed.")
                                     .arg(project, QLocale().toString(copy.written, QLocale::LongFormat));
        if (QMessageBox::question(parent, ApplicationName(), question) != QMessageBox::Yes) {
            m_store.drop(copy);
            continue;
        }
        if (m_store.take(copy, m_project)) {
            taken = true;
            break;
        }
    }
    m_store.release();
    return taken;
}

} // namespace velkari
