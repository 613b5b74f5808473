#include "buttonfunctions.h"
#include "controlhints.h"
#include "controlids.h"
#include "testprojects.h"

#include <QTest>

using namespace velkari;
using velkari::test::fillLayouts;
using velkari::test::fillRows;
using velkari::test::lines;

namespace {

const QString help = QStringLiteral("Velkari.htm");

} // namespace

class TestControlHints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hints_data();
    void hints();
    void noHintForOtherIds_data();
    void noHintForOtherIds();
    void gridCellDescribesItsButton_data();
    void gridCellDescribesItsButton();
    void gridIdsOutsideTheGridAreEmpty_data();
    void gridIdsOutsideTheGridAreEmpty();
    void gridCellWithoutCurrentLayout();
    void gridCellUsesShapeLayoutsAndHelpFile();
};

void TestControlHints::hints_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("hint");

    QTest::newRow("help file name") << 1000 << "Select Name of Help file for this Skin.";
    QTest::newRow("add layout") << 1007 << "Add a new Layout.";
    QTest::newRow("layout properties") << 1009 << "Change the properties of the selected Layout.";
    QTest::newRow("open") << 1010 << "Open an existing Document.";
    QTest::newRow("save") << 1011 << "Save the current information to the file.";
    QTest::newRow("create skin") << 1012 << "Create the skin file.";
    QTest::newRow("shape list") << 1013 << "Select the Orientation and Resolution.";
    QTest::newRow("save as") << 1014 << "Save the current information to another file.";
    QTest::newRow("copy layout") << 1015 << "Copy the current layout information to the clipboard.";
    QTest::newRow("new") << 1016 << "Create a new Document.";
    QTest::newRow("text color") << 1017
                                << "Select Text Color used for Task Manager, Macros, and Calculator layouts.";
    QTest::newRow("highlight color") << 1018 << "Select Color used to high light a button.";
    QTest::newRow("layout list") << 1026 << "Select current Layout.";
    QTest::newRow("close") << 1031 << "Close Velkari Skin Editor.";
}

void TestControlHints::hints()
{
    QFETCH(int, id);
    QFETCH(QString, hint);
    QCOMPARE(controlHint(id), hint);
    QCOMPARE(DescribeControl(id, nullptr, nullptr, help), hint);

    // A current layout makes no difference to a control outside the grid.
    SkinLayout layout;
    fillRows(layout, {30, 30, 30, 30, 30, 30});
    LayoutList layouts;
    fillLayouts(layouts, {QStringLiteral("Layout00")});
    QCOMPARE(DescribeControl(id, &layout, &layouts, help), hint);
}

void TestControlHints::noHintForOtherIds_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("nothing under the mouse") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("help button") << 57670;
    QTest::newRow("picture") << 1029;
    QTest::newRow("status area") << 1030;
    QTest::newRow("between hints") << 1008;
    QTest::newRow("button properties check box") << 2001;
    QTest::newRow("first grid cell") << 5000;
}

void TestControlHints::noHintForOtherIds()
{
    QFETCH(int, id);
    QVERIFY(controlHint(id).isEmpty());
    QVERIFY(DescribeControl(id, nullptr, nullptr, help).isEmpty());
}

void TestControlHints::gridCellDescribesItsButton_data()
{
    QTest::addColumn<QList<int>>("buttonsPerRow");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");

    const QList<int> full = {30, 30, 30, 30, 30, 30};
    const QString newCell = QStringLiteral("Click to add a button at the end of this row.");
    QTest::newRow("row 5 column 25, 26 buttons") << QList<int>{1, 1, 1, 1, 1, 26} << 5 << 25 << newCell;
    QTest::newRow("row 5 column 25, 27 buttons") << QList<int>{1, 1, 1, 1, 1, 27} << 5 << 25
                                                 << lines({"r5c25:", "Sends Char:a and VK:41", "Width:35"});
    QTest::newRow("row 5 column 25, 25 buttons") << QList<int>{1, 1, 1, 1, 1, 25} << 5 << 25 << QString();
    QTest::newRow("row 5 missing") << QList<int>{30, 30, 30, 30, 30} << 5 << 25 << QString();
    QTest::newRow("no rows") << QList<int>{} << 0 << 0 << QString();
    QTest::newRow("first cell") << full << 0 << 0
                                << lines({"r0c0:", "Sends Char:a and VK:41", "Width:10"});
    QTest::newRow("row 1 column 0") << full << 1 << 0
                                    << lines({"r1c0:", "Sends Char:a and VK:41", "Width:10"});
    QTest::newRow("row 2 column 3") << full << 2 << 3
                                    << lines({"r2c3:", "Sends Char:a and VK:41", "Width:13"});
    QTest::newRow("last cell is the placeholder") << full << 5 << 29 << newCell;
    QTest::newRow("row 5 column 28") << full << 5 << 28
                                     << lines({"r5c28:", "Sends Char:a and VK:41", "Width:38"});
}

