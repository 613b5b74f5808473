#include "buttondescription.h"
#include "buttonfunctions.h"
#include "testprojects.h"

#include <QFile>
#include <QHash>
#include <QTest>

using namespace velkari;
using velkari::test::fillLayouts;
using velkari::test::fillRows;
using velkari::test::lines;

namespace {

struct ButtonData
{
    QString caption;
    int flags = 0;
    int charCode = 0;
    int vk = 0;
    int width = 0;
};

std::unique_ptr<SkinButton> makeButton(const ButtonData &data)
{
    auto button = std::make_unique<SkinButton>();
    button->caption = data.caption;
    button->flags = quint16(data.flags);
    button->charCode = quint16(data.charCode);
    button->vk = quint8(data.vk);
    button->width = quint16(data.width);
    return button;
}

const QString help = QStringLiteral("Velkari.htm");

} // namespace

class TestButtonFunctions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kindByPriority_data();
    void kindByPriority();
    void toggleIndexIsTopFourBits_data();
    void toggleIndexIsTopFourBits();
    void codeTableLengths();
    void calcKeyTexts_data();
    void calcKeyTexts();
    void codeTablesMatchTheGoldenFile_data();
    void codeTablesMatchTheGoldenFile();
    void calcKeyListAndDescriptionDifferOnlyAtDisplay();
    void calcKeyDescriptionOutsideTableIsEmpty_data();
    void calcKeyDescriptionOutsideTableIsEmpty();
    void actionListTexts();
    void describeButton_data();
    void describeButton();
    void changeLayoutTargetsUseTheGivenShape();
};

void TestButtonFunctions::kindByPriority_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("kind");

    QTest::newRow("none") << 0x0000 << int(KindKeyOnly);
    QTest::newRow("character") << 0x0001 << int(KindCharacter);
    QTest::newRow("change layout") << 0x0002 << int(KindChangeLayout);
    QTest::newRow("calculator") << 0x0040 << int(KindCalculator);
    QTest::newRow("task manager") << 0x0080 << int(KindTaskManager);
    QTest::newRow("macro") << 0x0100 << int(KindMacro);
    QTest::newRow("shortcut") << 0x0200 << int(KindShortcut);
    QTest::newRow("placeholder alone") << 0x0400 << int(KindKeyOnly);
    QTest::newRow("placeholder plays no part") << 0x0402 << int(KindChangeLayout);
    QTest::newRow("options and unused bits only") << 0xF83C << int(KindKeyOnly);
    QTest::newRow("character wins over calculator") << 0x0041 << int(KindCharacter);
    QTest::newRow("character wins over all") << 0x03C3 << int(KindCharacter);
    QTest::newRow("change layout wins over calculator") << 0x0042 << int(KindChangeLayout);
    QTest::newRow("calculator wins over shortcut") << 0x0240 << int(KindCalculator);
    QTest::newRow("task manager wins over macro") << 0x0380 << int(KindTaskManager);
    QTest::newRow("macro wins over shortcut") << 0x0300 << int(KindMacro);
    QTest::newRow("shortcut with every option") << 0xF234 << int(KindShortcut);
}

void TestButtonFunctions::kindByPriority()
{
    QFETCH(int, flags);
    QFETCH(int, kind);
    QCOMPARE(int(buttonKind(quint16(flags))), kind);
}

void TestButtonFunctions::toggleIndexIsTopFourBits_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("index");

    QTest::newRow("none") << 0x0FFF << 0;
    QTest::newRow("1") << 0x1001 << 1;
    QTest::newRow("3 with options") << 0x3035 << 3;
    QTest::newRow("15") << 0xF000 << 15;
    QTest::newRow("15 with all low bits") << 0xFFFF << 15;
}

void TestButtonFunctions::toggleIndexIsTopFourBits()
{
    QFETCH(int, flags);
    QFETCH(int, index);
    QCOMPARE(toggleIndex(quint16(flags)), index);
}

