#include "buttondescription.h"
#include "buttondlg.h"
#include "dialogunits.h"
#include "editorsettings.h"
#include "gridcell.h"
#include "palettecolors.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

using namespace velkari;
using namespace velkari::test;

namespace {

// Rows of (height, key widths); every key is captioned "r<row>k<key>".
std::unique_ptr<SkinLayout> layoutOf(const QList<std::pair<quint16, QList<quint16>>> &rows)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = QStringLiteral("keys");
    for (const auto &[height, widths] : rows) {
        auto row = std::make_unique<SkinRow>();
        row->height = height;
        for (quint16 width : widths) {
            auto key = std::make_unique<SkinButton>();
            key->flags = ButtonFlagCharacter;
            key->caption = QStringLiteral("r%1k%2").arg(layout->rows.count()).arg(row->buttons.count());
            key->width = width;
            row->buttons.append(std::move(key));
        }
        row->buttons.append(std::make_unique<SkinButton>());
        layout->rows.append(std::move(row));
    }
    return layout;
}

// A Portrait window (grid at twice the size) showing only `layout`.
void showOnly(CViziZareroDlg &window, std::unique_ptr<SkinLayout> layout)
{
    window.show();
    LayoutList &layouts = window.project().layoutList(Portrait);
    layouts.clear();
    layouts.append(std::move(layout));
    window.fullRefresh();
}

QPoint keyCentre(const PictureView *view, int row, int key)
{
    return view->toView(view->keys().rows.at(row).at(key)).center();
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void exampleLayoutsNeverOverlap_data();
    void exampleLayoutsNeverOverlap();
    void clickingAKeyEditsIt_data();
    void clickingAKeyEditsIt();
    void rowWidthBadges_data();
    void rowWidthBadges();
    void hoverIsSharedByGridAndPicture();
    void closeAndStatusFollowTheBottomEdge_data();
    void closeAndStatusFollowTheBottomEdge();
    void viewSettingsAreRemembered();

private:
    QTemporaryDir m_settings;
};

void TestCanvas::initTestCase()
{
    QVERIFY(m_settings.isValid());
    isolateSettings(m_settings.path());
}

void TestCanvas::init()
{
    QSettings(QStringLiteral("velkari"), QStringLiteral("skin-editor")).clear();
}

void TestCanvas::exampleLayoutsNeverOverlap_data()
{
    QTest::addColumn<int>("shape");
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        QTest::newRow(qPrintable(screenShapeName(shape))) << shape;
}

