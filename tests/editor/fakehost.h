#pragma once

#include "filecommandhost.h"
#include "projectfile.h"
#include "skinproject.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace velkari::test {

// A window that answers from a script and remembers what it was asked to show.
class FakeHost : public FileCommandHost
{
public:
    struct Message
    {
        QString text;
        QString caption;
        Icon icon;
    };

    explicit FakeHost(SkinProject &project)
        : m_project(project)
    {
    }

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
    void showMessage(const QString &text, const QString &caption, Icon icon) override
    {
        messages.append({text, caption, icon});
    }
    void beginWait() override { ++waitDepth; }
    void endWait() override { --waitDepth; }
    void setTitle(const QString &t) override { title = t; }
    void showProjectSettings() override
    {
        // Like the editor's field: showing the name changes the text, which marks the project.
        helpField = m_project.helpFileName;
        m_project.modified = true;
        ++settingsShown;
    }
    QString helpFileNameText() override { return helpField; }
    void resetView(bool selectFirstShape) override { resets.append(selectFirstShape); }
    // "Empty project" unless the script says otherwise, as New was before it offered templates.
    std::optional<NewProjectChoice> askNewProject() override
    {
        ++newProjectDialogs;
        return choices.isEmpty() ? NewProjectChoice{} : choices.dequeue();
    }
    // Stands in for the drawing: a project whose first layout is named after the template.
    bool writeTemplateProject(const NewProjectChoice &choice, const QString &path) override
    {
        templateWrites.append(path);
        if (!templateWriteSucceeds)
            return false;
        SkinProject made;
        NormalizeProject(made);
        made.layoutList(Portrait).at(0)->name = choice.templateName;
        SaveProjectFile(made, path);
        return true;
    }
    void reportSkinWritten(const QString &skinPath, int layoutCount, qint64 bytes) override
    {
        skinsWritten.append({skinPath, layoutCount, bytes});
    }

    QQueue<Answer> answers;
    QQueue<QString> openPaths;
    QQueue<QString> savePaths;
    QList<Message> messages;
    QList<bool> resets;
    QQueue<std::optional<NewProjectChoice>> choices;
    QStringList templateWrites;
    bool templateWriteSucceeds = true;
    struct SkinWritten
    {
        QString path;
        int layoutCount;
        qint64 bytes;
    };
    QList<SkinWritten> skinsWritten;
    QString title;
    QString helpField = QStringLiteral("Velkari.htm");
    int questions = 0;
    int saveDialogs = 0;
    int settingsShown = 0;
    int newProjectDialogs = 0;
    int waitDepth = 0;

private:
    SkinProject &m_project;
};

} // namespace velkari::test
