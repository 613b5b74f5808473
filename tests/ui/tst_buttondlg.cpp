#include "buttondlg.h"

#include "buttonfunctions.h"
#include "controlid.h"
#include "dialogresult.h"
#include "dialogunits.h"
#include "widgetdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace velkari;
using namespace velkari::test;

namespace {

constexpr int IdCopy = 11;
constexpr int IdPaste = 12;
constexpr int IdWidth = 1007;
constexpr int IdField1 = 1009;
constexpr int IdField2 = 1010;
constexpr int IdField3 = 1011;
constexpr int IdCaption = 1025;
constexpr int IdList = 1026;
constexpr int IdLabel1 = 1027;
constexpr int IdLabel2 = 1028;
constexpr int IdLabel3 = 1029;
constexpr int IdCharacter = 2001;
constexpr int IdChangeLayout = 2002;
constexpr int IdNoRelease = 2003;
constexpr int IdAutoToggle = 2005;
constexpr int IdReturn = 2006;
constexpr int IdCalculator = 2007;
constexpr int IdTaskManager = 2008;
constexpr int IdMacro = 2009;
constexpr int IdShortcut = 2010;

const QList<int> functionBoxes { IdCharacter, IdChangeLayout, IdCalculator, IdTaskManager, IdMacro, IdShortcut };

std::unique_ptr<SkinButton> makeKey(const QString &caption, quint16 flags, quint16 charCode, quint8 vk,
                                    quint16 width = 20)
{
    auto key = std::make_unique<SkinButton>();
    key->caption = caption;
    key->flags = flags;
    key->charCode = charCode;
    key->vk = vk;
    key->width = width;
    return key;
}

QString fields(const SkinButton &button)
{
    return QStringLiteral("%1 flags=%2 char=%3 vk=%4 width=%5")
        .arg(button.caption)
        .arg(button.flags, 4, 16, QLatin1Char('0'))
        .arg(button.charCode, 4, 16, QLatin1Char('0'))
        .arg(button.vk, 2, 16, QLatin1Char('0'))
        .arg(button.width);
}

QString text(const QWidget &dialog, int id)
{
    return textOf(dialog, id);
}

bool shown(const QWidget &dialog, int id)
{
    return !control(dialog, id)->isHidden();
}

bool checked(const QWidget &dialog, int id)
{
    return control<QCheckBox>(dialog, id)->isChecked();
}

QList<int> disabledBoxes(const QWidget &dialog)
{
    QList<int> ids;
    for (int id : { IdCharacter, IdChangeLayout, IdNoRelease, IdAutoToggle, IdReturn, IdCalculator, IdTaskManager,
                    IdMacro, IdShortcut }) {
        if (!control(dialog, id)->isEnabled())
            ids << id;
    }
    return ids;
}

QStringList listEntries(const QWidget &dialog)
{
    return entries(control<QComboBox>(dialog, IdList));
}

} // namespace

class TestButtonDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void addModeCaptionAndButtons();
    void editModeKeepsCaption();
    void newCellConfirmedAtOnce();
    void charFieldShowsCode_data();
    void charFieldShowsCode();
    void parseCodeText_data();
    void parseCodeText();
    void charAndVkFieldsOnOk_data();
    void charAndVkFieldsOnOk();
    void functionBoxLaysOutFields_data();
    void functionBoxLaysOutFields();
    void optionBoxesKeepTypedValues();
    void okBuildsFlags_data();
    void okBuildsFlags();
    void okParameters_data();
    void okParameters();
    void copyThenPasteTakesStateAtPaste();
    void pasteWithDeletedSourceDoesNothing();
    void cancelAfterPasteRestores_data();
    void cancelAfterPasteRestores();
    void rowOperations_data();
    void rowOperations();

private:
    std::unique_ptr<SkinProject> m_project;

    LayoutList &shape() { return m_project->layoutList(Portrait); }
    SkinRow &row() { return *shape().at(0)->rows.at(0); }
};

void TestButtonDlg::initTestCase()
{
    QCOMPARE(CButtonDlg::newButtonCounter(), 0);
}

