#include "fakehost.h"
#include "filecommands.h"
#include "fileerror.h"
#include "projectfile.h"
#include "testprojects.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;
using namespace velkari::test;

using Answer = FileCommandHost::Answer;

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void newResetsEverything();
    void guardedCommands_data();
    void guardedCommands();
    void newFromATemplate_data();
    void newFromATemplate();
    void saveWithoutPathAsksForOne();
    void failedSaveKeepsModified();
    void failedSaveAsKeepsPreviousPath();
    void saveTakesTheHelpFieldText();
    void openReadsAndKeepsTheShapeOnView();
    void openRefusesForeignFiles();
    void openReportsWhatWasLeftOut();
    void openThenNewIsUntitled();
    void createSkinSavesFirst();
    void createSkinOnUntitledProject();
    void createSkinReportsTheFirstFailure();
    void createSkinFailureLeavesOldSkin();

private:
    QTemporaryDir m_dir;
    QString m_picture;
};

void TestFileCommands::init()
{
    m_picture = m_dir.filePath(QStringLiteral("k.gif"));
    writeFile(m_picture, "GIF89a");
}

void TestFileCommands::newResetsEverything()
{
    SkinProject project;
    FakeHost host(project);
    makeValidProject(project, m_picture);
    project.copiedLayout = project.layoutList(Portrait).at(0);
    project.textColor = 5;
    project.projectPath = m_dir.filePath(QStringLiteral("x.vsp"));
    ProjectNew(project, host);
    QCOMPARE(host.questions, 0);
    QVERIFY(!project.copiedLayout);
    QCOMPARE(project.textColor, 0x00FFFFFFu);
    QVERIFY(project.projectPath.isEmpty());
    QCOMPARE(project.layoutList(Portrait).at(0)->name, QStringLiteral("Layout00"));
    QCOMPARE(host.title, QStringLiteral("Velkari Skin Editor"));
    QCOMPARE(host.helpField, QStringLiteral("Velkari.htm"));
    QCOMPARE(host.resets, QList<bool>{true});
    QVERIFY(!project.modified); // even though showing the help file name marked it
    QCOMPARE(host.waitDepth, 0);
}

// The commands guarded by the save question, with the user's answer and what the Save As dialog
// (if it comes) answers: does the command go on, and is a file written?
void TestFileCommands::guardedCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveAsGivesPath");
    QTest::addColumn<bool>("proceeds");

    for (const char *command : {"new", "open", "close"}) {
        QTest::addRow("%s: Yes, Save As cancelled", command) << command << int(Answer::Yes) << false << false;
        QTest::addRow("%s: Yes, saved", command) << command << int(Answer::Yes) << true << true;
        QTest::addRow("%s: No", command) << command << int(Answer::No) << false << true;
        QTest::addRow("%s: Cancel", command) << command << int(Answer::Cancel) << false << false;
    }
}

void TestFileCommands::guardedCommands()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, saveAsGivesPath);
    QFETCH(bool, proceeds);

    const QString savePath = m_dir.filePath(QStringLiteral("saved-%1.vsp").arg(QTest::currentDataTag()).remove(u' '));
    const QString openPath = m_dir.filePath(QStringLiteral("other.vsp"));
    {
        SkinProject other;
        NormalizeProject(other);
        other.layoutList(Portrait).at(0)->name = QStringLiteral("Other");
        SaveProjectFile(other, openPath);
    }
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    project.layoutList(Portrait).at(0)->name = QStringLiteral("Unsaved");
    project.modified = true;
    host.answers.enqueue(Answer(answer));
    if (saveAsGivesPath)
        host.savePaths.enqueue(savePath);
    host.openPaths.enqueue(openPath);

    bool wentOn = false;
    if (command == QLatin1String("new")) {
        ProjectNew(project, host);
        wentOn = project.layoutList(Portrait).at(0)->name == QLatin1String("Layout00");
    } else if (command == QLatin1String("open")) {
        ProjectOpen(project, host);
        wentOn = project.layoutList(Portrait).at(0)->name == QLatin1String("Other");
    } else {
        wentOn = ConfirmDiscard(project, host);
    }
    QCOMPARE(host.questions, 1);
    QCOMPARE(wentOn, proceeds);
    QCOMPARE(QFile::exists(savePath), saveAsGivesPath);
    if (!proceeds)
        QCOMPARE(project.layoutList(Portrait).at(0)->name, QStringLiteral("Unsaved"));
    if (saveAsGivesPath) {
        SkinProject saved;
        QVERIFY(LoadProjectFile(saved, savePath));
        QCOMPARE(saved.layoutList(Portrait).at(0)->name, QStringLiteral("Unsaved"));
    }
    QCOMPARE(host.waitDepth, 0);
}

