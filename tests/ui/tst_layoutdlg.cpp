#include "layoutdlg.h"

#include "controlid.h"
#include "dialogunits.h"
#include "editorsettings.h"
#include "keyboardpainter.h"
#include "layoutpictures.h"
#include "widgetdriver.h"
#include "controlids.h"
#include "projectdocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velkari;
using namespace velkari::test;

namespace {

class ScriptedLayoutDlg : public CLayoutDlg
{
public:
    using CLayoutDlg::CLayoutDlg;

    QString answer;
    int asked = 0;
    QString saveAnswer;
    QString proposed;
    int saveAsked = 0;

protected:
    QString choosePictureFile() override
    {
        ++asked;
        return answer;
    }
    QString choosePictureSavePath(const QString &proposedPath) override
    {
        ++saveAsked;
        proposed = proposedPath;
        return saveAnswer;
    }
};

QString expectedName(int number)
{
    return QStringLiteral("Layout%1").arg(number, 2, 10, QLatin1Char('0'));
}

// A layout in edit mode whose rows have the given heights; row r holds keys "r.0", "r.1" and the
// placeholder.
std::unique_ptr<SkinLayout> makeLayout(const QString &name, const QList<int> &heights)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = name;
    layout->flags = 0;
    for (int height : heights) {
        auto row = std::make_unique<SkinRow>();
        row->height = quint16(height);
        for (int b = 0; b < 2; ++b) {
            auto key = std::make_unique<SkinButton>();
            key->caption = QStringLiteral("%1.%2").arg(layout->rows.count()).arg(b);
            key->flags = ButtonFlagCharacter;
            row->buttons.append(std::move(key));
        }
        row->buttons.append(std::make_unique<SkinButton>());
        layout->rows.append(std::move(row));
    }
    return layout;
}

QStringList rowsAsText(const SkinLayout &layout)
{
    QStringList rows;
    for (const auto &row : layout.rows) {
        QStringList captions;
        for (const auto &button : row->buttons)
            captions << (button->isPlaceholder() ? QStringLiteral("+") : button->caption);
        rows << QStringLiteral("%1:%2").arg(row->height).arg(captions.join(u' '));
    }
    return rows;
}

QString text(const QWidget &dialog, int id)
{
    return textOf(dialog, id);
}

QStringList heightTexts(const QWidget &dialog)
{
    QStringList texts;
    for (int i = 0; i < RowList::capacity; ++i)
        texts << text(dialog, IdLayoutFirstHeight + i);
    return texts;
}

QList<bool> heightsEnabled(const QWidget &dialog)
{
    QList<bool> enabled;
    for (int i = 0; i < RowList::capacity; ++i)
        enabled << control(dialog, IdLayoutFirstHeight + i)->isEnabled();
    return enabled;
}

} // namespace

class TestLayoutDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsFitAndFollowTabOrder();
    void addModeNamesFromCounter();
    void editModeKeepsName();
    void newLayoutHasNoRows();
    void dragUpList_data();
    void dragUpList();
    void rowCountChangeKeepsTypedHeights();
    void heightsAreParsed_data();
    void heightsAreParsed();
    void confirmResizesRows();
    void flagsAreRewritten_data();
    void flagsAreRewritten();
    void resultCodes_data();
    void resultCodes();
    void pasteCopiesRowsAndKeepsDragUp();
    void pasteWithNothingCopied();
    void pasteOntoItself();
    void cancelAfterPasteRestores_data();
    void cancelAfterPasteRestores();
    void browseFillsEditOnly();
    void browseUsesPictureFileDialog();
    void drawPicture_data();
    void drawPicture();
    void drawPictureNeedsKeys();
    void drawPictureKeepsTheProjectsLook_data();
    void drawPictureKeepsTheProjectsLook();
    void drawPictureIntoTheProposedFolder();

private:
    std::unique_ptr<ProjectDocument> m_document;

    SkinProject &project() { return m_document->project(); }

    LayoutList &shape() { return project().layoutList(Portrait); }
};

void TestLayoutDlg::init()
{
    m_document = std::make_unique<ProjectDocument>();
    shape().at(0)->flags = 0;
    shape().append(makeLayout(QStringLiteral("Numbers"), { 20, 20 }));
    shape().append(makeLayout(QStringLiteral("Symbols"), { 30 }));
}

