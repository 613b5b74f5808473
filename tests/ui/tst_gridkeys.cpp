#include "buttondlg.h"
#include "controlids.h"
#include "drawnmark.h"
#include "gridcell.h"
#include "layoutdlg.h"
#include "layoutpictures.h"
#include "pictureencoder.h"
#include "testprojects.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"

#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QUndoStack>

using namespace velkari;
using namespace velkari::test;

namespace {

// The keys of the layout on view, "|" between rows; the "New" cells are left out.
QString keys(CViziZareroDlg &window, bool widths = false)
{
    QStringList rows;
    for (const auto &row : window.currentLayoutRecord()->rows) {
        QStringList keys;
        for (int c = 0; c + 1 < row->buttons.count(); ++c)
            keys << (widths ? QString::number(row->buttons.at(c)->width) : row->buttons.at(c)->caption);
        rows << keys.join(u' ');
    }
    return rows.join(QStringLiteral(" | "));
}

// The left button pressed on a cell, moved beyond the drag distance to a point of the canvas's
// content, and released there.
void drag(GridCell *from, QWidget *content, const QPoint &to)
{
    const QPoint start = from->rect().center();
    const QPoint end = content->mapToGlobal(to);
    QMouseEvent press(QEvent::MouseButtonPress, start, from->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent move(QEvent::MouseMove, from->mapFromGlobal(end), end, Qt::NoButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, from->mapFromGlobal(end), end, Qt::LeftButton, Qt::NoButton, {});
    for (QMouseEvent *event : {&press, &move, &release})
        QApplication::sendEvent(from, event);
}

} // namespace

class TestGridKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void keysOfTheGrid_data();
    void keysOfTheGrid();
    void gridIsOneTabStop();
    void badgeFitsTheRow_data();
    void badgeFitsTheRow();
    void pictureOffer_data();
    void pictureOffer();
    void addedLayoutIsNamedAndExplained();

private:
    // Opens a project whose first layout of `shape` is filled by `fill`, with nothing to undo.
    void open(CViziZareroDlg &window, int shape, const std::function<void(SkinLayout &)> &fill);
    // Rows of 2, 1 and 3 keys (see fillRows) in Portrait.
    void openGrid(CViziZareroDlg &window)
    {
        open(window, Portrait, [](SkinLayout &layout) { fillRows(layout, {3, 2, 4}); });
    }

    QTemporaryDir m_dir;
};

void TestGridKeys::initTestCase()
{
    QVERIFY(m_dir.isValid());
    isolateSettings(m_dir.filePath(QStringLiteral("settings")));
}

void TestGridKeys::open(CViziZareroDlg &window, int shape, const std::function<void(SkinLayout &)> &fill)
{
    SkinProject project;
    NormalizeProject(project);
    project.layoutList(shape).at(0)->rows.clear();
    fill(*project.layoutList(shape).at(0));
    const QString path = m_dir.filePath(QStringLiteral("grid.vsp"));
    writeFile(path, projectBytes(project));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.openProjectFile(path);
    chooseEntry(window, IdShapeList, shape);
}

void TestGridKeys::keysOfTheGrid_data()
{
    QTest::addColumn<QPoint>("start"); // column, row
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("dialog"); // the title of the Button Properties the keys open
    QTest::addColumn<QString>("after");
    QTest::addColumn<QPoint>("current");
    const QString same = QStringLiteral("r0c0 r0c1 | r1c0 | r2c0 r2c1 r2c2");
    QTest::newRow("Right stops at New") << QPoint(0, 0) << "Right, Right, Right" << "" << same << QPoint(2, 0);
    QTest::newRow("Down to the cell below") << QPoint(1, 0) << "Down" << "" << same << QPoint(1, 1);
    QTest::newRow("Ctrl+End is the last New") << QPoint(0, 0) << "Ctrl+End" << "" << same << QPoint(3, 2);
    QTest::newRow("Enter opens the key") << QPoint(1, 0) << "Return" << "Button Properties" << same << QPoint(1, 0);
    QTest::newRow("Space on New adds") << QPoint(1, 1) << "Space" << "Add new button" << same << QPoint(1, 1);
    QTest::newRow("Delete") << QPoint(0, 0) << "Del" << "" << "r0c1 | r1c0 | r2c0 r2c1 r2c2" << QPoint(0, 0);
    QTest::newRow("Delete on New") << QPoint(1, 1) << "Del" << "" << same << QPoint(1, 1);
    QTest::newRow("Insert copies after")
        << QPoint(0, 1) << "Ins" << "" << "r0c0 r0c1 | r1c0 r1c0 | r2c0 r2c1 r2c2" << QPoint(0, 1);
    QTest::newRow("Alt+Right in the row")
        << QPoint(0, 2) << "Alt+Right" << "" << "r0c0 r0c1 | r1c0 | r2c1 r2c0 r2c2" << QPoint(1, 2);
    QTest::newRow("Alt+Left past the start")
        << QPoint(0, 1) << "Alt+Left" << "" << "r0c0 r0c1 r1c0 |  | r2c0 r2c1 r2c2" << QPoint(2, 0);
    QTest::newRow("copy, paste on New")
        << QPoint(0, 1) << "Ctrl+C, Right, Ctrl+V" << "" << "r0c0 r0c1 | r1c0 r1c0 | r2c0 r2c1 r2c2" << QPoint(1, 1);
    QTest::newRow("New copies nothing") << QPoint(1, 1) << "Ctrl+C, Left, Ctrl+V" << "" << same << QPoint(0, 1);
    // The mouse: a key dragged onto a cell, or past the end of a row (column -1).
    QTest::newRow("drag along its row") << QPoint(0, 2) << "drag 2,2" << "" << "r0c0 r0c1 | r1c0 | r2c1 r2c2 r2c0"
                                        << QPoint(2, 2);
    QTest::newRow("drag past a row's end") << QPoint(0, 0) << "drag 1,-1" << "" << "r0c1 | r1c0 r0c0 | r2c0 r2c1 r2c2"
                                           << QPoint(1, 1);
}