// A template's project is written where the user says and then opened; every step the user
// cancels, or a write that does not happen, leaves the project on view as it was.
void TestFileCommands::newFromATemplate_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("pathGiven");
    QTest::addColumn<bool>("writeSucceeds");
    QTest::addColumn<bool>("opened");
    QTest::newRow("chooser cancelled") << false << false << true << false;
    QTest::newRow("save dialog cancelled") << true << false << true << false;
    QTest::newRow("nothing written") << true << true << false << false;
    QTest::newRow("written and opened") << true << true << true << true;
}

void TestFileCommands::newFromATemplate()
{
    QFETCH(bool, chosen);
    QFETCH(bool, pathGiven);
    QFETCH(bool, writeSucceeds);
    QFETCH(bool, opened);

    const QString path = m_dir.filePath(QStringLiteral("from-template.vsp"));
    QFile::remove(path);
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    project.layoutList(Portrait).at(0)->name = QStringLiteral("Before");
    host.title = QStringLiteral("before");
    host.choices.enqueue(chosen ? std::optional(NewProjectChoice{QStringLiteral("qwerty"), QStringLiteral("dark")})
                                : std::nullopt);
    if (pathGiven)
        host.savePaths.enqueue(path);
    host.templateWriteSucceeds = writeSucceeds;

    ProjectNew(project, host);
    QCOMPARE(host.saveDialogs, chosen ? 1 : 0);
    QCOMPARE(host.templateWrites, pathGiven ? QStringList{path} : QStringList{});
    QCOMPARE(project.layoutList(Portrait).at(0)->name, opened ? QStringLiteral("qwerty") : QStringLiteral("Before"));
    QCOMPARE(project.projectPath, opened ? path : QString());
    QCOMPARE(host.title, opened ? QStringLiteral("Velkari Skin Editor-") + path : QStringLiteral("before"));
    QVERIFY(!project.modified);
    QCOMPARE(host.waitDepth, 0);
}

void TestFileCommands::saveWithoutPathAsksForOne()
{
    SkinProject project;
    FakeHost host(project);
    ProjectNew(project, host);
    ProjectSave(project, host); // cancelled Save As
    QCOMPARE(host.saveDialogs, 1);
    QVERIFY(project.projectPath.isEmpty());
    const QString path = m_dir.filePath(QStringLiteral("named.vsp"));
    host.savePaths.enqueue(path);
    project.modified = true;
    ProjectSave(project, host);
    QCOMPARE(project.projectPath, path);
    QVERIFY(!project.modified);
    QCOMPARE(host.title, QStringLiteral("Velkari Skin Editor-") + path);
    QCOMPARE(readFile(path).size(), 3366);
}

void TestFileCommands::failedSaveKeepsModified()
{
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    project.projectPath = m_dir.filePath(QStringLiteral("no-such-folder/p.vsp"));
    project.modified = true;
    QVERIFY_THROWS_EXCEPTION(FileError, ProjectSave(project, host));
    QVERIFY(project.modified);
    QCOMPARE(host.waitDepth, 0);
    // Close asking to save: the failure ends the command, the window stays.
    host.answers.enqueue(Answer::Yes);
    QVERIFY_THROWS_EXCEPTION(FileError, ConfirmDiscard(project, host));
    QVERIFY(project.modified);
}

