#include "buttondlg.h"
#include "controlids.h"
#include "drawnmark.h"
#include "gridcell.h"
#include "layoutdlg.h"
#include "layoutpictures.h"
#include "pictureencoder.h"
#include "rowfit.h"
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
QString captions(CViziZareroDlg &window)
{
    QStringList rows;
    for (const auto &row : window.currentLayoutRecord()->rows) {
        QStringList keys;
        for (int c = 0; c + 1 < row->buttons.count(); ++c)
            keys << row->buttons.at(c)->caption;
        rows << keys.join(u' ');
    }
    return rows.join(QStringLiteral(" | "));
}

QList<quint16> keyWidths(const SkinRow &row)
{
    QList<quint16> widths;
    for (int c = 0; c + 1 < row.buttons.count(); ++c)
        widths << row.buttons.at(c)->width;
    return widths;
}

// A press of the left button on a cell, moved beyond the drag distance to a point of the
// canvas's content, and released there.
void drag(GridCell *from, QWidget *content, const QPoint &to)
{
    const QPoint start = from->rect().center();
    const QPoint global = content->mapToGlobal(to);
    QMouseEvent press(QEvent::MouseButtonPress, start, from->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(from, &press);
    for (const QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, from->mapFromGlobal(global), global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(from, &event);
    }
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
    void draggingMovesAKey_data();
    void draggingMovesAKey();
    void badgeFitsTheRow_data();
    void badgeFitsTheRow();
    void emptyRowBadgeUsesTheShapeWidth_data();
    void emptyRowBadgeUsesTheShapeWidth();
    void pictureOffer_data();
    void pictureOffer();
    void addedLayoutIsNamedAndExplained();

private:
    // Opens a project whose Portrait shape holds one layout of rows of the given numbers of
    // buttons (see fillRows), or `widths` rows of keys, in `shape`.
    void openLayout(CViziZareroDlg &window, const QList<int> &buttonsPerRow);
    void openRows(CViziZareroDlg &window, int shape, const QList<QList<quint16>> &widths, const QString &picture = {});

    QTemporaryDir m_dir;
};

void TestGridKeys::initTestCase()
{
    QVERIFY(m_dir.isValid());
    isolateSettings(m_dir.filePath(QStringLiteral("settings")));
}

void TestGridKeys::openLayout(CViziZareroDlg &window, const QList<int> &buttonsPerRow)
{
    SkinProject project;
    NormalizeProject(project);
    SkinLayout &layout = *project.layoutList(Portrait).at(0);
    layout.rows.clear();
    fillRows(layout, buttonsPerRow);
    const QString path = m_dir.filePath(QStringLiteral("grid.vsp"));
    writeFile(path, projectBytes(project));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.openProjectFile(path);
}

void TestGridKeys::openRows(CViziZareroDlg &window, int shape, const QList<QList<quint16>> &widths, const QString &picture)
{
    SkinProject project;
    NormalizeProject(project);
    SkinLayout &layout = *project.layoutList(shape).at(0);
    layout.rows.clear();
    for (const QList<quint16> &row : widths)
        layout.rows.append(makeRow(20, row));
    layout.picFileName = picture;
    const QString path = m_dir.filePath(QStringLiteral("rows.vsp"));
    writeFile(path, projectBytes(project));
    window.show();
    window.openProjectFile(path);
    chooseEntry(window, IdShapeList, shape);
}

void TestGridKeys::keysOfTheGrid_data()
{
    QTest::addColumn<QPoint>("start"); // column, row
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("dialog"); // the title of the Button Properties a key opens
    QTest::addColumn<QString>("after");
    QTest::addColumn<QPoint>("current");
    QTest::addColumn<int>("steps");
    const QString start = QStringLiteral("r0c0 r0c1 | r1c0 | r2c0 r2c1 r2c2");
    QTest::newRow("Right") << QPoint(0, 0) << "Right" << "" << start << QPoint(1, 0) << 0;
    QTest::newRow("Right stops at New") << QPoint(2, 0) << "Right" << "" << start << QPoint(2, 0) << 0;
    QTest::newRow("Down to the cell below") << QPoint(1, 0) << "Down" << "" << start << QPoint(1, 1) << 0;
    QTest::newRow("Home") << QPoint(2, 2) << "Home" << "" << start << QPoint(0, 2) << 0;
    QTest::newRow("End is New") << QPoint(0, 2) << "End" << "" << start << QPoint(3, 2) << 0;
    QTest::newRow("Ctrl+End") << QPoint(0, 0) << "Ctrl+End" << "" << start << QPoint(3, 2) << 0;
    QTest::newRow("Ctrl+Home") << QPoint(2, 2) << "Ctrl+Home" << "" << start << QPoint(0, 0) << 0;
    QTest::newRow("Enter opens the key") << QPoint(1, 0) << "Return" << "Button Properties" << start << QPoint(1, 0) << 0;
    QTest::newRow("Space on New adds") << QPoint(1, 1) << "Space" << "Add new button" << start << QPoint(1, 1) << 0;
    QTest::newRow("Delete") << QPoint(0, 0) << "Del" << "" << "r0c1 | r1c0 | r2c0 r2c1 r2c2" << QPoint(0, 0) << 1;
    QTest::newRow("Delete on New") << QPoint(1, 1) << "Del" << "" << start << QPoint(1, 1) << 0;
    QTest::newRow("Insert copies after")
        << QPoint(0, 1) << "Ins" << "" << "r0c0 r0c1 | r1c0 r1c0 | r2c0 r2c1 r2c2" << QPoint(0, 1) << 1;
    QTest::newRow("Insert on New") << QPoint(3, 2) << "Ins" << "" << start << QPoint(3, 2) << 0;
    QTest::newRow("Alt+Right in the row")
        << QPoint(0, 2) << "Alt+Right" << "" << "r0c0 r0c1 | r1c0 | r2c1 r2c0 r2c2" << QPoint(1, 2) << 1;
    QTest::newRow("Alt+Right past the end")
        << QPoint(1, 0) << "Alt+Right" << "" << "r0c0 | r0c1 r1c0 | r2c0 r2c1 r2c2" << QPoint(0, 1) << 1;
    QTest::newRow("Alt+Left past the start")
        << QPoint(0, 1) << "Alt+Left" << "" << "r0c0 r0c1 r1c0 |  | r2c0 r2c1 r2c2" << QPoint(2, 0) << 1;
    QTest::newRow("Alt+Down") << QPoint(1, 0) << "Alt+Down" << "" << "r0c0 | r1c0 r0c1 | r2c0 r2c1 r2c2" << QPoint(1, 1) << 1;
    QTest::newRow("Alt on New") << QPoint(2, 0) << "Alt+Left" << "" << start << QPoint(2, 0) << 0;
    QTest::newRow("copy, paste on New")
        << QPoint(0, 1) << "Ctrl+C, Right, Ctrl+V" << "" << "r0c0 r0c1 | r1c0 r1c0 | r2c0 r2c1 r2c2" << QPoint(1, 1) << 1;
    QTest::newRow("copy, paste on a key")
        << QPoint(0, 2) << "Ctrl+C, Right, Ctrl+V" << "" << "r0c0 r0c1 | r1c0 | r2c0 r2c0 r2c2" << QPoint(1, 2) << 1;
    QTest::newRow("New copies nothing") << QPoint(1, 1) << "Ctrl+C, Left, Ctrl+V" << "" << start << QPoint(0, 1) << 0;
}

// Each key acts on the cell with the focus, which stays with its key; an edit is one step, which
// undo takes back.
void TestGridKeys::keysOfTheGrid()
{
    QFETCH(QPoint, start);
    QFETCH(QString, keys);
    QFETCH(QString, dialog);
    QFETCH(QString, after);
    QFETCH(QPoint, current);
    QFETCH(int, steps);
    CViziZareroDlg window;
    openLayout(window, {3, 2, 4});
    const QString before = captions(window);
    window.gridButton(start.y(), start.x())->setFocus();
    QString opened;
    const int answer = whenModal<CButtonDlg>([&opened](CButtonDlg *dlg) {
        opened = dlg->windowTitle();
        click(*dlg, Cancel);
    });
    const QKeySequence sequence = QKeySequence::fromString(keys);
    for (int i = 0; i < sequence.count(); ++i)
        QTest::keyClick(window.focusWidget(), sequence[i].key(), sequence[i].keyboardModifiers());
    detail::disarm(answer);

    QCOMPARE(opened, dialog);
    QCOMPARE(captions(window), after);
    QCOMPARE(window.focusWidget(), window.gridButton(current.y(), current.x()));
    QCOMPARE(window.document().undoStack()->count(), steps);
    if (steps > 0) {
        window.document().undo();
        QCOMPARE(captions(window), before);
    }
}

// Tab reaches the grid once, at the cell last worked on, and shows where the focus is.
void TestGridKeys::gridIsOneTabStop()
{
    CViziZareroDlg window;
    openLayout(window, {3, 2, 4});
    window.gridButton(2, 1)->setFocus();
    control(window, IdHelpFileName)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    GridCell *focused = window.canvas()->currentCell();
    QCOMPARE(focused, window.gridButton(2, 1));
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(focused->grab().toImage().pixelColor(1, focused->height() / 2), focused->palette().color(QPalette::Highlight));
    QTest::keyClick(focused, Qt::Key_Tab);
    QVERIFY(!qobject_cast<GridCell *>(QApplication::focusWidget()));
}

void TestGridKeys::draggingMovesAKey_data()
{
    QTest::addColumn<QPoint>("from"); // column, row
    QTest::addColumn<QPoint>("to");   // a cell, or a column past the row's end
    QTest::addColumn<QString>("after");
    QTest::newRow("along its row") << QPoint(0, 2) << QPoint(2, 2) << "r0c0 r0c1 | r1c0 | r2c1 r2c2 r2c0";
    QTest::newRow("to the left") << QPoint(2, 2) << QPoint(0, 2) << "r0c0 r0c1 | r1c0 | r2c2 r2c0 r2c1";
    QTest::newRow("into another row") << QPoint(0, 2) << QPoint(1, 0) << "r0c0 r2c0 r0c1 | r1c0 | r2c1 r2c2";
    QTest::newRow("past a row's end") << QPoint(0, 0) << QPoint(9, 1) << "r0c1 | r1c0 r0c0 | r2c0 r2c1 r2c2";
}

void TestGridKeys::draggingMovesAKey()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, after);
    CViziZareroDlg window;
    openLayout(window, {3, 2, 4});
    QWidget *content = window.canvas()->widget();
    const QWidget *target = window.gridButton(to.y(), qMin(to.x(), 3));
    const QPoint point = target->isHidden() ? QPoint(window.canvas()->rowWidthBadge(to.y())->geometry().center())
                                            : target->geometry().center();
    drag(static_cast<GridCell *>(window.gridButton(from.y(), from.x())), content, point);
    QCOMPARE(captions(window), after);
    QCOMPARE(window.document().undoStack()->count(), 1);
}

