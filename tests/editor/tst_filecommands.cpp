#include "fakeprompts.h"
#include "filecommands.h"
#include "fileerror.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "testprojects.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace velkari;
using namespace velkari::test;

using Answer = DocumentPrompts::Answer;

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
    void openReadsAndKeepsTheShapeOnView();
    void openRefusesForeignFiles();
    void openReportsWhatWasLeftOut();
    void createSkinSavesFirst();
    void createSkinOnUntitledProject();
    void createSkinReportsTheFirstFailure();
    void createSkinFailureLeavesOldSkin();

private:
    // A document that has opened the project `fill` makes.
    std::unique_ptr<ProjectDocument> documentWith(const std::function<void(SkinProject &)> &fill);

    QTemporaryDir m_dir;
    QString m_picture;
};

void TestFileCommands::init()
{
    m_picture = m_dir.filePath(QStringLiteral("k.gif"));
    writeFile(m_picture, "GIF89a");
}

std::unique_ptr<ProjectDocument> TestFileCommands::documentWith(const std::function<void(SkinProject &)> &fill)
{
    const QString path = m_dir.filePath(QStringLiteral("prepared.vsp"));
    SkinProject project;
    NormalizeProject(project);
    fill(project);
    saveProjectFile(project, path);
    auto document = std::make_unique<ProjectDocument>(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    if (!document->replaceFromFile(path, nullptr))
        qFatal("prepared project unreadable");
    return document;
}

void TestFileCommands::newResetsEverything()
{
    auto document = documentWith([this](SkinProject &project) { makeValidProject(project, m_picture); });
    FakePrompts prompts;
    document->copyLayout(document->layout(Portrait, 0));
    document->setTextColor(5);
    document->saveTo(m_dir.filePath(QStringLiteral("x.vsp")));
    QSignalSpy paths(document.get(), &ProjectDocument::pathChanged);
    QSignalSpy changes(document.get(), &ProjectDocument::changed);
    ProjectNew(*document, prompts);
    QCOMPARE(prompts.questions, 0);
    QVERIFY(!document->copiedLayout());
    QCOMPARE(document->project().textColor, 0x00FFFFFFu);
    QVERIFY(document->path().isEmpty());
    QCOMPARE(document->layout(Portrait, 0)->name, QStringLiteral("Layout00"));
    QCOMPARE(paths.size(), 1);
    QCOMPARE(changes.size(), 1);
    const auto change = changes[0][0].value<DocumentChange>();
    QVERIFY(change.kind == DocumentChange::Kind::Replace && change.newProject);
    QVERIFY(!document->isModified());
    QVERIFY(!document->undoStack()->canUndo());
    QCOMPARE(prompts.waitDepth, 0);
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
        saveProjectFile(other, openPath);
    }
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    document.layout(Portrait, 0)->name = QStringLiteral("Unsaved");
    document.setHelpFileName(QStringLiteral("Unsaved.htm"));
    prompts.answers.enqueue(Answer(answer));
    if (saveAsGivesPath)
        prompts.savePaths.enqueue(savePath);
    prompts.openPaths.enqueue(openPath);

    bool wentOn = false;
    if (command == QLatin1String("new")) {
        ProjectNew(document, prompts);
        wentOn = document.layout(Portrait, 0)->name == QLatin1String("Layout00");
    } else if (command == QLatin1String("open")) {
        ProjectOpen(document, prompts);
        wentOn = document.layout(Portrait, 0)->name == QLatin1String("Other");
    } else {
        wentOn = ConfirmDiscard(document, prompts);
    }
    QCOMPARE(prompts.questions, 1);
    QCOMPARE(wentOn, proceeds);
    QCOMPARE(QFile::exists(savePath), saveAsGivesPath);
    if (!proceeds)
        QCOMPARE(document.layout(Portrait, 0)->name, QStringLiteral("Unsaved"));
    if (saveAsGivesPath) {
        SkinProject saved;
        QVERIFY(loadProjectFile(saved, savePath));
        QCOMPARE(saved.layoutList(Portrait).at(0)->name, QStringLiteral("Unsaved"));
    }
    QCOMPARE(prompts.waitDepth, 0);
}

// A template's project is written where the user says, pictures drawn beside it, and then
// opened; every step the user cancels leaves the project on view as it was.
void TestFileCommands::newFromATemplate_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("pathGiven");
    QTest::addColumn<bool>("pictureInTheWay");
    QTest::addColumn<bool>("replaceIt");
    QTest::addColumn<bool>("opened");
    QTest::newRow("chooser cancelled") << false << false << false << false << false;
    QTest::newRow("save dialog cancelled") << true << false << false << false << false;
    QTest::newRow("picture kept, nothing written") << true << true << true << false << false;
    QTest::newRow("picture replaced") << true << true << true << true << true;
    QTest::newRow("written and opened") << true << true << false << false << true;
}

