#include "dialogresult.h"
#include "projectchecker.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "testprojects.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <functional>

using namespace velkari;
using namespace velkari::test;

namespace {

using Intent = std::function<bool(ProjectDocument &)>;

// Captions of a row's keys, "+" for its placeholder.
QStringList rowText(const SkinRow &row)
{
    QStringList texts;
    for (const auto &button : row.buttons)
        texts << (button->isPlaceholder() ? QStringLiteral("+") : button->caption);
    return texts;
}

RecordPath key(int layout, int row, int button)
{
    return {Portrait, layout, row, button};
}

} // namespace

Q_DECLARE_METATYPE(Intent)

class TestDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void intentsAreOneStepEach_data();
    void intentsAreOneStepEach();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void buttonDialogEndings_data();
    void buttonDialogEndings();
    void cancelledDialogLeavesItsChangeWithoutAStep();
    void copiedReferencesFollowTheirRecords_data();
    void copiedReferencesFollowTheirRecords();
    void movesCarryPlaces_data();
    void movesCarryPlaces();
    void deriveCompletesTheSource();
    void randomIntentsUndoToTheBytes();
    void modifiedFollowsTheSavedStep();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ProjectDocument> m_document;
    QByteArray m_original;
};

// Portrait holds "Letters" (rows "A B +" and "C +"), "Numbers" and "Symbols"; the other shapes
// one valid layout each. Opened from its file, so the history starts clean.
void TestDocument::init()
{
    const QString picture = m_dir.filePath(QStringLiteral("k.gif"));
    writeFile(picture, "GIF89a");
    SkinProject project;
    makeValidProject(project, picture);
    LayoutList &portrait = project.layoutList(Portrait);
    SkinLayout &letters = *portrait.at(0);
    letters.name = QStringLiteral("Letters");
    letters.rows.clear();
    letters.rows.append(makeRow(20, {100, 140}));
    letters.rows.append(makeRow(20, {240}));
    letters.rows.at(0)->buttons.at(0)->caption = QStringLiteral("A");
    letters.rows.at(0)->buttons.at(1)->caption = QStringLiteral("B");
    letters.rows.at(1)->buttons.at(0)->caption = QStringLiteral("C");
    portrait.append(makeValidLayout(QStringLiteral("Numbers"), picture));
    portrait.append(makeValidLayout(QStringLiteral("Symbols"), picture));
    const QString path = m_dir.filePath(QStringLiteral("document.vsp"));
    saveProjectFile(project, path);
    m_document = std::make_unique<ProjectDocument>(nullptr, m_dir.filePath(QStringLiteral("recovery")));
    QVERIFY(m_document->replaceFromFile(path, nullptr));
    m_original = projectBytes(m_document->project());
}

void TestDocument::intentsAreOneStepEach_data()
{
    QTest::addColumn<Intent>("intent");
    QTest::addColumn<QString>("action");
    QTest::newRow("insert after") << Intent([](ProjectDocument &d) { return d.insertButtonCopy(key(0, 0, 0), true); })
                                  << "Insert Button";
    QTest::newRow("remove a key") << Intent([](ProjectDocument &d) { return d.removeButton(key(0, 0, 1)); })
                                  << "Delete Button";
    QTest::newRow("move a key to another row")
        << Intent([](ProjectDocument &d) { return d.moveButton(key(0, 0, 0), key(0, 1, 1)); }) << "Move Button";
    QTest::newRow("paste a key") << Intent([](ProjectDocument &d) {
        d.copyButton(d.button(key(1, 0, 0)));
        return d.pasteButton(key(0, 0, 0));
    }) << "Paste Button";
    QTest::newRow("add a layout") << Intent([](ProjectDocument &d) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QStringLiteral("Added");
        layout->rows.append(makeRow(20, {240}));
        return d.addLayout(Portrait, std::move(layout));
    }) << "Add Layout";
    QTest::newRow("remove a layout") << Intent([](ProjectDocument &d) { return d.removeLayout(Portrait, 1); })
                                     << "Delete Layout";
    QTest::newRow("picture") << Intent([](ProjectDocument &d) { return d.setPicture(Portrait, 2, "/x/y.gif"); })
                             << "Set Picture";
    QTest::newRow("fit a row") << Intent([](ProjectDocument &d) {
        for (const auto &button : d.layout(Portrait, 0)->rows.at(0)->buttons)
            button->width = 60; // as dialogs would leave them: 120 pixels in all
        return !d.fitRows(Portrait, 0, 0).changed.isEmpty();
    }) << "Fit Rows";
    QTest::newRow("equal widths") << Intent([](ProjectDocument &d) {
        return !d.equalRowWidths(Portrait, 0, 0).changed.isEmpty();
    }) << "Equal Widths";
    QTest::newRow("text colour") << Intent([](ProjectDocument &d) { return d.setTextColor(0x123456); })
                                 << "Change Text Color";
    QTest::newRow("help file name") << Intent([](ProjectDocument &d) { return d.setHelpFileName("Guide.htm"); })
                                    << "Change Help File Name";
    QTest::newRow("layout confirmed with fewer rows") << Intent([](ProjectDocument &d) {
        d.layout(Portrait, 0)->rows.removeAt(1);
        return d.finishLayoutDialog(Portrait, 0, Ok, false);
    }) << "Edit Layout";
}

