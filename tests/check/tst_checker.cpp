#include "buttonfunctions.h"
#include "projectchecker.h"
#include "projectfile.h"
#include "testprojects.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;
using namespace velkari::test;

namespace {

// "code layout/row/key", the problems in the order they are reported.
QStringList summary(const QList<Problem> &problems)
{
    QStringList lines;
    for (const Problem &p : problems) {
        lines << QStringLiteral("%1 %2/%3/%4/%5")
                     .arg(ProblemCodeName(p.code), ScreenShapeName(p.shape))
                     .arg(p.layout)
                     .arg(p.row)
                     .arg(p.key);
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
        const int width = ScreenShapeWidth(shape);
        project.layoutList(shape).append(makeValidLayout(QStringLiteral("Main"), picture(width, 40), 2, quint16(width)));
    }
}

void TestChecker::everyCode_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char *change, const QStringList &expected) { QTest::newRow(change) << QString::fromLatin1(change) << expected; };
    row("no-picture", {"no-picture Portrait/0/-1/-1"});
    row("picture-unreadable", {"picture-unreadable Portrait/0/-1/-1"});
    row("no-rows", {"no-rows Portrait/0/-1/-1"});
    row("row-height", {"row-height Portrait/0/1/-1"});
    row("row-empty", {"row-empty Portrait/0/1/-1"});
    row("key-width", {"key-width Portrait/0/1/0"});
    row("layout-width", {"layout-width Portrait/0/-1/-1", "picture-size Portrait/0/-1/-1"});
    row("row-width", {"row-width Portrait/0/1/-1"});
    row("picture-format", {"picture-format Portrait/0/-1/-1"});
    row("picture-size", {"picture-size Portrait/0/-1/-1"});
    row("picture-size from a hostile header", {"picture-size Portrait/0/-1/-1"});
    row("layout-target", {"layout-target Portrait/0/0/0"});
    row("layout-target-unset", {"layout-target-unset Portrait/0/0/0"});
    row("drag-up-target", {"drag-up-target Portrait/0/-1/-1"});
    row("unreachable-layout", {"unreachable-layout Portrait/1/-1/-1"});
    row("dead-end-layout", {"dead-end-layout Portrait/1/-1/-1"});
    row("a Return key is a way back", {});
    row("duplicate-special-key", {"duplicate-special-key Portrait/0/0/0"});
    row("surrogate-character", {"surrogate-character Portrait/0/1/0"});
    row("code-out-of-range", {"code-out-of-range Portrait/0/0/1"});
    row("duplicate-layout-name", {"duplicate-layout-name Portrait/1/-1/-1"});
    row("shape-width", {"shape-width Portrait/0/-1/-1"});
    row("the bundled example", {});
    row("every rule of a layout at once",
        {"no-picture Portrait/0/-1/-1", "row-height Portrait/0/0/-1", "key-width Portrait/0/0/1",
         "row-width Portrait/0/1/-1"});
}

void TestChecker::everyCode()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
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
    } else if (change == QLatin1String("duplicate-special-key")) {
        for (int k : {0, 1})
            key(first, 0, k).charCode = key(first, 0, k).vk = 13;
    } else if (change == QLatin1String("surrogate-character")) {
        key(first, 1, 0).charCode = 0xD83D;
    } else if (change == QLatin1String("code-out-of-range")) {
        key(first, 0, 0).flags = ButtonFlagCalculator;
        key(first, 0, 0).charCode = CalcKeyCount - 1;
        key(first, 0, 1).flags = ButtonFlagShortcut;
        key(first, 0, 1).vk = ShortcutTypeCount;
    } else if (change == QLatin1String("duplicate-layout-name")) {
        addSecond(first.name);
    } else if (change == QLatin1String("shape-width")) {
        first.picFileName = picture(320, 40);
        for (const auto &r : first.rows)
            r->buttons.at(0)->width += 80;
    } else if (change == QLatin1String("the bundled example")) {
        QVERIFY(LoadProjectFile(project, QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp")));
    } else if (change == QLatin1String("every rule of a layout at once")) {
        first.picFileName.clear();
        first.rows.at(0)->height = 0;
        first.rows.at(0)->buttons.insertCopyAt(1, *makeButton(QStringLiteral("thin"), 0));
        ++key(first, 1, 1).width;
    }
    QCOMPARE(summary(CheckProject(project, QString())), expected);
}

void TestChecker::aChangedPictureIsLookedAtAgain()
{
    SkinProject project;
    makeCleanProject(project);
    SkinLayout &first = *project.layoutList(Portrait).at(0);
    const QString name = QStringLiteral("moving.bmp");
    QVERIFY(QFile::copy(first.picFileName, m_dir.filePath(name)));
    first.picFileName = name; // relative: found in the project's folder
    ProjectChecker checker;
    QCOMPARE(summary(checker.check(project, m_dir.path())), QStringList());
    writeFile(m_dir.filePath(name), "no longer a picture");
    QCOMPARE(summary(checker.check(project, m_dir.path())), QStringList{"picture-format Portrait/0/-1/-1"});
}

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
