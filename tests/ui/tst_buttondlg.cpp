#include "buttondlg.h"

#include "buttonfunctions.h"
#include "controlid.h"
#include "dialogunits.h"
#include "widgetdriver.h"
#include "controlids.h"
#include "projectdocument.h"

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


const QList<int> functionBoxes { IdButtonCharacter, IdButtonChangeLayout, IdButtonCalculator, IdButtonTaskManager, IdButtonMacro, IdButtonShortcut };

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
    for (int id : { IdButtonCharacter, IdButtonChangeLayout, IdButtonNoRelease, IdButtonAutoToggle, IdButtonReturn, IdButtonCalculator, IdButtonTaskManager,
                    IdButtonMacro, IdButtonShortcut }) {
        if (!control(dialog, id)->isEnabled())
            ids << id;
    }
    return ids;
}

QStringList listTexts(const QWidget &dialog)
{
    return entries(control<QComboBox>(dialog, IdButtonFunctionList));
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
    void pressAKey_data();
    void pressAKey();
    void vkNames_data();
    void vkNames();

private:
    std::unique_ptr<ProjectDocument> m_document;

    SkinProject &project() { return m_document->project(); }

    LayoutList &shape() { return project().layoutList(Portrait); }
    SkinRow &row() { return *shape().at(0)->rows.at(0); }
};

void TestButtonDlg::initTestCase()
{
    QCOMPARE(CButtonDlg::newButtonCounter(), 0);
}

void TestButtonDlg::init()
{
    m_document = std::make_unique<ProjectDocument>();
    for (const char *name : { "Numbers", "Symbols" }) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QString::fromLatin1(name);
        shape().append(std::move(layout));
    }
}

void TestButtonDlg::cleanup()
{
    m_document.reset();
}

void TestButtonDlg::addModeCaptionAndButtons()
{
    const int first = CButtonDlg::newButtonCounter();
    const QString caption = QStringLiteral("B%1").arg(first, 2, 10, QLatin1Char('0'));
    SkinButton &newCell = *row().buttons.last();

    CButtonDlg dlg(newCell, *m_document, shape(), false);
    dlg.show();
    QVERIFY(dlg.isAddMode());
    QCOMPARE(newCell.caption, caption);
    QCOMPARE(text(dlg, IdButtonCaption), caption);
    QCOMPARE(CButtonDlg::newButtonCounter(), first + 1);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Add new button"));
    for (int id : { int(InsertAfter), int(InsertBefore), int(Delete), int(IdButtonCopy) })
        QVERIFY2(!shown(dlg, id), qPrintable(QString::number(id)));
    QVERIFY(shown(dlg, IdButtonPaste));
    QCOMPARE(dlg.size(), DialogUnits(DialogUnits::dialogFont()).size(325, 132));

    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCOMPARE(dlg.result(), int(Cancel));
    QCOMPARE(newCell.caption, caption);
    QVERIFY(newCell.isPlaceholder());

    // A project reset does not rewind the numbering.
    m_document->replaceWithNew();
    CButtonDlg second(*row().buttons.last(), *m_document, shape(), false);
    QCOMPARE(row().buttons.last()->caption, QStringLiteral("B%1").arg(first + 1, 2, 10, QLatin1Char('0')));
}