// Each intent is one step named after it, one change signal, and marks the project modified;
// undo gives back the very bytes of the file and its clean state, redo the bytes after.
void TestDocument::intentsAreOneStepEach()
{
    QFETCH(Intent, intent);
    QFETCH(QString, action);
    ProjectDocument &document = *m_document;
    QSignalSpy changes(&document, &ProjectDocument::changed);
    QVERIFY(intent(document));
    const QByteArray after = projectBytes(document.project());
    QVERIFY(after != m_original);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(document.undoStack()->count(), 1);
    QCOMPARE(document.undoStack()->undoText(), action);
    QVERIFY(document.isModified());
    document.undo();
    QCOMPARE(projectBytes(document.project()), m_original);
    QVERIFY(!document.isModified());
    QCOMPARE(changes.last()[0].value<DocumentChange>().kind, DocumentChange::Kind::Restore);
    document.redo();
    QCOMPARE(projectBytes(document.project()), after);
}

void TestDocument::refusalsChangeNothing_data()
{
    QTest::addColumn<Intent>("intent");
    QTest::newRow("the only key of a row has the New cell after it: not the New cell")
        << Intent([](ProjectDocument &d) { return d.removeButton(key(0, 1, 1)); });
    QTest::newRow("insert a copy of the New cell")
        << Intent([](ProjectDocument &d) { return d.insertButtonCopy(key(0, 1, 1), false); });
    QTest::newRow("move the New cell") << Intent([](ProjectDocument &d) { return d.moveButton(key(0, 1, 1), key(0, 0, 0)); });
    QTest::newRow("move a key onto itself")
        << Intent([](ProjectDocument &d) { return d.moveButton(key(0, 0, 0), key(0, 0, 0)); });
    QTest::newRow("move into a full row") << Intent([](ProjectDocument &d) {
        ButtonList &full = d.layout(Portrait, 0)->rows.at(1)->buttons;
        while (!full.isFull())
            full.insertCopyAt(0, *full.at(0));
        return d.moveButton(key(0, 0, 0), key(0, 1, 0));
    });
    QTest::newRow("paste with nothing copied") << Intent([](ProjectDocument &d) { return d.pasteButton(key(0, 0, 0)); });
    QTest::newRow("remove a shape's only layout")
        << Intent([](ProjectDocument &d) { return d.removeLayout(Landscape, 0); });
    QTest::newRow("a 20th layout") << Intent([](ProjectDocument &d) {
        LayoutList &layouts = d.project().layoutList(Portrait);
        while (layouts.count() < LayoutList::capacity - 1)
            layouts.append(makeValidLayout(QStringLiteral("More"), QString()));
        return d.addLayout(Portrait, std::make_unique<SkinLayout>());
    });
    QTest::newRow("fit a row whose keys add up to 0") << Intent([](ProjectDocument &d) {
        d.layout(Portrait, 0)->rows.at(1)->buttons.at(0)->width = 0;
        return !d.fitRows(Portrait, 0, 1).changed.isEmpty();
    });
    QTest::newRow("a picture it has already")
        << Intent([](ProjectDocument &d) { return d.setPicture(Portrait, 0, d.layout(Portrait, 0)->picFileName); });
}

void TestDocument::refusalsChangeNothing()
{
    QFETCH(Intent, intent);
    QVERIFY(!intent(*m_document));
    QCOMPARE(m_document->undoStack()->count(), 0);
    QVERIFY(!m_document->isModified());
}

