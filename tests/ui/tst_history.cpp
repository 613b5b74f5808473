#include "buttondlg.h"
#include "editoractions.h"
#include "layoutdlg.h"
#include "projectfile.h"
#include "testprojects.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QColorDialog>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace velkari;
using namespace velkari::test;

namespace {

using Action = std::function<void(CViziZareroDlg &)>;

// Portrait holds L0, L1 and L2, each of four rows of the keys A, B and C; saved and opened.
void openPrepared(CViziZareroDlg &window, const QString &folder)
{
    SkinProject project;
    NormalizeProject(project);
    LayoutList &portrait = project.layoutList(Portrait);
    portrait.clear();
    for (int l = 0; l < 3; ++l) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QStringLiteral("L%1").arg(l);
        layout->flags = 0;
        for (int r = 0; r < 4; ++r) {
            auto row = std::make_unique<SkinRow>();
            for (const char *caption : {"A", "B", "C"}) {
                auto key = std::make_unique<SkinButton>();
                key->caption = QString::fromLatin1(caption);
                key->flags = ButtonFlagCharacter;
                key->charCode = caption[0];
                key->width = 20;
                row->buttons.append(std::move(key));
            }
            row->buttons.append(std::make_unique<SkinButton>());
            layout->rows.append(std::move(row));
        }
        portrait.append(std::move(layout));
    }
    const QString path = folder + QStringLiteral("/prepared.vsp");
    saveProjectFile(project, path);
    window.openProjectFile(path);
}

void clickCell(CViziZareroDlg &window, int row, int column)
{
    QTest::mouseClick(window.gridButton(row, column), Qt::LeftButton);
}

// A shortcut reaches the active window only; a closed dialog may leave none active offscreen.
void shortcut(QWidget &window, QKeyCombination keys)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, keys.key(), keys.keyboardModifiers());
}

void chooseColor(CViziZareroDlg &window, int id, const QColor &color)
{
    whenModal<QColorDialog>([color](QColorDialog *dialog) {
        dialog->setCurrentColor(color);
        dialog->accept();
    });
    click(window, id);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyChangeIsOneStep_data();
    void everyChangeIsOneStep();
    void helpFileNameIsOneStepPerVisit();

private:
    QTemporaryDir m_dir;
};

void TestHistory::initTestCase()
{
    QVERIFY(m_dir.isValid());
    isolateSettings(m_dir.filePath(QStringLiteral("settings")));
}

void TestHistory::everyChangeIsOneStep_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("name");

    QTest::newRow("OK on a key") << Action([](CViziZareroDlg &w) {
        press<CButtonDlg>(Ok, [](CButtonDlg *d) { typeInto(*d, IdButtonCaption, QStringLiteral("Q")); });
        clickCell(w, 0, 0);
    }) << "Edit Button";
    QTest::newRow("OK on the New cell") << Action([](CViziZareroDlg &w) {
        press<CButtonDlg>(Ok);
        clickCell(w, 1, 3);
    }) << "Add Button";
    QTest::newRow("insert") << Action([](CViziZareroDlg &w) {
        press<CButtonDlg>(InsertBefore);
        clickCell(w, 2, 1);
    }) << "Insert Button";
    QTest::newRow("delete a key") << Action([](CViziZareroDlg &w) {
        press<CButtonDlg>(Delete);
        clickCell(w, 3, 2);
    }) << "Delete Button";
    QTest::newRow("paste a key") << Action([](CViziZareroDlg &w) {
        press<CButtonDlg>(IdButtonCopy);
        clickCell(w, 0, 2);
        press<CButtonDlg>(Ok, [](CButtonDlg *d) { click(*d, IdButtonPaste); });
        clickCell(w, 3, 0);
    }) << "Paste Button";
    QTest::newRow("fewer rows") << Action([](CViziZareroDlg &w) {
        press<CLayoutDlg>(Ok, [](CLayoutDlg *d) { chooseEntry(*d, IdLayoutRowCount, 1); });
        click(w, IdLayoutProperties);
    }) << "Edit Layout";
    QTest::newRow("paste a layout") << Action([](CViziZareroDlg &w) {
        chooseEntry(w, IdLayoutList, 2);
        click(w, IdCopyLayout);
        chooseEntry(w, IdLayoutList, 1);
        press<CLayoutDlg>(Ok, [](CLayoutDlg *d) { click(*d, IdLayoutPaste); });
        click(w, IdLayoutProperties);
    }) << "Paste Layout";
    QTest::newRow("delete a layout") << Action([](CViziZareroDlg &w) {
        press<CLayoutDlg>(Delete);
        click(w, IdLayoutProperties);
    }) << "Delete Layout";
    QTest::newRow("add a layout") << Action([](CViziZareroDlg &w) {
        press<CLayoutDlg>(Ok, [](CLayoutDlg *d) {
            chooseEntry(*d, IdLayoutRowCount, 0);
            typeInto(*d, IdLayoutFirstHeight, QStringLiteral("30"));
        });
        click(w, IdAddLayout);
    }) << "Add Layout";
    QTest::newRow("text colour") << Action([](CViziZareroDlg &w) {
        chooseColor(w, IdTextColor, QColor(1, 2, 3));
    }) << "Change Text Color";
    QTest::newRow("highlight colour") << Action([](CViziZareroDlg &w) {
        chooseColor(w, IdHighlightColor, QColor(4, 5, 6));
    }) << "Change Highlight Color";
    QTest::newRow("help file name") << Action([](CViziZareroDlg &w) {
        typeInto(w, IdHelpFileName, QStringLiteral("Guide.htm"));
    }) << "Change Help File Name";
    QTest::newRow("picture dropped on the picture") << Action([](CViziZareroDlg &w) {
        const QWidget *picture = w.canvas()->pictureView();
        const QString path = QStringLiteral(VELKARI_EXAMPLES "/pictures");
        const QStringList gifs = QDir(path).entryList({QStringLiteral("*.gif")});
        QVERIFY(!gifs.isEmpty());
        QVERIFY(dropFiles(w, {QDir(path).filePath(gifs.first())}, picture->mapTo(&w, QPoint(2, 2))));
    }) << "Set Picture";
}

