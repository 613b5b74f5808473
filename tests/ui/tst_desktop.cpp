#include "buttondlg.h"
#include "crashrecovery.h"
#include "editoractions.h"
#include "editorsettings.h"
#include "helpwindow.h"
#include "projectfile.h"
#include "testprojects.h"
#include "userprompts.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace velkari;
using namespace velkari::test;

namespace {

// The file commands' questions, written down and answered from a script.
class LoggingPrompts : public UserPrompts
{
public:
    using UserPrompts::UserPrompts;

    Answer askToSaveChanges() override
    {
        log << QStringLiteral("save changes?");
        return answer;
    }
    QString askOpenPath() override
    {
        log << QStringLiteral("open dialog");
        return {};
    }
    QString askSavePath() override
    {
        log << QStringLiteral("save dialog");
        return savePath;
    }
    void showMessage(const QString &text, const QString &caption, Icon) override
    {
        log << caption + QStringLiteral(": ") + text;
    }

    QStringList log;
    QString savePath;
    Answer answer = Answer::No;
};

// The real window, its questions asked through LoggingPrompts.
class LoggingWindow : public CViziZareroDlg
{
public:
    LoggingWindow()
        : prompts(*new LoggingPrompts(this, [] { return QStringList(); }))
    {
        setPrompts(std::unique_ptr<UserPrompts>(&prompts));
    }

    LoggingPrompts &prompts;
};

// The texts of the context menu's "Open Recent" entries, after `then` ran on the menu.
QStringList recentEntries(CViziZareroDlg &window, const std::function<void(QMenu *)> &then = {})
{
    QMenu menu;
    window.actions()->fillContextMenu(menu);
    QMenu *recent = nullptr;
    for (QAction *action : menu.actions()) {
        if (action->menu() && action->text() == QStringLiteral("Open Recent"))
            recent = action->menu();
    }
    if (!recent)
        return {QStringLiteral("no Open Recent")};
    QStringList texts;
    for (QAction *action : recent->actions())
        texts << action->text();
    if (then)
        then(recent);
    return texts;
}

QString makeProject(const QString &path, const QString &layoutName)
{
    SkinProject project;
    NormalizeProject(project);
    project.layoutList(Portrait).at(0)->name = layoutName;
    saveProjectFile(project, path);
    return path;
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void shortcutsRunTheCommands_data();
    void shortcutsRunTheCommands();
    void recentProjects();
    void droppedFiles_data();
    void droppedFiles();
    void fileDialogsStartBesideTheProject();
    void recoveryCopyFollowsUnsavedChanges();
    void recoveryCopiesAreOfferedAtStart_data();
    void recoveryCopiesAreOfferedAtStart();
    void damagedRecoveryCopyIsRemoved_data();
    void damagedRecoveryCopyIsRemoved();
    void copiesAreConfirmedInTheStatusArea();

private:
    QTemporaryDir m_dir;
    QString m_state;
};

void TestDesktop::initTestCase()
{
    QVERIFY(m_dir.isValid());
    isolateSettings(m_dir.filePath(QStringLiteral("settings")));
    m_state = m_dir.filePath(QStringLiteral("state"));
    qputenv("XDG_STATE_HOME", m_state.toLocal8Bit());
}

void TestDesktop::init()
{
    for (const QString &path : EditorSettings().recentProjects())
        EditorSettings().removeRecentProject(path);
}

void TestDesktop::shortcutsRunTheCommands_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<QStringList>("log");
    // New stops at the question, answered Cancel.
    QTest::newRow("Ctrl+N") << (Qt::CTRL | Qt::Key_N) << false << QStringList{"save changes?"};
    QTest::newRow("Ctrl+O") << (Qt::CTRL | Qt::Key_O) << false << QStringList{"save changes?", "open dialog"};
    QTest::newRow("Ctrl+S, no file yet") << (Qt::CTRL | Qt::Key_S) << false << QStringList{"save dialog"};
    QTest::newRow("Ctrl+S") << (Qt::CTRL | Qt::Key_S) << true << QStringList();
    QTest::newRow("Ctrl+Shift+S") << (Qt::CTRL | Qt::SHIFT | Qt::Key_S) << true << QStringList{"save dialog"};
    QTest::newRow("Ctrl+B") << (Qt::CTRL | Qt::Key_B) << true
                            << QStringList{"Error: No picture file is specified for the layout \"Portrait->Layout00\"."};
    QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << false << QStringList{"help"};
}

