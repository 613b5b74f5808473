#pragma once

#include "documentprompts.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace velkari::test {

// A user who answers from a script; remembers what was shown.
class FakePrompts : public DocumentPrompts
{
public:
    struct Message
    {
        QString text;
        QString caption;
        Icon icon;
    };

    Answer askToSaveChanges() override
    {
        ++questions;
        return answers.isEmpty() ? Answer::Cancel : answers.dequeue();
    }
    QString askOpenPath() override { return openPaths.isEmpty() ? QString() : openPaths.dequeue(); }
    QString askSavePath() override
    {
        ++saveDialogs;
        return savePaths.isEmpty() ? QString() : savePaths.dequeue();
    }
    // "Empty project" unless the script says otherwise.
    std::optional<NewProjectChoice> askNewProject() override
    {
        return choices.isEmpty() ? NewProjectChoice{} : choices.dequeue();
    }
    bool askToReplaceFiles(const QStringList &paths) override
    {
        replaceQuestions.append(paths);
        return replaceFiles;
    }
    bool askToRestoreRecoveryCopy(const QString &projectPath, const QDateTime &) override
    {
        restoreQuestions.append(projectPath);
        return restoreCopies;
    }
    void showMessage(const QString &text, const QString &caption, Icon icon) override
    {
        messages.append({text, caption, icon});
    }
    void beginWait() override { ++waitDepth; }
    void endWait() override { --waitDepth; }

    QQueue<Answer> answers;
    QQueue<QString> openPaths;
    QQueue<QString> savePaths;
    QQueue<std::optional<NewProjectChoice>> choices;
    QList<QStringList> replaceQuestions;
    bool replaceFiles = true;
    QStringList restoreQuestions;
    bool restoreCopies = true;
    QList<Message> messages;
    int questions = 0;
    int saveDialogs = 0;
    int waitDepth = 0;
};

} // namespace velkari::test
