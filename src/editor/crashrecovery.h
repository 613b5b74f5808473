#pragma once

#include "recoverystore.h"

#include <QObject>
#include <QTimer>

namespace velkari {

// Keeps a recovery copy of the project while it has unsaved changes: written every 30 seconds
// when there are changes the copy does not hold yet, removed as soon as there are none (saved,
// undone, given up) and at a clean exit.
class CrashRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int Interval = 30 * 1000;

    CrashRecovery(SkinProject &project, QObject *parent, const QString &folder = RecoveryStore::defaultFolder());
    // The editor ends as it should: only a crash leaves a copy behind.
    ~CrashRecovery() override;

    // After every change to the project, with whether it now differs from its file.
    void projectChanged(bool modified);
    // Writes the copy now if it is due; what the timer does.
    void writeIfDue();
    // No copy is kept any more: the changes are saved, undone or given up.
    void discard();

    RecoveryStore &store() { return m_store; }
    QTimer *timer() { return &m_timer; }

private:
    SkinProject &m_project;
    RecoveryStore m_store;
    QTimer m_timer;
    bool m_due = false;
};

class DocumentPrompts;
class ProjectDocument;

// Offers the recovery copies that editors left behind, the newest first; the first the user takes
// replaces the document's project (true). Declined copies are removed, and so are those that
// cannot be read or are damaged, with a word why.
bool OfferRecoveryCopies(ProjectDocument &document, DocumentPrompts &prompts);

} // namespace velkari