void TestButtonDlg::init()
{
    m_project = std::make_unique<SkinProject>();
    NormalizeProject(*m_project);
    for (const char *name : { "Numbers", "Symbols" }) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QString::fromLatin1(name);
        shape().append(std::move(layout));
    }
}

void TestButtonDlg::cleanup()
{
    m_project.reset();
}

void TestButtonDlg::addModeCaptionAndButtons()
{
    const int first = CButtonDlg::newButtonCounter();
    const QString caption = QStringLiteral("B%1").arg(first, 2, 10, QLatin1Char('0'));
    SkinButton &newCell = *row().buttons.last();

    CButtonDlg dlg(newCell, *m_project, shape(), false);
    dlg.show();
    QVERIFY(dlg.isAddMode());
    QCOMPARE(newCell.caption, caption);
    QCOMPARE(text(dlg, IdCaption), caption);
    QCOMPARE(CButtonDlg::newButtonCounter(), first + 1);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Add new button"));
    for (int id : { int(InsertAfter), int(InsertBefore), int(Delete), IdCopy })
        QVERIFY2(!shown(dlg, id), qPrintable(QString::number(id)));
    QVERIFY(shown(dlg, IdPaste));
    QCOMPARE(dlg.size(), DialogUnits(DialogUnits::dialogFont()).size(325, 132));

    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCOMPARE(dlg.result(), int(Cancel));
    QCOMPARE(newCell.caption, caption);
    QVERIFY(newCell.isPlaceholder());

    // A project reset does not rewind the numbering.
    m_project->resetToDefaults();
    NormalizeProject(*m_project);
    CButtonDlg second(*row().buttons.last(), *m_project, shape(), false);
    QCOMPARE(row().buttons.last()->caption, QStringLiteral("B%1").arg(first + 1, 2, 10, QLatin1Char('0')));
}

void TestButtonDlg::editModeKeepsCaption()
{
    const int counter = CButtonDlg::newButtonCounter();
    auto key = makeKey(QStringLiteral("A"), ButtonFlagCharacter, 'A', 0x41);
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();

    QVERIFY(!dlg.isAddMode());
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Button Properties"));
    QCOMPARE(CButtonDlg::newButtonCounter(), counter);
    QCOMPARE(text(dlg, IdCaption), QStringLiteral("A"));
    QCOMPARE(text(dlg, IdWidth), QStringLiteral("20"));
    for (int id : { int(InsertAfter), int(InsertBefore), int(Delete), IdCopy, IdPaste })
        QVERIFY(shown(dlg, id));
    QVERIFY(control<QPushButton>(dlg, Ok)->isDefault());
    // Nothing has been copied yet.
    QVERIFY(!control(dlg, IdPaste)->isEnabled());

    // Focus opens in the caption; OK follows the last field, the row operations come after it.
    QCOMPARE(dlg.focusWidget(), control(dlg, IdCaption));
    const QList<int> tabOrder { IdCaption, IdWidth, IdCharacter, IdChangeLayout, IdNoRelease, IdAutoToggle,
                                IdReturn, IdCalculator, IdTaskManager, IdMacro, IdShortcut, IdField1, IdList,
                                IdField2, IdField3, Ok, Cancel, InsertAfter, InsertBefore, Delete, IdPaste, IdCopy };
    QList<int> chain;
    QWidget *widget = control(dlg, IdCaption);
    do {
        if (controlId(widget) != 0 && (widget->focusPolicy() & Qt::TabFocus)) {
            chain << controlId(widget);
            QVERIFY(dlg.rect().contains(widget->geometry()));
        }
        widget = widget->nextInFocusChain();
    } while (widget != control(dlg, IdCaption) && chain.size() <= tabOrder.size());
    QCOMPARE(chain, tabOrder);

    // Tab from the last field, then Enter: OK, not an insert.
    typeInto(dlg, IdCaption, QStringLiteral("Alpha"));
    typeInto(dlg, IdField3, QStringLiteral("4"));
    QTest::keyClick(control(dlg, IdField3), Qt::Key_Tab);
    QCOMPARE(dlg.focusWidget(), control(dlg, Ok));
    QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(Ok));
    QCOMPARE(key->caption, QStringLiteral("Alpha"));
    QCOMPARE(toggleIndex(key->flags), 4);
}

