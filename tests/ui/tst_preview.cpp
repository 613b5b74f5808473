#include "buttondlg.h"
#include "dialogunits.h"
#include "keyboardstate.h"
#include "previewwindow.h"
#include "testprojects.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace velkari;
using namespace velkari::test;

namespace {

constexpr quint16 Char = ButtonFlagCharacter;
constexpr quint16 Change = ButtonFlagChangeLayout;
constexpr quint16 Calc = ButtonFlagCalculator;
constexpr int KeyWidth = 30;
constexpr int RowHeight = 20;

void addLayout(SkinProject &project, const QString &name, quint16 flags, qint8 dragUp,
               const QList<QList<KeyCodes>> &rows)
{
    auto layout = makeKeyLayout(rows, KeyWidth, RowHeight);
    layout->name = name;
    layout->flags = flags;
    layout->dragUpLayout = dragUp;
    project.layoutList(Portrait).append(std::move(layout));
}

// Pictures named by no layout. Layout 0: letters, Backspace, Shift (auto toggle), Caps Lock and
// two layout keys; its drag-up layout is 1. Layout 1 resets on hide. Layout 2 is a calculator.
void buildProject(SkinProject &project)
{
    addLayout(project, QStringLiteral("Letters"), 0, 1,
              {{{Char, 'a', 'A'}, {Char, 'b', 'B'}, {quint16(Char | ButtonFlagAutoToggle | 0x1000), 0, VkShift},
                {quint16(Char | 0x2000), 0, VkCapsLock}},
               {{Change, 1, 0}, {Change, 2, 0}, {Char, 8, 8}}});
    addLayout(project, QStringLiteral("Digits"), LayoutFlagResetOnHide, -1, {{{Char, '1', '1'}, {Change, 0, 0}}});
    addLayout(project, QStringLiteral("Sums"), LayoutFlagCalculator, -1,
              {{{Calc, CalcDigit1, 0}, {Calc, CalcAdd, 0}, {Calc, CalcDigit2, 0}, {Calc, CalcEquals, 0},
                {Calc, CalcDisplay, 0}, {Change, 0, 0}}});
}

QPoint keyCentre(const PictureView *view, int row, int key)
{
    return view->toView(view->keys().rows.at(row).at(key)).center();
}

// "k0,1" taps key 1 of row 0 with a click, "p0,1" only presses the mouse button on it; "drag"
// strokes upwards from row 1, "side" sideways from key 0,0; "up", "hide" and "reset" click the
// window's buttons (a second "hide" clicks the same button, then captioned Show).
void act(PreviewWindow &preview, const QString &actions)
{
    PictureView *view = preview.pictureView();
    for (const QString &action : actions.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList numbers = action.mid(1).split(u',');
        const QPoint key = action.startsWith(u'k') || action.startsWith(u'p')
            ? keyCentre(view, numbers.value(0).toInt(), numbers.value(1).toInt())
            : QPoint();
        if (action.startsWith(u'k')) {
            QTest::mouseClick(view, Qt::LeftButton, {}, key);
        } else if (action.startsWith(u'p')) {
            QTest::mousePress(view, Qt::LeftButton, {}, key);
        } else if (action == QLatin1String("drag") || action == QLatin1String("side")) {
            const QPoint from = keyCentre(view, action == QLatin1String("drag") ? 1 : 0, 0);
            const QPoint to = action == QLatin1String("drag") ? from - QPoint(2, from.y()) : from + QPoint(40, 0);
            QTest::mousePress(view, Qt::LeftButton, {}, from);
            QTest::mouseMove(view, to);
            QTest::mouseRelease(view, Qt::LeftButton, {}, to);
        } else {
            QPushButton *button = action == QLatin1String("up") ? preview.dragUpButton()
                : action == QLatin1String("hide")                ? preview.hideButton()
                                                                 : preview.resetButton();
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
}

QString markedKeys(const PictureView *view)
{
    QStringList keys;
    for (const PictureView::KeyPosition &key : view->markedKeys())
        keys << QStringLiteral("%1,%2").arg(key.row).arg(key.key);
    return keys.join(u' ');
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void runsTheProjectAsTheDevice_data();
    void runsTheProjectAsTheDevice();
    void followsEditsInTheMainWindow();
    void eventsKeepTheNewestLineInView();

private:
    QTemporaryDir m_settings;
};

void TestPreview::initTestCase()
{
    QVERIFY(m_settings.isValid());
    isolateSettings(m_settings.path());
}

void TestPreview::runsTheProjectAsTheDevice_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("display"); // empty: no calculator shown
    QTest::addColumn<QString>("marked");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<int>("events");

    QTest::newRow("taps type and erase") << 1 << "k0,0 k0,1 k1,2 k0,0" << "aa" << 0 << "" << "" << false << 4;
    QTest::newRow("taps at 3x") << 3 << "k0,1 k0,0" << "ba" << 0 << "" << "" << false << 2;
    QTest::newRow("the key under the mouse is pressed") << 2 << "p0,1" << "" << 0 << "" << "0,1" << false << 0;
    QTest::newRow("Shift is held down") << 1 << "k0,2" << "" << 0 << "" << "0,2" << false << 1;
    QTest::newRow("Shift goes up with the next key") << 1 << "k0,2 k0,0 k0,0" << "Aa" << 0 << "" << "" << false << 3;
    QTest::newRow("Caps Lock stays down") << 1 << "k0,3 k0,0 k0,1" << "AB" << 0 << "" << "0,3" << false << 3;
    QTest::newRow("a layout key switches") << 1 << "k1,0 k0,0" << "1" << 1 << "" << "" << false << 2;
    QTest::newRow("a stroke upwards is drag up") << 1 << "drag" << "" << 1 << "" << "" << false << 1;
    QTest::newRow("a sideways stroke taps where it starts") << 1 << "side" << "a" << 0 << "" << "" << false << 1;
    QTest::newRow("the Drag Up button") << 2 << "up" << "" << 1 << "" << "" << false << 1;
    QTest::newRow("hiding with Reset On Hide") << 1 << "k1,0 hide" << "" << 0 << "" << "" << true << 2;
    QTest::newRow("shown again") << 1 << "k1,0 hide hide k0,1" << "b" << 0 << "" << "" << false << 4;
    QTest::newRow("reset") << 1 << "k0,3 k0,0 k1,0 reset" << "" << 0 << "" << "" << false << 0;
    QTest::newRow("the calculator") << 1 << "k1,1 k0,0 k0,1 k0,2 k0,3" << "" << 2 << "3" << "" << false << 5;
    QTest::newRow("the calculator's Display key types") << 1 << "k1,1 k0,0 k0,1 k0,2 k0,3 k0,4" << "3" << 2 << "3"
                                                        << "" << false << 6;
    QTest::newRow("the calculator keeps its display")
        << 1 << "k1,1 k0,0 k0,1 k0,2 k0,3 k0,5 k1,1" << "" << 2 << "3" << "" << false << 7;
}

// A project without a single picture runs as the device would run its skin.
void TestPreview::runsTheProjectAsTheDevice()
{
    QFETCH(int, zoom);
    QFETCH(QString, actions);
    QFETCH(QString, text);
    QFETCH(int, layout);
    QFETCH(QString, display);
    QFETCH(QString, marked);
    QFETCH(bool, hidden);
    QFETCH(int, events);
    SkinProject project;
    buildProject(project);
    PreviewWindow preview(project, Portrait);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.setZoom(zoom);
    act(preview, actions);

    QCOMPARE(preview.textBox()->toPlainText(), text);
    QCOMPARE(preview.device().layout(), layout);
    QVERIFY(preview.layoutLine()->text().startsWith(
        QStringLiteral("Layout %1: %2 · no picture").arg(layout).arg(project.layoutList(Portrait).at(layout)->name)));
    QCOMPARE(preview.display()->isVisible(), !display.isEmpty());
    if (!display.isEmpty())
        QCOMPARE(preview.display()->text(), display);
    QCOMPARE(markedKeys(preview.pictureView()), marked);
    QCOMPARE(preview.pictureView()->isVisible(), !hidden);
    QCOMPARE(preview.hiddenNotice()->isVisible(), hidden);
    QCOMPARE(preview.hideButton()->text(), hidden ? QStringLiteral("&Show") : QStringLiteral("&Hide"));
    QCOMPARE(preview.log()->document()->isEmpty() ? 0 : preview.log()->document()->blockCount(), events);
    // The current layout's keys, at the zoom chosen.
    const SkinLayout &shown = *project.layoutList(Portrait).at(layout);
    QCOMPARE(preview.pictureView()->size(),
             QSize(KeyWidth * (shown.rows.at(0)->buttons.count() - 1), RowHeight * shown.rows.count()) * zoom);
}

// The example with its pictures: an edit made in the main window while the preview is open
// reaches it, and what was typed and the layout shown stay.
void TestPreview::followsEditsInTheMainWindow()
{
    CViziZareroDlg window;
    window.show();
    window.openProjectFile(QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp"));
    QCOMPARE(windowRect(window, control(window, IdTrySkin)), DialogUnits(window.font()).rect(357, 0, 50, 14));
    click(window, IdTrySkin);
    PreviewWindow *preview = window.previewWindow();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->device().shape(), window.currentShape());
    QVERIFY(!preview->pictureView()->picture().isNull());

    act(*preview, QStringLiteral("k3,0 k0,0"));
    QCOMPARE(preview->device().layout(), 1);
    QCOMPARE(preview->textBox()->toPlainText(), QStringLiteral("1"));

    chooseEntry(window, IdLayoutList, 1);
    whenModal<CButtonDlg>([](CButtonDlg *dialog) {
        typeInto(*dialog, IdButtonField1, QStringLiteral("7"));
        click(*dialog, Ok);
    });
    QTest::mouseClick(window.gridButton(0, 0), Qt::LeftButton);
    QCOMPARE(window.project().layoutList(Portrait).at(1)->rows.at(0)->buttons.at(0)->charCode, quint16('7'));

    act(*preview, QStringLiteral("k0,0"));
    QCOMPARE(preview->device().layout(), 1);
    QCOMPARE(preview->textBox()->toPlainText(), QStringLiteral("17"));

    // Another shape starts on its layout 0 and types on.
    QComboBox *shapes = preview->shapeList();
    shapes->setFocus();
    QTest::keyClick(shapes, Qt::Key_Down);
    QTest::keyClick(shapes, Qt::Key_Down);
    QCOMPARE(preview->device().shape(), HiResPortrait);
    QCOMPARE(preview->device().layout(), 0);
    QCOMPARE(preview->pictureView()->picture().size(), QSize(480, 160));
    act(*preview, QStringLiteral("k0,0"));
    QCOMPARE(preview->textBox()->toPlainText(), QStringLiteral("17q"));
}

// The example's calculator is its tallest layout: leaving it shrinks the window, and the events
// list still ends in the newest line.
void TestPreview::eventsKeepTheNewestLineInView()
{
    CViziZareroDlg window;
    window.show();
    window.openProjectFile(QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp"));
    click(window, IdTrySkin);
    PreviewWindow &preview = *window.previewWindow();
    act(preview, QStringLiteral("k3,0 k3,1") + QStringLiteral(" k0,0").repeated(30));
    const int calculatorHeight = preview.height();
    act(preview, QStringLiteral("k5,0"));
    QCOMPARE(preview.device().layout(), 0);
    QVERIFY(preview.height() < calculatorHeight);
    const QScrollBar *bar = preview.log()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