void TestLayoutDlg::cleanup()
{
    m_document.reset();
}

void TestLayoutDlg::controlsFitAndFollowTabOrder()
{
    auto layout = makeLayout(QStringLiteral("Main"), { 20 });
    CLayoutDlg dlg(*layout, *m_document, shape());
    dlg.show();

    QCOMPARE(dlg.size(), DialogUnits(DialogUnits::dialogFont()).size(325, 180));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Layout Properties"));
    QVERIFY(control<QPushButton>(dlg, Ok)->isDefault());

    const QList<int> tabOrder { IdLayoutName, IdLayoutPictureName, IdLayoutBrowse, IdLayoutDragUp, IdLayoutRowCount, 1008, 1009, 1010,
                                1011, 1012, 1013, 1018, 1019, 1016, 1017, 1020, 1021, Ok, Cancel,
                                IdLayoutReadKeys, IdLayoutDrawPicture, IdLayoutPaste, Delete };
    QList<int> chain;
    QWidget *widget = control(dlg, IdLayoutName);
    do {
        if (controlId(widget) != 0) {
            chain << controlId(widget);
            QVERIFY2(dlg.rect().contains(widget->geometry()), qPrintable(QString::number(controlId(widget))));
        }
        widget = widget->nextInFocusChain();
    } while (widget != control(dlg, IdLayoutName) && chain.size() <= tabOrder.size());
    QCOMPARE(chain, tabOrder);
}

void TestLayoutDlg::addModeNamesFromCounter()
{
    const int first = CLayoutDlg::layoutNameCounter();

    SkinLayout added;
    CLayoutDlg dlg(added, *m_document, shape());
    dlg.show();
    QVERIFY(dlg.isAddMode());
    QCOMPARE(added.name, expectedName(first));
    QCOMPARE(text(dlg, IdLayoutName), expectedName(first));
    QCOMPARE(CLayoutDlg::layoutNameCounter(), first + 1);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Add new layout"));
    QVERIFY(control(dlg, Delete)->isHidden());
    QVERIFY(!control(dlg, IdLayoutPaste)->isHidden());

    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCOMPARE(dlg.result(), int(Cancel));
    QCOMPARE(added.name, expectedName(first));
    QCOMPARE(added.flags, quint16(LayoutFlagNew));

    // The cancelled opening used its number up; a project reset does not rewind it.
    m_document->replaceWithNew();
    SkinLayout &fresh = *shape().at(0);
    CLayoutDlg second(fresh, *m_document, shape());
    QCOMPARE(fresh.name, expectedName(first + 1));
    second.show();
    click(second, Ok);
    QCOMPARE(second.result(), int(Ok));
    QCOMPARE(fresh.flags & LayoutFlagNew, 0);

    CLayoutDlg third(fresh, *m_document, shape());
    QVERIFY(!third.isAddMode());
    QCOMPARE(CLayoutDlg::layoutNameCounter(), first + 2);
}

void TestLayoutDlg::editModeKeepsName()
{
    const int counter = CLayoutDlg::layoutNameCounter();
    SkinLayout &numbers = *shape().at(1);
    CLayoutDlg dlg(numbers, *m_document, shape());
    dlg.show();

    QVERIFY(!dlg.isAddMode());
    QCOMPARE(numbers.name, QStringLiteral("Numbers"));
    QCOMPARE(CLayoutDlg::layoutNameCounter(), counter);
    QVERIFY(!control(dlg, Delete)->isHidden());

    typeInto(dlg, IdLayoutName, QStringLiteral("Digits"));
    typeInto(dlg, IdLayoutPictureName, QStringLiteral("/skins/digits.gif"));
    QCOMPARE(numbers.name, QStringLiteral("Numbers"));
    QTest::keyClick(control(dlg, IdLayoutName), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(Ok));
    QCOMPARE(numbers.name, QStringLiteral("Digits"));
    QCOMPARE(numbers.picFileName, QStringLiteral("/skins/digits.gif"));
}