void TestDesktop::shortcutsRunTheCommands()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(bool, titled);
    QFETCH(QStringList, log);
    LoggingWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString path = m_dir.filePath(QStringLiteral("shortcut.vsp"));
    QFile::remove(path);
    if (titled)
        window.project().projectPath = path;
    window.document().setTextColor(0x123456); // unsaved, as the question shows
    if (keys == (Qt::CTRL | Qt::Key_N))
        window.prompts.answer = DocumentPrompts::Answer::Cancel;

    QTest::keyClick(&window, keys.key(), keys.keyboardModifiers());
    if (auto *help = window.findChild<HelpWindow *>(); help && help->isVisible())
        window.prompts.log << QStringLiteral("help");
    QCOMPARE(window.prompts.log, log);
    QCOMPARE(QFile::exists(path), titled && keys != (Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

void TestDesktop::recentProjects()
{
    LoggingWindow window;
    window.show();
    QCOMPARE(recentEntries(window), QStringList());
    QStringList paths;
    for (int i = 0; i < 9; ++i) {
        paths.prepend(makeProject(m_dir.filePath(QStringLiteral("recent&%1.vsp").arg(i)), QStringLiteral("R%1").arg(i)));
        window.openProjectFile(paths.first());
    }
    // Saving under a new name counts too; the list keeps the eight newest, each once.
    window.prompts.savePath = m_dir.filePath(QStringLiteral("saved-as.vsp"));
    click(window, IdSaveAs);
    window.openProjectFile(paths[1]);
    QStringList expected{paths[1], window.prompts.savePath, paths[0], paths[2], paths[3], paths[4], paths[5], paths[6]};
    QCOMPARE(EditorSettings().recentProjects(), expected);
    QCOMPARE(recentEntries(window).value(0), QStringLiteral("&1 ") + QString(paths[1]).replace(u'&', QStringLiteral("&&")));

    // A project that is there opens; one that is gone is offered for removal.
    recentEntries(window, [](QMenu *recent) { recent->actions().at(2)->trigger(); });
    QCOMPARE(window.project().layoutList(Portrait).at(0)->name, QStringLiteral("R8"));
    QFile::remove(paths[2]);
    MessageBoxSeen seen;
    answerMessageBox(seen, QMessageBox::Yes);
    recentEntries(window, [](QMenu *recent) { recent->actions().at(3)->trigger(); });
    QVERIFY(seen.text.contains(paths[2]));
    expected = {paths[0], paths[1], window.prompts.savePath, paths[3], paths[4], paths[5], paths[6]};
    QCOMPARE(EditorSettings().recentProjects(), expected);
}

void TestDesktop::droppedFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("onCanvas");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("layout"); // the first layout's name afterwards
    const QString project = QStringLiteral("dropped.vsp");
    QTest::newRow("a project anywhere") << QStringList{project} << false << true << "" << "Dropped";
    QTest::newRow("a picture on the layout") << QStringList{"keys.GIF"} << true << true << "keys.GIF" << "Layout00";
    QTest::newRow("a bitmap on the layout") << QStringList{"keys.bmp"} << true << true << "keys.bmp" << "Layout00";
    QTest::newRow("a picture on the buttons above") << QStringList{"keys.GIF"} << false << false << "" << "Layout00";
    QTest::newRow("two projects") << QStringList{project, project} << false << false << "" << "Layout00";
    QTest::newRow("a file that is not there") << QStringList{"missing.vsp"} << false << false << "" << "Layout00";
}

void TestDesktop::droppedFiles()
{
    QFETCH(QStringList, files);
    QFETCH(bool, onCanvas);
    QFETCH(bool, taken);
    QFETCH(QString, picture);
    QFETCH(QString, layout);
    makeProject(m_dir.filePath(QStringLiteral("dropped.vsp")), QStringLiteral("Dropped"));
    for (const char *name : {"keys.GIF", "keys.bmp"})
        QFile(m_dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    QStringList paths;
    for (const QString &file : files)
        paths << m_dir.filePath(file);

    LoggingWindow window;
    window.show();
    window.document().setTextColor(0x123456);
    const QWidget *target = onCanvas ? static_cast<QWidget *>(window.gridButton(0, 0)) : control(window, IdOpen);
    QCOMPARE(dropFiles(window, paths, target->mapTo(&window, QPoint(2, 2))), taken);
    QCOMPARE(window.project().layoutList(Portrait).at(0)->name, layout);
    QCOMPARE(window.currentLayoutRecord()->picFileName, picture.isEmpty() ? QString() : m_dir.filePath(picture));
    // Opening asks about the unsaved changes first and starts a history of its own; a picture is
    // one step to undo after the colour.
    const bool opened = layout == QLatin1String("Dropped");
    QCOMPARE(window.prompts.log, opened ? QStringList{"save changes?"} : QStringList());
    QCOMPARE(window.document().undoStack()->count(), opened ? 0 : picture.isEmpty() ? 1 : 2);
}

void TestDesktop::fileDialogsStartBesideTheProject()
{
    CViziZareroDlg window;
    window.show();
    const QString folder = m_dir.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(folder));
    window.openProjectFile(makeProject(folder + QStringLiteral("/current.vsp"), QStringLiteral("C")));
    struct Seen
    {
        QString folder;
        QStringList selected;
    };
    const auto look = [](Seen &seen) {
        whenModal<QFileDialog>([&seen](QFileDialog *dialog) {
            seen.folder = dialog->directory().absolutePath();
            seen.selected = dialog->selectedFiles();
            dialog->reject();
        });
    };
    Seen open;
    look(open);
    click(window, IdOpen);
    QCOMPARE(open.folder, QDir(folder).absolutePath());
    Seen saveAs;
    look(saveAs);
    click(window, IdSaveAs);
    QCOMPARE(saveAs.folder, QDir(folder).absolutePath());
    QCOMPARE(saveAs.selected, QStringList{QDir(folder).absoluteFilePath(QStringLiteral("current.vsp"))});
}

// The copy is written while there are unsaved changes, and removed once there are none.
void TestDesktop::recoveryCopyFollowsUnsavedChanges()
{
    CViziZareroDlg window;
    window.show();
    QCOMPARE(window.document().recovery().timer()->interval(), 30 * 1000);
    QVERIFY(window.document().recovery().timer()->isActive());
    const auto copy = [&window] { return window.document().recovery().store().copyFile(); };
    const auto edit = [&window](const QString &caption) {
        press<CButtonDlg>(Ok, [caption](CButtonDlg *d) { typeInto(*d, IdButtonCaption, caption); });
        QTest::mouseClick(window.gridButton(0, 0), Qt::LeftButton);
    };
    window.document().recovery().writeIfDue();
    QVERIFY(copy().isEmpty());
    edit(QStringLiteral("K"));
    window.document().recovery().writeIfDue();
    QVERIFY(QFile::exists(copy()));
    QVERIFY(copy().startsWith(m_state + QStringLiteral("/velkari/skin-editor/")));

    window.document().undo();
    QVERIFY(copy().isEmpty());
    window.document().redo();
    window.document().recovery().writeIfDue();
    const QString written = copy();
    QVERIFY(QFile::exists(written));
    window.project().projectPath = m_dir.filePath(QStringLiteral("recovered.vsp"));
    window.commandSave();
    QVERIFY(!QFile::exists(written));

    edit(QStringLiteral("L"));
    window.document().recovery().writeIfDue();
    QVERIFY(QFile::exists(copy()));
    MessageBoxSeen seen;
    answerMessageBox(seen, QMessageBox::No);
    window.commandClose(); // the changes are given up
    QVERIFY(QDir(m_state + QStringLiteral("/velkari/skin-editor")).entryList(QDir::Files).isEmpty());
}

void TestDesktop::recoveryCopiesAreOfferedAtStart_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("restored") << true;
    QTest::newRow("declined") << false;
}