void TestFileCommands::failedSaveAsKeepsPreviousPath()
{
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    const QString previous = m_dir.filePath(QStringLiteral("previous.vsp"));
    project.projectPath = previous;
    host.title = WindowTitle(previous);
    project.modified = true;
    host.savePaths.enqueue(m_dir.filePath(QStringLiteral("missing-folder/new.vsp")));
    QVERIFY_THROWS_EXCEPTION(FileError, ProjectSaveAs(project, host));
    QCOMPARE(project.projectPath, previous);
    QCOMPARE(host.title, WindowTitle(previous));
    QVERIFY(project.modified);
    QCOMPARE(host.waitDepth, 0);
}

void TestFileCommands::saveTakesTheHelpFieldText()
{
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    project.projectPath = m_dir.filePath(QStringLiteral("help.vsp"));
    host.helpField = QStringLiteral("Typed.htm");
    ProjectSave(project, host);
    QCOMPARE(project.helpFileName, QStringLiteral("Typed.htm"));
    SkinProject loaded;
    QVERIFY(LoadProjectFile(loaded, project.projectPath));
    QCOMPARE(loaded.helpFileName, QStringLiteral("Typed.htm"));
}

void TestFileCommands::openReadsAndKeepsTheShapeOnView()
{
    const QString path = m_dir.filePath(QStringLiteral("open.vsp"));
    {
        SkinProject saved;
        makeValidProject(saved, m_picture);
        saved.helpFileName = QStringLiteral("Other.htm");
        SaveProjectFile(saved, path);
    }
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    project.copiedButton = project.layoutList(Portrait).at(0)->rows.at(0)->buttons.at(0);
    host.openPaths.enqueue(path);
    ProjectOpen(project, host);
    QCOMPARE(project.projectPath, path);
    QCOMPARE(host.title, QStringLiteral("Velkari Skin Editor-") + path);
    QCOMPARE(host.helpField, QStringLiteral("Other.htm"));
    QCOMPARE(host.resets, QList<bool>{false});
    QVERIFY(!project.modified);
    QVERIFY(!project.copiedButton);
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(project.layoutList(Portrait).at(0)->picFileName, m_picture);
    QCOMPARE(host.waitDepth, 0);
}

void TestFileCommands::openRefusesForeignFiles()
{
    const QString skin = m_dir.filePath(QStringLiteral("not-a-project.vsk"));
    writeFile(skin, QByteArray("\x0cVELKARI_SKIN\0\0\0\0\0\0\0\0", 21));
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    project.layoutList(Portrait).at(0)->name = QStringLiteral("Kept");
    for (const QString &path : {skin, m_dir.filePath(QStringLiteral("does-not-exist.vsp"))}) {
        host.openPaths.enqueue(path);
        ProjectOpen(project, host);
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.messages[0].text, QStringLiteral("Invalid Velkari Skin Project File!"));
        QCOMPARE(host.messages[0].caption, QStringLiteral("Velkari Skin Editor"));
        QVERIFY(host.messages[0].icon == FileCommandHost::Icon::Stop);
        QCOMPARE(project.layoutList(Portrait).at(0)->name, QStringLiteral("Kept"));
        QVERIFY(project.projectPath.isEmpty());
        QVERIFY(host.resets.isEmpty());
        host.messages.clear();
    }
    ProjectOpen(project, host); // dialog cancelled: nothing at all
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(host.waitDepth, 0);
}

void TestFileCommands::openReportsWhatWasLeftOut()
{
    const QString path = m_dir.filePath(QStringLiteral("full.vsp"));
    {
        SkinProject saved;
        makeValidProject(saved, m_picture);
        SkinRow &row = *saved.layoutList(Portrait).at(0)->rows.at(0);
        row.buttons.last()->flags = 1; // 3 keys, no placeholder: fine
        while (!row.buttons.isFull())
            row.buttons.append(makeButton(QStringLiteral("x"), 1));
        SaveProjectFile(saved, path); // 30 keys: one has to go when read
    }
    SkinProject project;
    FakeHost host(project);
    host.openPaths.enqueue(path);
    ProjectOpen(project, host);
    QCOMPARE(host.messages.size(), 1);
    QVERIFY(host.messages[0].text.contains(QStringLiteral("0 layout(s), 0 row(s) and 1 key(s)")));
    QVERIFY(host.messages[0].icon == FileCommandHost::Icon::Warning);
    QCOMPARE(project.layoutList(Portrait).at(0)->rows.at(0)->buttons.count(), 30);
    QVERIFY(project.layoutList(Portrait).at(0)->rows.at(0)->buttons.last()->isPlaceholder());
}

