#include "keyboarddevice.h"
#include "testprojects.h"
#include "typingsearch.h"

#include <QTest>

using namespace velkari;
using namespace velkari::test;

namespace {

constexpr quint16 Char = ButtonFlagCharacter;
constexpr quint16 Change = ButtonFlagChangeLayout;
constexpr quint16 Calc = ButtonFlagCalculator;

quint16 toggle(int number)
{
    return quint16(number << 12);
}

// Every key is 20 pixels wide and every row 10 high: key (r, k) covers x 20k to 20k + 20 and
// y 10r to 10r + 10.
void addLayout(SkinProject &project, quint16 flags, qint8 dragUp, const QList<QList<KeyCodes>> &rows)
{
    auto layout = makeKeyLayout(rows, 20, 10);
    layout->flags = flags;
    layout->dragUpLayout = dragUp;
    project.layoutList(Portrait).append(std::move(layout));
}

// Layout 0: letters and the toggle, layout and function keys. Layout 1: digits, the first with
// Return. Layout 2: a calculator.
CompiledSkin testSkin()
{
    SkinProject project;
    project.helpFileName = QStringLiteral("Guide.htm");
    addLayout(project, 0, 1,
              {{{Char, 'a', 'A'}, {Char, 'b', 'B'}, {quint16(Char | ButtonFlagAutoToggle | toggle(1)), 0, VkShift},
                {quint16(Char | toggle(2)), 0, VkCapsLock}, {quint16(Char | ButtonFlagAutoToggle | toggle(3)), 0, VkControl},
                {quint16(Char | ButtonFlagNoRelease), 'x', 'X'}},
               {{Char, 8, 8}, {Char, 13, 13}, {Char, 0, 0}, {0, 0, 0x1B}},
               {{Change, 1, 0}, {Change, 2, 0}, {Change, 9, 0}, {Change, LayoutNotSet, VkShift}},
               {{ButtonFlagTaskManager, 3, TaskClose}, {ButtonFlagMacro, 2, MacroPlay},
                {ButtonFlagShortcut, 0, ShortcutHelp}, {ButtonFlagTaskManager, 3, 9}}});
    addLayout(project, LayoutFlagResetOnHide, -1,
              {{{quint16(Char | ButtonFlagReturn), '1', '1'}, {Char, '2', '2'}, {Change, 0, 0}}});
    addLayout(project, LayoutFlagCalculator | LayoutFlagResetOnShow, 7,
              {{{Calc, CalcDigit1, 0}, {Calc, CalcAdd, 0}, {Calc, CalcDigit2, 0}, {Calc, CalcEquals, 0},
                {Calc, CalcDisplay, 0}, {Calc, CalcDigit0, 0}, {Calc, CalcDivide, 0}}});
    return compileSkin(project);
}

// "k1,2" presses key 2 of row 1, "t25,5" taps that point; "drag", "hide", "show".
void run(KeyboardDevice &device, const QString &events)
{
    for (const QString &event : events.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList numbers = event.mid(1).split(u',');
        if (event.startsWith(u'k'))
            device.pressKey(numbers.value(0).toInt(), numbers.value(1).toInt());
        else if (event.startsWith(u't'))
            device.tap(numbers.value(0).toInt(), numbers.value(1).toInt());
        else if (event == QLatin1String("drag"))
            device.dragUp();
        else if (event == QLatin1String("hide"))
            device.hide();
        else if (event == QLatin1String("show"))
            device.show();
        else
            QFAIL(qPrintable(event));
    }
}

QString log(const KeyboardDevice &device)
{
    QStringList lines;
    for (const DeviceEvent &event : device.events())
        lines << event.line();
    return lines.join(u'\n');
}

} // namespace

class TestKeyboardDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void previewState();
    void typing_data();
    void typing();
};

