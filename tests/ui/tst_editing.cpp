#include "buttondlg.h"
#include "layoutdlg.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"


using namespace velkari;
using namespace velkari::test;

namespace {

QStringList rowText(const SkinRow &row)
{
    QStringList captions;
    for (const auto &button : row.buttons)
        captions << (button->isPlaceholder() ? QStringLiteral("+") : button->caption);
    return captions;
}

std::unique_ptr<SkinButton> key(const QString &caption)
{
    auto button = std::make_unique<SkinButton>();
    button->caption = caption;
    button->flags = ButtonFlagCharacter;
    button->width = 20;
    return button;
}

// The form every edit must keep: rows end in exactly one placeholder, lists within capacity,
// every record numbered by its place, and the grid showing exactly the current layout.
void checkForm(const CViziZareroDlg &window)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = const_cast<CViziZareroDlg &>(window).project().layoutList(shape);
        QVERIFY(layouts.count() >= 1 && layouts.count() <= LayoutList::capacity);
        for (int l = 0; l < layouts.count(); ++l) {
            const SkinLayout &layout = *layouts.at(l);
            QCOMPARE(layout.index, l);
            QVERIFY(layout.rows.count() <= RowList::capacity);
            for (int r = 0; r < layout.rows.count(); ++r) {
                const SkinRow &row = *layout.rows.at(r);
                QCOMPARE(row.index, r);
                QVERIFY(row.buttons.count() >= 1 && row.buttons.count() <= ButtonList::capacity);
                QVERIFY(row.buttons.last()->isPlaceholder());
                for (int b = 0; b < row.buttons.count(); ++b)
                    QCOMPARE(row.buttons.at(b)->index, b);
            }
        }
    }
    const SkinLayout *layout = window.currentLayoutRecord();
    QVERIFY(layout);
    for (int r = 0; r < GridCellId::Rows; ++r) {
        const SkinRow *row = layout->rows.at(r);
        for (int c = 0; c < GridCellId::Columns; ++c)
            QCOMPARE(!window.gridButton(r, c)->isHidden(), row && c < row->buttons.count());
    }
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tooManyLayouts_data();
    void tooManyLayouts();
    void addLayoutThenCancel();
    void layoutPropertiesRepairsRows();
    void fullRowRefusals_data();
    void fullRowRefusals();
    void cancelAfterPasteLeavesTheGridTrue_data();
    void cancelAfterPasteLeavesTheGridTrue();
};

void TestEditing::tooManyLayouts_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<bool>("refused");
    QTest::newRow("19 layouts") << 19 << true;
    QTest::newRow("18 layouts") << 18 << false;
}