void TestLayoutDlg::newLayoutHasNoRows()
{
    SkinLayout added;
    CLayoutDlg dlg(added, *m_document, shape());
    dlg.show();

    QCOMPARE(control<QComboBox>(dlg, IdLayoutRowCount)->currentIndex(), -1);
    QCOMPARE(entries(control<QComboBox>(dlg, IdLayoutRowCount)),
             QStringList({ "1", "2", "3", "4", "5", "6" }));
    QCOMPARE(heightTexts(dlg), QStringList(6, QStringLiteral("N/A")));
    QCOMPARE(heightsEnabled(dlg), QList<bool>(6, false));

    click(dlg, Ok);
    QCOMPARE(added.rows.count(), 0);
    QCOMPARE(added.flags, quint16(0));
}

void TestLayoutDlg::dragUpList_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shownEntry");
    QTest::addColumn<int>("chosenEntry");
    QTest::addColumn<int>("expected");

    QTest::newRow("none shown, none kept") << -1 << 0 << 0 << -1;
    QTest::newRow("itself") << 1 << 2 << 2 << 1;
    QTest::newRow("last layout, then none") << 2 << 3 << 0 << -1;
    QTest::newRow("none, then first layout") << -1 << 0 << 1 << 0;
    QTest::newRow("beyond the list kept") << 7 << -1 << -1 << 7;
    QTest::newRow("below none kept") << -5 << -1 << -1 << -5;
}

void TestLayoutDlg::dragUpList()
{
    QFETCH(int, stored);
    QFETCH(int, shownEntry);
    QFETCH(int, chosenEntry);
    QFETCH(int, expected);

    SkinLayout &numbers = *shape().at(1);
    numbers.dragUpLayout = qint8(stored);
    CLayoutDlg dlg(numbers, *m_document, shape());
    dlg.show();

    auto *list = control<QComboBox>(dlg, IdLayoutDragUp);
    QCOMPARE(entries(list), QStringList({ "None", "Layout00", "Numbers", "Symbols" }));
    QCOMPARE(list->currentIndex(), shownEntry);
    if (chosenEntry >= 0)
        chooseEntry(dlg, IdLayoutDragUp, chosenEntry);
    QCOMPARE(list->currentIndex(), chosenEntry);

    click(dlg, Ok);
    QCOMPARE(int(numbers.dragUpLayout), expected);
}

void TestLayoutDlg::rowCountChangeKeepsTypedHeights()
{
    auto layout = makeLayout(QStringLiteral("Main"), { 20, 30, 40 });
    CLayoutDlg dlg(*layout, *m_document, shape());
    dlg.show();

    QCOMPARE(control<QComboBox>(dlg, IdLayoutRowCount)->currentIndex(), 2);
    QCOMPARE(heightTexts(dlg), QStringList({ "20", "30", "40", "N/A", "N/A", "N/A" }));
    QCOMPARE(heightsEnabled(dlg), QList<bool>({ true, true, true, false, false, false }));

    // Rows that remain keep what was typed; rows that come back show what the layout stores.
    typeInto(dlg, IdLayoutFirstHeight, QStringLiteral("99"));
    chooseEntry(dlg, IdLayoutRowCount, 4);
    QCOMPARE(heightTexts(dlg), QStringList({ "99", "30", "40", "", "", "N/A" }));
    QCOMPARE(heightsEnabled(dlg), QList<bool>({ true, true, true, true, true, false }));

    typeInto(dlg, IdLayoutFirstHeight + 2, QStringLiteral("41"));
    typeInto(dlg, IdLayoutFirstHeight + 3, QStringLiteral("12"));
    chooseEntry(dlg, IdLayoutRowCount, 1);
    QCOMPARE(heightTexts(dlg), QStringList({ "99", "30", "N/A", "N/A", "N/A", "N/A" }));
    chooseEntry(dlg, IdLayoutRowCount, 3);
    QCOMPARE(heightTexts(dlg), QStringList({ "99", "30", "40", "", "N/A", "N/A" }));
    QCOMPARE(heightsEnabled(dlg), QList<bool>({ true, true, true, true, false, false }));
    QCOMPARE(layout->rows.count(), 3);
}

void TestLayoutDlg::heightsAreParsed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored"); // 0: refused, the dialog stays open and stores nothing

    QTest::newRow("number") << "24" << 24;
    QTest::newRow("spaces around") << " 7 " << 7;
    QTest::newRow("largest") << "65535" << 65535;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("number then letters") << "12px" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("too large") << "70000" << 0;
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << 0;
}

