#include "buttondescription.h"
#include "filecommands.h"
#include "palettecolors.h"
#include "pictureview.h"
#include "projectfile.h"
#include "swatchbutton.h"
#include "templatechooser.h"
#include "scriptedwindow.h"
#include "vizizarerodlg.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QQueue>
#include <QTemporaryDir>

using namespace velkari;
using namespace velkari::test;

namespace {

std::unique_ptr<SkinLayout> layoutWithRows(const QString &name, const QList<quint16> &heights,
                                           const QList<quint16> &widths)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = name;
    for (quint16 height : heights) {
        auto row = std::make_unique<SkinRow>();
        row->height = height;
        for (quint16 width : widths) {
            auto key = std::make_unique<SkinButton>();
            key->flags = ButtonFlagCharacter;
            key->caption = QStringLiteral("K%1").arg(row->buttons.count());
            key->width = width;
            row->buttons.append(std::move(key));
        }
        row->buttons.append(std::make_unique<SkinButton>());
        layout->rows.append(std::move(row));
    }
    return layout;
}

QStringList visibleCells(const CViziZareroDlg &window)
{
    QStringList cells;
    for (int r = 0; r < GridCellId::Rows; ++r) {
        for (int c = 0; c < GridCellId::Columns; ++c) {
            const QPushButton *cell = window.gridButton(r, c);
            if (!cell->isHidden()) {
                const QRect g = windowRect(window, cell);
                cells << QStringLiteral("%1,%2 %3 %4x%5+%6+%7")
                             .arg(r).arg(c).arg(cell->text()).arg(g.width()).arg(g.height()).arg(g.x()).arg(g.y());
            }
        }
    }
    return cells;
}

QColor swatchColor(const CViziZareroDlg &window, int id)
{
    return control<SwatchButton>(window, id)->swatch().toImage().pixelColor(175, 25);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void startUpState();
    void shapesAreDrawnToScale_data();
    void shapesAreDrawnToScale();
    void gridFollowsTheLayout();
    void switchingShapeAndLayout();
    void fullRefreshKeepsOrClampsTheLayout();
    void openKeepsTheShapeOnView();
    void openFromTheRealFileDialog();
    void damagedFilesLeaveTheWindowUsable_data();
    void damagedFilesLeaveTheWindowUsable();
    void pictureIsShownUnscaled_data();
    void pictureIsShownUnscaled();
    void hoverDescribesTheControlUnderTheMouse();
    void closeAsksOnlyWithChanges_data();
    void closeAsksOnlyWithChanges();
    void escapeAndEnterAreIgnored();
    void failedSaveIsReportedAndKeepsModified();
    void colourChangeIsKeptAndMarksModified();
    void helpFileNameFollowsTheField();
    void aboutIsOfferedInTheContextMenu();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settings;
};

void TestMainWindow::initTestCase()
{
    // Closing the window remembers its place.
    QVERIFY(m_settings.isValid());
    isolateSettings(m_settings.path());
}

void TestMainWindow::init()
{
    QVERIFY(m_dir.isValid());
}

