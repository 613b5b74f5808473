#include "buttonfunctions.h"
#include "projectchecker.h"
#include "projectfile.h"
#include "testprojects.h"

#include <QDir>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;
using namespace velkari::test;

namespace {

// "code shape/layout/row/key: message", the problems in the order they are reported.
QStringList summary(const QList<Problem> &problems)
{
    QStringList lines;
    for (const Problem &p : problems) {
        lines << QStringLiteral("%1 %2/%3/%4/%5: %6")
                     .arg(problemCodeName(p.code), screenShapeName(p.shape))
                     .arg(p.layout)
                     .arg(p.row)
                     .arg(p.key)
                     .arg(p.message);
    }
    return lines;
}

SkinButton &key(SkinLayout &layout, int row, int k)
{
    return *layout.rows.at(row)->buttons.at(k);
}

void makeLink(SkinButton &button, quint16 target, quint16 extraFlags = 0)
{
    button.flags = ButtonFlagChangeLayout | extraFlags;
    button.charCode = target;
}

} // namespace

class TestChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyCode_data();
    void everyCode();
    void aChangedPictureIsLookedAtAgain();
    void widthProblemsSayTheWidthNeeded_data();
    void widthProblemsSayTheWidthNeeded();
    void emptyFirstRowNeedsTheScreenWidth();

private:
    QString picture(int width, int height);
    // One layout per shape, as wide as its screen, two rows of 20 pixels, with a picture of that
    // size: nothing to report.
    void makeCleanProject(SkinProject &project);

    QTemporaryDir m_dir;
};

void TestChecker::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestChecker::picture(int width, int height)
{
    const QString path = m_dir.filePath(QStringLiteral("p%1x%2.bmp").arg(width).arg(height));
    if (!QFile::exists(path)) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.save(path, "BMP");
    }
    return path;
}

void TestChecker::makeCleanProject(SkinProject &project)
{
    project.resetToDefaults();
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const int width = screenShapeWidth(shape);
        project.layoutList(shape).append(makeValidLayout(QStringLiteral("Main"), picture(width, 40), 2, quint16(width)));
    }
}