void TestLayoutDlg::heightsAreParsed()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);

    auto layout = makeLayout(QStringLiteral("Main"), { 20, 30 });
    CLayoutDlg dlg(*layout, *m_document, shape());
    dlg.show();
    typeInto(dlg, IdLayoutName, QStringLiteral("Renamed"));
    typeInto(dlg, IdLayoutFirstHeight + 1, typed);
    MessageBoxSeen seen;
    if (!stored)
        answerMessageBox(seen);
    click(dlg, Ok);

    QCOMPARE(seen.shown, !stored);
    if (!stored) {
        QCOMPARE(seen.text, QStringLiteral("\"2nd row height\" takes a whole number from 1 to 65535."));
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.focusWidget(), control(dlg, IdLayoutFirstHeight + 1));
        QCOMPARE(rowsAsText(*layout), QStringList({ "20:0.0 0.1 +", "30:1.0 1.1 +" }));
        QCOMPARE(layout->name, QStringLiteral("Main"));
        return;
    }
    QCOMPARE(int(layout->rows.at(0)->height), 20);
    QCOMPARE(int(layout->rows.at(1)->height), stored);
}

void TestLayoutDlg::confirmResizesRows()
{
    auto layout = makeLayout(QStringLiteral("Main"), { 20, 30, 40, 50 });
    m_document->copyButton(layout->rows.at(3)->buttons.at(0));
    {
        CLayoutDlg dlg(*layout, *m_document, shape());
        dlg.show();
        chooseEntry(dlg, IdLayoutRowCount, 1);
        typeInto(dlg, IdLayoutFirstHeight + 1, QStringLiteral("35"));
        click(dlg, Ok);
    }
    QCOMPARE(rowsAsText(*layout), QStringList({ "20:0.0 0.1 +", "35:1.0 1.1 +" }));
    QCOMPARE(m_document->copiedButton(), nullptr);

    CLayoutDlg dlg(*layout, *m_document, shape());
    dlg.show();
    chooseEntry(dlg, IdLayoutRowCount, 4);
    typeInto(dlg, IdLayoutFirstHeight + 2, QStringLiteral("16"));
    typeInto(dlg, IdLayoutFirstHeight + 3, QStringLiteral("1"));
    typeInto(dlg, IdLayoutFirstHeight + 4, QStringLiteral("18"));
    click(dlg, Ok);
    QCOMPARE(rowsAsText(*layout), QStringList({ "20:0.0 0.1 +", "35:1.0 1.1 +", "16:", "1:", "18:" }));
    for (int i = 0; i < layout->rows.count(); ++i)
        QCOMPARE(layout->rows.at(i)->index, i);
}

void TestLayoutDlg::flagsAreRewritten_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<int>("expected");

    QTest::newRow("every bit set") << 0xFFFF << QList<int>() << 0x00FC;
    QTest::newRow("new layout with shortcuts") << 0x0005 << QList<int>() << 0x0004;
    QTest::newRow("unknown bits only") << 0xFF02 << QList<int>() << 0;
    QTest::newRow("tick two") << 0 << QList<int>({ IdLayoutResetOnShow, IdLayoutMacros }) << 0x00A0;
    QTest::newRow("untick one") << 0x0028 << QList<int>({ IdLayoutResetOnShow }) << 0x0008;
}

void TestLayoutDlg::flagsAreRewritten()
{
    QFETCH(int, stored);
    QFETCH(QList<int>, clicked);
    QFETCH(int, expected);

    auto layout = makeLayout(QStringLiteral("Main"), { 20 });
    layout->flags = quint16(stored);
    CLayoutDlg dlg(*layout, *m_document, shape());
    dlg.show();

    const QList<QPair<int, int>> boxes { { 1021, 0x04 }, { 1016, 0x08 }, { 1017, 0x10 },
                                         { 1018, 0x20 }, { 1019, 0x40 }, { 1020, 0x80 } };
    for (const auto &[id, bit] : boxes)
        QCOMPARE(control<QCheckBox>(dlg, id)->isChecked(), (stored & bit) != 0);

    for (int id : clicked)
        click(dlg, id);
    QCOMPARE(int(layout->flags), stored);
    click(dlg, Ok);
    QCOMPARE(int(layout->flags), expected);
}

