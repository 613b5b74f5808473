#include "buttondlg.h"
#include "layoutdlg.h"
#include "problemspanel.h"
#include "projectchecker.h"
#include "skinfile.h"
#include "vizizarerodlg.h"
#include "templatechooser.h"
#include "widgetdriver.h"
#include "controlids.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>

#include <algorithm>
#include <functional>

using namespace velkari;
using namespace velkari::test;

namespace {

const QString ExampleFolder = QStringLiteral(VELKARI_EXAMPLES);

// The status area says only what the window puts there, and describes only the control the test
// puts under the mouse.
class QuietWindow : public CViziZareroDlg
{
public:
    QWidget *under = nullptr;

protected:
    QWidget *widgetUnderMouse() const override { return under; }
};

QString captionOf(const QList<Problem> &problems)
{
    const auto errors = std::ranges::count_if(problems, &Problem::isError);
    return QStringLiteral("Problems (%1 · %2)").arg(errors).arg(problems.size() - errors);
}

QTreeWidget *problemList(const CViziZareroDlg &window)
{
    return window.problemsPanel()->findChild<QTreeWidget *>();
}

// The list's item for the first problem with `code` in the given layout.
QTreeWidgetItem *itemFor(const CViziZareroDlg &window, ProblemCode code, int shape, int layout)
{
    const QList<Problem> &problems = window.problemsPanel()->problems();
    QTreeWidget *list = problemList(window);
    for (QTreeWidgetItemIterator it(list); *it; ++it) {
        const int index = (*it)->data(0, Qt::UserRole).toInt();
        if (index < 0)
            continue;
        const Problem &problem = problems.at(index);
        if (problem.code == code && problem.shape == shape && problem.layout == layout)
            return *it;
    }
    return nullptr;
}

// A change made to a layout of the example before it is checked.
using Change = std::function<void(SkinLayout &)>;

SkinButton &keyOf(SkinLayout &layout, int row, int key)
{
    return *layout.rows.at(row)->buttons.at(key);
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestProblems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void panelFollowsEditsOpenAndNew();
    void choosingAProblemOpensItsProperties_data();
    void choosingAProblemOpensItsProperties();
    void missingPicturesAreSaidOnce();
    void panelNamesThePlaceOnce_data();
    void panelNamesThePlaceOnce();
    void aWidthProblemLandsOnItsRowWithFit_data();
    void aWidthProblemLandsOnItsRowWithFit();
    void createSkinSaysWhereTheSkinWent_data();
    void createSkinSaysWhereTheSkinWent();

private:
    // A copy of the example project and its pictures, so that skins and removals stay in it.
    QString copyExample(const QStringList &leaveOut = {});

    QTemporaryDir m_settings;
    QTemporaryDir m_dir;
    int m_copies = 0;
};

void TestProblems::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_dir.isValid());
    isolateSettings(m_settings.path());
}

QString TestProblems::copyExample(const QStringList &leaveOut)
{
    return velkari::test::copyExample(ExampleFolder, m_dir.filePath(QString::number(++m_copies)), leaveOut);
}

void TestProblems::panelFollowsEditsOpenAndNew()
{
    QuietWindow window;
    window.show();
    click(window, IdProblems);
    const auto caption = [&window] { return textOf(window, IdProblems); };
    const QList<Problem> fresh = checkProject(window.project());
    QVERIFY(std::ranges::any_of(fresh, &Problem::isError));
    QTRY_COMPARE(caption(), captionOf(fresh));

    window.openProjectFile(copyExample());
    QTRY_COMPARE(caption(), QStringLiteral("Problems (0 · 0)"));
    QCOMPARE(problemList(window)->topLevelItemCount(), 0);

    // Row 1 of the first layout loses a key: it is no longer as wide as row 0.
    whenModal<CButtonDlg>([](CButtonDlg *dialog) { click(*dialog, Delete); });
    QTest::mouseClick(window.gridButton(1, 0), Qt::LeftButton);
    QTRY_COMPARE(caption(), QStringLiteral("Problems (1 · 0)"));
    QTreeWidgetItem *item = itemFor(window, ProblemCode::RowWidth, Portrait, 0);
    QVERIFY(item);
    QVERIFY(item->text(0).startsWith(QStringLiteral("The layout \"Portrait->")));
    QCOMPARE(item->parent()->text(0), QStringLiteral("Portrait / ") + window.project().layoutList(Portrait).at(0)->name);

    MessageBoxAnswer discard(QMessageBox::No);
    whenModal<TemplateChooser>([](TemplateChooser *chooser) { chooser->accept(); });
    window.commandNew();
    QVERIFY(discard.seen().shown);
    QTRY_COMPARE(caption(), captionOf(fresh));
    QCOMPARE(window.problemsPanel()->windowTitle(), caption());
}

void TestProblems::choosingAProblemOpensItsProperties_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("row"); // -1: a problem of the whole layout
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("dialog");

    QTest::newRow("key, double-click") << int(HiResPortrait) << 2 << 1 << false << "velkari::CButtonDlg";
    QTest::newRow("key, Enter") << int(Landscape) << 1 << 0 << true << "velkari::CButtonDlg";
    QTest::newRow("layout, double-click") << int(HiResLandscape) << 1 << -1 << false << "velkari::CLayoutDlg";
    QTest::newRow("layout, Enter") << int(Portrait) << 2 << -1 << true << "velkari::CLayoutDlg";
}