void TestGridKeys::badgeFitsTheRow_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QList<quint16>>("widths");
    QTest::addColumn<int>("action"); // 0 Fit, 1 Equal widths
    QTest::addColumn<QList<quint16>>("fitted");
    QTest::addColumn<QString>("badge");
    QTest::newRow("Fit in Portrait") << int(Portrait) << QList<quint16>{100, 130} << 0 << QList<quint16>{104, 136} << "240";
    QTest::newRow("Equal widths in Landscape")
        << int(Landscape) << QList<quint16>{100, 100, 100} << 1 << QList<quint16>{107, 107, 106} << "320";
    QTest::newRow("Fit in Hi-Res. Landscape") << int(HiResLandscape) << QList<quint16>{300, 300} << 0
                                              << QList<quint16>{320, 320} << "640";
    QTest::newRow("keys of 0 pixels are left alone") << int(Portrait) << QList<quint16>{0, 0} << 0
                                                     << QList<quint16>{0, 0} << "0 / 240";
}

// The badge offers both for the shape's screen width; a row that cannot be fitted is named in the
// status area.
void TestGridKeys::badgeFitsTheRow()
{
    QFETCH(int, shape);
    QFETCH(QList<quint16>, widths);
    QFETCH(int, action);
    QFETCH(QList<quint16>, fitted);
    QFETCH(QString, badge);
    CViziZareroDlg window;
    openRows(window, shape, {widths});
    QLabel *label = window.canvas()->rowWidthBadge(0);
    QTest::mouseClick(label, Qt::LeftButton);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QString width = QString::number(ScreenShapeWidth(shape));
    QCOMPARE(menu->actions().size(), 2);
    QVERIFY(menu->actions().at(0)->text().contains(width) && menu->actions().at(1)->text().contains(width));
    menu->actions().at(action)->trigger();
    menu->close();

    const SkinRow &row = *window.currentLayoutRecord()->rows.at(0);
    QCOMPARE(keyWidths(row), fitted);
    QCOMPARE(label->text(), badge);
    const bool changed = fitted != widths;
    QCOMPARE(window.document().undoStack()->count(), changed ? 1 : 0);
    if (!changed) {
        RowNote note{shape, 0, window.currentLayoutRecord()->name, 0, RowOutcome::ZeroWidth, 0, 0};
        QCOMPARE(textOf(window, IdStatus), rowNoteText(note));
    }
}