void TestLayoutDlg::resultCodes_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("cancel") << int(Cancel) << int(Cancel);
    QTest::newRow("delete") << int(Delete) << int(Delete);
    QTest::newRow("escape") << 0 << int(Cancel);
    QTest::newRow("close box") << -1 << int(Cancel);
}

void TestLayoutDlg::resultCodes()
{
    QFETCH(int, button);
    QFETCH(int, result);

    auto layout = makeLayout(QStringLiteral("Main"), { 20, 30 });
    layout->flags = 0x0008;
    CLayoutDlg dlg(*layout, *m_document, shape());
    dlg.show();
    typeInto(dlg, IdLayoutName, QStringLiteral("Changed"));
    typeInto(dlg, IdLayoutFirstHeight, QStringLiteral("99"));
    chooseEntry(dlg, IdLayoutRowCount, 0);
    click(dlg, IdLayoutMacros);

    if (button > 0)
        click(dlg, button);
    else if (button == 0)
        QTest::keyClick(&dlg, Qt::Key_Escape);
    else
        dlg.close();

    QVERIFY(dlg.isHidden());
    QCOMPARE(dlg.result(), result);
    QCOMPARE(layout->name, QStringLiteral("Main"));
    QCOMPARE(layout->flags, quint16(0x0008));
    QCOMPARE(rowsAsText(*layout), QStringList({ "20:0.0 0.1 +", "30:1.0 1.1 +" }));
}

void TestLayoutDlg::pasteCopiesRowsAndKeepsDragUp()
{
    SkinLayout &target = *shape().at(0); // five empty rows, drag-up none
    SkinLayout &source = *shape().at(1);
    source.picFileName = QStringLiteral("/skins/numbers.gif");
    source.flags = 0x0014;
    source.dragUpLayout = 2;
    m_document->copyLayout(&source);

    CLayoutDlg dlg(target, *m_document, shape());
    dlg.show();
    // The source changes after Copy Layout: Paste takes its state now.
    source.rows.at(1)->height = 24;
    click(dlg, IdLayoutPaste);

    QCOMPARE(target.name, QStringLiteral("Numbers"));
    QCOMPARE(target.picFileName, source.picFileName);
    QCOMPARE(target.flags, quint16(0x0014));
    QCOMPARE(target.dragUpLayout, qint8(2));
    QCOMPARE(rowsAsText(target), QStringList({ "20:0.0 0.1 +", "24:1.0 1.1 +" }));
    QCOMPARE(rowsAsText(source), rowsAsText(target));

    QCOMPARE(text(dlg, IdLayoutName), QStringLiteral("Numbers"));
    QCOMPARE(text(dlg, IdLayoutPictureName), source.picFileName);
    QCOMPARE(control<QComboBox>(dlg, IdLayoutRowCount)->currentIndex(), 1);
    QCOMPARE(heightTexts(dlg), QStringList({ "20", "24", "N/A", "N/A", "N/A", "N/A" }));
    QVERIFY(control<QCheckBox>(dlg, 1021)->isChecked());
    QVERIFY(control<QCheckBox>(dlg, 1017)->isChecked());
    QVERIFY(!control<QCheckBox>(dlg, 1016)->isChecked());
    QCOMPARE(control<QComboBox>(dlg, IdLayoutDragUp)->currentIndex(), 0);

    click(dlg, Ok);
    QCOMPARE(target.dragUpLayout, qint8(-1));
    QCOMPARE(target.flags, quint16(0x0014));
    QCOMPARE(rowsAsText(target), QStringList({ "20:0.0 0.1 +", "24:1.0 1.1 +" }));
}

void TestLayoutDlg::pasteWithNothingCopied()
{
    SkinLayout &numbers = *shape().at(1);
    CLayoutDlg dlg(numbers, *m_document, shape());
    dlg.show();
    // Nothing copied, nothing to paste: the button says so.
    QVERIFY(!control(dlg, IdLayoutPaste)->isEnabled());
    typeInto(dlg, IdLayoutName, QStringLiteral("Typed"));
    click(dlg, IdLayoutPaste);

    QCOMPARE(text(dlg, IdLayoutName), QStringLiteral("Typed"));
    QCOMPARE(numbers.name, QStringLiteral("Numbers"));
    QCOMPARE(rowsAsText(numbers), QStringList({ "20:0.0 0.1 +", "20:1.0 1.1 +" }));
}