void TestButtonDlg::editModeKeepsCaption()
{
    const int counter = CButtonDlg::newButtonCounter();
    auto key = makeKey(QStringLiteral("A"), ButtonFlagCharacter, 'A', 0x41);
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();

    QVERIFY(!dlg.isAddMode());
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Button Properties"));
    QCOMPARE(CButtonDlg::newButtonCounter(), counter);
    QCOMPARE(text(dlg, IdButtonCaption), QStringLiteral("A"));
    QCOMPARE(text(dlg, IdButtonWidth), QStringLiteral("20"));
    for (int id : { int(InsertAfter), int(InsertBefore), int(Delete), int(IdButtonCopy), int(IdButtonPaste) })
        QVERIFY(shown(dlg, id));
    QVERIFY(control<QPushButton>(dlg, Ok)->isDefault());
    // Nothing has been copied yet.
    QVERIFY(!control(dlg, IdButtonPaste)->isEnabled());

    // Focus opens in the caption; OK follows the last field, the row operations come after it.
    QCOMPARE(dlg.focusWidget(), control(dlg, IdButtonCaption));
    const QList<int> tabOrder { IdButtonCaption, IdButtonWidth, IdButtonPressKey, IdButtonCharacter, IdButtonChangeLayout, IdButtonNoRelease, IdButtonAutoToggle,
                                IdButtonReturn, IdButtonCalculator, IdButtonTaskManager, IdButtonMacro, IdButtonShortcut, IdButtonField1, IdButtonFunctionList,
                                IdButtonField2, IdButtonField3, Ok, Cancel, InsertAfter, InsertBefore, Delete, IdButtonPaste, IdButtonCopy };
    QList<int> chain;
    QWidget *widget = control(dlg, IdButtonCaption);
    do {
        if (controlId(widget) != 0 && (widget->focusPolicy() & Qt::TabFocus)) {
            chain << controlId(widget);
            QVERIFY(dlg.rect().contains(widget->geometry()));
        }
        widget = widget->nextInFocusChain();
    } while (widget != control(dlg, IdButtonCaption) && chain.size() <= tabOrder.size());
    QCOMPARE(chain, tabOrder);

    // Tab from the last field, then Enter: OK, not an insert.
    typeInto(dlg, IdButtonCaption, QStringLiteral("Alpha"));
    typeInto(dlg, IdButtonField3, QStringLiteral("4"));
    QTest::keyClick(control(dlg, IdButtonField3), Qt::Key_Tab);
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
    CButtonDlg dlg(newCell, *m_document, shape(), false);
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
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();
    QCOMPARE(text(dlg, IdButtonField1), charText);
    QCOMPARE(text(dlg, IdButtonField2), vkText);

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
    QTest::newRow("beyond 16 bits") << "0x12345" << "0x00" << 0 << 0 << int(IdButtonField1) << sixteenBits;
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80") << "0x00" << 0 << 0 << int(IdButtonField1) << sixteenBits;
    QTest::newRow("two characters") << "65" << "0x00" << 0 << 0 << int(IdButtonField1) << charRange;
    QTest::newRow("empty") << "" << "0x00" << 0 << 0 << int(IdButtonField1) << charRange;
    QTest::newRow("VK beyond a byte") << "A" << "0x1FF" << 0 << 0 << int(IdButtonField2) << vkRange;
    QTest::newRow("VK beyond a byte as a character") << "A" << QString(QChar(0x20AC)) << 0 << 0 << int(IdButtonField2) << vkRange;
    QTest::newRow("VK with more after the digits") << "A" << "0x12zz" << 0 << 0 << int(IdButtonField2) << vkRange;
    QTest::newRow("VK negative") << "A" << "0x-1" << 0 << 0 << int(IdButtonField2) << vkRange;
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
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();
    typeInto(dlg, IdButtonCaption, QStringLiteral("typed"));
    // Set rather than typed: an emoji is two key events' worth of text.
    control<QLineEdit>(dlg, IdButtonField1)->setText(charText);
    control<QLineEdit>(dlg, IdButtonField2)->setText(vkText);
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
    QTest::newRow("Character") << int(IdButtonCharacter) << "Char:" << true << none << -1 << "VK:" << "0x01|0x03";
    QTest::newRow("Change Layout") << int(IdButtonChangeLayout) << "Go to Layout:" << false
                                   << QStringList({ "Layout00", "Numbers", "Symbols" }) << 1 << "VK:" << "0x03";
    QTest::newRow("Calculator") << int(IdButtonCalculator) << "Calc Button:" << false << calcKeyListTexts() << 1
                                << QString() << QString();
    QTest::newRow("Task Manager") << int(IdButtonTaskManager) << "Button Function:" << false
                                  << QStringList({ "Close Task", "Activate Task", "Close All", "Go Today", "Refresh" })
                                  << 3 << "Task Number:" << "1";
    QTest::newRow("Macro") << int(IdButtonMacro) << "Button Function:" << false
                           << QStringList({ "Play Macro", "Record Macro" }) << -1 << "Macro Number:" << "1";
    QTest::newRow("Shortcut") << int(IdButtonShortcut) << "Shortcut Type:" << false
                              << QStringList({ "Programs", "Games", "My Shortcuts", "Options", "Go Today", "Help" })
                              << 3 << "Shortcut Number:" << "1";
    QTest::newRow("option only") << int(IdButtonNoRelease) << QString() << false << none << -1 << "VK:" << "0x03";
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
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();
    QCOMPARE(disabledBoxes(dlg), QList<int>());
    click(dlg, box);

    QVERIFY(checked(dlg, box));
    QCOMPARE(shown(dlg, IdButtonFieldLabel1), !label1.isEmpty());
    if (!label1.isEmpty())
        QCOMPARE(text(dlg, IdButtonFieldLabel1), label1);
    QCOMPARE(shown(dlg, IdButtonField1), editShown);
    QCOMPARE(shown(dlg, IdButtonFunctionList), !list.isEmpty());
    if (!list.isEmpty()) {
        QCOMPARE(listTexts(dlg), list);
        QCOMPARE(control<QComboBox>(dlg, IdButtonFunctionList)->currentIndex(), selected);
    }
    QCOMPARE(shown(dlg, IdButtonFieldLabel2), !label2.isEmpty());
    QCOMPARE(shown(dlg, IdButtonField2), !label2.isEmpty());
    if (!label2.isEmpty()) {
        QCOMPARE(text(dlg, IdButtonFieldLabel2), label2);
        QCOMPARE(editShown ? text(dlg, IdButtonField1) + u'|' + text(dlg, IdButtonField2) : text(dlg, IdButtonField2), field2);
    }
    QVERIFY(shown(dlg, IdButtonFieldLabel3) && shown(dlg, IdButtonField3));
    QCOMPARE(text(dlg, IdButtonFieldLabel3), QStringLiteral("Toggle Index:"));
    QCOMPARE(text(dlg, IdButtonField3), QStringLiteral("2"));

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
    QVERIFY(!shown(dlg, IdButtonFieldLabel1) && !shown(dlg, IdButtonField1) && !shown(dlg, IdButtonFunctionList));
    QCOMPARE(text(dlg, IdButtonFieldLabel2), QStringLiteral("VK:"));
    QVERIFY(shown(dlg, IdButtonField2));
}