void TestKeyboardDevice::rules_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QList<int>>("held");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("logged");

    const QList<int> none;
    QTest::newRow("a tap hits the half-open rectangle") << "t0,0 t20,9 t19,9" << "aba" << 0 << none << "0" << "tap:20,9 -> key 0,1: types \"b\"";
    QTest::newRow("a tap beside every key does nothing") << "t500,5 t5,40" << "" << 0 << none << "0" << "tap:5,40 -> no key there";
    QTest::newRow("backspace, enter and 0") << "k0,0 k0,1 k1,0 k1,1 k1,2 k0,0" << "a\na" << 0 << none << "0" << "sends nothing";
    QTest::newRow("backspace on no text") << "k1,0" << "" << 0 << none << "0" << "erases nothing";
    QTest::newRow("a key that sends only its vk") << "k1,3" << "" << 0 << none << "0" << "key:1,3 -> sends VK:1B";
    QTest::newRow("auto-toggle Shift: one capital") << "k0,2 k0,0 k0,0" << "Aa" << 0 << none << "0" << "releases toggle 1";
    QTest::newRow("Caps Lock until tapped again") << "k0,3 k0,0 k0,1 k0,3 k0,0" << "ABa" << 0 << none << "0" << "key:0,3 -> releases toggle 2";
    QTest::newRow("a toggle stays down across layouts") << "k0,3 k2,0 k0,1" << "2" << 1 << QList<int>{2} << "0" << "holds toggle 2 (Caps Lock)";
    QTest::newRow("No Release keeps Shift down") << "k0,2 k0,5 k0,0 k0,0" << "XAa" << 0 << none << "0"
                                                 << "types \"X\"\nkey:0,0 -> types \"A\"; releases toggle 1";
    QTest::newRow("Ctrl makes a chord") << "k0,4 k0,0 k0,0" << "a" << 0 << none << "0" << "chord Ctrl+A, not typed";
    QTest::newRow("change layout") << "k2,0" << "" << 1 << none << "0" << "switches to layout 1";
    QTest::newRow("a target that does not exist") << "k2,2" << "" << 0 << none << "0" << "layout 9 does not exist";
    QTest::newRow("no target, and a vk") << "k2,3" << "" << 0 << none << "0" << "sends Shift; names no layout";
    QTest::newRow("Return goes back") << "k2,0 k0,0" << "1" << 0 << none << "0" << "types \"1\"; returns to layout 0";
    QTest::newRow("without Return the layout stays") << "k2,0 k0,1 k0,1" << "22" << 1 << none << "0"
                                                     << "key:0,1 -> types \"2\"\nkey:0,1 -> types \"2\"";
    QTest::newRow("calculator and Display") << "k2,1 k0,0 k0,1 k0,2 k0,3 k0,4" << "3" << 2 << none << "3" << "calculator =: display \"3\"";
    QTest::newRow("Display of an error types nothing") << "k2,1 k0,0 k0,6 k0,5 k0,3 k0,4" << "" << 2 << none << "Error" << "the display shows no number";
    QTest::newRow("task manager") << "k3,0" << "" << 0 << none << "0" << "Terminates Task number: 3";
    QTest::newRow("macro") << "k3,1" << "" << 0 << none << "0" << "Plays Macro number: 2";
    QTest::newRow("shortcut") << "k3,2" << "" << 0 << none << "0" << "Shortcut to the Contents page of Help.(Guide.htm#Main_Contents)";
    QTest::newRow("an action beyond its table") << "k3,3" << "" << 0 << none << "0" << "action 9 does not exist";
    QTest::newRow("drag up") << "drag" << "" << 1 << none << "0" << "drag-up -> switches to layout 1";
    QTest::newRow("no drag-up layout") << "drag drag" << "" << 1 << none << "0" << "layout 1 has no drag-up layout";
    QTest::newRow("drag-up layout that does not exist") << "k2,1 drag" << "" << 2 << none << "0" << "drag-up layout 7 does not exist";
    QTest::newRow("Reset On Hide") << "k2,0 hide" << "" << 0 << none << "0" << "hide -> hides the keyboard; resets to layout 0";
    QTest::newRow("Reset On Show") << "k2,1 hide show" << "" << 0 << none << "0" << "show -> shows the keyboard; resets to layout 0";
    QTest::newRow("hidden, keys do nothing") << "hide k0,0 t5,5 drag show" << "" << 0 << none << "0" << "drag-up -> the keyboard is hidden";
    QTest::newRow("a key the layout lacks") << "k9,9" << "" << 0 << none << "0" << "layout 0 has no key 9,9";
}