void TestProblems::choosingAProblemOpensItsProperties()
{
    QFETCH(int, shape);
    QFETCH(int, layout);
    QFETCH(int, row);
    QFETCH(bool, byEnter);
    QFETCH(QString, dialog);
    QuietWindow window;
    window.show();
    window.openProjectFile(copyExample());
    SkinLayout &target = *window.project().layoutList(shape).at(layout);
    const int key = 1;
    ProblemCode code = ProblemCode::DragUpTarget;
    QString expectedName = target.name;
    if (row >= 0) {
        SkinButton &button = *target.rows.at(row)->buttons.at(key);
        expectedName = button.caption;
        button.flags = ButtonFlagCharacter;
        button.charCode = 0xDC00;
        code = ProblemCode::SurrogateCharacter;
    } else {
        target.dragUpLayout = 19;
    }
    window.problemsPanel()->checkNow();
    click(window, IdProblems);
    QVERIFY(QTest::qWaitForWindowExposed(window.problemsPanel()));
    QTreeWidgetItem *item = itemFor(window, code, shape, layout);
    QVERIFY(item);

    QString opened;
    QString shownName;
    int openedShape = -1;
    int openedLayout = -1;
    whenModal<QDialog>([&](QDialog *shown) {
        opened = QString::fromLatin1(shown->metaObject()->className());
        openedShape = window.currentShape();
        openedLayout = window.currentLayout();
        shownName = textOf(*shown, row >= 0 ? int(IdButtonCaption) : int(IdLayoutName));
        click(*shown, Cancel);
    });
    QTreeWidget *list = problemList(window);
    list->scrollToItem(item);
    if (byEnter) {
        list->setCurrentItem(item);
        QTest::keyClick(list, Qt::Key_Return);
    } else {
        // As a real double-click comes: a click, then the second press.
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QTRY_COMPARE(opened, dialog);
    QCOMPARE(openedShape, shape);
    QCOMPARE(openedLayout, layout);
    QCOMPARE(shownName, expectedName);
    QCOMPARE(textOf(window, IdLayoutList), target.name);
}

void TestProblems::missingPicturesAreSaidOnce()
{
    QuietWindow window;
    window.show();
    const QString path = copyExample({QStringLiteral("portrait-letters.gif"), QStringLiteral("landscape-calculator.gif")});
    QSignalSpy said(window.problemsPanel(), &ProblemsPanel::picturesMissing);
    {
        MessageBoxAnswer noBox;
        window.openProjectFile(path);
        const QString missing = QFileInfo(path).absolutePath() + QStringLiteral("/pictures/portrait-letters.gif");
        QTRY_COMPARE(textOf(window, IdStatus),
                     QStringLiteral("2 of 12 layouts have a picture that cannot be read, among them \"%1\"; Problems "
                                    "lists them all.")
                         .arg(missing));
        QVERIFY(!noBox.seen().shown);
    }
    // The list of a hidden panel catches up when it is shown.
    click(window, IdProblems);
    const auto *summary = window.problemsPanel()->findChild<QLabel *>();
    QCOMPARE(problemList(window)->topLevelItemCount(), 2);
    QVERIFY(summary->text().startsWith(QStringLiteral("2 of 12 layouts have a picture that cannot be read:")));
    QCOMPARE(window.problemsPanel()->problems().size(), 2);

    // Said once: later checks of the same project keep quiet, and New says nothing of pictures.
    window.showStatus(QString());
    window.problemsPanel()->scheduleCheck();
    QTest::qWait(20);
    whenModal<TemplateChooser>([](TemplateChooser *chooser) { chooser->accept(); });
    window.commandNew();
    QTRY_COMPARE(textOf(window, IdProblems), captionOf(checkProject(window.project())));
    QCOMPARE(said.count(), 1);
    QCOMPARE(textOf(window, IdStatus), QString());
}

void TestProblems::panelNamesThePlaceOnce_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<ProblemCode>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("row width: the device's text and the width needed")
        << Change([](SkinLayout &l) { keyOf(l, 1, 0).width += 6; }) << ProblemCode::RowWidth
        << "The layout \"Portrait->Letters\" row 1 has invalid width(246). Width needed: 240 pixels (-6).";
    QTest::newRow("layout width") << Change([](SkinLayout &l) { keyOf(l, 0, 0).width -= 4; }) << ProblemCode::LayoutWidth
                                  << "The layout \"Portrait->Letters\" has invalid width (236). Width needed: 240 "
                                     "pixels (+4).";
    QTest::newRow("key width") << Change([](SkinLayout &l) { keyOf(l, 1, 0).width = 0; }) << ProblemCode::KeyWidth
                               << "Invalid Width for the button 0, row 1 in layout \"Portrait->Letters\".";
}