// Each key acts on the cell with the focus, which stays with its key; an edit is one undo step.
void TestGridKeys::keysOfTheGrid()
{
    QFETCH(QPoint, start);
    QFETCH(QString, keys);
    QFETCH(QString, dialog);
    QFETCH(QString, after);
    QFETCH(QPoint, current);
    CViziZareroDlg window;
    openGrid(window);
    const QString before = ::keys(window);
    window.gridButton(start.y(), start.x())->setFocus();
    QString opened;
    const int answer = whenModal<CButtonDlg>([&opened](CButtonDlg *dlg) {
        opened = dlg->windowTitle();
        click(*dlg, Cancel);
    });
    const QKeySequence sequence = QKeySequence::fromString(keys);
    for (int i = 0; i < sequence.count() && !keys.startsWith(QLatin1String("drag")); ++i)
        QTest::keyClick(window.focusWidget(), sequence[i].key(), sequence[i].keyboardModifiers());
    detail::disarm(answer);
    if (keys.startsWith(QLatin1String("drag"))) {
        const QStringList to = keys.mid(5).split(u',');
        const QWidget *target = to[1] == QLatin1String("-1")
            ? static_cast<QWidget *>(window.canvas()->rowWidthBadge(to[0].toInt()))
            : window.gridButton(to[0].toInt(), to[1].toInt());
        drag(window.canvas()->cell(start.y(), start.x()), window.canvas()->widget(), target->geometry().center());
    }

    QCOMPARE(opened, dialog);
    QCOMPARE(::keys(window), after);
    QCOMPARE(window.focusWidget(), window.gridButton(current.y(), current.x()));
    QCOMPARE(window.document().undoStack()->count(), after == before ? 0 : 1);
    window.document().undo();
    QCOMPARE(::keys(window), before);
    // Undo builds the keys anew: the focus stays at its place, however their memory was reused.
    const int cells = int(window.currentLayoutRecord()->rows.at(current.y())->buttons.count());
    QCOMPARE(window.canvas()->currentCell(), window.gridButton(current.y(), qMin(current.x(), cells - 1)));
}

// Tab reaches the grid once, at the cell last worked on, and shows where the focus is.
void TestGridKeys::gridIsOneTabStop()
{
    CViziZareroDlg window;
    openGrid(window);
    window.gridButton(2, 1)->setFocus();
    control(window, IdHelpFileName)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    GridCell *focused = window.canvas()->currentCell();
    QCOMPARE(focused, window.gridButton(2, 1));
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(focused->grab().toImage().pixelColor(1, 9), focused->palette().color(QPalette::Highlight));
    QTest::keyClick(focused, Qt::Key_Tab);
    QVERIFY(!qobject_cast<GridCell *>(QApplication::focusWidget()));
}