void TestButtonDlg::optionBoxesKeepTypedValues()
{
    auto key = makeKey(QStringLiteral("A"), ButtonFlagCharacter | 0x1000, 'A', 0x41);
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();

    typeInto(dlg, IdButtonField1, QStringLiteral("Z"));
    typeInto(dlg, IdButtonField2, QStringLiteral("0x10"));
    typeInto(dlg, IdButtonField3, QStringLiteral("9"));
    typeInto(dlg, IdButtonCaption, QStringLiteral("Typed"));
    for (int option : { IdButtonNoRelease, IdButtonAutoToggle, IdButtonAutoToggle, IdButtonReturn })
        click(dlg, option);
    QCOMPARE(text(dlg, IdButtonField1), QStringLiteral("Z"));
    QCOMPARE(text(dlg, IdButtonField2), QStringLiteral("0x10"));
    QCOMPARE(text(dlg, IdButtonField3), QStringLiteral("9"));
    QVERIFY(checked(dlg, IdButtonNoRelease) && checked(dlg, IdButtonReturn) && checked(dlg, IdButtonCharacter));

    // Another kind of function: its fields come from the key as stored.
    click(dlg, IdButtonCharacter);
    QCOMPARE(text(dlg, IdButtonField2), QStringLiteral("0x41"));
    typeInto(dlg, IdButtonField2, QStringLiteral("0x11"));
    click(dlg, IdButtonCharacter);
    QCOMPARE(text(dlg, IdButtonField1), QStringLiteral("A"));
    QCOMPARE(text(dlg, IdButtonField2), QStringLiteral("0x41"));
    QCOMPARE(text(dlg, IdButtonField3), QStringLiteral("9"));
    typeInto(dlg, IdButtonField1, QStringLiteral("Z"));

    // Enter in a field is OK.
    QTest::keyClick(control(dlg, IdButtonField1), Qt::Key_Return);
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
    QTest::newRow("character, return, toggle 3") << 0 << QList<int>({ IdButtonCharacter, IdButtonReturn }) << "3" << 0x3021;
    QTest::newRow("toggle 17") << 0 << QList<int>({ IdButtonCharacter, IdButtonReturn }) << "17" << -1;
    QTest::newRow("toggle -1") << 0 << QList<int>({ IdButtonShortcut }) << "-1" << -1;
    QTest::newRow("toggle not a number") << 0x5000 << QList<int>({ IdButtonMacro }) << "two" << -1;
    QTest::newRow("unknown bits dropped") << 0x080F << QList<int>() << "0" << 0x0005;
    QTest::newRow("every option") << 0 << QList<int>({ IdButtonNoRelease, IdButtonAutoToggle, IdButtonReturn, IdButtonTaskManager }) << " 15 "
                                  << 0xF0B4;
}