void TestLayoutDlg::pasteOntoItself()
{
    SkinLayout &numbers = *shape().at(1);
    m_document->copyLayout(&numbers);
    const SkinButton *key = numbers.rows.at(1)->buttons.at(0);
    m_document->copyButton(numbers.rows.at(1)->buttons.at(1));

    CLayoutDlg dlg(numbers, *m_document, shape());
    dlg.show();
    typeInto(dlg, IdLayoutName, QStringLiteral("Typed"));
    typeInto(dlg, IdLayoutFirstHeight, QStringLiteral("77"));
    click(dlg, IdLayoutPaste);

    QCOMPARE(text(dlg, IdLayoutName), QStringLiteral("Numbers"));
    QCOMPARE(text(dlg, IdLayoutFirstHeight), QStringLiteral("20"));
    QCOMPARE(rowsAsText(numbers), QStringList({ "20:0.0 0.1 +", "20:1.0 1.1 +" }));
    QCOMPARE(numbers.rows.at(1)->buttons.at(0), key);
    QCOMPARE(m_document->copiedButton(), numbers.rows.at(1)->buttons.at(1));

    click(dlg, Ok);
    QCOMPARE(rowsAsText(numbers), QStringList({ "20:0.0 0.1 +", "20:1.0 1.1 +" }));
    QCOMPARE(m_document->copiedLayout(), &numbers);
}

void TestLayoutDlg::cancelAfterPasteRestores_data()
{
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<bool>("escape");

    QTest::newRow("edit mode, Cancel") << false << false;
    QTest::newRow("edit mode, Escape") << false << true;
    QTest::newRow("add mode, Cancel") << true << false;
}

void TestLayoutDlg::cancelAfterPasteRestores()
{
    QFETCH(bool, addMode);
    QFETCH(bool, escape);

    auto layout = addMode ? std::make_unique<SkinLayout>()
                          : makeLayout(QStringLiteral("Main"), { 20, 30, 40 });
    layout->picFileName = QStringLiteral("/skins/main.gif");
    layout->dragUpLayout = 1;
    SkinLayout &source = *shape().at(2);
    source.flags = 0x0040;
    source.picFileName = QStringLiteral("/skins/symbols.bmp");
    m_document->copyLayout(&source);

    CLayoutDlg dlg(*layout, *m_document, shape());
    const QString name = layout->name;
    const quint16 flags = layout->flags;
    const QStringList rows = rowsAsText(*layout);
    const int counter = CLayoutDlg::layoutNameCounter();
    QVERIFY(!name.isEmpty());

    dlg.show();
    click(dlg, IdLayoutPaste);
    click(dlg, IdLayoutPaste);
    QCOMPARE(layout->name, QStringLiteral("Symbols"));
    QCOMPARE(rowsAsText(*layout), QStringList({ "30:0.0 0.1 +" }));
    if (escape)
        QTest::keyClick(&dlg, Qt::Key_Escape);
    else
        click(dlg, Cancel);

    QCOMPARE(dlg.result(), int(Cancel));
    QCOMPARE(layout->name, name);
    QCOMPARE(layout->picFileName, QStringLiteral("/skins/main.gif"));
    QCOMPARE(layout->flags, flags);
    QCOMPARE(layout->dragUpLayout, qint8(1));
    QCOMPARE(rowsAsText(*layout), rows);
    for (int i = 0; i < layout->rows.count(); ++i)
        QCOMPARE(layout->rows.at(i)->index, i);
    QCOMPARE(CLayoutDlg::layoutNameCounter(), counter);
    QCOMPARE(rowsAsText(source), QStringList({ "30:0.0 0.1 +" }));
}

void TestLayoutDlg::browseFillsEditOnly()
{
    SkinLayout &numbers = *shape().at(1);
    numbers.picFileName = QStringLiteral("/skins/old.gif");
    ScriptedLayoutDlg dlg(numbers, *m_document, shape());
    dlg.show();

    click(dlg, IdLayoutBrowse);
    QCOMPARE(dlg.asked, 1);
    QCOMPARE(text(dlg, IdLayoutPictureName), QStringLiteral("/skins/old.gif"));

    dlg.answer = QStringLiteral("/skins/new.bmp");
    click(dlg, IdLayoutBrowse);
    QCOMPARE(text(dlg, IdLayoutPictureName), QStringLiteral("/skins/new.bmp"));
    QCOMPARE(numbers.picFileName, QStringLiteral("/skins/old.gif"));

    click(dlg, Ok);
    QCOMPARE(numbers.picFileName, QStringLiteral("/skins/new.bmp"));
}