// What Button Properties ends with decides what happens to the row: OK on the New cell puts a
// new one behind it, Insert copies the key as stored, Delete removes it; the New cell offers OK
// alone, so anything else there is a Cancel.
void TestDocument::buttonDialogEndings_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<bool>("step");
    QTest::newRow("OK on a key") << 0 << int(Ok) << QStringList{"A!", "B", "+"} << true;
    QTest::newRow("OK on the New cell") << 2 << int(Ok) << QStringList{"A", "B", "New!", "+"} << true;
    QTest::newRow("insert after") << 0 << int(InsertAfter) << QStringList{"A", "A", "B", "+"} << true;
    QTest::newRow("insert before") << 1 << int(InsertBefore) << QStringList{"A", "B", "B", "+"} << true;
    QTest::newRow("delete") << 0 << int(Delete) << QStringList{"B", "+"} << true;
    QTest::newRow("delete on the New cell") << 2 << int(Delete) << QStringList{"A", "B", "+"} << false;
    QTest::newRow("cancel") << 1 << int(Cancel) << QStringList{"A", "B", "+"} << false;
}

void TestDocument::buttonDialogEndings()
{
    QFETCH(int, column);
    QFETCH(int, result);
    QFETCH(QStringList, row);
    QFETCH(bool, step);
    SkinButton &clicked = *m_document->button(key(0, 0, column));
    const bool addMode = clicked.isPlaceholder();
    if (result == Ok) {
        // What the dialog's OK writes into the key.
        clicked.caption = addMode ? QStringLiteral("New!") : clicked.caption + u'!';
        clicked.flags = ButtonFlagCharacter;
    }
    m_document->finishButtonDialog(key(0, 0, column), result, addMode, false);
    QCOMPARE(rowText(*m_document->layout(Portrait, 0)->rows.at(0)), row);
    QCOMPARE(m_document->undoStack()->count(), step ? 1 : 0);
    QCOMPARE(m_document->isModified(), step);
}

// The automatic caption of a New cell stays after Cancel: no step and not modified, but part of
// the state, so undoing a later step does not bring the old caption back.
void TestDocument::cancelledDialogLeavesItsChangeWithoutAStep()
{
    ProjectDocument &document = *m_document;
    QSignalSpy changes(&document, &ProjectDocument::changed);
    document.button(key(0, 1, 1))->caption = QStringLiteral("B07");
    QVERIFY(!document.finishButtonDialog(key(0, 1, 1), Cancel, true, false));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(document.undoStack()->count(), 0);
    QVERIFY(!document.isModified());

    QVERIFY(document.setTextColor(0x00102030));
    document.undo();
    QCOMPARE(document.button(key(0, 1, 1))->caption, QStringLiteral("B07"));
    document.redo();
    QCOMPARE(document.button(key(0, 1, 1))->caption, QStringLiteral("B07"));
}

void TestDocument::copiedReferencesFollowTheirRecords_data()
{
    QTest::addColumn<Intent>("intent");
    QTest::addColumn<QString>("button"); // the copied key's caption afterwards, "" for none
    QTest::addColumn<QString>("layout"); // the copied layout's name afterwards
    QTest::addColumn<QString>("buttonAfterUndo");
    QTest::newRow("its key removed") << Intent([](ProjectDocument &d) { return d.removeButton(key(0, 0, 0)); })
                                     << "" << "Letters" << "";
    QTest::newRow("its row removed") << Intent([](ProjectDocument &d) {
        d.layout(Portrait, 0)->rows.removeAt(0);
        return d.finishLayoutDialog(Portrait, 0, Ok, false);
    }) << "" << "Letters" << "";
    QTest::newRow("its layout removed") << Intent([](ProjectDocument &d) { return d.removeLayout(Portrait, 0); })
                                        << "" << "" << "";
    QTest::newRow("rows replaced by a paste") << Intent([](ProjectDocument &d) {
        d.layout(Portrait, 0)->rows.assignCopy(d.layout(Portrait, 1)->rows);
        return d.finishLayoutDialog(Portrait, 0, Ok, true);
    }) << "" << "Letters" << "";
    QTest::newRow("a key put before it") << Intent([](ProjectDocument &d) { return d.insertButtonCopy(key(0, 0, 1), false); })
                                         << "A" << "Letters" << "A";
    QTest::newRow("the key moved") << Intent([](ProjectDocument &d) { return d.moveButton(key(0, 0, 0), key(0, 1, 1)); })
                                   << "A" << "Letters" << "A";
    QTest::newRow("a layout before it removed") << Intent([](ProjectDocument &d) {
        d.copyLayout(d.layout(Portrait, 2));
        return d.removeLayout(Portrait, 1);
    }) << "A" << "Symbols" << "A";
    QTest::newRow("another project opened") << Intent([](ProjectDocument &d) {
        d.replaceWithNew();
        return true;
    }) << "" << "" << "";
}