void TestMainWindow::startUpState()
{
    CViziZareroDlg window;
    window.show();
    QCOMPARE(shownTitle(window), QStringLiteral("Velkari Skin Editor"));
    QCOMPARE(textOf(window, IdShapeList), QStringLiteral("Portrait"));
    QCOMPARE(entries(control<QComboBox>(window, IdShapeList)),
             (QStringList{"Portrait", "Landscape", "Hi-Res. Portrait", "Hi-Res. Landscape"}));
    QCOMPARE(entries(control<QComboBox>(window, IdLayoutList)), QStringList{"Layout00"});
    QCOMPARE(window.currentShape(), 0);
    QCOMPARE(window.currentLayout(), 0);
    QCOMPARE(visibleCells(window), (QStringList{"0,0 New 140x32+10+150", "1,0 New 140x32+10+182",
                                                "2,0 New 140x32+10+214", "3,0 New 140x32+10+246",
                                                "4,0 New 140x32+10+278"}));
    QCOMPARE(textOf(window, IdHelpFileName), QStringLiteral("Velkari.htm"));
    QVERIFY(!window.document().isModified());
    QCOMPARE(swatchColor(window, IdTextColor), QColor(Qt::white));
    QCOMPARE(swatchColor(window, IdHighlightColor), QColor(Qt::red));
    QCOMPARE(control<SwatchButton>(window, IdTextColor)->swatch().size(), QSize(350, 50));
    QVERIFY(window.pictureImage().isNull());
    // Every control lies inside the window, which can grow but not shrink below the template.
    for (const QWidget *child : window.findChildren<QWidget *>()) {
        if (controlId(child) && controlId(child) < GridCellId::First && controlId(child) != IdLayoutPicture)
            QVERIFY2(window.rect().contains(windowRect(window, child)), qPrintable(QString::number(controlId(child))));
    }
    QVERIFY(window.maximumSize().width() > window.minimumSize().width());
}

void TestMainWindow::shapesAreDrawnToScale_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("firstCell");
    QTest::newRow("Landscape, doubled") << 1 << "0,0 New 140x32+10+150";
    QTest::newRow("Hi-Res. Portrait, one to one") << 2 << "0,0 New 70x16+10+150";
    QTest::newRow("Hi-Res. Landscape, one to one") << 3 << "0,0 New 70x16+10+150";
}

void TestMainWindow::shapesAreDrawnToScale()
{
    QFETCH(int, shape);
    QFETCH(QString, firstCell);
    CViziZareroDlg window;
    window.show();
    chooseEntry(window, IdShapeList, shape);
    QCOMPARE(window.currentShape(), shape);
    const QStringList cells = visibleCells(window);
    QCOMPARE(cells.size(), 5);
    QCOMPARE(cells.first(), firstCell);
    const int step = shape >= 2 ? 16 : 32;
    QCOMPARE(cells.last(), QString(firstCell).replace(QStringLiteral("0,0"), QStringLiteral("4,0"))
                               .replace(QStringLiteral("+150"), QStringLiteral("+%1").arg(150 + 4 * step)));
}

void TestMainWindow::gridFollowsTheLayout()
{
    CViziZareroDlg window;
    window.show();
    LayoutList &list = window.project().layoutList(Portrait);
    list.clear();
    list.append(layoutWithRows(QStringLiteral("keys"), {10, 20}, {30, 50}));
    list.at(0)->rows.at(1)->buttons.at(1)->caption = QStringLiteral("R&D");
    window.fullRefresh();
    QCOMPARE(visibleCells(window), (QStringList{"0,0 K0 60x20+10+150", "0,1 K1 100x20+70+150", "0,2 New 140x20+170+150",
                                                "1,0 K0 60x40+10+170", "1,1 R&&D 100x40+70+170",
                                                "1,2 New 140x40+170+170"}));
    // Rows and buttons the layout no longer holds leave the grid.
    list.at(0)->rows.removeAt(1);
    list.at(0)->rows.at(0)->buttons.removeAt(0);
    window.gridRefresh();
    QCOMPARE(visibleCells(window), (QStringList{"0,0 K1 100x20+10+150", "0,1 New 140x20+110+150"}));
}