void TestEditing::tooManyLayouts()
{
    QFETCH(int, existing);
    QFETCH(bool, refused);
    CViziZareroDlg window;
    window.show();
    LayoutList &layouts = window.project().layoutList(Portrait);
    while (layouts.count() < existing)
        layouts.append(std::make_unique<SkinLayout>());
    NormalizeProject(window.project());
    window.fullRefresh();
    chooseEntry(window, IdLayoutList, 3);

    MessageBoxSeen seen;
    if (refused)
        answerMessageBox(seen);
    else
        press<CLayoutDlg>(Ok, [](CLayoutDlg *dialog) { typeInto(*dialog, IdLayoutName, QStringLiteral("Added")); });
    click(window, IdAddLayout);
    QCOMPARE(seen.shown, refused);
    if (refused) {
        QCOMPARE(seen.title, QStringLiteral("Error:"));
        QCOMPARE(seen.text, QStringLiteral("Too many Layouts!"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(layouts.count(), 19);
        QVERIFY(!window.document().isModified());
    } else {
        QCOMPARE(layouts.count(), 19);
        QCOMPARE(layouts.at(18)->name, QStringLiteral("Added"));
        QCOMPARE(entries(control<QComboBox>(window, IdLayoutList)).last(), QStringLiteral("Added"));
        QCOMPARE(window.currentLayout(), 3); // the new layout is listed, not selected
        QVERIFY(window.document().isModified());
    }
    checkForm(window);
}

void TestEditing::addLayoutThenCancel()
{
    CViziZareroDlg window;
    window.show();
    const int counter = CLayoutDlg::layoutNameCounter();
    press<CLayoutDlg>(Cancel);
    click(window, IdAddLayout);
    QCOMPARE(window.project().layoutList(Portrait).count(), 1);
    QCOMPARE(CLayoutDlg::layoutNameCounter(), counter + 1);
    QVERIFY(!window.document().isModified());
    checkForm(window);
}

void TestEditing::layoutPropertiesRepairsRows()
{
    CViziZareroDlg window;
    window.show();
    // Two rows of heights 12 and 30: the new second row gets its placeholder.
    press<CLayoutDlg>(Ok, [](CLayoutDlg *dialog) {
        chooseEntry(*dialog, IdLayoutRowCount, 1);
        typeInto(*dialog, IdLayoutFirstHeight + 1, QStringLiteral("30"));
    });
    click(window, IdLayoutProperties);
    const SkinLayout &layout = *window.currentLayoutRecord();
    QCOMPARE(layout.rows.count(), 2);
    QCOMPARE(layout.rows.at(1)->height, 30);
    QCOMPARE(rowText(*layout.rows.at(1)), QStringList{"+"});
    QVERIFY(window.document().isModified());
    QCOMPARE(windowRect(window, window.gridButton(1, 0)), QRect(10, 150 + 32, 140, 60));
    QVERIFY(window.gridButton(2, 0)->isHidden());
    checkForm(window);
}

void TestEditing::fullRowRefusals_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("request");
    QTest::addColumn<bool>("refused");
    QTest::newRow("OK on the New cell") << 29 << int(Ok) << true;
    QTest::newRow("insert after") << 3 << int(InsertAfter) << true;
    QTest::newRow("insert before") << 28 << int(InsertBefore) << true;
    // A placeholder inside the row (as a file may hold one) becomes a key where it stands.
    QTest::newRow("OK on a placeholder inside the row") << 5 << int(Ok) << false;
}

void TestEditing::fullRowRefusals()
{
    QFETCH(int, column);
    QFETCH(int, request);
    QFETCH(bool, refused);
    CViziZareroDlg window;
    window.show();
    ButtonList &buttons = window.currentLayoutRecord()->rows.at(0)->buttons;
    for (int i = 0; i < ButtonList::capacity - 1; ++i)
        buttons.insertCopyAt(i, *key(QString::number(i)));
    buttons.at(5)->flags = ButtonFlagPlaceholder;
    window.gridRefresh();
    QStringList expected = rowText(*window.currentLayoutRecord()->rows.at(0));
    QCOMPARE(expected.size(), 30);

    MessageBoxAnswer answer;
    whenModal<CButtonDlg>([request](CButtonDlg *dialog) {
        click(*dialog, request);
        // The dialog stays open after a refusal; the user cancels.
        if (dialog->isVisible())
            whenModal<CButtonDlg>([](CButtonDlg *stillOpen) { click(*stillOpen, Cancel); });
    });
    QTest::mouseClick(window.gridButton(0, column), Qt::LeftButton);
    QCOMPARE(answer.seen().shown, refused);
    if (refused)
        QCOMPARE(answer.seen().icon, QMessageBox::Warning);
    else
        expected[column] = buttons.at(column)->caption;
    QCOMPARE(rowText(*window.currentLayoutRecord()->rows.at(0)), expected);
    QCOMPARE(window.document().isModified(), !refused);
    checkForm(window);
}

void TestEditing::cancelAfterPasteLeavesTheGridTrue_data()
{
    QTest::addColumn<bool>("ontoItself");
    QTest::addColumn<int>("ending");
    QTest::newRow("another layout, Cancel") << false << int(Cancel);
    QTest::newRow("another layout, refused Delete") << false << int(Delete);
    QTest::newRow("itself, Cancel") << true << int(Cancel);
    QTest::newRow("itself, refused Delete") << true << int(Delete);
}

// Cancel, and a Delete refused for a shape's only layout, put back the very rows and buttons the
// layout had, so a copied button stays usable, and nothing is left that closing would lose.
void TestEditing::cancelAfterPasteLeavesTheGridTrue()
{
    QFETCH(bool, ontoItself);
    QFETCH(int, ending);
    CViziZareroDlg window;
    window.show();
    // A layout of another shape, one row high, to paste from.
    SkinLayout &source = *window.project().layoutList(Landscape).at(0);
    while (source.rows.count() > 1)
        source.rows.removeAt(1);
    source.name = QStringLiteral("Source");
    SkinLayout &layout = *window.currentLayoutRecord();
    layout.flags = 0; // confirmed layouts offer Delete
    layout.rows.at(0)->buttons.insertCopyAt(0, *key(QStringLiteral("A")));
    window.gridRefresh();
    window.document().copyButton(layout.rows.at(0)->buttons.at(0));
    window.document().copyLayout(ontoItself ? &layout : &source);
    const auto records = [&layout] {
        QList<const void *> list;
        for (const auto &row : layout.rows) {
            list << row.get();
            for (const auto &button : row->buttons)
                list << button.get();
        }
        return list;
    };
    const QList<const void *> before = records();

    press<CLayoutDlg>(ending, [](CLayoutDlg *dialog) { click(*dialog, IdLayoutPaste); });
    click(window, IdLayoutProperties);
    QCOMPARE(window.project().layoutList(Portrait).count(), 1);
    QCOMPARE(records(), before);
    QCOMPARE(layout.name, QStringLiteral("Layout00"));
    QCOMPARE(window.document().copiedButton(), layout.rows.at(0)->buttons.at(0));
    QVERIFY(!window.document().isModified());
    QCOMPARE(window.gridButton(0, 0)->text(), QStringLiteral("A"));
    checkForm(window);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