// A copied key or layout is the live record: a paste takes it as it is then, and once it is
// destroyed the reference is gone for good, also after the removal is undone.
void TestDocument::copiedReferencesFollowTheirRecords()
{
    QFETCH(Intent, intent);
    QFETCH(QString, button);
    QFETCH(QString, layout);
    QFETCH(QString, buttonAfterUndo);
    ProjectDocument &document = *m_document;
    document.copyButton(document.button(key(0, 0, 0)));
    document.copyLayout(document.layout(Portrait, 0));
    QVERIFY(intent(document));
    const auto caption = [&document] { return document.copiedButton() ? document.copiedButton()->caption : QString(); };
    QCOMPARE(caption(), button);
    QCOMPARE(document.copiedLayout() ? document.copiedLayout()->name : QString(), layout);
    if (document.undoStack()->canUndo()) {
        document.undo();
        QCOMPARE(caption(), buttonAfterUndo);
        document.redo();
        QCOMPARE(caption(), button);
    }
}

void TestDocument::movesCarryPlaces_data()
{
    // Places as shape, layout, row, button; an empty list is no place.
    QTest::addColumn<QList<int>>("at");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QList<int>>("place");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("layout removed before") << QList{0, 1, -1, -1} << -1 << QList{0, 3, -1, -1} << QList{0, 2, -1, -1};
    QTest::newRow("the layout removed") << QList{0, 1, -1, -1} << -1 << QList{0, 1, -1, -1} << QList<int>();
    QTest::newRow("layout removed after") << QList{0, 3, -1, -1} << -1 << QList{0, 1, -1, -1} << QList{0, 1, -1, -1};
    QTest::newRow("another shape") << QList{1, 0, -1, -1} << -1 << QList{0, 3, -1, -1} << QList{0, 3, -1, -1};
    QTest::newRow("layout put back in its place") << QList{0, 1, -1, -1} << 1 << QList{0, 1, -1, -1}
                                                   << QList{0, 2, -1, -1};
    QTest::newRow("a moved layout's button") << QList{0, 1, -1, -1} << -1 << QList{0, 3, 0, 2} << QList{0, 2, 0, 2};
    QTest::newRow("the removed layout's button") << QList{0, 1, -1, -1} << -1 << QList{0, 1, 0, 2} << QList<int>();
    QTest::newRow("button inserted in its place") << QList{0, 0, 1, 2} << 1 << QList{0, 0, 1, 2} << QList{0, 0, 1, 3};
    QTest::newRow("button inserted behind") << QList{0, 0, 1, 2} << 1 << QList{0, 0, 1, 1} << QList{0, 0, 1, 1};
    QTest::newRow("button of another row") << QList{0, 0, 1, 2} << 1 << QList{0, 0, 0, 5} << QList{0, 0, 0, 5};
    QTest::newRow("the button removed") << QList{0, 0, 1, 2} << -1 << QList{0, 0, 1, 2} << QList<int>();
    QTest::newRow("a layout, for a button move") << QList{0, 0, 1, 0} << -1 << QList{0, 0, -1, -1}
                                                 << QList{0, 0, -1, -1};
}

void TestDocument::movesCarryPlaces()
{
    QFETCH(QList<int>, at);
    QFETCH(int, delta);
    QFETCH(QList<int>, place);
    QFETCH(QList<int>, after);
    const auto path = [](const QList<int> &p) {
        return p.isEmpty() ? RecordPath() : RecordPath{p[0], p[1], p[2], p[3]};
    };
    const ItemMove move{path(at), delta};
    QVERIFY(move.follow(path(place)) == path(after));
    // Undoing the move brings every record that is still there back to its place.
    if (!after.isEmpty())
        QVERIFY(move.reversed().follow(path(after)) == path(place));
}