void TestButtonDlg::okBuildsFlags()
{
    QFETCH(int, stored);
    QFETCH(QList<int>, clicked);
    QFETCH(QString, toggle);
    QFETCH(int, flags);

    auto key = makeKey(QStringLiteral("K"), quint16(stored), 0, 0);
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();
    for (int id : clicked)
        click(dlg, id);
    typeInto(dlg, IdButtonField3, toggle);
    MessageBoxSeen seen;
    if (flags < 0)
        answerMessageBox(seen);
    click(dlg, Ok);

    QCOMPARE(seen.shown, flags < 0);
    if (flags < 0) {
        QCOMPARE(seen.text, QStringLiteral("\"Toggle Index\" takes a whole number from 0 to 15."));
        QCOMPARE(dlg.focusWidget(), control(dlg, IdButtonField3));
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
    QTest::newRow("kind none keeps charCode") << int(ButtonFlagCharacter) << 0x41 << int(IdButtonCharacter) << -1
                                              << "0x1B" << 0x41 << 0x1B << QString();
    QTest::newRow("calculator, nothing chosen") << 0 << 65 << int(IdButtonCalculator) << -1 << "" << -1 << 0
                                                << "Choose an entry in \"Calc Button\".";
    QTest::newRow("calculator, chosen") << 0 << 65 << int(IdButtonCalculator) << 19 << "" << 19 << 0 << QString();
    QTest::newRow("layout not set") << int(ButtonFlagChangeLayout) << 0xFFFF << 0 << -1 << "0x10" << 0xFFFF
                                    << 0x10 << QString();
    QTest::newRow("layout chosen") << int(ButtonFlagChangeLayout) << 0xFFFF << 0 << 2 << "" << 2 << 7 << QString();
    QTest::newRow("task, nothing chosen") << 0 << 0 << int(IdButtonTaskManager) << -1 << "70000" << -1 << 0
                                          << "Choose an entry in \"Button Function\".";
    QTest::newRow("task number too large") << 0 << 0 << int(IdButtonTaskManager) << 1 << "70000" << -1 << 0
                                           << "\"Task Number\" takes a whole number from 0 to 65535.";
    QTest::newRow("help topic") << 0 << 0 << int(IdButtonShortcut) << 5 << "12" << 12 << 5 << QString();
    QTest::newRow("macro number not a number") << 0 << 3 << int(IdButtonMacro) << 1 << "x" << -1 << 0
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
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();
    if (box)
        click(dlg, box);
    if (entry >= 0)
        chooseEntry(dlg, IdButtonFunctionList, entry);
    if (!field2.isEmpty())
        typeInto(dlg, IdButtonField2, field2);
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
        CButtonDlg dlg(q, *m_document, shape(), false);
        dlg.show();
        typeInto(dlg, IdButtonCaption, QStringLiteral("typed"));
        click(dlg, IdButtonCopy);
        QCOMPARE(dlg.result(), int(Cancel));
    }
    QCOMPARE(m_document->copiedButton(), &q);
    QCOMPARE(q.caption, QStringLiteral("Q"));

    q.width = 33;
    CButtonDlg dlg(w, *m_document, shape(), false);
    dlg.show();
    QVERIFY(control(dlg, IdButtonPaste)->isEnabled());
    click(dlg, IdButtonPaste);
    QCOMPARE(fields(w), fields(q));
    QCOMPARE(w.index, 1);
    QCOMPARE(text(dlg, IdButtonCaption), QStringLiteral("Q"));
    QCOMPARE(text(dlg, IdButtonWidth), QStringLiteral("33"));
    QCOMPARE(text(dlg, IdButtonField1), QStringLiteral("q"));
    QCOMPARE(text(dlg, IdButtonField3), QStringLiteral("2"));
    QVERIFY(checked(dlg, IdButtonAutoToggle));

    click(dlg, Ok);
    QCOMPARE(fields(w), fields(q));
}