void TestButtonDlg::newCellConfirmedAtOnce()
{
    SkinButton &newCell = *row().buttons.last();
    newCell.charCode = 0x1234;
    newCell.flags |= 0x0808;
    CButtonDlg dlg(newCell, *m_project, shape(), false);
    const QString caption = newCell.caption;
    dlg.show();
    click(dlg, Ok);

    QCOMPARE(dlg.result(), int(Ok));
    QCOMPARE(fields(newCell), fields(*makeKey(caption, 0, 0x1234, 0, 70)));
}

void TestButtonDlg::charFieldShowsCode_data()
{
    QTest::addColumn<int>("charCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<QString>("charText");
    QTest::addColumn<QString>("vkText");

    QTest::newRow("letter") << 0x41 << 0x41 << "A" << "0x41";
    QTest::newRow("space") << 0x20 << 0x20 << " " << "0x20";
    QTest::newRow("carriage return") << 0x0D << 0x0D << "0x0D" << "0x0D";
    QTest::newRow("delete") << 0x7F << 0x2E << "0x7F" << "0x2E";
    QTest::newRow("e acute") << 0xE9 << 0 << "0xE9" << "0x00";
    QTest::newRow("euro") << 0x20AC << 0xFF << "0x20AC" << "0xFF";
    QTest::newRow("digit") << 0x31 << 0x31 << "1" << "0x31";
}

void TestButtonDlg::charFieldShowsCode()
{
    QFETCH(int, charCode);
    QFETCH(int, vk);
    QFETCH(QString, charText);
    QFETCH(QString, vkText);

    auto key = makeKey(QStringLiteral("K"), ButtonFlagCharacter, quint16(charCode), quint8(vk));
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();
    QCOMPARE(text(dlg, IdField1), charText);
    QCOMPARE(text(dlg, IdField2), vkText);

    // What is shown reads back to the stored value.
    click(dlg, Ok);
    QCOMPARE(int(key->charCode), charCode);
    QCOMPARE(int(key->vk), vk);
}

void TestButtonDlg::parseCodeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");

    QTest::newRow("hex") << "0x20AC" << 0x20ACu;
    QTest::newRow("backslash hex") << "\\x7f" << 0x7Fu;
    QTest::newRow("decimal is a character") << "65" << quint32('6');
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("escape") << "0x1B" << 0x1Bu;
    QTest::newRow("wider than a byte") << "0x1FF" << 0x1FFu;
    QTest::newRow("single letter") << "x" << quint32('x');
    QTest::newRow("upper-case X is no prefix") << "0X41" << quint32('0');
    QTest::newRow("prefix alone") << "0x" << 0u;
    QTest::newRow("stops at a non-digit") << "0x12zz" << 0x12u;
    QTest::newRow("spaces and a second prefix") << "0x  0X1f" << 0x1Fu;
    QTest::newRow("negative wraps") << "0x-1" << 0xFFFFFFFFu;
    QTest::newRow("too large") << "0x123456789" << 0xFFFFFFFFu;
    QTest::newRow("too large negative") << "\\x-123456789" << 0xFFFFFFFFu;
    QTest::newRow("beyond Latin-1") << QString(QChar(0x20AC)) << 0x20ACu;
}

void TestButtonDlg::parseCodeText()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(velkari::parseCodeText(text), value);
}

