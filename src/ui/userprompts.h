#pragma once

#include "documentprompts.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace velkari {

// The questions and messages the file commands put to the user, as Qt dialogs owned by the main
// window, and the wait cursor they hold meanwhile: a dialog waiting for the user never shows the
// wait cursor.
class UserPrompts : public DocumentPrompts
{
    Q_DECLARE_TR_FUNCTIONS(velkari::UserPrompts)

public:
    // `workFiles`: the project's file (empty for a project without one), then other files the
    // user works with; the file dialogs start beside the first that exists.
    UserPrompts(QWidget *owner, std::function<QStringList()> workFiles);

    Answer askToSaveChanges() override;
    QString askOpenPath() override;
    QString askSavePath() override;
    std::optional<NewProjectChoice> askNewProject() override;
    bool askToReplaceFiles(const QStringList &paths) override;
    bool askToRestoreRecoveryCopy(const QString &projectPath, const QDateTime &written) override;
    void showMessage(const QString &text, const QString &caption, Icon icon) override;
    void beginWait() override;
    void endWait() override;

private:
    template <typename Result>
    Result withoutWaitCursor(const std::function<Result()> &ask);

    QWidget *m_owner;
    std::function<QStringList()> m_workFiles;
    int m_waitDepth = 0;
};

} // namespace velkari
