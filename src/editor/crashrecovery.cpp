#include "crashrecovery.h"

#include "fileerror.h"

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

} // namespace velkari