void TestButtonDlg::charAndVkFieldsOnOk_data()
{
    QTest::addColumn<QString>("charText");
    QTest::addColumn<QString>("vkText");
    QTest::addColumn<int>("charCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("refusedField"); // 0 when OK stores the key
    QTest::addColumn<QString>("message");

    const QString charRange = "\"Char\" takes one character or a code from 0x0000 to 0xFFFF, such as 0x41.";
    const QString vkRange = "\"VK\" takes one character or a code from 0x00 to 0xFF, such as 0x41.";
    const QString sixteenBits = "\"Char\" cannot hold this character: the device stores one 16-bit code unit "
                                "per key, and a character beyond U+FFFF, such as an emoji, needs two.";
    QTest::newRow("hex") << "0x20AC" << "0x1B" << 0x20AC << 0x1B << 0 << QString();
    QTest::newRow("characters") << QString(QChar(0xE9)) << "x" << 0xE9 << 0x78 << 0 << QString();
    QTest::newRow("other prefixes") << "0X41" << "\\x1b" << 0x41 << 0x1B << 0 << QString();
    QTest::newRow("space") << " " << " 0x20 " << 0x20 << 0x20 << 0 << QString();
    QTest::newRow("beyond 16 bits") << "0x12345" << "0x00" << 0 << 0 << IdField1 << sixteenBits;
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80") << "0x00" << 0 << 0 << IdField1 << sixteenBits;
    QTest::newRow("two characters") << "65" << "0x00" << 0 << 0 << IdField1 << charRange;
    QTest::newRow("empty") << "" << "0x00" << 0 << 0 << IdField1 << charRange;
    QTest::newRow("VK beyond a byte") << "A" << "0x1FF" << 0 << 0 << IdField2 << vkRange;
    QTest::newRow("VK beyond a byte as a character") << "A" << QString(QChar(0x20AC)) << 0 << 0 << IdField2 << vkRange;
    QTest::newRow("VK with more after the digits") << "A" << "0x12zz" << 0 << 0 << IdField2 << vkRange;
    QTest::newRow("VK negative") << "A" << "0x-1" << 0 << 0 << IdField2 << vkRange;
}

void TestButtonDlg::charAndVkFieldsOnOk()
{
    QFETCH(QString, charText);
    QFETCH(QString, vkText);
    QFETCH(int, charCode);
    QFETCH(int, vk);
    QFETCH(int, refusedField);
    QFETCH(QString, message);

    auto key = makeKey(QStringLiteral("K"), ButtonFlagCharacter, 'K', 0x4B);
    const QString opened = fields(*key);
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();
    typeInto(dlg, IdCaption, QStringLiteral("typed"));
    // Set rather than typed: an emoji is two key events' worth of text.
    control<QLineEdit>(dlg, IdField1)->setText(charText);
    control<QLineEdit>(dlg, IdField2)->setText(vkText);
    MessageBoxSeen seen;
    if (refusedField)
        answerMessageBox(seen);
    click(dlg, Ok);

    QCOMPARE(seen.shown, refusedField != 0);
    if (refusedField) {
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.title, QStringLiteral("Button Properties"));
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.focusWidget(), control(dlg, refusedField));
        QCOMPARE(fields(*key), opened);
        return;
    }
    QCOMPARE(int(key->charCode), charCode);
    QCOMPARE(int(key->vk), vk);
}

void TestButtonDlg::functionBoxLaysOutFields_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<bool>("editShown");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("field2");

    // The key stores charCode 1 and vk 3.
    const QStringList none;
    QTest::newRow("Character") << int(IdCharacter) << "Char:" << true << none << -1 << "VK:" << "0x01|0x03";
    QTest::newRow("Change Layout") << int(IdChangeLayout) << "Go to Layout:" << false
                                   << QStringList({ "Layout00", "Numbers", "Symbols" }) << 1 << "VK:" << "0x03";
    QTest::newRow("Calculator") << int(IdCalculator) << "Calc Button:" << false << calcKeyListTexts() << 1
                                << QString() << QString();
    QTest::newRow("Task Manager") << int(IdTaskManager) << "Button Function:" << false
                                  << QStringList({ "Close Task", "Activate Task", "Close All", "Go Today", "Refresh" })
                                  << 3 << "Task Number:" << "1";
    QTest::newRow("Macro") << int(IdMacro) << "Button Function:" << false
                           << QStringList({ "Play Macro", "Record Macro" }) << -1 << "Macro Number:" << "1";
    QTest::newRow("Shortcut") << int(IdShortcut) << "Shortcut Type:" << false
                              << QStringList({ "Programs", "Games", "My Shortcuts", "Options", "Go Today", "Help" })
                              << 3 << "Shortcut Number:" << "1";
    QTest::newRow("option only") << int(IdNoRelease) << QString() << false << none << -1 << "VK:" << "0x03";
}