void TestFileCommands::newFromATemplate()
{
    QFETCH(bool, chosen);
    QFETCH(bool, pathGiven);
    QFETCH(bool, pictureInTheWay);
    QFETCH(bool, replaceIt);
    QFETCH(bool, opened);

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("from-template.vsp"));
    const QString inTheWay = folder.filePath(QStringLiteral("from-template-pictures/portrait-letters.gif"));
    if (pictureInTheWay) {
        QDir(folder.path()).mkdir(QStringLiteral("from-template-pictures"));
        writeFile(inTheWay, "mine");
    }
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    document.layout(Portrait, 0)->name = QStringLiteral("Before");
    prompts.choices.enqueue(chosen ? std::optional(NewProjectChoice{QStringLiteral("qwerty"), QStringLiteral("dark")})
                                   : std::nullopt);
    if (pathGiven)
        prompts.savePaths.enqueue(path);
    prompts.replaceFiles = replaceIt;

    ProjectNew(document, prompts);
    QCOMPARE(prompts.saveDialogs, chosen ? 1 : 0);
    QCOMPARE(prompts.replaceQuestions, pictureInTheWay ? QList<QStringList>{{inTheWay}} : QList<QStringList>{});
    QCOMPARE(document.layout(Portrait, 0)->name, opened ? QStringLiteral("Letters") : QStringLiteral("Before"));
    QCOMPARE(document.path(), opened ? path : QString());
    QCOMPARE(QFile::exists(path), opened);
    if (pictureInTheWay)
        QCOMPARE(readFile(inTheWay) == "mine", !replaceIt);
    QVERIFY(!document.isModified());
    QCOMPARE(prompts.waitDepth, 0);
}

void TestFileCommands::saveWithoutPathAsksForOne()
{
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    QSignalSpy paths(&document, &ProjectDocument::pathChanged);
    ProjectSave(document, prompts); // cancelled Save As
    QCOMPARE(prompts.saveDialogs, 1);
    QVERIFY(document.path().isEmpty());
    const QString path = m_dir.filePath(QStringLiteral("named.vsp"));
    prompts.savePaths.enqueue(path);
    document.setTextColor(0x00FFFFFE);
    document.setTextColor(0x00FFFFFF);
    QVERIFY(document.isModified());
    ProjectSave(document, prompts);
    QCOMPARE(document.path(), path);
    QVERIFY(!document.isModified());
    QCOMPARE(paths.size(), 1);
    QCOMPARE(paths[0][0].toString(), path);
    QCOMPARE(readFile(path).size(), 3366);
}

void TestFileCommands::failedSaveKeepsModified()
{
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    document.project().projectPath = m_dir.filePath(QStringLiteral("no-such-folder/p.vsp"));
    document.setTextColor(1);
    QVERIFY_THROWS_EXCEPTION(FileError, ProjectSave(document, prompts));
    QVERIFY(document.isModified());
    QCOMPARE(prompts.waitDepth, 0);
    // Close asking to save: the failure ends the command, the window stays.
    prompts.answers.enqueue(Answer::Yes);
    QVERIFY_THROWS_EXCEPTION(FileError, ConfirmDiscard(document, prompts));
    QVERIFY(document.isModified());
}

void TestFileCommands::failedSaveAsKeepsPreviousPath()
{
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    const QString previous = m_dir.filePath(QStringLiteral("previous.vsp"));
    document.saveTo(previous);
    document.setTextColor(1);
    QSignalSpy paths(&document, &ProjectDocument::pathChanged);
    prompts.savePaths.enqueue(m_dir.filePath(QStringLiteral("missing-folder/new.vsp")));
    QVERIFY_THROWS_EXCEPTION(FileError, ProjectSaveAs(document, prompts));
    QCOMPARE(document.path(), previous);
    QVERIFY(paths.isEmpty());
    QVERIFY(document.isModified());
    QCOMPARE(prompts.waitDepth, 0);
}

void TestFileCommands::openReadsAndKeepsTheShapeOnView()
{
    const QString path = m_dir.filePath(QStringLiteral("open.vsp"));
    {
        SkinProject saved;
        makeValidProject(saved, m_picture);
        saved.helpFileName = QStringLiteral("Other.htm");
        saveProjectFile(saved, path);
    }
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    document.copyButton(document.button({Portrait, 0, 0, 0}));
    QSignalSpy changes(&document, &ProjectDocument::changed);
    prompts.openPaths.enqueue(path);
    ProjectOpen(document, prompts);
    QCOMPARE(document.path(), path);
    QCOMPARE(document.project().helpFileName, QStringLiteral("Other.htm"));
    QCOMPARE(changes.size(), 1);
    const auto change = changes[0][0].value<DocumentChange>();
    QVERIFY(change.kind == DocumentChange::Kind::Replace && !change.newProject);
    QVERIFY(!document.isModified());
    QVERIFY(!document.copiedButton());
    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(document.layout(Portrait, 0)->picFileName, m_picture);
    QCOMPARE(prompts.waitDepth, 0);
}

