#include "controlids.h"
#include "deriveshapesdlg.h"
#include "keyboardpainter.h"
#include "layoutdlg.h"
#include "projectfile.h"
#include "testprojects.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace velkari;
using namespace velkari::test;

namespace {

const QString ExampleFolder = QStringLiteral(VELKARI_EXAMPLES);

// The status area shows only what the window puts there.
class QuietWindow : public CViziZareroDlg
{
protected:
    QWidget *widgetUnderMouse() const override { return nullptr; }
};

// "caption:width" of every key, a row a line, the "New" cells left out.
QStringList keysOf(const SkinLayout &layout)
{
    QStringList rows;
    for (const auto &row : layout.rows) {
        QStringList keys;
        for (int k = 0; k + 1 < row->buttons.count(); ++k)
            keys << QStringLiteral("%1:%2").arg(row->buttons.at(k)->caption).arg(row->buttons.at(k)->width);
        rows << QStringLiteral("%1| %2").arg(row->height).arg(keys.join(u' '));
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
void chooseFile(const QString &path, std::function<void()> next = {})
{
    whenModal<QFileDialog>([path, next](QFileDialog *dialog) {
        if (next)
            next();
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

int steps(CViziZareroDlg &window)
{
    return window.document().undoStack()->count();
}

} // namespace

class TestLayoutCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void deriveShapes_data();
    void deriveShapes();
    void exportThenImportGivesTheSameRows();
    void importRefusalsAreShown();
    void importIntoANewProjectSavesItFirst();
    void readKeysInLayoutProperties_data();
    void readKeysInLayoutProperties();

private:
    // A copy of the example project and its pictures, changed as given, opened in the window.
    QString openExample(CViziZareroDlg &window, const std::function<void(SkinProject &)> &change = {});

    QTemporaryDir m_settings;
    QTemporaryDir m_dir;
    int m_copies = 0;
};

void TestLayoutCommands::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_dir.isValid());
    isolateSettings(m_settings.path());
}

QString TestLayoutCommands::openExample(CViziZareroDlg &window, const std::function<void(SkinProject &)> &change)
{
    const QString path = copyExample(ExampleFolder, m_dir.filePath(QString::number(++m_copies)));
    if (change) {
        SkinProject project;
        LoadProjectFile(project, path);
        change(project);
        SaveProjectFile(project, path);
    }
    window.openProjectFile(path);
    return path;
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
    QuietWindow window;
    window.show();
    openExample(window, [inUse](SkinProject &project) {
        for (int shape = Landscape; shape < ScreenShapeCount && !inUse; ++shape)
            project.layoutList(shape).clear();
        NormalizeProject(project);
    });
    SkinProject &project = window.project();
    const QStringList before = namesOf(project.layoutList(HiResLandscape));
    const int stepsBefore = steps(window);

    QString question;
    whenModal<DeriveShapesDlg>([&](DeriveShapesDlg *dialog) {
        if (inUse)
            answerWithButton(replace ? QStringLiteral("Replace") : QStringLiteral("Cancel"),
                             [&question](QMessageBox *box) { question = box->text(); });
        click(*dialog, Ok);
    });
    click(window, IdDeriveShapes);
    QCOMPARE(question.isEmpty(), !inUse);
    if (inUse)
        QVERIFY2(question.contains(QStringLiteral("Landscape, Hi-Res. Portrait, Hi-Res. Landscape")), qPrintable(question));
    if (!replace) {
        QCOMPARE(namesOf(project.layoutList(HiResLandscape)), before);
        QCOMPARE(steps(window), stepsBefore);
        return;
    }
    for (int shape = Landscape; shape < ScreenShapeCount; ++shape) {
        QCOMPARE(namesOf(project.layoutList(shape)), namesOf(project.layoutList(Portrait)));
        for (const auto &layout : project.layoutList(shape))
            QCOMPARE(QImageReader(layout->picFileName).size(), KeyboardPainter::pictureSize(*layout));
    }
    QVERIFY(textOf(window, IdStatus).startsWith(QStringLiteral("Derived Landscape, Hi-Res. Portrait, Hi-Res. Landscape "
                                                               "from Portrait:")));
    QCOMPARE(steps(window), stepsBefore + 1);
    window.document().undo();
    QCOMPARE(namesOf(project.layoutList(HiResLandscape)), before);
}

void TestLayoutCommands::exportThenImportGivesTheSameRows()
{
    QuietWindow window;
    window.show();
    openExample(window);
    const SkinLayout &letters = *window.project().layoutList(Portrait).at(0);
    const QString json = m_dir.filePath(QStringLiteral("letters.json"));
    chooseFile(json);
    click(window, IdExportLayout);
    QCOMPARE(textOf(window, IdStatus),
             QStringLiteral("Exported the layout \"Letters\" to %1.").arg(QDir::toNativeSeparators(json)));

    const int stepsBefore = steps(window);
    QString imported;
    chooseFile(json, [&imported] { answerWithButton(QStringLiteral("OK"), [&imported](QMessageBox *box) {
                                       imported = box->text();
                                   }); });
    click(window, IdImportLayout);
    const LayoutList &portrait = window.project().layoutList(Portrait);
    const SkinLayout &copy = *portrait.at(portrait.count() - 1);
    QCOMPARE(keysOf(copy), keysOf(letters));
    QVERIFY2(imported.startsWith(QStringLiteral("Imported \"Letters\" into Portrait as layout %1: ").arg(copy.index)),
             qPrintable(imported));
    QCOMPARE(QImageReader(copy.picFileName).size(), KeyboardPainter::pictureSize(copy));
    QCOMPARE(window.currentLayout(), copy.index);
    QCOMPARE(steps(window), stepsBefore + 1);
}

void TestLayoutCommands::importRefusalsAreShown()
{
    QuietWindow window;
    window.show();
    openExample(window);
    const QString json = m_dir.filePath(QStringLiteral("rotated.json"));
    writeFile(json, R"([["Q", {"r": 15}, "W"]])");
    const QStringList before = namesOf(window.project().layoutList(Portrait));
    MessageBoxSeen seen;
    chooseFile(json, [&seen] { answerMessageBox(seen); });
    click(window, IdImportLayout);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY2(seen.text.contains(QStringLiteral("nothing was changed")) && seen.text.contains(QStringLiteral("rotated by 15")),
             qPrintable(seen.text));
    QCOMPARE(namesOf(window.project().layoutList(Portrait)), before);
    QCOMPARE(steps(window), 0);
}

// As a new author starts: an empty project, no file yet; the layout takes the place of the fresh
// "Layout00", its picture drawn beside the project saved first.
void TestLayoutCommands::importIntoANewProjectSavesItFirst()
{
    QuietWindow window;
    window.show();
    const QString project = m_dir.filePath(QStringLiteral("ansi.vsp"));
    QString summary;
    chooseFile(QStringLiteral(VELKARI_TEST_DATA "/kle/ansi-60.json"), [&] {
        answerWithButton(QStringLiteral("Save As..."), [&](QMessageBox *) {
            chooseFile(project, [&summary] {
                answerWithButton(QStringLiteral("OK"),
                                 [&summary](QMessageBox *box) { summary = box->informativeText(); });
            });
        });
    });
    click(window, IdImportLayout);
    QCOMPARE(window.document().path(), project);
    const LayoutList &portrait = window.project().layoutList(Portrait);
    QCOMPARE(namesOf(portrait), QStringList{"ANSI 60%"});
    QCOMPARE(portrait.at(0)->picFileName, m_dir.filePath(QStringLiteral("ansi-pictures/portrait-ansi-60.gif")));
    QCOMPARE(QImageReader(portrait.at(0)->picFileName).size(), QSize(240, 100));
    QVERIFY2(summary.contains(QStringLiteral("Named keys (13): Backspace, Tab")), qPrintable(summary));
    QCOMPARE(steps(window), 1);
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
    QuietWindow window;
    window.show();
    openExample(window);
    // Two rows, read back exactly from the painter's picture.
    const auto drawn = makeKeyLayout({{{1, 'a', 'A'}, {1, 'b', 'B'}}, {{1, 'c', 'C'}, {1, 'd', 'D'}, {1, 'e', 'E'}}}, 80, 24);
    drawn->rows.at(0)->buttons.at(0)->width = 160;
    const QString picture = m_dir.filePath(QStringLiteral("read.bmp"));
    QVERIFY(KeyboardPainter(*KeyboardTheme::named(QStringLiteral("dark"))).paint(*drawn).save(picture, "BMP"));
    const SkinLayout &letters = *window.project().layoutList(Portrait).at(0);
    const QStringList before = keysOf(letters);
    const int stepsBefore = steps(window);

    QString report;
    QStringList heights;
    whenModal<CLayoutDlg>([&](CLayoutDlg *dialog) {
        typeInto(*dialog, IdLayoutName, QStringLiteral("Renamed"));
        typeInto(*dialog, IdLayoutPictureName, picture);
        answerWithButton(QStringLiteral("OK"), [&report](QMessageBox *box) { report = box->text(); });
        click(*dialog, IdLayoutReadKeys);
        for (int row = 0; row < 3; ++row)
            heights << textOf(*dialog, IdLayoutFirstHeight + row);
        click(*dialog, ending);
    });
    click(window, IdLayoutProperties);
    QVERIFY2(report.startsWith(QStringLiteral("Set from the picture: 2 row heights, 5 key widths.")), qPrintable(report));
    QCOMPARE(heights, (QStringList{"24", "24", "N/A"}));
    const SkinLayout &shown = *window.project().layoutList(Portrait).at(0);
    if (ending == Cancel) {
        QCOMPARE(keysOf(shown), before);
        QCOMPARE(shown.name, QStringLiteral("Letters"));
        QCOMPARE(steps(window), stepsBefore);
        return;
    }
    QCOMPARE(shown.name, QStringLiteral("Renamed"));
    const QStringList read = keysOf(shown);
    QCOMPARE(read.size(), 2);
    QVERIFY2(read.first().startsWith(QStringLiteral("24| q:160 w:80")), qPrintable(read.first()));
    QCOMPARE(steps(window), stepsBefore + 1);
    window.document().undo();
    QCOMPARE(keysOf(*window.project().layoutList(Portrait).at(0)), before);
    QCOMPARE(window.project().layoutList(Portrait).at(0)->name, QStringLiteral("Letters"));
}

QTEST_MAIN(TestLayoutCommands)
#include "tst_layoutcommands.moc"