void TestButtonDlg::pasteWithDeletedSourceDoesNothing()
{
    row().buttons.insertCopyAt(0, *makeKey(QStringLiteral("Q"), ButtonFlagCharacter, 'q', 0x51));
    row().buttons.insertCopyAt(1, *makeKey(QStringLiteral("W"), ButtonFlagCharacter, 'w', 0x57));
    {
        CButtonDlg dlg(*row().buttons.at(0), *m_document, shape(), false);
        dlg.show();
        click(dlg, IdButtonCopy);
    }
    QVERIFY(row().buttons.removeAt(0));
    QCOMPARE(m_document->copiedButton(), nullptr);

    SkinButton &w = *row().buttons.at(0);
    CButtonDlg dlg(w, *m_document, shape(), false);
    dlg.show();
    typeInto(dlg, IdButtonCaption, QStringLiteral("typed"));
    click(dlg, IdButtonPaste);
    QCOMPARE(text(dlg, IdButtonCaption), QStringLiteral("typed"));
    QCOMPARE(fields(w), fields(*makeKey(QStringLiteral("W"), ButtonFlagCharacter, 'w', 0x57)));
}

void TestButtonDlg::cancelAfterPasteRestores_data()
{
    QTest::addColumn<bool>("newCell");
    QTest::addColumn<int>("ending");

    QTest::newRow("new cell, Cancel") << true << int(Cancel);
    QTest::newRow("new cell, Escape") << true << 0;
    QTest::newRow("key, close box") << false << -1;
    QTest::newRow("key, Copy") << false << int(IdButtonCopy);
}