void TestButtonDlg::functionBoxLaysOutFields()
{
    QFETCH(int, box);
    QFETCH(QString, label1);
    QFETCH(bool, editShown);
    QFETCH(QStringList, list);
    QFETCH(int, selected);
    QFETCH(QString, label2);
    QFETCH(QString, field2);

    auto key = makeKey(QStringLiteral("K"), 0x2000, 1, 3);
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();
    QCOMPARE(disabledBoxes(dlg), QList<int>());
    click(dlg, box);

    QVERIFY(checked(dlg, box));
    QCOMPARE(shown(dlg, IdLabel1), !label1.isEmpty());
    if (!label1.isEmpty())
        QCOMPARE(text(dlg, IdLabel1), label1);
    QCOMPARE(shown(dlg, IdField1), editShown);
    QCOMPARE(shown(dlg, IdList), !list.isEmpty());
    if (!list.isEmpty()) {
        QCOMPARE(listEntries(dlg), list);
        QCOMPARE(control<QComboBox>(dlg, IdList)->currentIndex(), selected);
    }
    QCOMPARE(shown(dlg, IdLabel2), !label2.isEmpty());
    QCOMPARE(shown(dlg, IdField2), !label2.isEmpty());
    if (!label2.isEmpty()) {
        QCOMPARE(text(dlg, IdLabel2), label2);
        QCOMPARE(editShown ? text(dlg, IdField1) + u'|' + text(dlg, IdField2) : text(dlg, IdField2), field2);
    }
    QVERIFY(shown(dlg, IdLabel3) && shown(dlg, IdField3));
    QCOMPARE(text(dlg, IdLabel3), QStringLiteral("Toggle Index:"));
    QCOMPARE(text(dlg, IdField3), QStringLiteral("2"));

    QList<int> others;
    if (functionBoxes.contains(box)) {
        others = functionBoxes;
        others.removeOne(box);
    }
    QCOMPARE(disabledBoxes(dlg), others);
    for (int id : others)
        QVERIFY(!checked(dlg, id));

    // Unchecking the chosen function brings back the key-only fields.
    click(dlg, box);
    QCOMPARE(disabledBoxes(dlg), QList<int>());
    QVERIFY(!shown(dlg, IdLabel1) && !shown(dlg, IdField1) && !shown(dlg, IdList));
    QCOMPARE(text(dlg, IdLabel2), QStringLiteral("VK:"));
    QVERIFY(shown(dlg, IdField2));
}

void TestButtonDlg::optionBoxesKeepTypedValues()
{
    auto key = makeKey(QStringLiteral("A"), ButtonFlagCharacter | 0x1000, 'A', 0x41);
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();

    typeInto(dlg, IdField1, QStringLiteral("Z"));
    typeInto(dlg, IdField2, QStringLiteral("0x10"));
    typeInto(dlg, IdField3, QStringLiteral("9"));
    typeInto(dlg, IdCaption, QStringLiteral("Typed"));
    for (int option : { IdNoRelease, IdAutoToggle, IdAutoToggle, IdReturn })
        click(dlg, option);
    QCOMPARE(text(dlg, IdField1), QStringLiteral("Z"));
    QCOMPARE(text(dlg, IdField2), QStringLiteral("0x10"));
    QCOMPARE(text(dlg, IdField3), QStringLiteral("9"));
    QVERIFY(checked(dlg, IdNoRelease) && checked(dlg, IdReturn) && checked(dlg, IdCharacter));

    // Another kind of function: its fields come from the key as stored.
    click(dlg, IdCharacter);
    QCOMPARE(text(dlg, IdField2), QStringLiteral("0x41"));
    typeInto(dlg, IdField2, QStringLiteral("0x11"));
    click(dlg, IdCharacter);
    QCOMPARE(text(dlg, IdField1), QStringLiteral("A"));
    QCOMPARE(text(dlg, IdField2), QStringLiteral("0x41"));
    QCOMPARE(text(dlg, IdField3), QStringLiteral("9"));
    typeInto(dlg, IdField1, QStringLiteral("Z"));

    // Enter in a field is OK.
    QTest::keyClick(control(dlg, IdField1), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(Ok));
    QCOMPARE(fields(*key), fields(*makeKey(QStringLiteral("Typed"), 0x9025, 'Z', 0x41)));
}