void TestControlHints::gridCellDescribesItsButton()
{
    QFETCH(QList<int>, buttonsPerRow);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, expected);

    SkinLayout layout;
    fillRows(layout, buttonsPerRow);
    LayoutList layouts;
    fillLayouts(layouts, {QStringLiteral("Layout00")});
    QCOMPARE(DescribeControl(GridCellId::encode(row, column), &layout, &layouts, help), expected);
}

void TestControlHints::gridIdsOutsideTheGridAreEmpty_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("before the grid") << 4999;
    QTest::newRow("row 0 column 30") << 5030;
    QTest::newRow("row 0 column 99") << 5099;
    QTest::newRow("row 5 column 30") << 5530;
    QTest::newRow("row 6 column 0") << 5600;
    QTest::newRow("row 10 column 0") << 6000;
    QTest::newRow("row 10 column 7 (a hint id plus 5000)") << 6007;
}

void TestControlHints::gridIdsOutsideTheGridAreEmpty()
{
    QFETCH(int, id);
    // Every cell of the grid holds a button, so only an id outside it can give an empty text.
    SkinLayout layout;
    fillRows(layout, {30, 30, 30, 30, 30, 30});
    LayoutList layouts;
    fillLayouts(layouts, {QStringLiteral("Layout00")});
    QCOMPARE(DescribeControl(id, &layout, &layouts, help), QString());
    QVERIFY(!DescribeControl(GridCellId::encode(5, 29), &layout, &layouts, help).isEmpty());
}

void TestControlHints::gridCellWithoutCurrentLayout()
{
    QCOMPARE(DescribeControl(GridCellId::encode(0, 0), nullptr, nullptr, help), QString());
    QCOMPARE(DescribeControl(GridCellId::encode(5, 29), nullptr, nullptr, help), QString());
}

void TestControlHints::gridCellUsesShapeLayoutsAndHelpFile()
{
    SkinLayout layout;
    fillRows(layout, {3});
    SkinButton &change = *layout.rows.at(0)->buttons.at(0);
    change.flags = ButtonFlagChangeLayout;
    change.charCode = 1;
    change.vk = 0;
    SkinButton &helpKey = *layout.rows.at(0)->buttons.at(1);
    helpKey.flags = ButtonFlagShortcut;
    helpKey.vk = ShortcutHelp;
    helpKey.charCode = 0;

    LayoutList layouts;
    fillLayouts(layouts, {QStringLiteral("Layout00"), QStringLiteral("Numbers")});
    QCOMPARE(DescribeControl(GridCellId::encode(0, 0), &layout, &layouts, help),
             lines({"r0c0:", "Changes the layout to: Numbers", "Width:10"}));
    QCOMPARE(DescribeControl(GridCellId::encode(0, 0), &layout, nullptr, help),
             lines({"r0c0:", "Changes the layout to: <Layout number 1>", "Width:10"}));
    QCOMPARE(DescribeControl(GridCellId::encode(0, 1), &layout, &layouts, QStringLiteral("Other.htm")),
             lines({"r0c1:", "Shortcut to the Contents page of Help.(Other.htm#Main_Contents)",
                    "Width:11"}));
}

QTEST_APPLESS_MAIN(TestControlHints)
#include "tst_controlhints.moc"