void TestButtonFunctions::codeTableLengths()
{
    QCOMPARE(calcKeyListTexts().size(), 40);
    QCOMPARE(taskActionListTexts().size(), 5);
    QCOMPARE(macroActionListTexts().size(), 2);
    QCOMPARE(shortcutTypeListTexts().size(), 6);
    QCOMPARE(CalcKeyCount, 40);
    QCOMPARE(int(CalcDisplay), 39);
    QCOMPARE(int(TaskRefresh), 4);
    QCOMPARE(int(MacroRecord), 1);
    QCOMPARE(int(ShortcutHelp), 5);
}

void TestButtonFunctions::calcKeyTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    // The list position is the code, so a slip in the order shows at these.
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("%d", digit) << digit << QString::number(digit);
    QTest::newRow("point") << 10 << ".";
    QTest::newRow("equals") << 15 << "=";
    QTest::newRow("percent") << 18 << "%";
    QTest::newRow("plus-minus") << 19 << QString(QChar(0x00B1));
    QTest::newRow("toggle comma") << 23 << "Toggle Comma";
    QTest::newRow("root") << 29 << "Root (X^(1/Y))";
    QTest::newRow("factorial") << 34 << "Fact (!)";
    QTest::newRow("paste") << 38 << "Paste (Ctrl+V)";
}

void TestButtonFunctions::calcKeyTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(calcKeyListTexts().at(code), text);
    QCOMPARE(calcKeyDescription(code), text);
}

// One row of tests/data/code-tables.tsv per code: a slip in any table's order or wording fails the
// row of that code, whatever the other rows say.
void TestButtonFunctions::codeTablesMatchTheGoldenFile_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("tableSize");

    QFile file(QStringLiteral(VELKARI_TEST_DATA "/code-tables.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<QStringList> rows;
    QHash<QString, int> sizes;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        QCOMPARE(fields.size(), 4);
        rows << fields;
        ++sizes[fields[0]];
    }
    QCOMPARE(sizes.size(), 4);
    for (const QStringList &fields : rows) {
        QTest::addRow("%s %s", qPrintable(fields[0]), qPrintable(fields[1]))
            << fields[0] << fields[1].toInt() << fields[2] << fields[3] << sizes.value(fields[0]);
    }
}

void TestButtonFunctions::codeTablesMatchTheGoldenFile()
{
    QFETCH(QString, table);
    QFETCH(int, code);
    QFETCH(QString, listText);
    QFETCH(QString, description);
    QFETCH(int, tableSize);

    const QHash<QString, QPair<quint16, QStringList>> tables{
        {QStringLiteral("calc"), {ButtonFlagCalculator, calcKeyListTexts()}},
        {QStringLiteral("task"), {ButtonFlagTaskManager, taskActionListTexts()}},
        {QStringLiteral("macro"), {ButtonFlagMacro, macroActionListTexts()}},
        {QStringLiteral("shortcut"), {ButtonFlagShortcut, shortcutTypeListTexts()}},
    };
    QVERIFY2(tables.contains(table), qPrintable(table));
    const auto &[flag, texts] = tables.value(table);
    QCOMPARE(texts.size(), tableSize);
    QCOMPARE(texts.value(code), listText);

    // The calculator's code is the key's charCode; the others' is its vk, charCode their number.
    SkinButton button;
    button.caption = QStringLiteral("K");
    button.flags = flag;
    button.charCode = flag == ButtonFlagCalculator ? quint16(code) : 7;
    button.vk = flag == ButtonFlagCalculator ? 0 : quint8(code);
    button.width = 30;
    LayoutList layouts;
    QStringList lines = DescribeButton(button, layouts, QStringLiteral("Velkari.htm")).split(u'\n');
    QCOMPARE(lines.takeFirst(), QStringLiteral("K:"));
    QCOMPARE(lines.takeLast(), QString()); // every line ends in a line feed
    QCOMPARE(lines.join(QStringLiteral(" | ")), description);
}

void TestButtonFunctions::calcKeyListAndDescriptionDifferOnlyAtDisplay()
{
    const QStringList list = calcKeyListTexts();
    QCOMPARE(list.at(CalcDisplay), QStringLiteral("Display"));
    QCOMPARE(calcKeyDescription(CalcDisplay), QStringLiteral("Write the displayed number"));
    for (int code = 0; code < CalcDisplay; ++code)
        QCOMPARE(calcKeyDescription(code), list.at(code));
}