void TestButtonDlg::okBuildsFlags_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<int>("flags");

    // -1: the toggle index is refused and nothing is stored.
    QTest::newRow("character, return, toggle 3") << 0 << QList<int>({ IdCharacter, IdReturn }) << "3" << 0x3021;
    QTest::newRow("toggle 17") << 0 << QList<int>({ IdCharacter, IdReturn }) << "17" << -1;
    QTest::newRow("toggle -1") << 0 << QList<int>({ IdShortcut }) << "-1" << -1;
    QTest::newRow("toggle not a number") << 0x5000 << QList<int>({ IdMacro }) << "two" << -1;
    QTest::newRow("unknown bits dropped") << 0x080F << QList<int>() << "0" << 0x0005;
    QTest::newRow("every option") << 0 << QList<int>({ IdNoRelease, IdAutoToggle, IdReturn, IdTaskManager }) << " 15 "
                                  << 0xF0B4;
}

void TestButtonDlg::okBuildsFlags()
{
    QFETCH(int, stored);
    QFETCH(QList<int>, clicked);
    QFETCH(QString, toggle);
    QFETCH(int, flags);

    auto key = makeKey(QStringLiteral("K"), quint16(stored), 0, 0);
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();
    for (int id : clicked)
        click(dlg, id);
    typeInto(dlg, IdField3, toggle);
    MessageBoxSeen seen;
    if (flags < 0)
        answerMessageBox(seen);
    click(dlg, Ok);

    QCOMPARE(seen.shown, flags < 0);
    if (flags < 0) {
        QCOMPARE(seen.text, QStringLiteral("\"Toggle Index\" takes a whole number from 0 to 15."));
        QCOMPARE(dlg.focusWidget(), control(dlg, IdField3));
        QCOMPARE(int(key->flags), stored);
        return;
    }
    QCOMPARE(QString::number(key->flags, 16), QString::number(flags, 16));
}

void TestButtonDlg::okParameters_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("storedChar");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field2");
    QTest::addColumn<int>("charCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<QString>("message");

    // The key stores vk 7; entry -1 leaves the list as it opened, an empty field2 as shown. A
    // charCode of -1: refused, with the field named in the message and nothing stored.
    QTest::newRow("kind none keeps charCode") << int(ButtonFlagCharacter) << 0x41 << int(IdCharacter) << -1
                                              << "0x1B" << 0x41 << 0x1B << QString();
    QTest::newRow("calculator, nothing chosen") << 0 << 65 << int(IdCalculator) << -1 << "" << -1 << 0
                                                << "Choose an entry in \"Calc Button\".";
    QTest::newRow("calculator, chosen") << 0 << 65 << int(IdCalculator) << 19 << "" << 19 << 0 << QString();
    QTest::newRow("layout not set") << int(ButtonFlagChangeLayout) << 0xFFFF << 0 << -1 << "0x10" << 0xFFFF
                                    << 0x10 << QString();
    QTest::newRow("layout chosen") << int(ButtonFlagChangeLayout) << 0xFFFF << 0 << 2 << "" << 2 << 7 << QString();
    QTest::newRow("task, nothing chosen") << 0 << 0 << int(IdTaskManager) << -1 << "70000" << -1 << 0
                                          << "Choose an entry in \"Button Function\".";
    QTest::newRow("task number too large") << 0 << 0 << int(IdTaskManager) << 1 << "70000" << -1 << 0
                                           << "\"Task Number\" takes a whole number from 0 to 65535.";
    QTest::newRow("help topic") << 0 << 0 << int(IdShortcut) << 5 << "12" << 12 << 5 << QString();
    QTest::newRow("macro number not a number") << 0 << 3 << int(IdMacro) << 1 << "x" << -1 << 0
                                               << "\"Macro Number\" takes a whole number from 0 to 65535.";
}