void TestMainWindow::switchingShapeAndLayout()
{
    CViziZareroDlg window;
    window.show();
    LayoutList &portrait = window.project().layoutList(Portrait);
    portrait.append(layoutWithRows(QStringLiteral("Second"), {12}, {40}));
    portrait.append(layoutWithRows(QStringLiteral("Third"), {12, 12}, {40}));
    window.fullRefresh();
    QCOMPARE(entries(control<QComboBox>(window, IdLayoutList)), (QStringList{"Layout00", "Second", "Third"}));

    chooseEntry(window, IdLayoutList, 2);
    QCOMPARE(window.currentLayout(), 2);
    QCOMPARE(visibleCells(window).size(), 4);
    chooseEntry(window, IdShapeList, Landscape);
    QCOMPARE(window.currentShape(), 1);
    QCOMPARE(window.currentLayout(), 0);
    QCOMPARE(entries(control<QComboBox>(window, IdLayoutList)), QStringList{"Layout00"});
    chooseEntry(window, IdShapeList, Portrait);
    QCOMPARE(window.currentLayout(), 0);
    QCOMPARE(textOf(window, IdLayoutList), QStringLiteral("Layout00"));
}

void TestMainWindow::fullRefreshKeepsOrClampsTheLayout()
{
    CViziZareroDlg window;
    window.show();
    LayoutList &portrait = window.project().layoutList(Portrait);
    for (const char *name : {"B", "C"})
        portrait.append(layoutWithRows(QString::fromLatin1(name), {12}, {40}));
    window.fullRefresh();
    chooseEntry(window, IdLayoutList, 2);
    window.fullRefresh();
    QCOMPARE(window.currentLayout(), 2);
    portrait.removeAt(2);
    window.fullRefresh();
    QCOMPARE(window.currentLayout(), 1);
    QCOMPARE(textOf(window, IdLayoutList), QStringLiteral("B"));
}

void TestMainWindow::openKeepsTheShapeOnView()
{
    const QString path = m_dir.filePath(QStringLiteral("open.vsp"));
    {
        SkinProject saved;
        NormalizeProject(saved);
        saved.layoutList(Landscape).at(0)->name = QStringLiteral("Wide");
        saved.layoutList(Landscape).append(layoutWithRows(QStringLiteral("Wider"), {10}, {20}));
        saveProjectFile(saved, path);
    }
    ScriptedWindow window;
    window.show();
    chooseEntry(window, IdShapeList, Landscape);
    window.prompts.openPaths.enqueue(path);
    click(window, IdOpen);
    QCOMPARE(shownTitle(window), QStringLiteral("Velkari Skin Editor-") + path);
    QCOMPARE(textOf(window, IdShapeList), QStringLiteral("Landscape"));
    QCOMPARE(window.currentShape(), 1);
    QCOMPARE(window.currentLayout(), 0);
    QCOMPARE(entries(control<QComboBox>(window, IdLayoutList)), (QStringList{"Wide", "Wider"}));
    QVERIFY(!window.document().isModified());
}

void TestMainWindow::openFromTheRealFileDialog()
{
    CViziZareroDlg window;
    window.show();
    QString title, suffix;
    QStringList filters;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        filters = shownFilters(*dialog);
        suffix = dialog->defaultSuffix();
        dialog->reject();
    });
    click(window, IdOpen);
    QCOMPARE(title, QStringLiteral("Open Velkari Skin Project"));
    QCOMPARE(filters, (QStringList{"Velkari Skin Project Files (*.vsp)", "All Files (*.*)"}));
    QCOMPARE(suffix, QStringLiteral("vsp"));
    QCOMPARE(shownTitle(window), QStringLiteral("Velkari Skin Editor"));
}