void TestChecker::everyCode_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected"); // %D stands for the pictures' folder
    const auto row = [](const char *change, const QStringList &expected) { QTest::newRow(change) << QString::fromLatin1(change) << expected; };
    const QString sizes = QStringLiteral("The picture is %1 pixels but the keys cover %2 pixels; make the picture as "
                                         "large as the keys, or the keys as large as the picture.");
    const QString codeRange = QStringLiteral("code-out-of-range Portrait/0/0/1: The %1 code %2 is not one of 0 to %3; "
                                             "choose the key's function again.");
    const QString specialKeys = QStringLiteral("duplicate-special-key Portrait/0/0/0: The layout has 2 %1 keys and the skin "
                                               "records only the last (row 0, key 1); give this key another character or "
                                               "key code.");
    row("no-picture", {"no-picture Portrait/0/-1/-1: No picture file is specified for the layout \"Portrait->Main\"."});
    row("picture-unreadable", {"picture-unreadable Portrait/0/-1/-1: Cannot Open the picture file \"%D/gone.gif\"."});
    row("no-rows", {"no-rows Portrait/0/-1/-1: The layout \"Portrait->Main\" has no rows."});
    row("row-height", {"row-height Portrait/0/1/-1: Invalid Height for the row 1 in layout \"Portrait->Main\"."});
    row("row-empty", {"row-empty Portrait/0/1/-1: No button defined for the row 1 in layout \"Portrait->Main\"."});
    row("key-width", {"key-width Portrait/0/1/0: Invalid Width for the button 0, row 1 in layout \"Portrait->Main\"."});
    row("layout-width", {"layout-width Portrait/0/-1/-1: The layout \"Portrait->Main\" has invalid width (241).",
                         "picture-size Portrait/0/-1/-1: " + sizes.arg("240 x 40", "241 x 40")});
    row("row-width", {"row-width Portrait/0/1/-1: The layout \"Portrait->Main\" row 1 has invalid width(241)."});
    row("picture-format", {"picture-format Portrait/0/-1/-1: The picture file \"%D/fake.gif\" is neither a GIF nor a BMP "
                           "picture that can be read; save the picture as GIF or BMP."});
    row("picture-size", {"picture-size Portrait/0/-1/-1: " + sizes.arg("240 x 80", "240 x 40")});
    row("picture-size from a hostile header", {"picture-size Portrait/0/-1/-1: " + sizes.arg("65535 x 65535", "240 x 40")});
    row("layout-target", {"layout-target Portrait/0/0/0: The key changes to layout number 1, but the shape's layouts are "
                          "numbered 0 to 0; choose the layout it opens."});
    row("layout-target-unset", {"layout-target-unset Portrait/0/0/0: The key changes the layout but has no target; choose "
                                "the layout it opens."});
    row("drag-up-target", {"drag-up-target Portrait/0/-1/-1: The drag-up layout is number 1, but the shape's layouts are "
                           "numbered 0 to 0; choose the drag-up layout again."});
    row("unreachable-layout", {"unreachable-layout Portrait/1/-1/-1: No Change Layout key or drag-up layout leads here "
                               "from \"Main\", the shape's first layout; add a key that opens this layout, or remove it."});
    row("dead-end-layout", {"dead-end-layout Portrait/1/-1/-1: There is no way back from this layout to \"Main\", the "
                            "shape's first layout; add a Change Layout key, a key with the Return option or a drag-up "
                            "layout that leads back."});
    row("a Return key is a way back", {});
    row("duplicate-special-key, Enter", {specialKeys.arg("Enter")});
    row("duplicate-special-key, Space", {specialKeys.arg("Space")});
    row("duplicate-special-key, Backspace", {specialKeys.arg("Backspace")});
    row("surrogate-character", {"surrogate-character Portrait/0/1/0: The character U+D83D is half of a surrogate pair and "
                                "means nothing on its own; choose a character below U+D800 or from U+E000 on."});
    // Each table's last code passes (key 0), the next fails (key 1).
    row("code-out-of-range, calculator", {codeRange.arg("calculator key").arg(CalcKeyCount).arg(CalcKeyCount - 1)});
    row("code-out-of-range, task", {codeRange.arg("task action").arg(TaskActionCount).arg(TaskActionCount - 1)});
    row("code-out-of-range, macro", {codeRange.arg("macro action").arg(MacroActionCount).arg(MacroActionCount - 1)});
    row("code-out-of-range, shortcut", {codeRange.arg("shortcut type").arg(ShortcutTypeCount).arg(ShortcutTypeCount - 1)});
    row("duplicate-layout-name", {"duplicate-layout-name Portrait/1/-1/-1: Layout 0 of this shape has the same name; give "
                                  "each layout a name of its own."});
    row("shape-width", {"shape-width Portrait/0/-1/-1: The layout is 320 pixels wide but the Portrait screen is 240; make "
                        "the keys of every row add up to 240."});
    row("relative-picture-path", {"relative-picture-path Portrait/0/-1/-1: The picture path \"p240x40.bmp\" is relative, so "
                                  "which file it names depends on the working folder (from this one: \"%D/p240x40.bmp\"); "
                                  "choose the picture again with its full path, which the project then stores relative to "
                                  "its own file."});
    row("the bundled example", {});
    row("every rule of a layout at once",
        {"no-picture Portrait/0/-1/-1: No picture file is specified for the layout \"Portrait->Main\".",
         "row-height Portrait/0/0/-1: Invalid Height for the row 0 in layout \"Portrait->Main\".",
         "key-width Portrait/0/0/1: Invalid Width for the button 1, row 0 in layout \"Portrait->Main\".",
         "row-width Portrait/0/1/-1: The layout \"Portrait->Main\" row 1 has invalid width(241)."});
}