void TestButtonFunctions::calcKeyDescriptionOutsideTableIsEmpty_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("-1") << -1;
    QTest::newRow("40") << 40;
    QTest::newRow("no list entry selected") << 0xFFFF;
}

void TestButtonFunctions::calcKeyDescriptionOutsideTableIsEmpty()
{
    QFETCH(int, code);
    QVERIFY(calcKeyDescription(code).isEmpty());
}

void TestButtonFunctions::actionListTexts()
{
    QCOMPARE(taskActionListTexts(),
             QStringList({QStringLiteral("Close Task"), QStringLiteral("Activate Task"),
                          QStringLiteral("Close All"), QStringLiteral("Go Today"),
                          QStringLiteral("Refresh")}));
    QCOMPARE(macroActionListTexts(),
             QStringList({QStringLiteral("Play Macro"), QStringLiteral("Record Macro")}));
    QCOMPARE(shortcutTypeListTexts(),
             QStringList({QStringLiteral("Programs"), QStringLiteral("Games"),
                          QStringLiteral("My Shortcuts"), QStringLiteral("Options"),
                          QStringLiteral("Go Today"), QStringLiteral("Help")}));
}

void TestButtonFunctions::describeButton_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("charCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char *name, const ButtonData &b, const QStringList &expected,
                        const QString &helpFile = help) {
        QTest::newRow(name) << b.caption << b.flags << b.charCode << b.vk << b.width << helpFile
                            << expected;
    };
    using L = QStringList;
    const QString X = QStringLiteral("X");

    // The shape's layouts are Layout00 and Numbers.
    row("A", {QStringLiteral("A"), 0x0001, 0x0041, 0x41, 20},
        L{"A:", "Sends Char:A and VK:41", "Width:20"});
    row("Enter is not printable", {QStringLiteral("Enter"), 0x0001, 0x000D, 0x0D, 40},
        L{"Enter:", "Sends Char:000D and VK:0D", "Width:40"});
    row("layout not set", {QStringLiteral("123"), 0x0002, 0xFFFF, 0, 30},
        L{"123:", "Changes the layout to: <Not Set>", "Width:30"});
    row("layout by name", {X, 0x0002, 1, 0x10, 30},
        L{"X:", "Sends VK:10", "Changes the layout to: Numbers", "Width:30"});
    row("layout beyond the list", {X, 0x0002, 5, 0x10, 30},
        L{"X:", "Sends VK:10", "Changes the layout to: <Layout number 5>", "Width:30"});
    row("calculator display", {QStringLiteral("Sq"), 0x0040, 39, 0, 20},
        L{"Sq:", "Calculator Button: Write the displayed number", "Width:20"});
    row("help contents", {QStringLiteral("Help"), 0x0200, 0, 5, 70},
        L{"Help:", "Shortcut to the Contents page of Help.(Velkari.htm#Main_Contents)", "Width:70"});
    row("placeholder", {QString(), 0x0400, 0, 0, 70}, L{":", "Width:70"});

    row("help topic 12", {QStringLiteral("Help"), 0x0200, 12, 5, 70},
        L{"Help:", "Shortcut to the topic \"Velkari.htm#BUTTON_TOPIC12\" in the help.", "Width:70"});
    row("e acute is printable", {QStringLiteral("e"), 0x0001, 0x00E9, 0xE9, 20},
        L{"e:", QStringLiteral("Sends Char:%1 and VK:E9").arg(QChar(0x00E9)), "Width:20"});
    row("task code beyond its table", {QStringLiteral("T"), 0x0080, 1, 9, 20}, L{"T:"});
    row("options in fixed order", {QStringLiteral("a"), 0x3015, 0x0061, 0x41, 20},
        L{"a:", "Sends Char:a and VK:41", "Width:20", "Toggle Button 3",
          "Does not cause release of down buttons",
          "Automatically released when a button is pressed"});
    row("character wins over calculator", {QStringLiteral("A"), 0x0041, 0x0041, 0x41, 20},
        L{"A:", "Sends Char:A and VK:41", "Width:20"});

    // Character: the printable test and the hexadecimal forms.
    row("space is printable", {QStringLiteral("Space"), 0x0001, 0x0020, 0x20, 60},
        L{"Space:", "Sends Char:  and VK:20", "Width:60"});
    row("NUL", {QString(), 0x0001, 0x0000, 0, 20}, L{":", "Sends Char:0000 and VK:00", "Width:20"});
    row("C1 control", {X, 0x0001, 0x0085, 0x0A, 20}, L{"X:", "Sends Char:0085 and VK:0A", "Width:20"});
    row("lone high surrogate", {X, 0x0001, 0xD83D, 0, 20},
        L{"X:", "Sends Char:D83D and VK:00", "Width:20"});
    row("lone low surrogate", {X, 0x0001, 0xDFFF, 0xFF, 20},
        L{"X:", "Sends Char:DFFF and VK:FF", "Width:20"});
    row("noncharacter", {X, 0x0001, 0xFFFF, 0, 20}, L{"X:", "Sends Char:FFFF and VK:00", "Width:20"});
    row("euro sign", {X, 0x0001, 0x20AC, 0, 20},
        L{"X:", QStringLiteral("Sends Char:%1 and VK:00").arg(QChar(0x20AC)), "Width:20"});
    row("percent sign is a character", {X, 0x0001, u'%', 0x35, 20},
        L{"X:", "Sends Char:% and VK:35", "Width:20"});
    row("width is unsigned", {X, 0x0001, u'x', 0x58, 65535},
        L{"X:", "Sends Char:x and VK:58", "Width:65535"});

    // Change Layout.
    row("first layout, no vk", {X, 0x0002, 0, 0, 30}, L{"X:", "Changes the layout to: Layout00", "Width:30"});
    row("target equal to the count", {X, 0x0002, 2, 0, 30},
        L{"X:", "Changes the layout to: <Layout number 2>", "Width:30"});
    row("largest target before not set", {X, 0x0002, 0xFFFE, 0, 30},
        L{"X:", "Changes the layout to: <Layout number 65534>", "Width:30"});
    row("not set with a vk", {X, 0x0002, 0xFFFF, 0x1B, 30},
        L{"X:", "Sends VK:1B", "Changes the layout to: <Not Set>", "Width:30"});
    row("change layout wins over calculator", {X, 0x0042, 1, 0, 30},
        L{"X:", "Changes the layout to: Numbers", "Width:30"});

    // Calculator.
    row("calculator 0", {X, 0x0040, 0, 0, 20}, L{"X:", "Calculator Button: 0", "Width:20"});
    row("calculator plus-minus", {X, 0x0040, 19, 0, 20},
        L{"X:", QStringLiteral("Calculator Button: %1").arg(QChar(0x00B1)), "Width:20"});
    row("calculator paste", {X, 0x0040, 38, 0, 20}, L{"X:", "Calculator Button: Paste (Ctrl+V)", "Width:20"});
    row("calculator 40", {X, 0x0040, 40, 0, 20}, L{"X:", "Calculator Button: <Unknown 40>", "Width:20"});
    row("calculator none selected", {X, 0x0040, 0xFFFF, 0, 20},
        L{"X:", "Calculator Button: <Unknown 65535>", "Width:20"});

    // Task Manager: the number is charCode, the action vk.
    row("close task", {X, 0x0080, 3, 0, 50}, L{"X:", "Terminates Task number: 3", "Width:50"});
    row("activate task", {X, 0x0080, 0x8000, 1, 50}, L{"X:", "Activates Task number: 32768", "Width:50"});
    row("close all", {X, 0x0080, 3, 2, 50}, L{"X:", "Closes all Tasks.", "Width:50"});
    row("task go today", {X, 0x0080, 3, 3, 50}, L{"X:", "Shows Today Screen.", "Width:50"});
    row("refresh", {X, 0x0080, 3, 4, 50}, L{"X:", "Refresh.", "Width:50"});
    row("task code 5", {X, 0x0080, 3, 5, 50}, L{"X:"});
    row("task code beyond, options still shown", {X, 0x10A4, 3, 0xFF, 50},
        L{"X:", "Toggle Button 1", "Does not cause release of down buttons", "Returns to previous layout"});

    // Macro.
    row("play macro", {X, 0x0100, 7, 0, 50}, L{"X:", "Plays Macro number: 7", "Width:50"});
    row("record macro", {X, 0x0100, 7, 1, 50}, L{"X:", "Records a Macro.", "Width:50"});
    row("macro code 2", {X, 0x0100, 7, 2, 50}, L{"X:"});

    // Shortcut.
    row("programs", {X, 0x0200, 4, 0, 50},
        L{"X:", "Shortcut to the item number 4 in the Programs folder.", "Width:50"});
    row("games", {X, 0x0200, 0, 1, 50},
        L{"X:", "Shortcut to the item number 0 in the Games folder.", "Width:50"});
    row("my shortcuts", {X, 0x0200, 65535, 2, 50},
        L{"X:", "Shortcut to the item number 65535 in the My Shortcuts folder.", "Width:50"});
    row("options", {X, 0x0200, 4, 3, 50}, L{"X:", "Shortcut to the Velkari Settings Dialogbox.", "Width:50"});
    row("shortcut go today", {X, 0x0200, 4, 4, 50}, L{"X:", "Shortcut to the Today Screen.", "Width:50"});
    row("shortcut code 6", {X, 0x0200, 4, 6, 50}, L{"X:"});
    row("help file name is plain text", {X, 0x0200, 1, 5, 50},
        L{"X:", "Shortcut to the topic \"%s %d %1.htm#BUTTON_TOPIC1\" in the help.", "Width:50"},
        QStringLiteral("%s %d %1.htm"));
    row("empty help file name", {X, 0x0200, 0, 5, 50},
        L{"X:", "Shortcut to the Contents page of Help.(#Main_Contents)", "Width:50"}, QString());

    // Key only.
    row("key only with vk", {QStringLiteral("Shift"), 0x0000, 0x1234, 0x10, 40},
        L{"Shift:", "Sends VK:10", "Width:40"});
    row("key only without vk", {QStringLiteral("Blank"), 0x0000, 0x1234, 0, 40}, L{"Blank:", "Width:40"});
    row("placeholder with vk", {QString(), 0x0400, 0, 0x08, 70}, L{":", "Sends VK:08", "Width:70"});
    row("unused bits do not count", {X, 0x0808, 0, 0, 10}, L{"X:", "Width:10"});

    // Options.
    row("every option, toggle 15", {QStringLiteral("T"), 0xF034, 0, 0x14, 30},
        L{"T:", "Sends VK:14", "Width:30", "Toggle Button 15",
          "Does not cause release of down buttons",
          "Automatically released when a button is pressed", "Returns to previous layout"});
    row("return only", {QStringLiteral("R"), 0x0022, 0, 0, 30},
        L{"R:", "Changes the layout to: Layout00", "Width:30", "Returns to previous layout"});
    row("caption is plain text", {QStringLiteral("%s%d%1"), 0x0000, 0, 0, 30}, L{"%s%d%1:", "Width:30"});
    row("caption with a colon and spaces", {QStringLiteral(" a: b "), 0x0000, 0, 0, 30},
        L{" a: b :", "Width:30"});
}