void TestMainWindow::damagedFilesLeaveTheWindowUsable_data()
{
    QFile file(QStringLiteral(VELKARI_TEST_DATA "/valid-project.vsp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray valid = file.readAll();
    QFile skin(QStringLiteral(VELKARI_TEST_DATA "/valid-skin.vsk"));
    QVERIFY(skin.open(QIODevice::ReadOnly));

    QByteArray flipped = valid;
    for (qsizetype i = valid.size() / 2; i < valid.size() / 2 + 64; ++i)
        flipped[i] = char(~flipped[i]);
    // A count larger than the entries there is no damage: the missing ones take their defaults.
    QByteArray hugeCount = valid;
    hugeCount.replace(16, 4, QByteArray("\xff\xff\xff\x7f", 4));

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty when it opens
    const QString invalid = QStringLiteral("Invalid Velkari Skin Project File!");
    const QString damaged = QStringLiteral("The project file \"%1\" is damaged: ");
    QTest::newRow("empty") << QByteArray() << invalid;
    QTest::newRow("cut in half") << valid.left(valid.size() / 2)
                                 << damaged + "VELKARI_PRJFILE at offset 20 claims 8936 bytes, but only 4456 remain in the file.";
    QTest::newRow("a skin file") << skin.readAll() << invalid;
    QTest::newRow("garbage") << QByteArray(4096, '\xa5') << invalid;
    QTest::newRow("bytes flipped") << flipped
                                   << damaged + "VELKARI_PRJFILE/Shape3/Arr0/Rows/Arr1/RowButtons at offset 4480 claims "
                                                "4294966439 bytes, but only 856 remain in VELKARI_PRJFILE/Shape3/Arr0/Rows/Arr1.";
    QTest::newRow("huge count") << hugeCount << QString();
}

// Whatever a file holds, the window either opens it in normal form or says it is not a project, or
// where it is damaged, and keeps what it had.
void TestMainWindow::damagedFilesLeaveTheWindowUsable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    const bool opens = refusal.isEmpty();
    const QString path = m_dir.filePath(QStringLiteral("damaged.vsp"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    ScriptedWindow window;
    window.show();
    window.project().layoutList(Portrait).at(0)->name = QStringLiteral("Mine");
    window.fullRefresh();
    window.prompts.openPaths.enqueue(path);
    {
        const MessageBoxAnswer answer;
        click(window, IdOpen);
        if (opens) {
            QCOMPARE(shownTitle(window), QStringLiteral("Velkari Skin Editor-") + path);
            // At most the report of what was left out.
            QVERIFY(!answer.seen().shown || answer.seen().icon == QMessageBox::Warning);
        } else {
            QVERIFY(answer.seen().shown);
            QCOMPARE(answer.seen().text, refusal.arg(path));
            QCOMPARE(textOf(window, IdLayoutList), QStringLiteral("Mine"));
        }
    }
    QVERIFY(!QApplication::overrideCursor());
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        chooseEntry(window, IdShapeList, shape);
        const SkinLayout *layout = window.currentLayoutRecord();
        QVERIFY(layout);
        QVERIFY(!layout->rows.isEmpty());
        for (const auto &row : layout->rows)
            QVERIFY(row->buttons.last()->isPlaceholder());
        QCOMPARE(visibleCells(window).size(), [&] {
            qsizetype cells = 0;
            for (const auto &row : layout->rows)
                cells += row->buttons.count();
            return cells;
        }());
    }
}

void TestMainWindow::pictureIsShownUnscaled_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("warns");
    QTest::newRow("BMP, as wide as the keys") << "pic.bmp" << QSize(240, 64)
                                              << "Picture 240 × 64 px · keys 240 × 64 px" << false;
    QTest::newRow("BMP, keys taller") << "short.bmp" << QSize(240, 48)
                                      << "Picture 240 × 48 px · keys 240 × 64 px · the sizes differ" << true;
    QTest::newRow("no picture file name") << "" << QSize() << "No picture · keys 240 × 64 px" << true;
    QTest::newRow("missing file") << "missing.gif" << QSize()
                                  << "Cannot read the picture file \"%1\" · keys 240 × 64 px" << true;
    QTest::newRow("not a picture") << "broken.gif" << QSize()
                                   << "Cannot read the picture file \"%1\" · keys 240 × 64 px" << true;
}

void TestMainWindow::pictureIsShownUnscaled()
{
    QFETCH(QString, file);
    QFETCH(QSize, shown);
    QFETCH(QString, line);
    QFETCH(bool, warns);
    for (const QSize size : {QSize(240, 64), QSize(240, 48)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(m_dir.filePath(size.height() == 64 ? "pic.bmp" : "short.bmp"), "BMP"));
    }
    QFile broken(m_dir.filePath(QStringLiteral("broken.gif")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("GIF89a but not really");
    broken.close();

    CViziZareroDlg window;
    window.show();
    LayoutList &layouts = window.project().layoutList(Portrait);
    layouts.clear();
    layouts.append(layoutWithRows(QStringLiteral("keys"), {32, 32}, {100, 140}));
    layouts.at(0)->picFileName = file.isEmpty() ? QString() : m_dir.filePath(file);
    window.fullRefresh();
    QCOMPARE(window.pictureImage().size(), shown.isValid() ? shown : QSize(0, 0));
    if (shown.isValid()) {
        // Never scaled, though the grid of this shape is doubled.
        QCOMPARE(window.canvas()->pictureView()->size(), QSize(240, 64));
        QCOMPARE(window.pictureImage().pixelColor(5, 5), QColor(Qt::darkCyan));
    }
    const QLabel *sizeLine = window.canvas()->sizeLine();
    QCOMPARE(sizeLine->text(), line.arg(layouts.at(0)->picFileName));
    QCOMPARE(sizeLine->palette().color(QPalette::WindowText) == warningColor(window.palette()), warns);
}

void TestMainWindow::hoverDescribesTheControlUnderTheMouse()
{
    CViziZareroDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SkinLayout &layout = *window.project().layoutList(Portrait).at(0);
    SkinButton &key = *layout.rows.at(0)->buttons.at(0);
    key.caption = QStringLiteral("A");
    key.flags = ButtonFlagCharacter;
    key.charCode = 'A';
    key.vk = 0x41;
    window.gridRefresh();
    const QString expected = DescribeButton(key, window.project().layoutList(Portrait), window.project().helpFileName);
    QVERIFY(expected.startsWith(QStringLiteral("A:\nSends Char:A and VK:41\n")));

    const auto hover = [&window](QWidget *over) {
        QCursor::setPos(over->mapToGlobal(over->rect().center()));
        window.hoverTick();
        return textOf(window, IdStatus);
    };
    QCOMPARE(hover(window.gridButton(0, 0)), expected);
    // The text is worked out again only when the mouse moves to another control.
    key.caption = QStringLiteral("changed");
    QCOMPARE(hover(window.gridButton(0, 0)), expected);
    QCOMPARE(hover(control(window, IdOpen)), QStringLiteral("Open an existing Document."));
    QCOMPARE(hover(window.gridButton(0, 0)).left(9), QStringLiteral("changed:\n"));
    QCOMPARE(hover(control(window, IdStatus)), QString());
    QCOMPARE(hover(control(window, IdShapeList)), QStringLiteral("Select the Orientation and Resolution."));
}

void TestMainWindow::closeAsksOnlyWithChanges_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<bool>("closes");
    for (bool titleBar : {false, true}) {
        const char *how = titleBar ? "title bar" : "Close";
        QTest::addRow("%s, no changes", how) << false << int(QMessageBox::NoButton) << titleBar << true;
        QTest::addRow("%s, No", how) << true << int(QMessageBox::No) << titleBar << true;
        QTest::addRow("%s, Cancel", how) << true << int(QMessageBox::Cancel) << titleBar << false;
        QTest::addRow("%s, Yes then Save As cancelled", how) << true << int(QMessageBox::Yes) << titleBar << false;
    }
}

void TestMainWindow::closeAsksOnlyWithChanges()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, titleBar);
    QFETCH(bool, closes);
    ScriptedWindow window;
    window.show();
    if (modified)
        window.document().setTextColor(0x123456);
    MessageBoxSeen seen;
    if (modified)
        answerMessageBox(seen, QMessageBox::StandardButton(answer));
    if (titleBar)
        window.close();
    else
        click(window, IdClose);
    QCOMPARE(seen.shown, modified);
    if (modified) {
        QCOMPARE(seen.title, QStringLiteral("Velkari Skin Editor"));
        QCOMPARE(seen.text, QStringLiteral("Do you want to save the changes!"));
        QCOMPARE(seen.icon, QMessageBox::Question);
    }
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.prompts.saveDialogs, answer == QMessageBox::Yes ? 1 : 0);
    if (closes)
        QCOMPARE(window.result(), 1);
}

