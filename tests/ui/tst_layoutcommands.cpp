#include "controlids.h"
#include "deriveshapesdlg.h"
#include "keyboardpainter.h"
#include "layoutdlg.h"
#include "projectfile.h"
#include "testprojects.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace velkari;
using namespace velkari::test;

namespace {

// "height| caption:width ...", a row a line, the "New" cells left out.
QStringList keysOf(const SkinLayout &layout)
{
    QStringList rows;
    for (const auto &row : layout.rows) {
        QString text = QString::number(row->height) + u'|';
        for (int k = 0; k + 1 < row->buttons.count(); ++k)
            text += QStringLiteral(" %1:%2").arg(row->buttons.at(k)->caption).arg(row->buttons.at(k)->width);
        rows << text;
    }
    return rows;
}

QStringList namesOf(const LayoutList &layouts)
{
    QStringList names;
    for (const auto &layout : layouts)
        names << layout->name;
    return names;
}

// Chooses `path` in the next file dialog, after `next` armed the answer to what follows it.
void chooseFile(const QString &path, std::function<void()> next = [] {})
{
    whenModal<QFileDialog>([path, next](QFileDialog *dialog) {
        next();
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

} // namespace

class TestLayoutCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateSettings(m_dir.filePath(QStringLiteral("settings"))); }
    void init();
    void deriveShapes_data();
    void deriveShapes();
    void exportThenImportGivesTheSameRows();
    void importRefusalsAreShown();
    void importIntoANewProjectSavesItFirst();
    void readKeysInLayoutProperties_data();
    void readKeysInLayoutProperties();

private:
    int steps() const { return m_window->document().undoStack()->count(); }

    QTemporaryDir m_dir;
    std::unique_ptr<CViziZareroDlg> m_window;
    QString m_example; // a copy of the example project, for the test to change and open
    int m_copies = 0;
};

void TestLayoutCommands::init()
{
    m_window = std::make_unique<CViziZareroDlg>();
    m_window->show();
    m_example = copyExample(QStringLiteral(VELKARI_EXAMPLES), m_dir.filePath(QString::number(++m_copies)));
}

void TestLayoutCommands::deriveShapes_data()
{
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<bool>("replace");
    QTest::newRow("fresh shapes: no question") << false << true;
    QTest::newRow("shapes in use, replaced") << true << true;
    QTest::newRow("shapes in use, kept") << true << false;
}

void TestLayoutCommands::deriveShapes()
{
    QFETCH(bool, inUse);
    QFETCH(bool, replace);
    if (!inUse) {
        SkinProject fresh;
        loadProjectFile(fresh, m_example);
        for (int shape = Landscape; shape < ScreenShapeCount; ++shape)
            fresh.layoutList(shape).clear();
        NormalizeProject(fresh);
        saveProjectFile(fresh, m_example);
    }
    m_window->openProjectFile(m_example);
    const SkinProject &project = m_window->project();
    const QStringList before = namesOf(project.layoutList(HiResLandscape));

    QString question;
    whenModal<DeriveShapesDlg>([&](DeriveShapesDlg *dialog) {
        if (inUse)
            answerWithButton(replace ? QStringLiteral("Replace") : QStringLiteral("Cancel"),
                             [&question](QMessageBox *box) { question = box->text(); });
        click(*dialog, Ok);
    });
    click(*m_window, IdDeriveShapes);
    QCOMPARE(question.contains(QStringLiteral(": Landscape, Hi-Res. Portrait, Hi-Res. Landscape.")), inUse);
    QCOMPARE(steps(), replace ? 1 : 0);
    if (!replace) {
        QCOMPARE(namesOf(project.layoutList(HiResLandscape)), before);
        return;
    }
    for (int shape = Landscape; shape < ScreenShapeCount; ++shape) {
        QCOMPARE(namesOf(project.layoutList(shape)), namesOf(project.layoutList(Portrait)));
        for (const auto &layout : project.layoutList(shape))
            QCOMPARE(QImageReader(layout->picFileName).size(), KeyboardPainter::pictureSize(*layout));
    }
    m_window->document().undo();
    QCOMPARE(namesOf(project.layoutList(HiResLandscape)), before);
}

void TestLayoutCommands::exportThenImportGivesTheSameRows()
{
    m_window->openProjectFile(m_example);
    const QString json = m_dir.filePath(QStringLiteral("letters.json"));
    chooseFile(json);
    click(*m_window, IdExportLayout);
    QString imported;
    chooseFile(json, [&imported] {
        answerWithButton(QStringLiteral("OK"), [&imported](QMessageBox *box) { imported = box->text(); });
    });
    click(*m_window, IdImportLayout);
    const LayoutList &portrait = m_window->project().layoutList(Portrait);
    const SkinLayout &copy = *portrait.at(portrait.count() - 1);
    QCOMPARE(keysOf(copy), keysOf(*portrait.at(0)));
    QVERIFY2(imported.startsWith(QStringLiteral("Imported \"Letters\" into Portrait as layout 3: ")), qPrintable(imported));
    QCOMPARE(QImageReader(copy.picFileName).size(), KeyboardPainter::pictureSize(copy));
    QCOMPARE(m_window->currentLayout(), copy.index);
    QCOMPARE(steps(), 1);
}

void TestLayoutCommands::importRefusalsAreShown()
{
    m_window->openProjectFile(m_example);
    const QString json = m_dir.filePath(QStringLiteral("rotated.json"));
    writeFile(json, R"([["Q", {"r": 15}, "W"]])");
    MessageBoxSeen seen;
    chooseFile(json, [&seen] { answerMessageBox(seen); });
    click(*m_window, IdImportLayout);
    QVERIFY2(seen.text.contains(QStringLiteral("nothing was changed:\nrow 0, key 1 (\"W\"): it is rotated by 15")),
             qPrintable(seen.text));
    QCOMPARE(m_window->project().layoutList(Portrait).count(), 3);
    QCOMPARE(steps(), 0);
}

// As a new author starts: the layout takes the place of the fresh "Layout00", its picture drawn
// beside the project, which is saved first.
void TestLayoutCommands::importIntoANewProjectSavesItFirst()
{
    const QString project = m_dir.filePath(QStringLiteral("ansi.vsp"));
    chooseFile(QStringLiteral(VELKARI_TEST_DATA "/kle/ansi-60.json"), [project] {
        answerWithButton(QStringLiteral("Save As..."),
                         [project](QMessageBox *) { chooseFile(project, [] { answerWithButton(QStringLiteral("OK")); }); });
    });
    click(*m_window, IdImportLayout);
    const LayoutList &portrait = m_window->project().layoutList(Portrait);
    QCOMPARE(namesOf(portrait), QStringList{"ANSI 60%"});
    QCOMPARE(portrait.at(0)->picFileName, m_dir.filePath(QStringLiteral("ansi-pictures/portrait-ansi-60.gif")));
    QCOMPARE(QImageReader(portrait.at(0)->picFileName).size(), QSize(240, 100));
    QCOMPARE(m_window->document().path(), project);
    QCOMPARE(steps(), 1);
}

void TestLayoutCommands::readKeysInLayoutProperties_data()
{
    QTest::addColumn<int>("ending");
    QTest::newRow("OK: one step with the name typed") << int(Ok);
    QTest::newRow("Cancel puts the layout back") << int(Cancel);
}

void TestLayoutCommands::readKeysInLayoutProperties()
{
    QFETCH(int, ending);
    m_window->openProjectFile(m_example);
    // Two rows of 240 pixels, read back exactly from the painter's picture.
    const auto drawn = makeKeyLayout({{{1, 'a', 'A'}, {1, 'b', 'B'}}, {{1, 'c', 'C'}, {1, 'd', 'D'}, {1, 'e', 'E'}}}, 80, 24);
    drawn->rows.at(0)->buttons.at(0)->width = 160;
    const QString picture = m_dir.filePath(QStringLiteral("read.bmp"));
    QVERIFY(KeyboardPainter(*KeyboardTheme::named(QStringLiteral("dark"))).paint(*drawn).save(picture, "BMP"));
    const auto letters = [this] { return m_window->project().layoutList(Portrait).at(0); };
    const QStringList before = keysOf(*letters());

    QString report;
    QStringList heights;
    whenModal<CLayoutDlg>([&](CLayoutDlg *dialog) {
        typeInto(*dialog, IdLayoutName, QStringLiteral("Renamed"));
        typeInto(*dialog, IdLayoutPictureName, picture);
        answerWithButton(QStringLiteral("OK"), [&report](QMessageBox *box) { report = box->text(); });
        click(*dialog, IdLayoutReadKeys);
        heights = {textOf(*dialog, IdLayoutFirstHeight), textOf(*dialog, IdLayoutFirstHeight + 2)};
        click(*dialog, ending);
    });
    click(*m_window, IdLayoutProperties);
    QVERIFY2(report.startsWith(QStringLiteral("Set from the picture: 2 row heights, 5 key widths.")), qPrintable(report));
    QCOMPARE(heights, (QStringList{"24", "N/A"}));
    QCOMPARE(steps(), ending == Ok ? 1 : 0);
    if (ending == Ok) {
        QCOMPARE(letters()->name, QStringLiteral("Renamed"));
        QCOMPARE(keysOf(*letters()).value(0).left(13), QStringLiteral("24| q:160 w:8"));
        m_window->document().undo();
    }
    QCOMPARE(letters()->name, QStringLiteral("Letters"));
    QCOMPARE(keysOf(*letters()), before);
}

QTEST_MAIN(TestLayoutCommands)
#include "tst_layoutcommands.moc"