void TestGridKeys::badgeFitsTheRow_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QList<quint16>>("widths");
    QTest::addColumn<int>("action"); // 0 Fit, 1 Equal widths
    QTest::addColumn<QString>("fitted");
    QTest::addColumn<QString>("badge");
    QTest::addColumn<QString>("status");
    QTest::newRow("Fit in Portrait") << int(Portrait) << QList<quint16>{100, 130} << 0 << "104 136" << "240"
                                     << "Portrait/Layout00/row 0: 230 to 240 pixels";
    QTest::newRow("Equal widths in Landscape")
        << int(Landscape) << QList<quint16>{100, 100, 100} << 1 << "107 107 106" << "320"
        << "Landscape/Layout00/row 0: 300 to 320 pixels";
    QTest::newRow("keys of 0 pixels are left alone") << int(HiResLandscape) << QList<quint16>{0, 0} << 0 << "0 0"
                                                     << "0 / 640"
                                                     << "Hi-Res. Landscape/Layout00/row 0: left alone, its keys add up to 0 pixels";
    QTest::newRow("a row without keys needs the screen's width")
        << int(HiResPortrait) << QList<quint16>{} << 0 << "" << "0 / 480" << "";
}

// The badge offers both at the shape's screen width; what became of the row is in the status area.
void TestGridKeys::badgeFitsTheRow()
{
    QFETCH(int, shape);
    QFETCH(QList<quint16>, widths);
    QFETCH(int, action);
    QFETCH(QString, fitted);
    QFETCH(QString, badge);
    QFETCH(QString, status);
    CViziZareroDlg window;
    open(window, shape, [&widths](SkinLayout &layout) { layout.rows.append(makeRow(20, widths)); });
    QLabel *label = window.canvas()->rowWidthBadge(0);
    QTest::mouseClick(label, Qt::LeftButton);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(menu->actions().at(action)->text().contains(QString::number(screenShapeWidth(shape))));
    menu->actions().at(action)->trigger();
    menu->close();

    QCOMPARE(keys(window, true), fitted);
    QCOMPARE(label->text(), badge);
    QCOMPARE(textOf(window, IdStatus), status);
    const bool changed = !status.isEmpty() && !status.contains(QLatin1String("left alone"));
    QCOMPARE(window.document().undoStack()->count(), changed ? 1 : 0);
}

void TestGridKeys::pictureOffer_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QString>("offer");
    QTest::newRow("a drawn picture is drawn again") << true << "Draw the picture again";
    QTest::newRow("the author's is scaled into a new file") << false << "Scale it into a new file";
}

// A picture 40 pixels too low for its keys; the author's file stays as it was.
void TestGridKeys::pictureOffer()
{
    QFETCH(bool, drawn);
    QFETCH(QString, offer);
    QImage image(240, 40, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString picture = m_dir.filePath(drawn ? QStringLiteral("drawn.gif") : QStringLiteral("own.gif"));
    const QByteArray bytes =
        drawn ? encodeDrawnPicture(image, PictureFormat::Gif) : encodePicture(image, PictureFormat::Gif);
    writeFile(picture, bytes);
    CViziZareroDlg window;
    open(window, Portrait, [&picture](SkinLayout &layout) {
        for (int r = 0; r < 4; ++r)
            layout.rows.append(makeRow(20, {240}));
        layout.picFileName = picture;
    });
    QLabel *label = window.canvas()->pictureOffer();
    QCOMPARE(QTextDocumentFragment::fromHtml(label->text()).toPlainText(), offer);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));

    QVERIFY(!label->isVisible());
    QCOMPARE(window.pictureImage().size(), QSize(240, 80));
    QCOMPARE(layoutPicturePath(*window.currentLayoutRecord()) == picture, drawn);
    QCOMPARE(readFile(picture) == bytes, !drawn);
    if (!drawn)
        QCOMPARE(window.document().undoStack()->count(), 1);
}

// An added layout has no rows and is not on view: the status area names it, and its canvas says
// how to give it rows.
void TestGridKeys::addedLayoutIsNamedAndExplained()
{
    CViziZareroDlg window;
    window.show();
    QString name;
    press<CLayoutDlg>(Ok, [&name](CLayoutDlg *dlg) { name = textOf(*dlg, IdLayoutName); });
    click(window, IdAddLayout);
    QCOMPARE(window.currentLayout(), 0);
    QVERIFY(textOf(window, IdStatus).contains(QStringLiteral("\"%1\"").arg(name)));

    chooseEntry(window, IdLayoutList, 1);
    QLabel *note = window.canvas()->noRowsNote();
    QVERIFY(note->isVisible());
    QString opened;
    press<CLayoutDlg>(Cancel, [&opened](CLayoutDlg *dlg) { opened = textOf(*dlg, IdLayoutName); });
    Q_EMIT note->linkActivated(QStringLiteral("layout"));
    QCOMPARE(opened, name);
}

QTEST_MAIN(TestGridKeys)
#include "tst_gridkeys.moc"