void TestMainWindow::escapeAndEnterAreIgnored()
{
    CViziZareroDlg window;
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    auto *edit = control<QLineEdit>(window, IdHelpFileName);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    QTest::keyClick(control(window, IdShapeList), Qt::Key_Return);
    QVERIFY(window.isVisible());
}

void TestMainWindow::failedSaveIsReportedAndKeepsModified()
{
    CViziZareroDlg window;
    window.show();
    const QString path = m_dir.filePath(QStringLiteral("no-such-folder/p.vsp"));
    window.project().projectPath = path;
    window.document().setTextColor(0x123456);
    MessageBoxSeen seen;
    answerMessageBox(seen);
    click(window, IdSave);
    QVERIFY(seen.shown);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QVERIFY2(seen.text.contains(path), qPrintable(seen.text));
    QVERIFY(window.document().isModified());
    QVERIFY(!QApplication::overrideCursor());
    // The window carries on.
    chooseEntry(window, IdShapeList, HiResPortrait);
    QCOMPARE(window.currentShape(), 2);
}

void TestMainWindow::colourChangeIsKeptAndMarksModified()
{
    CViziZareroDlg window;
    window.show();
    whenModal<QColorDialog>([](QColorDialog *dialog) {
        dialog->setCurrentColor(QColor(0x10, 0x20, 0x30));
        dialog->accept();
    });
    click(window, IdTextColor);
    QCOMPARE(window.project().textColor, 0x00302010u);
    QCOMPARE(swatchColor(window, IdTextColor), QColor(0x10, 0x20, 0x30));
    QVERIFY(window.document().isModified());

    window.document().undo();
    QVERIFY(!window.document().isModified());
    whenModal<QColorDialog>([](QColorDialog *dialog) { dialog->reject(); });
    click(window, IdHighlightColor);
    QCOMPARE(window.project().highlightColor, 0x000000FFu);
    QVERIFY(!window.document().isModified());
}