void TestButtonDlg::cancelAfterPasteRestores()
{
    QFETCH(bool, newCell);
    QFETCH(int, ending);

    auto source = makeKey(QStringLiteral("S"), ButtonFlagMacro | 0x3000, 4, 1, 44);
    SkinRow &sourceRow = *shape().at(0)->rows.at(1);
    sourceRow.buttons.insertCopyAt(0, *source);
    m_document->copyButton(sourceRow.buttons.at(0));
    auto key = makeKey(QStringLiteral("K"), ButtonFlagCharacter, 'k', 0x4B);
    SkinButton &button = newCell ? *row().buttons.last() : *key;

    CButtonDlg dlg(button, *m_document, shape(), false);
    const QString opened = fields(button);
    dlg.show();
    click(dlg, IdButtonPaste);
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
    CButtonDlg dlg(button, *m_document, shape(), rowFull);
    const QString opened = fields(button);
    dlg.show();
    typeInto(dlg, IdButtonField1, QStringLiteral("z"));
    typeInto(dlg, IdButtonCaption, QStringLiteral("typed"));

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

void TestButtonDlg::pressAKey_data()
{
    QTest::addColumn<quint16>("flags");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fields"); // Char (where the kind shows it), VK and the VK's name
    QTest::addColumn<QString>("caption"); // afterwards
    const quint16 character = ButtonFlagCharacter;
    const quint16 newCell = ButtonFlagPlaceholder;
    QTest::newRow("shifted letter") << character << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << "A 0x41 A" << "K";
    QTest::newRow("Enter") << character << int(Qt::Key_Return) << 0 << "\r" << "0x0D 0x0D Enter" << "K";
    QTest::newRow("Shift alone") << character << int(Qt::Key_Shift) << 0 << "" << "0x00 0x10 Shift" << "K";
    QTest::newRow("number pad") << character << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << "5 0x65 Num 5" << "K";
    QTest::newRow("no function, a key without a character") << quint16(0) << int(Qt::Key_F5) << 0 << "" << "0x74 F5" << "K";
    // A key that types something becomes a Character key; a New cell is named after it.
    QTest::newRow("no function, Escape") << quint16(0) << int(Qt::Key_Escape) << 0 << "\x1b" << "0x1B 0x1B Esc" << "K";
    QTest::newRow("New cell, a letter") << newCell << int(Qt::Key_Q) << 0 << "q" << "q 0x51 Q" << "q";
    QTest::newRow("New cell, Enter") << newCell << int(Qt::Key_Return) << 0 << "\r" << "0x0D 0x0D Enter" << "Enter";
}

// The key pressed after "Press a key..." fills the fields the kind shows; even Escape is a key
// then.
void TestButtonDlg::pressAKey()
{
    QFETCH(quint16, flags);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    QFETCH(QString, fields);
    QFETCH(QString, caption);
    auto button = makeKey(QStringLiteral("K"), flags, 'K', 0x4B);
    CButtonDlg dlg(*button, *m_document, shape(), false);
    dlg.show();
    click(dlg, IdButtonPressKey);
    auto *press = control<QPushButton>(dlg, IdButtonPressKey);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::KeyboardModifiers(modifiers), typed);
        QApplication::sendEvent(press, &event);
    }
    QVERIFY(!press->isChecked() && dlg.isVisible());
    QStringList texts{text(dlg, IdButtonField2), text(dlg, IdButtonVkName)};
    if (shown(dlg, IdButtonField1))
        texts.prepend(text(dlg, IdButtonField1));
    QCOMPARE(texts.join(u' '), fields);
    QCOMPARE(text(dlg, IdButtonCaption), caption);
}

void TestButtonDlg::vkNames_data()
{
    QTest::addColumn<QString>("vkText");
    QTest::addColumn<int>("vk"); // -1: refused
    QTest::addColumn<QString>("name");
    QTest::newRow("a name") << "Enter" << 0x0D << "Enter";
    QTest::newRow("a constant") << "VK_RETURN" << 0x0D << "Enter";
    QTest::newRow("one character is its code") << "x" << 0x78 << "F9";
    QTest::newRow("a code without a name") << "0xE8" << 0xE8 << "";
    QTest::newRow("no such key") << "Entr" << -1 << "";
    QTest::newRow("digits are no code") << "13" << -1 << "";
}

// Names are shown beside the field, never in it.
void TestButtonDlg::vkNames()
{
    QFETCH(QString, vkText);
    QFETCH(int, vk);
    QFETCH(QString, name);
    auto key = makeKey(QStringLiteral("K"), ButtonFlagCharacter, 'K', 0x4B);
    CButtonDlg dlg(*key, *m_document, shape(), false);
    dlg.show();
    typeInto(dlg, IdButtonField2, vkText);
    QCOMPARE(text(dlg, IdButtonVkName), name);
    QCOMPARE(text(dlg, IdButtonField2), vkText);
    MessageBoxSeen seen;
    if (vk < 0)
        answerMessageBox(seen);
    click(dlg, Ok);
    QCOMPARE(seen.text.contains(QStringLiteral("knows no key named \"%1\"").arg(vkText)), vk < 0);
    QCOMPARE(int(key->vk), vk < 0 ? 0x4B : vk);
}

QTEST_MAIN(TestButtonDlg)
#include "tst_buttondlg.moc"