void TestButtonDlg::okParameters()
{
    QFETCH(int, flags);
    QFETCH(int, storedChar);
    QFETCH(int, box);
    QFETCH(int, entry);
    QFETCH(QString, field2);
    QFETCH(int, charCode);
    QFETCH(int, vk);

    QFETCH(QString, message);

    auto key = makeKey(QStringLiteral("K"), quint16(flags), quint16(storedChar), 7);
    const QString opened = fields(*key);
    CButtonDlg dlg(*key, *m_project, shape(), false);
    dlg.show();
    if (box)
        click(dlg, box);
    if (entry >= 0)
        chooseEntry(dlg, IdList, entry);
    if (!field2.isEmpty())
        typeInto(dlg, IdField2, field2);
    MessageBoxSeen seen;
    if (charCode < 0)
        answerMessageBox(seen);
    click(dlg, Ok);

    QCOMPARE(seen.text, message);
    if (charCode < 0) {
        QVERIFY(dlg.isVisible());
        QCOMPARE(fields(*key), opened);
        return;
    }
    QCOMPARE(int(key->charCode), charCode);
    QCOMPARE(int(key->vk), vk);
}

void TestButtonDlg::copyThenPasteTakesStateAtPaste()
{
    row().buttons.insertCopyAt(0, *makeKey(QStringLiteral("Q"), ButtonFlagCharacter | 0x2010, 'q', 0x51));
    row().buttons.insertCopyAt(1, *makeKey(QStringLiteral("W"), ButtonFlagCharacter, 'w', 0x57));
    SkinButton &q = *row().buttons.at(0);
    SkinButton &w = *row().buttons.at(1);
    {
        CButtonDlg dlg(q, *m_project, shape(), false);
        dlg.show();
        typeInto(dlg, IdCaption, QStringLiteral("typed"));
        click(dlg, IdCopy);
        QCOMPARE(dlg.result(), int(Cancel));
    }
    QCOMPARE(m_project->copiedButton, &q);
    QCOMPARE(q.caption, QStringLiteral("Q"));

    q.width = 33;
    CButtonDlg dlg(w, *m_project, shape(), false);
    dlg.show();
    QVERIFY(control(dlg, IdPaste)->isEnabled());
    click(dlg, IdPaste);
    QCOMPARE(fields(w), fields(q));
    QCOMPARE(w.index, 1);
    QCOMPARE(text(dlg, IdCaption), QStringLiteral("Q"));
    QCOMPARE(text(dlg, IdWidth), QStringLiteral("33"));
    QCOMPARE(text(dlg, IdField1), QStringLiteral("q"));
    QCOMPARE(text(dlg, IdField3), QStringLiteral("2"));
    QVERIFY(checked(dlg, IdAutoToggle));

    click(dlg, Ok);
    QCOMPARE(fields(w), fields(q));
}

void TestButtonDlg::pasteWithDeletedSourceDoesNothing()
{
    row().buttons.insertCopyAt(0, *makeKey(QStringLiteral("Q"), ButtonFlagCharacter, 'q', 0x51));
    row().buttons.insertCopyAt(1, *makeKey(QStringLiteral("W"), ButtonFlagCharacter, 'w', 0x57));
    {
        CButtonDlg dlg(*row().buttons.at(0), *m_project, shape(), false);
        dlg.show();
        click(dlg, IdCopy);
    }
    QVERIFY(row().buttons.removeAt(0));
    QCOMPARE(m_project->copiedButton, nullptr);

    SkinButton &w = *row().buttons.at(0);
    CButtonDlg dlg(w, *m_project, shape(), false);
    dlg.show();
    typeInto(dlg, IdCaption, QStringLiteral("typed"));
    click(dlg, IdPaste);
    QCOMPARE(text(dlg, IdCaption), QStringLiteral("typed"));
    QCOMPARE(fields(w), fields(*makeKey(QStringLiteral("W"), ButtonFlagCharacter, 'w', 0x57)));
}