void TestGridKeys::emptyRowBadgeUsesTheShapeWidth_data()
{
    QTest::addColumn<int>("shape");
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        QTest::newRow(qPrintable(ScreenShapeName(shape))) << shape;
}

void TestGridKeys::emptyRowBadgeUsesTheShapeWidth()
{
    QFETCH(int, shape);
    CViziZareroDlg window;
    openRows(window, shape, {{}});
    QCOMPARE(window.canvas()->rowWidthBadge(0)->text(), QStringLiteral("0 / %1").arg(ScreenShapeWidth(shape)));
}

void TestGridKeys::pictureOffer_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<QString>("offer");
    QTest::newRow("a drawn picture is drawn again") << true << "Draw the picture again";
    QTest::newRow("the author's is scaled into a new file") << false << "Scale it into a new file";
}

// A picture 40 pixels too low for its keys: the offer mends it in one step, and the author's
// file stays as it was.
void TestGridKeys::pictureOffer()
{
    QFETCH(bool, drawn);
    QFETCH(QString, offer);
    QImage image(240, 40, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString picture = m_dir.filePath(drawn ? QStringLiteral("drawn.gif") : QStringLiteral("own.gif"));
    const QByteArray bytes = drawn ? encodeDrawnPicture(image, PictureFormat::Gif) : encodePicture(image, PictureFormat::Gif);
    writeFile(picture, bytes);
    CViziZareroDlg window;
    openRows(window, Portrait, {{240}, {240}, {240}, {240}}, picture);
    QLabel *label = window.canvas()->pictureOffer();
    QVERIFY(label->isVisible());
    QCOMPARE(QTextDocumentFragment::fromHtml(label->text()).toPlainText(), offer);

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
    QVERIFY(!label->isVisible());
    QCOMPARE(window.pictureImage().size(), QSize(240, 80));
    const QString now = layoutPicturePath(*window.currentLayoutRecord());
    QCOMPARE(now == picture, drawn);
    if (!drawn) {
        QCOMPARE(readFile(picture), bytes);
        QCOMPARE(window.document().undoStack()->count(), 1);
        window.document().undo();
        QCOMPARE(layoutPicturePath(*window.currentLayoutRecord()), picture);
    }
}

// An added layout has no rows and is not on view: the status area names it, and its canvas
// says how to give it rows.
void TestGridKeys::addedLayoutIsNamedAndExplained()
{
    CViziZareroDlg window;
    window.show();
    QString name;
    press<CLayoutDlg>(Ok, [&name](CLayoutDlg *dlg) { name = textOf(*dlg, IdLayoutName); });
    click(window, IdAddLayout);
    QCOMPARE(window.currentLayout(), 0);
    QVERIFY2(textOf(window, IdStatus).contains(QStringLiteral("\"%1\"").arg(name)), qPrintable(textOf(window, IdStatus)));
    QLabel *note = window.canvas()->noRowsNote();
    QVERIFY(!note->isVisible());

    chooseEntry(window, IdLayoutList, 1);
    QVERIFY(note->isVisible());
    QVERIFY(note->text().contains(QStringLiteral("Layout Properties")));
    QString opened;
    press<CLayoutDlg>(Cancel, [&opened](CLayoutDlg *dlg) { opened = textOf(*dlg, IdLayoutName); });
    Q_EMIT note->linkActivated(QStringLiteral("layout"));
    QCOMPARE(opened, name);
}

QTEST_MAIN(TestGridKeys)
#include "tst_gridkeys.moc"