// Designed in one shape, whole in four: the source's rows are fitted and its missing pictures
// drawn, the other shapes derived with theirs, all in one step, and nothing is left to mend.
void TestDocument::deriveCompletesTheSource()
{
    ProjectDocument &document = *m_document;
    for (const auto &button : document.layout(Portrait, 0)->rows.at(0)->buttons)
        button->width = 60; // 120 pixels, not a screen's width
    // Empty rows, as a new layout has them: the one between keys is the author's to fill.
    SkinLayout &letters = *document.layout(Portrait, 0);
    letters.rows.insertCopyAt(1, *letters.rows.at(1));
    letters.rows.at(1)->buttons.clear();
    letters.rows.at(1)->buttons.append(std::make_unique<SkinButton>());
    for (int row = 0; row < 2; ++row)
        letters.rows.append(makeRow(16, {}));
    const ProjectDocument::Derived derived =
        document.deriveShapes(Portrait, {Landscape, HiResPortrait, HiResLandscape}, true,
                              *KeyboardTheme::named(QStringLiteral("dark")), true);
    QCOMPARE(derived.report.derived.size(), 3);
    QCOMPARE(derived.sourceFitted.changed.size(), 1);
    QCOMPARE(derived.emptyRowsRemoved, 2);
    QCOMPARE(derived.pictures.problems, QStringList());
    QCOMPARE(rowKeySum(*document.layout(Portrait, 0)->rows.at(0)), 240);
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        QCOMPARE(document.layout(shape, 0)->rows.count(), 3);
    // The prepared layouts lead nowhere, which is only a warning; the empty row left between
    // keys is the one error.
    for (const Problem &problem : checkProject(document.project())) {
        QVERIFY2(problem.code == ProblemCode::UnreachableLayout || problem.row == 1, qPrintable(problem.message));
    }
    QCOMPARE(document.undoStack()->count(), 1);
    document.undo();
    QCOMPARE(projectBytes(document.project()), m_original);
}

// Random intents from a fixed seed, each keeping every row ending in one New cell: undoing them
// all gives the file's bytes back, redoing them all the bytes after the last.
void TestDocument::randomIntentsUndoToTheBytes()
{
    ProjectDocument &document = *m_document;
    QRandomGenerator random(20261207);
    for (int i = 0; i < 200; ++i) {
        const int layouts = document.project().layoutList(Portrait).count();
        const int layout = random.bounded(layouts);
        const SkinLayout &shown = *document.layout(Portrait, layout);
        const int row = random.bounded(shown.rows.count());
        const int keys = shown.rows.at(row)->buttons.count();
        const RecordPath place = key(layout, row, random.bounded(keys));
        const RecordPath other = key(layout, random.bounded(shown.rows.count()), random.bounded(keys));
        switch (random.bounded(7)) {
        case 0:
            document.insertButtonCopy(place, random.bounded(2));
            break;
        case 1:
            document.removeButton(place);
            break;
        case 2:
            document.moveButton(place, other);
            break;
        case 3:
            document.copyButton(document.button(other));
            document.pasteButton(place);
            break;
        case 4:
            document.fitRows(Portrait, layout, row);
            break;
        case 5:
            if (layouts > 1)
                document.removeLayout(Portrait, layout);
            break;
        default:
            document.addLayout(Portrait, makeValidLayout(QStringLiteral("R%1").arg(i), QString()));
            break;
        }
        for (const auto &each : document.project().layoutList(Portrait)) {
            for (const auto &eachRow : each->rows)
                QVERIFY(eachRow->buttons.last()->isPlaceholder());
        }
    }
    const QByteArray last = projectBytes(document.project());
    QUndoStack *stack = document.undoStack();
    QVERIFY(stack->count() > 50);
    while (stack->canUndo())
        stack->undo();
    QCOMPARE(projectBytes(document.project()), m_original);
    QVERIFY(!document.isModified());
    while (stack->canRedo())
        stack->redo();
    QCOMPARE(projectBytes(document.project()), last);
}

void TestDocument::modifiedFollowsTheSavedStep()
{
    ProjectDocument &document = *m_document;
    QSignalSpy modified(&document, &ProjectDocument::modifiedChanged);
    QVERIFY(document.setTextColor(1));
    document.saveTo(document.path());
    QVERIFY(!document.isModified());
    QVERIFY(document.setTextColor(2));
    QVERIFY(document.isModified());
    document.undo();
    // Back where the file is: nothing to ask about at Close.
    QVERIFY(!document.isModified());
    document.undo();
    QVERIFY(document.isModified());
    QCOMPARE(modified.size(), 5);
    // Another project starts a history of its own.
    QVERIFY(document.replaceFromFile(document.path(), nullptr));
    QVERIFY(!document.undoStack()->canUndo() && !document.undoStack()->canRedo());
    QVERIFY(!document.isModified());
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