void TestButtonDlg::cancelAfterPasteRestores_data()
{
    QTest::addColumn<bool>("newCell");
    QTest::addColumn<int>("ending");

    QTest::newRow("new cell, Cancel") << true << int(Cancel);
    QTest::newRow("new cell, Escape") << true << 0;
    QTest::newRow("key, close box") << false << -1;
    QTest::newRow("key, Copy") << false << int(IdCopy);
}

void TestButtonDlg::cancelAfterPasteRestores()
{
    QFETCH(bool, newCell);
    QFETCH(int, ending);

    auto source = makeKey(QStringLiteral("S"), ButtonFlagMacro | 0x3000, 4, 1, 44);
    m_project->copiedButton = source.get();
    auto key = makeKey(QStringLiteral("K"), ButtonFlagCharacter, 'k', 0x4B);
    SkinButton &button = newCell ? *row().buttons.last() : *key;

    CButtonDlg dlg(button, *m_project, shape(), false);
    const QString opened = fields(button);
    dlg.show();
    click(dlg, IdPaste);
    QCOMPARE(fields(button), fields(*source));

    if (ending > 0)
        click(dlg, ending);
    else if (ending == 0)
        QTest::keyClick(&dlg, Qt::Key_Escape);
    else
        dlg.close();

    QCOMPARE(dlg.result(), int(Cancel));
    QCOMPARE(fields(button), opened);
    QCOMPARE(button.isPlaceholder(), newCell);
    if (newCell)
        QVERIFY(button.caption.startsWith(u'B'));
}

void TestButtonDlg::rowOperations_data()
{
    QTest::addColumn<bool>("rowFull");
    QTest::addColumn<bool>("newCell");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("result"); // 0: refused, the dialog stays open

    QTest::newRow("full row, OK on the new cell") << true << true << int(Ok) << 0;
    QTest::newRow("full row, insert after") << true << false << int(InsertAfter) << 0;
    QTest::newRow("full row, insert before") << true << false << int(InsertBefore) << 0;
    QTest::newRow("full row, OK on a key") << true << false << int(Ok) << int(Ok);
    QTest::newRow("full row, delete") << true << false << int(Delete) << int(Delete);
    QTest::newRow("insert after") << false << false << int(InsertAfter) << int(InsertAfter);
    QTest::newRow("insert before") << false << false << int(InsertBefore) << int(InsertBefore);
}

void TestButtonDlg::rowOperations()
{
    QFETCH(bool, rowFull);
    QFETCH(bool, newCell);
    QFETCH(int, clicked);
    QFETCH(int, result);

    auto key = makeKey(QStringLiteral("K"), ButtonFlagCharacter, 'k', 0x4B);
    SkinButton &button = newCell ? *row().buttons.last() : *key;
    CButtonDlg dlg(button, *m_project, shape(), rowFull);
    const QString opened = fields(button);
    dlg.show();
    typeInto(dlg, IdField1, QStringLiteral("z"));
    typeInto(dlg, IdCaption, QStringLiteral("typed"));

    // Armed only when a refusal is due: an answer left waiting would meet a later test's box.
    MessageBoxSeen answer;
    if (result == 0)
        answerMessageBox(answer);
    click(dlg, clicked);

    QCOMPARE(answer.shown, result == 0);
    if (result == 0) {
        QCOMPARE(answer.title, QStringLiteral("Button Properties"));
        QCOMPARE(answer.text, QStringLiteral("This row is full: a row holds at most 30 buttons, the \"New\" cell included."));
        QVERIFY(dlg.isVisible());
        QCOMPARE(fields(button), opened);
        return;
    }
    QVERIFY(dlg.isHidden());
    QCOMPARE(dlg.result(), result);
    if (result == Ok)
        QCOMPARE(button.caption, QStringLiteral("typed"));
    else
        QCOMPARE(fields(button), opened);
}

QTEST_MAIN(TestButtonDlg)
#include "tst_buttondlg.moc"