void TestFileCommands::openThenNewIsUntitled()
{
    const QString path = m_dir.filePath(QStringLiteral("then-new.vsp"));
    SkinProject project;
    FakeHost host(project);
    NormalizeProject(project);
    SaveProjectFile(project, path);
    host.openPaths.enqueue(path);
    ProjectOpen(project, host);
    ProjectNew(project, host);
    QVERIFY(project.projectPath.isEmpty());
    QCOMPARE(host.title, QStringLiteral("Velkari Skin Editor"));
    ProjectSave(project, host);
    QCOMPARE(host.saveDialogs, 1);
}

void TestFileCommands::createSkinSavesFirst()
{
    SkinProject project;
    FakeHost host(project);
    makeValidProject(project, m_picture);
    const QString path = m_dir.filePath(QStringLiteral("skin-me.vsp"));
    project.projectPath = path;
    project.modified = true;
    project.highlightColor = 0x00ABCDEF;
    CreateSkin(project, host);
    QVERIFY(host.messages.isEmpty());
    QVERIFY(!project.modified);
    SkinProject saved;
    QVERIFY(LoadProjectFile(saved, path));
    QCOMPARE(saved.highlightColor, 0x00ABCDEFu);
    const QFileInfo skin(m_dir.filePath(QStringLiteral("skin-me.vsk")));
    QVERIFY(skin.exists());
    QCOMPARE(host.skinsWritten.size(), 1);
    QCOMPARE(host.skinsWritten[0].path, skin.filePath());
    QCOMPARE(host.skinsWritten[0].layoutCount, project.layoutCount());
    QCOMPARE(host.skinsWritten[0].bytes, skin.size());
    QCOMPARE(host.waitDepth, 0);
}

void TestFileCommands::createSkinOnUntitledProject()
{
    SkinProject project;
    FakeHost host(project);
    ProjectNew(project, host);
    const QString cwdSkin = QDir::current().filePath(QStringLiteral(".vsk"));
    CreateSkin(project, host); // Save As cancelled: silently nothing
    QCOMPARE(host.saveDialogs, 1);
    QVERIFY(host.messages.isEmpty());
    QVERIFY(!QFile::exists(cwdSkin));

    makeValidProject(project, m_picture);
    const QString path = m_dir.filePath(QStringLiteral("untitled.vsp"));
    host.savePaths.enqueue(path);
    CreateSkin(project, host);
    QCOMPARE(project.projectPath, path);
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("untitled.vsk"))));
}

void TestFileCommands::createSkinReportsTheFirstFailure()
{
    SkinProject project;
    FakeHost host(project);
    ProjectNew(project, host);
    project.projectPath = m_dir.filePath(QStringLiteral("fresh.vsp"));
    CreateSkin(project, host);
    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.messages[0].text, QStringLiteral("No picture file is specified for the layout \"Portrait->Layout00\"."));
    QCOMPARE(host.messages[0].caption, QStringLiteral("Error"));
    QVERIFY(host.messages[0].icon == FileCommandHost::Icon::Stop);
    project.layoutList(Portrait).at(0)->picFileName = m_picture;
    CreateSkin(project, host);
    QCOMPARE(host.messages[1].text, QStringLiteral("The layout \"Portrait->Layout00\" has invalid width (0)."));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("fresh.vsk"))));
}

void TestFileCommands::createSkinFailureLeavesOldSkin()
{
    SkinProject project;
    FakeHost host(project);
    makeValidProject(project, m_picture);
    project.projectPath = m_dir.filePath(QStringLiteral("old.vsp"));
    const QString skin = m_dir.filePath(QStringLiteral("old.vsk"));
    writeFile(skin, "old skin");
    project.layoutList(Landscape).at(0)->rows.at(1)->buttons.at(0)->width = 7;
    CreateSkin(project, host);
    QCOMPARE(host.messages.size(), 1);
    QVERIFY(host.skinsWritten.isEmpty());
    QCOMPARE(readFile(skin), QByteArray("old skin"));
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