void TestMainWindow::helpFileNameFollowsTheField()
{
    CViziZareroDlg window;
    window.show();
    typeInto(window, IdHelpFileName, QStringLiteral("Guide.htm"));
    QCOMPARE(window.project().helpFileName, QStringLiteral("Guide.htm"));
    QVERIFY(window.document().isModified());
    MessageBoxSeen seen;
    answerMessageBox(seen, QMessageBox::No);
    bool chooserShown = false;
    whenModal<TemplateChooser>([&](TemplateChooser *chooser) {
        chooserShown = true;
        chooser->accept(); // "Empty project" is offered first
    });
    window.commandNew();
    QVERIFY(seen.shown);
    QVERIFY(chooserShown);
    QCOMPARE(textOf(window, IdHelpFileName), QStringLiteral("Velkari.htm"));
    QVERIFY(!window.document().isModified());
}

void TestMainWindow::aboutIsOfferedInTheContextMenu()
{
    CViziZareroDlg window;
    window.show();
    QStringList actions;
    QString aboutTitle;
    QTimer::singleShot(20, &window, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            actions << action->text();
        whenModal<QMessageBox>([&](QMessageBox *box) {
            aboutTitle = box->windowTitle();
            box->accept();
        });
        menu->actions().constLast()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(400, 500), window.mapToGlobal(QPoint(400, 500)));
    QApplication::sendEvent(&window, &event);
    QCOMPARE(actions, (QStringList{"Undo", "Redo", "", "Open Recent", "", "&About ViziZarero..."}));
    QTRY_COMPARE(aboutTitle, QStringLiteral("About Velkari Skin Editor"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