void TestLayoutDlg::browseUsesPictureFileDialog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // "All Files (*.*)" shows a name without an extension too.
    const QString picture = dir.filePath(QStringLiteral("keys"));
    QFile file(picture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    SkinLayout &numbers = *shape().at(1);
    CLayoutDlg dlg(numbers, *m_document, shape());
    dlg.show();
    // It starts beside the picture the dialog names.
    typeInto(dlg, IdLayoutPictureName, dir.filePath(QStringLiteral("old.gif")));

    struct Seen
    {
        QString title;
        QString folder;
        QStringList filters;
        QString suffix;
        bool openExisting = false;
        bool waitCursor = true;
        QStringList allFilesShown;
    } seen;
    bool answered = false;
    QTimer::singleShot(0, &dlg, [&] {
        auto *fileDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!fileDialog)
            return;
        answered = true;
        seen.title = fileDialog->windowTitle();
        seen.folder = fileDialog->directory().absolutePath();
        seen.filters = shownFilters(*fileDialog);
        seen.suffix = fileDialog->defaultSuffix();
        seen.openExisting = fileDialog->acceptMode() == QFileDialog::AcceptOpen
            && fileDialog->fileMode() == QFileDialog::ExistingFile;
        seen.waitCursor = QApplication::overrideCursor() != nullptr;
        fileDialog->setDirectory(dir.path());
        fileDialog->selectNameFilter(fileDialog->nameFilters().constLast());
        seen.allFilesShown = shownFileNames(*fileDialog, QStringLiteral("keys"));
        chooseListedFile(*fileDialog, QStringLiteral("keys"));
        const MessageBoxAnswer notFound; // a name the dialog cannot find must not stop the test
        static_cast<QDialog *>(fileDialog)->accept(); // public there, checks the file like Open
        if (fileDialog->isVisible())
            fileDialog->reject();
    });
    click(dlg, IdLayoutBrowse);

    QVERIFY(answered);
    QCOMPARE(seen.title, QStringLiteral("Select Skin Picture File"));
    QCOMPARE(seen.folder, QDir(dir.path()).absolutePath());
    QCOMPARE(seen.filters,
             QStringList({ "Pictures (*.gif *.bmp)", "GIF Files(*.gif)", "Bitmap Files(*.bmp)", "All Files (*.*)" }));
    QCOMPARE(seen.suffix, QStringLiteral("gif"));
    QVERIFY2(seen.allFilesShown.contains(QStringLiteral("keys")), qPrintable(seen.allFilesShown.join(u' ')));
    QVERIFY(seen.openExisting);
    QVERIFY(!seen.waitCursor);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(text(dlg, IdLayoutPictureName), picture);
    QVERIFY(numbers.picFileName.isEmpty());
}

// The picture is drawn from the rows and heights as the dialog shows them, saved where the user
// says, and only named in the field: the layout takes it with OK.
void TestLayoutDlg::drawPicture_data()
{
    QTest::addColumn<QString>("typedHeight");
    QTest::addColumn<QString>("saveName");
    QTest::addColumn<QSize>("expectedSize");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("gif") << "" << "n.gif" << QSize(140, 40) << QByteArray("gif");
    QTest::newRow("a typed height counts") << "35" << "n.gif" << QSize(140, 55) << QByteArray("gif");
    QTest::newRow("bmp by its name") << "" << "n.bmp" << QSize(140, 40) << QByteArray("bmp");
    QTest::newRow("save cancelled") << "" << "" << QSize() << QByteArray();
}