void TestChecker::everyCode()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    expected.replaceInStrings(QStringLiteral("%D"), m_dir.path());
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
    SkinProject project;
    makeCleanProject(project);
    LayoutList &layouts = project.layoutList(Portrait);
    SkinLayout &first = *layouts.at(0);
    // A second layout that the first opens and that opens the first again.
    const auto addSecond = [&](const QString &name) {
        layouts.append(makeValidLayout(name, first.picFileName));
        makeLink(key(*layouts.at(1), 0, 0), 0);
        makeLink(key(first, 0, 0), 1);
    };

    if (change == QLatin1String("no-picture")) {
        first.picFileName.clear();
    } else if (change == QLatin1String("picture-unreadable")) {
        first.picFileName = m_dir.filePath(QStringLiteral("gone.gif"));
    } else if (change == QLatin1String("no-rows")) {
        first.rows.clear();
    } else if (change == QLatin1String("row-height")) {
        first.rows.at(0)->height = 40; // the picture still fits
        first.rows.at(1)->height = 0;
    } else if (change == QLatin1String("row-empty")) {
        first.rows.at(1)->buttons.clear();
    } else if (change == QLatin1String("key-width")) {
        first.rows.at(1)->buttons.insertCopyAt(0, *makeButton(QStringLiteral("thin"), 0));
    } else if (change == QLatin1String("layout-width")) {
        for (const auto &r : first.rows)
            ++r->buttons.at(0)->width;
    } else if (change == QLatin1String("row-width")) {
        ++key(first, 1, 0).width;
    } else if (change == QLatin1String("picture-format")) {
        first.picFileName = m_dir.filePath(QStringLiteral("fake.gif"));
        writeFile(first.picFileName, "this is not a picture");
    } else if (change == QLatin1String("picture-size")) {
        first.picFileName = picture(240, 80);
    } else if (change == QLatin1String("picture-size from a hostile header")) {
        first.picFileName = m_dir.filePath(QStringLiteral("huge.gif"));
        // A screen and an image of 65535 x 65535 pixels, then almost no data.
        writeFile(first.picFileName, QByteArray("GIF89a\xff\xff\xff\xff\x00\x00\x00,\x00\x00\x00\x00\xff\xff\xff\xff"
                                                "\x00\x08\x02\x4c\x01\x00;",
                                                29));
    } else if (change == QLatin1String("layout-target")) {
        makeLink(key(first, 0, 0), 1);
    } else if (change == QLatin1String("layout-target-unset")) {
        makeLink(key(first, 0, 0), LayoutNotSet);
    } else if (change == QLatin1String("drag-up-target")) {
        first.dragUpLayout = 1;
    } else if (change == QLatin1String("unreachable-layout")) {
        addSecond(QStringLiteral("Second"));
        makeLink(key(first, 0, 0), LayoutNotSet);
        first.rows.at(0)->buttons.at(0)->flags = ButtonFlagCharacter;
    } else if (change == QLatin1String("dead-end-layout") || change == QLatin1String("a Return key is a way back")) {
        addSecond(QStringLiteral("Second"));
        SkinButton &back = key(*layouts.at(1), 0, 0);
        back.flags = ButtonFlagCharacter;
        if (change.startsWith(u'a'))
            back.flags |= ButtonFlagReturn;
    } else if (change.startsWith(QLatin1String("duplicate-special-key"))) {
        const quint8 code = change.endsWith(QLatin1String("Enter")) ? 13 : change.endsWith(QLatin1String("Space")) ? 32 : 8;
        for (int k : {0, 1})
            key(first, 0, k).charCode = key(first, 0, k).vk = code;
    } else if (change == QLatin1String("surrogate-character")) {
        key(first, 1, 0).charCode = 0xD83D;
    } else if (change.startsWith(QLatin1String("code-out-of-range"))) {
        const QString table = change.section(u' ', 1);
        const bool calculator = table == QLatin1String("calculator");
        const quint16 flags = calculator ? ButtonFlagCalculator
            : table == QLatin1String("task") ? ButtonFlagTaskManager
            : table == QLatin1String("macro") ? ButtonFlagMacro
                                              : ButtonFlagShortcut;
        const int count = calculator ? CalcKeyCount
            : table == QLatin1String("task") ? TaskActionCount
            : table == QLatin1String("macro") ? MacroActionCount
                                              : ShortcutTypeCount;
        for (int k : {0, 1}) {
            key(first, 0, k).flags = flags;
            if (calculator)
                key(first, 0, k).charCode = quint16(count - 1 + k);
            else
                key(first, 0, k).vk = quint8(count - 1 + k);
        }
    } else if (change == QLatin1String("duplicate-layout-name")) {
        addSecond(first.name);
    } else if (change == QLatin1String("shape-width")) {
        first.picFileName = picture(320, 40);
        for (const auto &r : first.rows)
            r->buttons.at(0)->width += 80;
    } else if (change == QLatin1String("relative-picture-path")) {
        QDir::setCurrent(m_dir.path());
        first.picFileName = QFileInfo(first.picFileName).fileName();
    } else if (change == QLatin1String("the bundled example")) {
        QVERIFY(loadProjectFile(project, QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp")));
    } else if (change == QLatin1String("every rule of a layout at once")) {
        first.picFileName.clear();
        first.rows.at(0)->height = 0;
        first.rows.at(0)->buttons.insertCopyAt(1, *makeButton(QStringLiteral("thin"), 0));
        ++key(first, 1, 1).width;
    }
    QCOMPARE(summary(checkProject(project)), expected);
}

void TestChecker::aChangedPictureIsLookedAtAgain()
{
    SkinProject project;
    makeCleanProject(project);
    SkinLayout &first = *project.layoutList(Portrait).at(0);
    const QString name = QStringLiteral("moving.bmp");
    QVERIFY(QFile::copy(first.picFileName, m_dir.filePath(name)));
    first.picFileName = m_dir.filePath(name);
    ProjectChecker checker;
    QCOMPARE(summary(checker.check(project)), QStringList());
    writeFile(m_dir.filePath(name), "no longer a picture");
    QCOMPARE(summary(checker.check(project)),
             QStringList{QStringLiteral("picture-format Portrait/0/-1/-1: The picture file \"%1\" is neither a GIF nor a "
                                        "BMP picture that can be read; save the picture as GIF or BMP.")
                             .arg(first.picFileName)});
}

void TestChecker::widthProblemsSayTheWidthNeeded_data()
{
    QTest::addColumn<QList<quint16>>("rowWidths");
    QTest::addColumn<QStringList>("expected"); // "code row: needed difference"
    QTest::newRow("row too narrow") << QList<quint16>{240, 236} << QStringList{"row-width 1: 240 4"};
    QTest::newRow("row too wide") << QList<quint16>{240, 240, 246} << QStringList{"row-width 2: 240 -6"};
    QTest::newRow("row 0 too wide") << QList<quint16>{241, 241} << QStringList{"layout-width -1: 240 -1"};
    // An allowed row 0 other than the screen's width sets the width the other rows need.
    QTest::newRow("row 0 at 320") << QList<quint16>{320, 300} << QStringList{"row-width 1: 320 20"};
    QTest::newRow("both off: the allowed width nearest row 0")
        << QList<quint16>{300, 250} << QStringList{"layout-width -1: 320 20", "row-width 1: 320 70"};
}

void TestChecker::widthProblemsSayTheWidthNeeded()
{
    QFETCH(QList<quint16>, rowWidths);
    QFETCH(QStringList, expected);
    SkinProject project;
    makeCleanProject(project);
    SkinLayout &first = *project.layoutList(Portrait).at(0);
    first.rows.clear();
    for (quint16 width : rowWidths)
        first.rows.append(makeRow(10, {quint16(width / 2), quint16(width - width / 2)}));
    QStringList found;
    for (const Problem &problem : checkProject(project)) {
        if (problem.neededWidth >= 0) {
            found << QStringLiteral("%1 %2: %3 %4")
                         .arg(problemCodeName(problem.code))
                         .arg(problem.row)
                         .arg(problem.neededWidth)
                         .arg(problem.widthDifference);
        }
    }
    QCOMPARE(found, expected);
}

// A row 0 without keys is near no allowed width: it needs the screen's.
void TestChecker::emptyFirstRowNeedsTheScreenWidth()
{
    SkinProject project;
    makeCleanProject(project);
    SkinRow &first = *project.layoutList(HiResLandscape).at(0)->rows.at(0);
    while (first.buttons.count() > 1)
        first.buttons.removeAt(0);
    QList<int> needed;
    for (const Problem &problem : checkProject(project)) {
        if (problem.neededWidth >= 0)
            needed << problem.neededWidth;
    }
    QCOMPARE(needed, QList<int>{640});
}

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