// The tallest layout of each shape: the picture lies below the grid and its row widths, at its
// template place or lower, and its size line below it.
void TestCanvas::exampleLayoutsNeverOverlap()
{
    QFETCH(int, shape);
    CViziZareroDlg window;
    window.show();
    window.openProjectFile(QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp"));
    chooseEntry(window, IdShapeList, shape);
    const LayoutList &layouts = window.project().layoutList(shape);
    int tallest = 0;
    for (int l = 0; l < layouts.count(); ++l) {
        if (layouts.at(l)->rows.count() > layouts.at(tallest)->rows.count())
            tallest = l;
    }
    chooseEntry(window, IdLayoutList, tallest);
    QCOMPARE(layouts.at(tallest)->rows.count(), 6);

    const CanvasView *canvas = window.canvas();
    QCOMPARE(windowRect(window, window.gridButton(0, 0)).topLeft(), QPoint(10, 150));
    QList<QRect> grid;
    for (int r = 0; r < GridCellId::Rows; ++r) {
        grid << windowRect(window, canvas->rowWidthBadge(r));
        for (int c = 0; c < GridCellId::Columns && !window.gridButton(r, c)->isHidden(); ++c)
            grid << windowRect(window, window.gridButton(r, c));
    }
    int gridBottom = 0;
    for (const QRect &rect : grid)
        gridBottom = qMax(gridBottom, rect.bottom() + 1);
    const QRect picture = windowRect(window, canvas->pictureView());
    const QRect line = windowRect(window, canvas->sizeLine());
    QCOMPARE(picture.top(), qMax(DialogUnits(window.font()).y(221), gridBottom + CanvasView::PictureGap));
    QVERIFY(line.top() > picture.bottom());
    for (const QRect &rect : grid)
        QVERIFY(!rect.intersects(picture) && !rect.intersects(line));
    const QSize size = window.pictureImage().size();
    QCOMPARE(canvas->sizeLine()->text(), QStringLiteral("Picture %1 × %2 px · keys %1 × %2 px")
                                             .arg(size.width()).arg(size.height()));
}

void TestCanvas::clickingAKeyEditsIt_data()
{
    QTest::addColumn<bool>("inPicture");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<QSize>("cellSize");
    QTest::addColumn<QString>("badge");
    // Rows: 20 high with keys 30, 0, 50; 0 high with a key of 40; 20 high with 60 and 20.
    QTest::newRow("picture") << true << 1 << 2 << 1 << QSize(40, 40) << "85 / 240";
    QTest::newRow("picture at 3×") << true << 3 << 0 << 2 << QSize(100, 40) << "55 / 240";
    QTest::newRow("zero-width key, stand-in cell") << false << 1 << 0 << 1 << QSize(4, 40) << "105 / 240";
    QTest::newRow("zero-height row, stand-in cell") << false << 1 << 1 << 0 << QSize(80, 6) << "25 / 240";
}

// Clicking a key in the picture does what clicking its cell does; a cell too small to draw is
// drawn large enough to click. The row's width follows the edit.
void TestCanvas::clickingAKeyEditsIt()
{
    QFETCH(bool, inPicture);
    QFETCH(int, zoom);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(QSize, cellSize);
    QFETCH(QString, badge);
    CViziZareroDlg window;
    showOnly(window, layoutOf({{20, {30, 0, 50}}, {0, {40}}, {20, {60, 20}}}));
    window.canvas()->setZoom(zoom);
    auto *cell = static_cast<GridCell *>(window.gridButton(row, key));
    QCOMPARE(cell->size(), cellSize);
    QCOMPARE(cell->isStandIn(), cellSize.width() == 4 || cellSize.height() == 6);

    QString opened;
    whenModal<CButtonDlg>([&opened](CButtonDlg *dialog) {
        opened = textOf(*dialog, IdButtonCaption);
        typeInto(*dialog, IdButtonWidth, QStringLiteral("25"));
        click(*dialog, Ok);
    });
    if (inPicture) {
        PictureView *view = window.canvas()->pictureView();
        QTest::mouseClick(view, Qt::LeftButton, {}, keyCentre(view, row, key));
    } else {
        QTest::mouseClick(cell, Qt::LeftButton);
    }
    QCOMPARE(opened, QStringLiteral("r%1k%2").arg(row).arg(key));
    QCOMPARE(window.canvas()->rowWidthBadge(row)->text(), badge);
}

void TestCanvas::rowWidthBadges_data()
{
    QTest::addColumn<QList<QList<quint16>>>("rows");
    QTest::addColumn<QStringList>("badges");
    QTest::newRow("all rows 240") << QList<QList<quint16>>{{100, 140}, {240}} << QStringList{"240", "240"};
    QTest::newRow("later row short") << QList<QList<quint16>>{{320}, {300, 18}} << QStringList{"320", "318 / 320"};
    QTest::newRow("row 0 short, later row right")
        << QList<QList<quint16>>{{238}, {240}, {238}} << QStringList{"238 / 240", "240", "238 / 240"};
    QTest::newRow("row 0 of its placeholder only") << QList<QList<quint16>>{{}} << QStringList{"0 / 240"};
}

void TestCanvas::rowWidthBadges()
{
    QFETCH(QList<QList<quint16>>, rows);
    QFETCH(QStringList, badges);
    QList<std::pair<quint16, QList<quint16>>> heightsAndWidths;
    for (const QList<quint16> &widths : rows)
        heightsAndWidths.append({20, widths});
    CViziZareroDlg window;
    showOnly(window, layoutOf(heightsAndWidths));
    const CanvasView *canvas = window.canvas();
    for (int r = 0; r < GridCellId::Rows; ++r) {
        const QLabel *label = canvas->rowWidthBadge(r);
        QCOMPARE(label->isHidden(), r >= badges.size());
        if (r >= badges.size())
            continue;
        QCOMPARE(label->text(), badges[r]);
        QCOMPARE(label->palette().color(QPalette::WindowText) == errorColor(window.palette()),
                 badges[r].contains(u'/'));
        // Right after the row's "New" cell.
        const QRect newCell = window.gridButton(r, rows[r].size())->geometry();
        QVERIFY(label->x() > newCell.right());
        QVERIFY(label->geometry().center().y() >= newCell.top() && label->geometry().center().y() <= newCell.bottom());
    }
}

void TestCanvas::hoverIsSharedByGridAndPicture()
{
    CViziZareroDlg window;
    showOnly(window, layoutOf({{20, {100, 140}}, {20, {240}}}));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PictureView *view = window.canvas()->pictureView();
    const auto highlighted = [&window](int row, int key) {
        return static_cast<GridCell *>(window.gridButton(row, key))->highlight().isValid();
    };
    const auto status = [&window](QWidget *over, const QPoint &point) {
        QCursor::setPos(over->mapToGlobal(point));
        window.hoverTick();
        return textOf(window, IdStatus);
    };

    QTest::mouseMove(view, keyCentre(view, 0, 1));
    QCOMPARE(view->hoveredKey(), (PictureView::KeyPosition{0, 1}));
    QVERIFY(highlighted(0, 1) && !highlighted(0, 0));
    const SkinLayout &layout = *window.currentLayoutRecord();
    QCOMPARE(status(view, keyCentre(view, 0, 1)),
             DescribeButton(*layout.rows.at(0)->buttons.at(1), window.project().layoutList(Portrait),
                            window.project().helpFileName));

    QTest::mouseMove(window.gridButton(1, 0));
    QCOMPARE(view->hoveredKey(), (PictureView::KeyPosition{1, 0}));
    QVERIFY(highlighted(1, 0) && !highlighted(0, 1));
    // The "New" cell is no key: nothing to highlight, and it says what it is for.
    QWidget *newCell = window.gridButton(1, 1);
    QTest::mouseMove(newCell);
    QVERIFY(!view->hoveredKey().isValid());
    QCOMPARE(status(newCell, newCell->rect().center()), QStringLiteral("Click to add a button at the end of this row."));
}

void TestCanvas::closeAndStatusFollowTheBottomEdge_data()
{
    QTest::addColumn<QSize>("grow");
    QTest::newRow("smallest") << QSize(0, 0);
    QTest::newRow("larger") << QSize(300, 200);
}

void TestCanvas::closeAndStatusFollowTheBottomEdge()
{
    QFETCH(QSize, grow);
    CViziZareroDlg window;
    window.show();
    const DialogUnits units(window.font());
    const QSize templateSize = units.size(553, 398);
    const QSize frame = window.frameGeometry().size() - window.size();
    QCOMPARE(window.minimumSize(), templateSize.boundedTo(window.screen()->availableGeometry().size() - frame));
    window.resize(window.minimumSize() + grow);
    QCOMPARE(window.size(), window.minimumSize() + grow);
    const QSize grown = window.size() - templateSize;

    const QRect close = windowRect(window, control(window, IdClose));
    const QRect status = windowRect(window, control(window, IdStatus));
    QCOMPARE(close, units.rect(496, 313, 50, 14).translated(grown.width(), grown.height()));
    QCOMPARE(status, units.rect(7, 331, 539, 60).adjusted(0, grown.height(), grown.width(), grown.height()));
    QCOMPARE(windowRect(window, window.gridButton(0, 0)).topLeft(), QPoint(10, 150));
    const QRect canvas = windowRect(window, window.canvas());
    QVERIFY(canvas.bottom() < close.top() && canvas.top() > windowRect(window, control(window, IdLayoutList)).bottom());
    QVERIFY(!windowRect(window, window.canvas()->viewControls()).intersects(close));
}

void TestCanvas::viewSettingsAreRemembered()
{
    {
        CViziZareroDlg window;
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        CanvasView *canvas = window.canvas();
        QTest::mouseClick(canvas->showKeysBox(), Qt::LeftButton, {}, QPoint(5, canvas->showKeysBox()->height() / 2));
        QVERIFY(!canvas->pictureView()->showKeys());
        // Ctrl + wheel over the picture: one step in.
        PictureView *view = canvas->pictureView();
        QWheelEvent wheel(QPointF(1, 1), view->mapToGlobal(QPointF(1, 1)), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QCOMPARE(view->zoom(), 2);
        click(window, IdClose);
        QVERIFY(!window.isVisible());
    }
    CViziZareroDlg again;
    again.show();
    QTRY_VERIFY(again.isMaximized());
    QVERIFY(!again.canvas()->showKeysBox()->isChecked() && !again.canvas()->pictureView()->showKeys());
    QCOMPARE(again.canvas()->zoomList()->currentText(), QStringLiteral("2×"));
    QCOMPARE(again.canvas()->pictureView()->zoom(), 2);

    // A value that makes no sense reads as the default.
    QSettings(QStringLiteral("velkari"), QStringLiteral("skin-editor")).setValue(QStringLiteral("canvas/zoom"), 9);
    QCOMPARE(EditorSettings().zoom(), 1);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