void TestDesktop::recoveryCopiesAreOfferedAtStart()
{
    QFETCH(bool, restore);
    const QString path = m_dir.filePath(QStringLiteral("crashed.vsp"));
    {
        // An editor that ends without cleaning up, as a crash would.
        SkinProject project;
        NormalizeProject(project);
        project.projectPath = path;
        project.layoutList(Portrait).at(0)->name = QStringLiteral("Unsaved");
        RecoveryStore(RecoveryStore::defaultFolder()).write(project);
    }
    CViziZareroDlg window;
    window.show();
    MessageBoxSeen seen;
    answerMessageBox(seen, restore ? QMessageBox::Yes : QMessageBox::No);
    window.offerRecovery();
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Velkari Skin Editor"));
    QVERIFY2(seen.text.contains(u'"' + path + u'"'), qPrintable(seen.text));
    QVERIFY2(seen.text.contains(QString::number(QDate::currentDate().year())), qPrintable(seen.text));
    QCOMPARE(window.project().layoutList(Portrait).at(0)->name,
             restore ? QStringLiteral("Unsaved") : QStringLiteral("Layout00"));
    QCOMPARE(window.project().projectPath, restore ? path : QString());
    QCOMPARE(window.document().isModified(), restore);
    QCOMPARE(window.isWindowModified(), restore);
    const int left = QDir(RecoveryStore::defaultFolder()).entryList({QStringLiteral("*.vsprecovery")}).size();
    QCOMPARE(left, restore ? 1 : 0); // a restored copy stays until the project is saved
    const MessageBoxAnswer giveUp(QMessageBox::No);
    window.commandClose();
    QCOMPARE(giveUp.seen().shown, restore);
    QCOMPARE(QDir(RecoveryStore::defaultFolder()).entryList({QStringLiteral("*.vsprecovery")}).size(), 0);
}