void TestFileCommands::openRefusesForeignFiles()
{
    const QString skin = m_dir.filePath(QStringLiteral("not-a-project.vsk"));
    writeFile(skin, QByteArray("\x0cVELKARI_SKIN\0\0\0\0\0\0\0\0", 21));
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    document.layout(Portrait, 0)->name = QStringLiteral("Kept");
    QSignalSpy changes(&document, &ProjectDocument::changed);
    for (const QString &path : {skin, m_dir.filePath(QStringLiteral("does-not-exist.vsp"))}) {
        prompts.openPaths.enqueue(path);
        ProjectOpen(document, prompts);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].text, QStringLiteral("Invalid Velkari Skin Project File!"));
        QCOMPARE(prompts.messages[0].caption, QStringLiteral("Velkari Skin Editor"));
        QVERIFY(prompts.messages[0].icon == DocumentPrompts::Icon::Stop);
        QCOMPARE(document.layout(Portrait, 0)->name, QStringLiteral("Kept"));
        QVERIFY(document.path().isEmpty());
        QVERIFY(changes.isEmpty());
        prompts.messages.clear();
    }
    ProjectOpen(document, prompts); // dialog cancelled: nothing at all
    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(prompts.waitDepth, 0);
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
        saveProjectFile(saved, path); // 30 keys: one has to go when read
    }
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    prompts.openPaths.enqueue(path);
    ProjectOpen(document, prompts);
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY(prompts.messages[0].text.contains(QStringLiteral("0 layout(s), 0 row(s) and 1 key(s)")));
    QVERIFY(prompts.messages[0].icon == DocumentPrompts::Icon::Warning);
    QCOMPARE(document.layout(Portrait, 0)->rows.at(0)->buttons.count(), 30);
    QVERIFY(document.layout(Portrait, 0)->rows.at(0)->buttons.last()->isPlaceholder());
}

void TestFileCommands::createSkinSavesFirst()
{
    auto document = documentWith([this](SkinProject &project) { makeValidProject(project, m_picture); });
    FakePrompts prompts;
    const QString path = m_dir.filePath(QStringLiteral("skin-me.vsp"));
    document->saveTo(path);
    document->setHighlightColor(0x00ABCDEF);
    QSignalSpy written(document.get(), &ProjectDocument::skinWritten);
    CreateSkin(*document, prompts);
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!document->isModified());
    SkinProject saved;
    QVERIFY(loadProjectFile(saved, path));
    QCOMPARE(saved.highlightColor, 0x00ABCDEFu);
    const QFileInfo skin(m_dir.filePath(QStringLiteral("skin-me.vsk")));
    QVERIFY(skin.exists());
    QCOMPARE(written.size(), 1);
    QCOMPARE(written[0][0].toString(), skin.filePath());
    QCOMPARE(written[0][1].toInt(), document->project().layoutCount());
    QCOMPARE(written[0][2].toLongLong(), skin.size());
    QCOMPARE(prompts.waitDepth, 0);
}

void TestFileCommands::createSkinOnUntitledProject()
{
    auto document = documentWith([this](SkinProject &project) { makeValidProject(project, m_picture); });
    document->project().projectPath.clear();
    FakePrompts prompts;
    const QString cwdSkin = QDir::current().filePath(QStringLiteral(".vsk"));
    CreateSkin(*document, prompts); // Save As cancelled: silently nothing
    QCOMPARE(prompts.saveDialogs, 1);
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!QFile::exists(cwdSkin));

    const QString path = m_dir.filePath(QStringLiteral("untitled.vsp"));
    prompts.savePaths.enqueue(path);
    CreateSkin(*document, prompts);
    QCOMPARE(document->path(), path);
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("untitled.vsk"))));
}

void TestFileCommands::createSkinReportsTheFirstFailure()
{
    ProjectDocument document(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    FakePrompts prompts;
    document.saveTo(m_dir.filePath(QStringLiteral("fresh.vsp")));
    CreateSkin(document, prompts);
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].text,
             QStringLiteral("No picture file is specified for the layout \"Portrait->Layout00\"."));
    QCOMPARE(prompts.messages[0].caption, QStringLiteral("Error"));
    QVERIFY(prompts.messages[0].icon == DocumentPrompts::Icon::Stop);
    document.setPicture(Portrait, 0, m_picture);
    CreateSkin(document, prompts);
    QCOMPARE(prompts.messages[1].text, QStringLiteral("The layout \"Portrait->Layout00\" has invalid width (0)."));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("fresh.vsk"))));
}

void TestFileCommands::createSkinFailureLeavesOldSkin()
{
    auto document = documentWith([this](SkinProject &project) {
        makeValidProject(project, m_picture);
        project.layoutList(Landscape).at(0)->rows.at(1)->buttons.at(0)->width = 7;
    });
    FakePrompts prompts;
    document->saveTo(m_dir.filePath(QStringLiteral("old.vsp")));
    const QString skin = m_dir.filePath(QStringLiteral("old.vsk"));
    writeFile(skin, "old skin");
    QSignalSpy written(document.get(), &ProjectDocument::skinWritten);
    CreateSkin(*document, prompts);
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY(written.isEmpty());
    QCOMPARE(readFile(skin), QByteArray("old skin"));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