void TestKeyboardDevice::rules()
{
    QFETCH(QString, events);
    QFETCH(QString, text);
    QFETCH(int, layout);
    QFETCH(QList<int>, held);
    QFETCH(QString, display);
    QFETCH(QString, logged);
    KeyboardDevice device(testSkin());
    run(device, events);
    QCOMPARE(device.text(), text);
    QCOMPARE(device.layout(), layout);
    QCOMPARE(device.heldToggles(), held);
    QCOMPARE(device.display(), display);
    QVERIFY2(log(device).contains(logged), qPrintable(log(device)));
}

// What a preview shows: held and last pressed keys, an edit while it runs, a shape switch, a reset.
void TestKeyboardDevice::previewState()
{
    KeyboardDevice device(testSkin());
    run(device, "k0,3 k0,0 k2,1 k0,0");
    QCOMPARE(device.heldKeys(), QList<KeyRef>{});
    QCOMPARE(device.lastPressed(), (KeyRef{2, 0, 0}));
    run(device, "k0,1 k0,2 k0,3");
    QCOMPARE(device.display(), "3");

    CompiledSkin edited = testSkin();
    edited.shapes[Portrait].removeLast(); // the calculator layout goes
    device.setSkin(edited);
    QCOMPARE(device.layout(), 0);
    QCOMPARE(device.lastPressed(), KeyRef());
    QCOMPARE(device.heldKeys(), (QList<KeyRef>{{0, 0, 3}}));
    QCOMPARE(device.text(), "A");

    device.setShape(Landscape);
    QCOMPARE(device.layoutCount(), 0);
    QCOMPARE(device.currentLayout(), nullptr);
    QCOMPARE(device.tap(0, 0).line(), "tap:0,0 -> the shape has no layouts");
    QCOMPARE(device.text(), "A");

    device.reset();
    QVERIFY(device.text().isEmpty());
    QVERIFY(device.events().isEmpty());
    QCOMPARE(device.display(), "0");
}

void TestKeyboardDevice::typing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("failedAt");
    QTest::addColumn<int>("maxStates");

    QTest::newRow("nothing") << "" << 0 << -1 << DefaultMaxTypingStates;
    QTest::newRow("a letter") << "a" << 1 << -1 << DefaultMaxTypingStates;
    QTest::newRow("a capital by Shift") << "A" << 2 << -1 << DefaultMaxTypingStates;
    QTest::newRow("capitals by Caps Lock") << "ABA" << 4 << -1 << DefaultMaxTypingStates;
    QTest::newRow("Shift kept by No Release") << "XA" << 3 << -1 << DefaultMaxTypingStates;
    QTest::newRow("a line break") << "a\nb" << 3 << -1 << DefaultMaxTypingStates;
    QTest::newRow("digits through Return") << "12" << 4 << -1 << DefaultMaxTypingStates;
    QTest::newRow("a digit only the calculator shows") << "a3" << -1 << 1 << DefaultMaxTypingStates;
    QTest::newRow("a character no key sends") << "ab\u00e9" << -1 << 2 << DefaultMaxTypingStates;
    QTest::newRow("the search stops at its limit") << "ba" << -1 << -1 << 3;
}

// The presses found are the fewest, and the device types the text with them.
void TestKeyboardDevice::typing()
{
    QFETCH(QString, text);
    QFETCH(int, presses);
    QFETCH(int, failedAt);
    QFETCH(int, maxStates);
    const CompiledSkin skin = testSkin();
    const TypingResult result = findKeyPresses(skin, Portrait, text, maxStates);
    QCOMPARE(result.gaveUp, presses < 0 && failedAt < 0);
    QCOMPARE(result.failedAt, qsizetype(failedAt));
    if (presses < 0)
        return;
    QCOMPARE(result.presses.size(), presses);
    KeyboardDevice device(skin);
    for (const SkinLayoutData::KeyPosition &press : result.presses)
        device.pressKey(press.row, press.button);
    QCOMPARE(device.text(), text);
}

QTEST_GUILESS_MAIN(TestKeyboardDevice)
#include "tst_keyboarddevice.moc"