void TestDesktop::damagedRecoveryCopyIsRemoved_data()
{
    QTest::addColumn<bool>("cutShort");
    QTest::addColumn<QString>("message");
    QTest::newRow("cut short") << true << "The recovery copy cannot be read, and is removed.";
    QTest::newRow("a count below 0") << false << "The recovery copy is damaged (";
}

// A copy that cannot be read, or is damaged, is not read: the user hears why, the copy goes, the
// project stays.
void TestDesktop::damagedRecoveryCopyIsRemoved()
{
    QFETCH(bool, cutShort);
    QFETCH(QString, message);
    {
        SkinProject project;
        NormalizeProject(project);
        RecoveryStore(RecoveryStore::defaultFolder()).write(project);
    }
    const QDir folder(RecoveryStore::defaultFolder());
    const QString copy = folder.filePath(folder.entryList({QStringLiteral("*.vsprecovery")}).constFirst());
    QByteArray bytes = readFile(copy);
    if (cutShort)
        bytes.chop(3);
    else
        bytes.replace(bytes.indexOf("\x07Project") + 8, 4, QByteArray("\xFB\xFF\xFF\xFF", 4));
    writeFile(copy, bytes);
    CViziZareroDlg window;
    window.show();
    MessageBoxSeen question;
    MessageBoxSeen damaged;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        if (!cutShort)
            answerMessageBox(damaged);
        recordAndAnswer(box, question, QMessageBox::Yes);
    });
    window.offerRecovery();
    QVERIFY(question.shown);
    const QString shown = cutShort ? question.text : damaged.text;
    QVERIFY2(shown.startsWith(message), qPrintable(shown));
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!window.document().isModified());
    QCOMPARE(window.project().layoutList(Portrait).at(0)->name, QStringLiteral("Layout00"));
}

void TestDesktop::copiesAreConfirmedInTheStatusArea()
{
    CViziZareroDlg window;
    window.show();
    click(window, IdCopyLayout);
    QCOMPARE(textOf(window, IdStatus), QStringLiteral("Copied the layout \"Layout00\". \"Paste Layout Info\" in the "
                                                      "Layout Properties of another layout puts it there."));
    press<CButtonDlg>(Ok, [](CButtonDlg *d) { typeInto(*d, IdButtonCaption, QStringLiteral("Q")); });
    QTest::mouseClick(window.gridButton(0, 0), Qt::LeftButton);
    press<CButtonDlg>(IdButtonCopy);
    QTest::mouseClick(window.gridButton(0, 0), Qt::LeftButton);
    QCOMPARE(textOf(window, IdStatus), QStringLiteral("Copied the key \"Q\". \"Paste Button Info\" in the Button "
                                                      "Properties of another key puts it there."));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
