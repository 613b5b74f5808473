#pragma once

#include "userprompts.h"
#include "vizizarerodlg.h"

#include <QQueue>

namespace velkari::test {

// The file dialogs of the file commands, answered from a script; every other question is asked as
// the editor asks it.
class ScriptedPrompts : public UserPrompts
{
public:
    using UserPrompts::UserPrompts;

    QString askOpenPath() override { return openPaths.isEmpty() ? QString() : openPaths.dequeue(); }
    QString askSavePath() override
    {
        ++saveDialogs;
        return savePaths.isEmpty() ? QString() : savePaths.dequeue();
    }

    QQueue<QString> openPaths;
    QQueue<QString> savePaths;
    int saveDialogs = 0;
};

// The real window, asking through ScriptedPrompts.
class ScriptedWindow : public CViziZareroDlg
{
public:
    ScriptedWindow()
        : prompts(*new ScriptedPrompts(this, [] { return QStringList(); }))
    {
        setPrompts(std::unique_ptr<UserPrompts>(&prompts));
    }

    ScriptedPrompts &prompts;
};

} // namespace velkari::test