// Each change is one step named after it: undo puts the project back as it was, saved as it was,
// and shows the shape and layout it touched; Ctrl+Shift+Z and Ctrl+Y do it again.
void TestHistory::everyChangeIsOneStep()
{
    QFETCH(Action, action);
    QFETCH(QString, name);
    CViziZareroDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    openPrepared(window, m_dir.path());
    chooseEntry(window, IdLayoutList, 1);
    const QByteArray before = projectBytes(window.project());
    action(window);
    if (QTest::currentTestFailed())
        return;
    const ProjectView touched = window.currentView();
    const QByteArray after = projectBytes(window.project());
    QVERIFY(after != before);
    QVERIFY(window.document().isModified());
    QVERIFY(shownTitle(window).endsWith(u'*'));
    QCOMPARE(window.document().undoStack()->count(), 1);
    QCOMPARE(window.actions()->undoAction()->text(), QStringLiteral("Undo ") + name);

    chooseEntry(window, IdShapeList, HiResLandscape);
    window.setFocus(); // leaves the help file name field, as clicking elsewhere does
    shortcut(window, Qt::CTRL | Qt::Key_Z);
    QCOMPARE(projectBytes(window.project()), before);
    QVERIFY(!window.document().isModified());
    QCOMPARE(window.currentShape(), touched.shape);
    QCOMPARE(window.currentLayout(), 1);
    QCOMPARE(window.actions()->redoAction()->text(), QStringLiteral("Redo ") + name);

    shortcut(window, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(projectBytes(window.project()), after);
    QVERIFY(window.document().isModified());
    shortcut(window, Qt::CTRL | Qt::Key_Z);
    shortcut(window, Qt::CTRL | Qt::Key_Y);
    QCOMPARE(projectBytes(window.project()), after);
    QCOMPARE(textOf(window, IdHelpFileName), window.project().helpFileName);
}

void TestHistory::helpFileNameIsOneStepPerVisit()
{
    CViziZareroDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeInto(window, IdHelpFileName, QStringLiteral("Guide.htm"));
    QCOMPARE(window.document().undoStack()->count(), 1);
    control(window, IdLayoutList)->setFocus(); // leaving the field ends the step
    control(window, IdHelpFileName)->setFocus();
    QTest::keyClicks(control(window, IdHelpFileName), QStringLiteral("x"));
    QTest::keyClicks(control(window, IdHelpFileName), QStringLiteral("yz"));
    QCOMPARE(window.document().undoStack()->count(), 2);
    window.document().undo();
    QCOMPARE(textOf(window, IdHelpFileName), QStringLiteral("Guide.htm"));
    window.document().undo();
    QCOMPARE(textOf(window, IdHelpFileName), QStringLiteral("Velkari.htm"));
    QVERIFY(!window.document().isModified());
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