void TestLayoutDlg::drawPicture()
{
    QFETCH(QString, typedHeight);
    QFETCH(QString, saveName);
    QFETCH(QSize, expectedSize);
    QFETCH(QByteArray, format);

    QTemporaryDir dir;
    project().projectPath = dir.filePath(QStringLiteral("skin.vsp"));
    SkinLayout &numbers = *shape().at(1);
    ScriptedLayoutDlg dlg(numbers, *m_document, shape());
    dlg.saveAnswer = saveName.isEmpty() ? QString() : dir.filePath(saveName);
    dlg.show();
    if (!typedHeight.isEmpty())
        typeInto(dlg, IdLayoutFirstHeight + 1, typedHeight);
    click(dlg, IdLayoutDrawPicture);

    QCOMPARE(dlg.saveAsked, 1);
    QCOMPARE(dlg.proposed, dir.filePath(QStringLiteral("skin-pictures/portrait-numbers.gif")));
    QCOMPARE(text(dlg, IdLayoutPictureName), dlg.saveAnswer);
    QImageReader reader(dlg.saveAnswer);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), saveName.isEmpty() ? QSize(-1, -1) : expectedSize);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             saveName.isEmpty() ? QStringList() : QStringList{saveName});
    QVERIFY(numbers.picFileName.isEmpty());
    click(dlg, Ok);
    QCOMPARE(numbers.picFileName, dlg.saveAnswer);
}

void TestLayoutDlg::drawPictureNeedsKeys()
{
    SkinLayout added;
    ScriptedLayoutDlg dlg(added, *m_document, shape());
    dlg.show();
    MessageBoxSeen seen;
    answerMessageBox(seen);
    click(dlg, IdLayoutDrawPicture);
    QVERIFY(seen.shown);
    QVERIFY2(seen.text.contains(QStringLiteral("no keys")), qPrintable(seen.text));
    QCOMPARE(dlg.saveAsked, 0);
    QVERIFY(text(dlg, IdLayoutPictureName).isEmpty());
}

void TestLayoutDlg::drawPictureKeepsTheProjectsLook_data()
{
    QTest::addColumn<QString>("projectPictures"); // the theme of another layout's picture, if any
    QTest::addColumn<QString>("chosenLast");      // for a new project
    QTest::addColumn<QString>("expected");
    QTest::newRow("no drawn pictures") << "" << "light" << "light";
    QTest::newRow("dark pictures") << "dark" << "light" << "dark";
    QTest::newRow("light pictures") << "light" << "dark" << "light";
}

void TestLayoutDlg::drawPictureKeepsTheProjectsLook()
{
    QFETCH(QString, projectPictures);
    QFETCH(QString, chosenLast);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    isolateSettings(dir.path());
    EditorSettings().setPictureTheme(chosenLast);
    if (!projectPictures.isEmpty()) {
        SkinLayout &symbols = *shape().at(2);
        symbols.picFileName = dir.filePath(QStringLiteral("symbols.gif"));
        writePictureFile(symbols.picFileName,
                         drawLayoutPicture(symbols, KeyboardPainter(*KeyboardTheme::named(projectPictures)),
                                           PictureFormat::Gif));
    }
    ScriptedLayoutDlg dlg(*shape().at(1), *m_document, shape());
    dlg.saveAnswer = dir.filePath(QStringLiteral("numbers.gif"));
    dlg.show();
    click(dlg, IdLayoutDrawPicture);
    QCOMPARE(QImage(dlg.saveAnswer).pixel(0, 0), KeyboardTheme::named(expected)->background);
}

// The real save dialog starts in the project's pictures folder, which is made only when the
// picture is written into it.
void TestLayoutDlg::drawPictureIntoTheProposedFolder()
{
    QTemporaryDir dir;
    project().projectPath = dir.filePath(QStringLiteral("skin.vsp"));
    SkinLayout &symbols = *shape().at(2);
    CLayoutDlg dlg(symbols, *m_document, shape());
    dlg.show();
    QString title;
    QStringList selected;
    whenModal<QFileDialog>([&](QFileDialog *fileDialog) {
        title = fileDialog->windowTitle();
        selected = fileDialog->selectedFiles();
        static_cast<QDialog *>(fileDialog)->accept();
    });
    click(dlg, IdLayoutDrawPicture);
    const QString expected = dir.filePath(QStringLiteral("skin-pictures/portrait-symbols.gif"));
    QCOMPARE(title, QStringLiteral("Save Drawn Picture"));
    QCOMPARE(selected, QStringList{expected});
    QCOMPARE(text(dlg, IdLayoutPictureName), expected);
    QCOMPARE(QImageReader(expected).size(), QSize(140, 30));
}

QTEST_MAIN(TestLayoutDlg)
#include "tst_layoutdlg.moc"
