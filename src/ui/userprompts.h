#pragma once

#include "filecommandhost.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace velkari {

// The questions and messages the file commands put to the user, as Qt dialogs owned by the main
// window, and the wait cursor they hold meanwhile: a dialog waiting for the user never shows the
// wait cursor.
class UserPrompts
{
    Q_DECLARE_TR_FUNCTIONS(velkari::UserPrompts)

public:
    explicit UserPrompts(QWidget *owner);

    FileCommandHost::Answer askToSaveChanges();
    QString askOpenPath();
    QString askSavePath();
    std::optional<NewProjectChoice> askNewProject();
    // True when the user agrees that the files, which exist, are replaced.
    bool askToReplaceFiles(const QStringList &paths);
    void showMessage(const QString &text, const QString &caption, FileCommandHost::Icon icon);
    // Calls nest; the cursor is back to normal once every begin has its end.
    void beginWait();
    void endWait();

private:
    template <typename Result>
    Result withoutWaitCursor(const std::function<Result()> &ask);

    QWidget *m_owner;
    int m_waitDepth = 0;
};

} // namespace velkari