void TestProblems::panelNamesThePlaceOnce()
{
    QFETCH(Change, change);
    QFETCH(ProblemCode, code);
    QFETCH(QString, text);
    QuietWindow window;
    window.show();
    window.openProjectFile(copyExample());
    change(*window.project().layoutList(Portrait).at(0));
    window.problemsPanel()->checkNow();
    click(window, IdProblems);
    QTreeWidgetItem *item = itemFor(window, code, Portrait, 0);
    QVERIFY(item);
    QCOMPARE(item->text(0), text);
}

void TestProblems::aWidthProblemLandsOnItsRowWithFit_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("row");
    QTest::addColumn<ProblemCode>("code");
    QTest::addColumn<int>("change"); // pixels added to the row's first key
    QTest::addColumn<bool>("fit");
    QTest::newRow("row too wide, fitted") << int(HiResPortrait) << 2 << ProblemCode::RowWidth << 6 << true;
    QTest::newRow("row too narrow, left as it is") << int(Landscape) << 1 << ProblemCode::RowWidth << -5 << false;
    QTest::newRow("row 0, fitted") << int(Portrait) << 0 << ProblemCode::LayoutWidth << -4 << true;
}

// Layout Properties has no widths: the jump shows the row in the grid and offers Fit instead.
void TestProblems::aWidthProblemLandsOnItsRowWithFit()
{
    QFETCH(int, shape);
    QFETCH(int, row);
    QFETCH(ProblemCode, code);
    QFETCH(int, change);
    QFETCH(bool, fit);
    QuietWindow window;
    window.show();
    window.openProjectFile(copyExample());
    const int layout = 1;
    SkinRow &changed = *window.project().layoutList(shape).at(layout)->rows.at(row);
    const int width = RowKeyWidth(changed);
    changed.buttons.at(0)->width += change;
    window.problemsPanel()->checkNow();
    click(window, IdProblems);
    QTreeWidgetItem *item = itemFor(window, code, shape, layout);
    QVERIFY(item);
    const int steps = window.document().undoStack()->count();

    bool landed = false;
    QString question;
    answerWithButton(fit ? QStringLiteral("Fit") : QStringLiteral("Cancel"), [&](QMessageBox *box) {
        question = box->text();
        landed = window.currentShape() == shape && window.currentLayout() == layout
            && window.focusWidget() == window.gridButton(row, 0);
    });
    problemList(window)->setCurrentItem(item);
    QTest::keyClick(problemList(window), Qt::Key_Return);
    QTRY_VERIFY(!question.isEmpty());
    QVERIFY(landed);
    QVERIFY2(question.contains(QStringLiteral("is %1 pixels wide and needs %2").arg(width + change).arg(width)),
             qPrintable(question));
    QCOMPARE(int(RowKeyWidth(changed)), fit ? width : width + change);
    QCOMPARE(window.document().undoStack()->count(), steps + (fit ? 1 : 0));
}

void TestProblems::createSkinSaysWhereTheSkinWent_data()
{
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("undecodable"); // a picture's file holds no picture
    QTest::newRow("written") << true << false;
    QTest::newRow("a layout breaks a rule") << false << false;
    QTest::newRow("written with a warning") << true << true;
}

void TestProblems::createSkinSaysWhereTheSkinWent()
{
    QFETCH(bool, valid);
    QFETCH(bool, undecodable);
    QuietWindow window;
    window.show();
    const QString path = copyExample();
    window.openProjectFile(path);
    const QString picture = window.project().layoutList(Landscape).at(2)->picFileName;
    if (undecodable) {
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a picture");
    }
    if (!valid) {
        window.project().layoutList(Landscape).at(1)->rows.at(0)->buttons.at(0)->width = 0;
        window.showStatus(QStringLiteral("before"));
    }
    const QString skin = QFileInfo(path).absolutePath() + QStringLiteral("/demo.vsk");
    MessageBoxAnswer answer;
    click(window, IdCreateSkin);
    QCOMPARE(answer.seen().shown, !valid);
    QCOMPARE(QFile::exists(skin), valid);
    if (!valid) {
        QCOMPARE(answer.seen().icon, QMessageBox::Critical);
        QCOMPARE(textOf(window, IdStatus), QStringLiteral("before"));
        return;
    }
    const qint64 bytes = QFileInfo(skin).size();
    QVERIFY(bytes > 100 * 1024);
    QString expected = QStringLiteral("Skin written: %1, 12 layouts, %2 KiB")
                           .arg(QDir::toNativeSeparators(skin))
                           .arg((bytes + 512) / 1024);
    if (undecodable) {
        expected += QStringLiteral("\nWarnings remaining: 1 (Problems lists them). The picture \"%1\" cannot be decoded.")
                        .arg(picture);
    }
    QCOMPARE(textOf(window, IdStatus), expected);
    // The note stays: a control's description replaces it only while the mouse is over the control.
    window.under = control(window, IdCreateSkin);
    window.hoverTick();
    QCOMPARE(textOf(window, IdStatus), QStringLiteral("Create the skin file."));
    window.under = nullptr;
    window.hoverTick();
    QCOMPARE(textOf(window, IdStatus), expected);
}

QTEST_MAIN(TestProblems)
#include "tst_problems.moc"