void TestButtonFunctions::describeButton()
{
    QFETCH(QString, caption);
    QFETCH(int, flags);
    QFETCH(int, charCode);
    QFETCH(int, vk);
    QFETCH(int, width);
    QFETCH(QString, helpFile);
    QFETCH(QStringList, expected);

    LayoutList layouts;
    fillLayouts(layouts, {QStringLiteral("Layout00"), QStringLiteral("Numbers")});
    const auto button = makeButton({caption, flags, charCode, vk, width});
    QCOMPARE(DescribeButton(*button, layouts, helpFile), lines(expected));
}

void TestButtonFunctions::changeLayoutTargetsUseTheGivenShape()
{
    const auto button = makeButton({QStringLiteral("X"), ButtonFlagChangeLayout, 0, 0, 30});
    LayoutList none;
    QCOMPARE(DescribeButton(*button, none, help),
             lines({"X:", "Changes the layout to: <Layout number 0>", "Width:30"}));

    // A layout name is shown as it is, printf characters included.
    LayoutList named;
    fillLayouts(named, {QStringLiteral("%s 100%")});
    QCOMPARE(DescribeButton(*button, named, help),
             lines({"X:", "Changes the layout to: %s 100%", "Width:30"}));
}

QTEST_APPLESS_MAIN(TestButtonFunctions)
#include "tst_buttonfunctions.moc"
