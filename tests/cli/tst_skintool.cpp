#include "clicommand.h"
#include "limitedwrite.h"
#include "projectfile.h"
#include "skinfile.h"
#include "testprojects.h"
#include "toolrunner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace velkari;
using namespace velkari::test;

namespace {

constexpr uid_t Nobody = 65534;

mode_t fileType(const QString &path)
{
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

} // namespace

class TestSkinTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void newWritesTheFreshProject();
    void buildWritesTheSkinBesideTheProject();
    void buildStopsAtTheFirstFailingRule();
    void checkListsEveryFailingLayout_data();
    void checkListsEveryFailingLayout();
    void checkJsonSaysTheWidthARowNeeds();
    void normalizeRepairsAndRelocates();
    void dumpShowsTheTree();
    void describeListsEveryButton();
    void newFromTemplateBuilds_data();
    void newFromTemplateBuilds();
    void drawFillsMissingPictures();
    void refusesToOverwrite_data();
    void refusesToOverwrite();
    void drawsWithoutADisplay_data();
    void drawsWithoutADisplay();
    void deriveReplacesShapesInUseOnlyWithForce();
    void fitPrintsWhatItChanged();
    void notAProject_data();
    void notAProject();
    void cannotOpen_data();
    void cannotOpen();
    void outputNamingTheInputIsRefused_data();
    void outputNamingTheInputIsRefused();
    void outputTargets_data();
    void outputTargets();
    void damagedProjectsAreNeverRead_data();
    void damagedProjectsAreNeverRead();
    void fullDiskIsReported_data();
    void fullDiskIsReported();
    void checkAgreesWithBuildFromAnyFolder();
    void reportsOfOddNames_data();
    void reportsOfOddNames();
    void usage_data();
    void usage();
    void usageErrors_data();
    void usageErrors();
    void everyOptionIsDocumented_data();
    void everyOptionIsDocumented();
    void readKeys_data();
    void readKeys();
    void importKleBuildsAtOnce();
    void importKleRefusesAndWritesNothing_data();
    void importKleRefusesAndWritesNothing();
    void exportKleComesBack();

private:
    QTemporaryDir m_dir;
    QString m_picture;
    QString m_valid;
};

void TestSkinTool::initTestCase()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("pics"));
    QDir(m_dir.path()).mkpath(QStringLiteral("proj"));
    m_picture = m_dir.filePath(QStringLiteral("pics/k.gif"));
    writeFile(m_picture, "GIF89a-picture-bytes");
    SkinProject project;
    makeValidProject(project, m_picture);
    m_valid = m_dir.filePath(QStringLiteral("proj/valid.vsp"));
    saveProjectFile(project, m_valid);
}

void TestSkinTool::newWritesTheFreshProject()
{
    const ToolRun run = runTool({QStringLiteral("new"), QStringLiteral("fresh.vsp")}, {.workingDirectory = m_dir.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(readFile(m_dir.filePath(QStringLiteral("fresh.vsp"))),
             readFile(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp")));
}

void TestSkinTool::buildWritesTheSkinBesideTheProject()
{
    ToolRun run = runTool({QStringLiteral("build"), m_valid});
    QCOMPARE(run.exitCode, 0);
    // Its picture is no picture at all: warned about, but the skin is written.
    QCOMPARE(run.err.count(QStringLiteral(": warning: ")), run.err.count(u'\n'));
    QVERIFY2(run.err.contains(QStringLiteral("valid.vsp: warning: Portrait/Layout0: The picture file")), qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("[picture-format]\n")));
    const QByteArray skin = readFile(m_dir.filePath(QStringLiteral("proj/valid.vsk")));
    QVERIFY(skin.startsWith("\x0cVELKARI_SKIN"));
    QCOMPARE(skin.count("GIF89a-picture-bytes"), 4);

    const QString other = m_dir.filePath(QStringLiteral("elsewhere.vsk"));
    run = runTool({QStringLiteral("build"), m_valid, QStringLiteral("-o"), other});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(other), skin);
}

void TestSkinTool::buildStopsAtTheFirstFailingRule()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    project.layoutList(Landscape).at(0)->rows.at(1)->buttons.at(0)->width = 1;
    project.layoutList(HiResPortrait).at(0)->picFileName.clear();
    const QString path = m_dir.filePath(QStringLiteral("proj/broken.vsp"));
    saveProjectFile(project, path);
    const QString skin = m_dir.filePath(QStringLiteral("proj/broken.vsk"));
    writeFile(skin, "old");
    const ToolRun run = runTool({QStringLiteral("build"), path});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QStringLiteral("velkari-skin: The layout \"Landscape->Layout1\" row 1 has invalid width(121).\n"));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(readFile(skin), QByteArray("old"));
}

void TestSkinTool::checkListsEveryFailingLayout_data()
{
    QTest::addColumn<bool>("brokenPicture");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    const QString error = QStringLiteral(
        "%P: error: Portrait/Letters: Cannot Open the picture file \"%D/nope.bmp\". [picture-unreadable]\n");
    const QString warning = QStringLiteral(
        "%P: warning: Landscape/Calculator/row 0/key 1: The calculator key code 40 is not one of 0 to 39; choose the "
        "key's function again. [code-out-of-range]\n");
    QTest::newRow("text") << true << QStringList{} << 1 << error + warning + "1 errors, 1 warnings\n";
    QTest::newRow("warnings only") << false << QStringList{"--format", "text"} << 0 << warning + "0 errors, 1 warnings\n";
    QTest::newRow("warnings only, strict") << false << QStringList{"--strict"} << 1 << warning + "0 errors, 1 warnings\n";
    QTest::newRow("json") << true << QStringList{"--format=json"} << 1
                          << R"({"file": "%P", "errors": 1, "warnings": 1, "problems": [
                                 {"severity": "error", "code": "picture-unreadable", "shape": "Portrait", "layout": 0,
                                  "layoutName": "Letters", "row": null, "key": null,
                                  "message": "Cannot Open the picture file \"%D/nope.bmp\"."},
                                 {"severity": "warning", "code": "code-out-of-range", "shape": "Landscape", "layout": 2,
                                  "layoutName": "Calculator", "row": 0, "key": 1,
                                  "message": "The calculator key code 40 is not one of 0 to 39; choose the key's function again."}]})";
}

void TestSkinTool::checkListsEveryFailingLayout()
{
    QFETCH(bool, brokenPicture);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    SkinProject project;
    QVERIFY(loadProjectFile(project, QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp")));
    if (brokenPicture)
        project.layoutList(Portrait).at(0)->picFileName = m_dir.filePath(QStringLiteral("nope.bmp"));
    SkinButton &calculatorKey = *project.layoutList(Landscape).at(2)->rows.at(0)->buttons.at(1);
    QCOMPARE(calculatorKey.flags, ButtonFlagCalculator);
    calculatorKey.charCode = 40;
    const QString path = m_dir.filePath(QStringLiteral("proj/check.vsp"));
    saveProjectFile(project, path);
    output.replace(QLatin1String("%P"), path).replace(QLatin1String("%D"), m_dir.path());

    const ToolRun run = runTool(QStringList{QStringLiteral("check"), path} + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    if (options.contains(QStringLiteral("--format=json"))) {
        QJsonParseError error;
        const QJsonDocument expected = QJsonDocument::fromJson(output.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()), expected);
    } else {
        QCOMPARE(run.out, output);
    }
}

void TestSkinTool::checkJsonSaysTheWidthARowNeeds()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    project.layoutList(Portrait).at(0)->rows.at(1)->buttons.at(0)->width -= 6;
    const QString path = m_dir.filePath(QStringLiteral("proj/narrow.vsp"));
    saveProjectFile(project, path);
    const ToolRun run = runTool({QStringLiteral("check"), path, QStringLiteral("--format"), QStringLiteral("json")});
    QJsonObject problem;
    for (const QJsonValue &listed : QJsonDocument::fromJson(run.out.toUtf8())[QStringLiteral("problems")].toArray()) {
        if (listed[QStringLiteral("code")] == QStringLiteral("row-width"))
            problem = listed.toObject();
        else
            QVERIFY(!listed.toObject().contains(QStringLiteral("neededWidth")));
    }
    QCOMPARE(problem[QStringLiteral("message")].toString(),
             QStringLiteral("The layout \"Portrait->Layout0\" row 1 has invalid width(234)."));
    QCOMPARE(problem[QStringLiteral("neededWidth")].toInt(), 240);
    QCOMPARE(problem[QStringLiteral("widthDifference")].toInt(), 6);
}

void TestSkinTool::normalizeRepairsAndRelocates()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    SkinRow &row = *project.layoutList(Portrait).at(0)->rows.at(0);
    row.buttons.append(std::make_unique<SkinButton>()); // a second trailing placeholder
    const QString path = m_dir.filePath(QStringLiteral("proj/messy.vsp"));
    saveProjectFile(project, path);

    const QString out = m_dir.filePath(QStringLiteral("out/clean.vsp"));
    QDir(m_dir.path()).mkpath(QStringLiteral("out"));
    ToolRun run = runTool({QStringLiteral("normalize"), path, QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, 0);
    SkinProject clean;
    QVERIFY(loadProjectFile(clean, out));
    QCOMPARE(clean.layoutList(Portrait).at(0)->rows.at(0)->buttons.count(), 3);
    QCOMPARE(clean.layoutList(Portrait).at(0)->picFileName, m_picture);
    QVERIFY(readFile(out).contains(QByteArray("1\0,\0\\\0p\0i\0c\0s\0", 14)));

    run = runTool({QStringLiteral("normalize"), path});
    QCOMPARE(run.exitCode, 0);
    SkinProject inPlace;
    QVERIFY(loadProjectFile(inPlace, path));
    QCOMPARE(readFile(path).size(), readFile(out).size());
}

void TestSkinTool::dumpShowsTheTree()
{
    ToolRun run = runTool({QStringLiteral("dump"), QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp")});
    QCOMPARE(run.exitCode, 0);
    QFile golden(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.dump.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    // Line by line, so that a failure names the first line that differs.
    QCOMPARE(run.out.split(u'\n'), QString::fromUtf8(golden.readAll()).split(u'\n'));

    QVERIFY(runTool({QStringLiteral("build"), m_valid}).exitCode == 0);
    run = runTool({QStringLiteral("dump"), m_dir.filePath(QStringLiteral("proj/valid.vsk"))});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(QStringLiteral("  PH (section, 1 entries, ")));
    QVERIFY(run.out.contains(QStringLiteral("    0 (section, 2 entries, ")));
    QVERIFY(run.out.contains(QStringLiteral("      P [20 bytes] = 47 49 46 38 39 61 2D 70 69 63 74 75 72 65 2D 62 ...\n")));
    QVERIFY(run.out.contains(QStringLiteral("        key 1: flags 0x0001 char 0x0000 vk 0x00 rect (120,20)-(240,40)\n")));
    QVERIFY(run.out.contains(QStringLiteral("        size 240 x 40\n")));
}

void TestSkinTool::describeListsEveryButton()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    project.helpFileName = QStringLiteral("Guide.htm");
    auto layout = makeValidLayout(QStringLiteral("Numbers"), m_picture, 1);
    SkinButton &key = *layout->rows.at(0)->buttons.at(0);
    key.caption = QStringLiteral("abc");
    key.flags = ButtonFlagChangeLayout | ButtonFlagReturn;
    key.charCode = 0;
    key.vk = 0x10;
    project.layoutList(Portrait).append(std::move(layout));
    const QString path = m_dir.filePath(QStringLiteral("proj/describe.vsp"));
    saveProjectFile(project, path);

    const ToolRun run = runTool({QStringLiteral("describe"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QStringLiteral("# Portrait, layout 0 \"Layout0\", row 0, button 0\n"
                                              "K0:\nSends Char:0000 and VK:00\nWidth:120\n"
                                              "# Portrait, layout 0 \"Layout0\", row 0, button 1\n")));
    QVERIFY(run.out.contains(QStringLiteral("# Portrait, layout 1 \"Numbers\", row 0, button 0\n"
                                            "abc:\nSends VK:10\nChanges the layout to: Layout0\nWidth:120\n"
                                            "Returns to previous layout\n")));
    QVERIFY(run.out.contains(QStringLiteral("# Portrait, layout 1 \"Numbers\", row 0, button 2\n:\nWidth:70\n")));
    // Four shapes of two rows of three buttons, and three more in the added layout.
    QCOMPARE(run.out.count(QStringLiteral("\n# ")) + 1, 4 * 2 * 3 + 3);
    QVERIFY(run.out.endsWith(QStringLiteral("# Hi-Res. Landscape, layout 0 \"Layout3\", row 1, button 2\n:\nWidth:70\n")));
}

void TestSkinTool::newFromTemplateBuilds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pictures");
    QTest::newRow("qwerty") << "qwerty" << 12;
    QTest::newRow("numeric, light") << "numeric" << 8;
}

// A template's project builds a skin at once: its pictures are drawn beside it.
void TestSkinTool::newFromTemplateBuilds()
{
    QFETCH(QString, name);
    QFETCH(int, pictures);
    const QString path = m_dir.filePath(name + QStringLiteral("/start.vsp"));
    QDir(m_dir.path()).mkpath(name);
    ToolRun run = runTool({QStringLiteral("new"), QStringLiteral("--template"), name, QStringLiteral("--theme"),
                       name == QLatin1String("qwerty") ? QStringLiteral("dark") : QStringLiteral("light"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QDir(m_dir.filePath(name + QStringLiteral("/start-pictures"))).entryList(QDir::Files).size(), pictures);
    run = runTool({QStringLiteral("build"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(readFile(m_dir.filePath(name + QStringLiteral("/start.vsk"))).startsWith("\x0cVELKARI_SKIN"));
}

// Layouts without a readable picture get one, the others keep theirs until --all; drawing again
// gives the same bytes.
void TestSkinTool::drawFillsMissingPictures()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    const QString bmp = m_dir.filePath(QStringLiteral("proj/own.bmp"));
    QImage own(240, 40, QImage::Format_RGB32);
    own.fill(Qt::darkGreen);
    QVERIFY(own.save(bmp));
    project.layoutList(Landscape).at(0)->picFileName = bmp;
    const QString path = m_dir.filePath(QStringLiteral("proj/draw.vsp"));
    saveProjectFile(project, path);

    ToolRun run = runTool({QStringLiteral("draw"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count(u'\n'), 3);
    SkinProject drawn;
    QVERIFY(loadProjectFile(drawn, path));
    QCOMPARE(drawn.layoutList(Landscape).at(0)->picFileName, bmp);
    const QString portrait = m_dir.filePath(QStringLiteral("proj/draw-pictures/portrait-layout0.gif"));
    QCOMPARE(drawn.layoutList(Portrait).at(0)->picFileName, portrait);
    QCOMPARE(QImage(portrait).size(), QSize(240, 40));
    const QByteArray first = readFile(portrait);

    run = runTool({QStringLiteral("draw"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(QStringLiteral("Every layout has a readable picture")));

    run = runTool({QStringLiteral("draw"), path, QStringLiteral("--all")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count(u'\n'), 4);
    QCOMPARE(readFile(portrait), first);
    QVERIFY(loadProjectFile(drawn, path));
    QCOMPARE(drawn.layoutList(Landscape).at(0)->picFileName,
             m_dir.filePath(QStringLiteral("proj/draw-pictures/landscape-layout1.gif")));
    QCOMPARE(runTool({QStringLiteral("build"), path}).exitCode, 0);
}

void TestSkinTool::refusesToOverwrite_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("existing"); // relative to the test folder
    QTest::newRow("new over a project") << QStringList{"new", "keep/keep.vsp"} << "keep/keep.vsp";
    QTest::newRow("new over a picture") << QStringList{"new", "--template", "calculator", "keep/calc.vsp"}
                                        << "keep/calc-pictures/landscape-number-pad.gif";
    QTest::newRow("draw over a file") << QStringList{"draw", "keep/draw.vsp"} << "keep/draw-pictures/portrait-layout0.gif";
}

// Without --force nothing is written when a file is in the way; with it the command goes through.
void TestSkinTool::refusesToOverwrite()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, existing);
    QDir dir(m_dir.filePath(QStringLiteral("keep")));
    dir.removeRecursively();
    QDir(m_dir.path()).mkpath(QStringLiteral("keep/draw-pictures"));
    QDir(m_dir.path()).mkpath(QStringLiteral("keep/calc-pictures"));
    SkinProject project;
    makeValidProject(project, m_picture);
    saveProjectFile(project, m_dir.filePath(QStringLiteral("keep/draw.vsp")));
    const QByteArray drawProject = readFile(m_dir.filePath(QStringLiteral("keep/draw.vsp")));
    writeFile(m_dir.filePath(existing), "mine");

    ToolRun run = runTool(arguments, {.workingDirectory = m_dir.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("exists; --force replaces it")), qPrintable(run.err));
    QCOMPARE(readFile(m_dir.filePath(existing)), QByteArray("mine"));
    QCOMPARE(readFile(m_dir.filePath(QStringLiteral("keep/draw.vsp"))), drawProject);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("keep/calc.vsp"))));

    run = runTool(arguments + QStringList{QStringLiteral("--force")}, {.workingDirectory = m_dir.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(readFile(m_dir.filePath(existing)) != QByteArray("mine"));
}

void TestSkinTool::drawsWithoutADisplay_data()
{
    QTest::addColumn<QString>("platform");
    QTest::newRow("no platform named") << "";
    QTest::newRow("a platform whose display is not there") << "xcb";
}

// Scripts and CI have no display: the commands that draw pick the offscreen platform themselves,
// whatever the environment names.
void TestSkinTool::drawsWithoutADisplay()
{
    QFETCH(QString, platform);
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("pad.vsp"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QCOMPARE(runTool({QStringLiteral("new"), QStringLiteral("--template"), QStringLiteral("numeric"), project},
                     {.environment = environment}).exitCode, 0);
    QCOMPARE(runTool({QStringLiteral("build"), project}, {.environment = environment}).exitCode, 0);
}

// The project is rewritten only when every target may be replaced; the derived shape builds.
void TestSkinTool::deriveReplacesShapesInUseOnlyWithForce()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    const QString path = m_dir.filePath(QStringLiteral("proj/derive.vsp"));
    saveProjectFile(project, path);
    const QByteArray before = readFile(path);

    ToolRun run = runTool({QStringLiteral("derive"), path, QStringLiteral("--from"), QStringLiteral("portrait")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("Landscape, Hi-Res. Portrait, Hi-Res. Landscape are in use; --force")),
             qPrintable(run.err));
    QCOMPARE(readFile(path), before);

    run = runTool({QStringLiteral("derive"), path, QStringLiteral("--from=Portrait"), QStringLiteral("--to"),
                   QStringLiteral("hires-landscape"), QStringLiteral("--force")});
    QCOMPARE(run.exitCode, 0);
    const QString picture = m_dir.filePath(QStringLiteral("proj/derive-pictures/hires-landscape-layout0.gif"));
    QCOMPARE(run.out, QStringLiteral("Hi-Res. Landscape: derived from Portrait\nHi-Res. Landscape/Layout0: drawn %1\n").arg(picture));
    SkinProject derived;
    QVERIFY(loadProjectFile(derived, path));
    const SkinLayout &layout = *derived.layoutList(HiResLandscape).at(0);
    QCOMPARE(layout.name, QStringLiteral("Layout0"));
    QCOMPARE(layout.picFileName, picture);
    QCOMPARE(RowKeyWidth(*layout.rows.at(1)), quint16(640));
    QCOMPARE(layout.rows.at(1)->height, quint16(40));
    QCOMPARE(derived.layoutList(Landscape).at(0)->name, QStringLiteral("Layout1"));
    QCOMPARE(runTool({QStringLiteral("build"), path}).exitCode, 0);
}

void TestSkinTool::fitPrintsWhatItChanged()
{
    SkinProject project;
    makeValidProject(project, m_picture);
    SkinLayout &layout = *project.layoutList(Landscape).at(0);
    layout.rows.at(0)->buttons.at(0)->width = 80;
    layout.rows.at(1)->buttons.removeAt(0);
    layout.rows.at(1)->buttons.removeAt(0);
    const QString path = m_dir.filePath(QStringLiteral("proj/fit.vsp"));
    saveProjectFile(project, path);
    const QStringList fitLayout{QStringLiteral("fit"), path, QStringLiteral("--shape"), QStringLiteral("landscape"),
                                QStringLiteral("--layout"), QStringLiteral("0")};

    ToolRun run = runTool(fitLayout);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Landscape/Layout1/row 0: 200 to 320 pixels\n"
                                     "Landscape/Layout1/row 1: left alone, it has no keys\n"));
    SkinProject fitted;
    QVERIFY(loadProjectFile(fitted, path));
    QCOMPARE(RowKeyWidth(*fitted.layoutList(Landscape).at(0)->rows.at(0)), quint16(320));
    const QByteArray saved = readFile(path);
    run = runTool(fitLayout);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.endsWith(QStringLiteral("Nothing was changed.\n")), qPrintable(run.out));
    QCOMPARE(readFile(path), saved);
}

void TestSkinTool::notAProject_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray skin("\x0cVELKARI_SKIN\0\0\0\0\0\0\0\0", 21);
    for (const char *command : {"build", "check", "normalize", "describe", "draw", "fit"}) {
        QTest::addRow("%s a skin file", command) << command << skin
                                                 << "velkari-skin: \"%1\" is a skin file, not a project; velkari-skin inspect reads it\n";
        QTest::addRow("%s a text file", command) << command << QByteArray("notes\n")
                                                 << "velkari-skin: Invalid Velkari Skin Project File! \"%1\"\n";
        // A project cut short is one, but damaged.
        QTest::addRow("%s truncated", command) << command << readFile(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp")).left(3000)
                                               << "velkari-skin: The project file \"%1\" is damaged: VELKARI_PRJFILE at offset 20 "
                                                  "claims 3342 bytes, but only 2976 remain in the file.\n";
    }
    QTest::newRow("dump garbage") << "dump" << QByteArray("\xff garbage") << "velkari-skin: \"%1\" is not a container file.\n";
}

void TestSkinTool::notAProject()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("foreign.vsp"));
    writeFile(path, bytes);
    const ToolRun run = runTool({command, path});
    QCOMPARE(run.exitCode, 2);
    // Commands that draw start Qt's GUI layer, which may first warn about the environment.
    QVERIFY2(run.err.endsWith(message.arg(path)), qPrintable(run.err));
    QCOMPARE(readFile(path), bytes);
}

void TestSkinTool::cannotOpen_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    for (const char *command : {"build", "check", "normalize", "describe", "dump", "draw", "inspect", "fit"}) {
        QTest::addRow("%s a missing file", command) << command << "missing.vsp" << "No such file or directory";
        QTest::addRow("%s a folder", command) << command << "proj" << "Is a directory";
    }
    // Commands that take more than the file name.
    QTest::newRow("simulate a missing file") << "simulate missing.vsk tap:0,0" << "missing.vsk" << "No such file or directory";
    QTest::newRow("type into a folder") << "type proj abc" << "proj" << "Is a directory";
    QTest::newRow("derive a missing file") << "derive missing.vsp --from portrait" << "missing.vsp" << "No such file or directory";
    QTest::newRow("import-kle a missing layout") << "import-kle missing.json x.vsp" << "missing.json" << "No such file or directory";
    QTest::newRow("export-kle a missing project") << "export-kle missing.vsp --shape portrait --layout 0" << "missing.vsp"
                                                  << "No such file or directory";
}

void TestSkinTool::cannotOpen()
{
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    const QStringList arguments = command.contains(u' ') ? command.split(u' ') : QStringList{command, name};
    const ToolRun run = runTool(arguments, {.workingDirectory = m_dir.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.endsWith(QStringLiteral("velkari-skin: cannot open \"%1\": %2\n").arg(name, reason)), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestSkinTool::outputNamingTheInputIsRefused_data()
{
    QTest::addColumn<QString>("projectName");
    // P stands for the project, L for a link to it, K for its picture, KL for a link to the
    // picture and KH for another name of it (a hard link).
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input"); // the input the refusal names
    QTest::newRow("build -o the project") << "p.vsp" << QStringList{"build", "P", "-o", "P"} << "P";
    QTest::newRow("build -o a link to it") << "p.vsp" << QStringList{"build", "P", "-o", "L"} << "P";
    QTest::newRow("build beside a project named .vsk") << "p.vsk" << QStringList{"build", "P"} << "P";
    QTest::newRow("normalize -o a link to it") << "p.vsp" << QStringList{"normalize", "P", "--output", "L"} << "P";
    QTest::newRow("build -o its picture") << "p.vsp" << QStringList{"build", "P", "-o", "K"} << "K";
    QTest::newRow("build -o a link to its picture") << "p.vsp" << QStringList{"build", "P", "-o", "KL"} << "K";
    QTest::newRow("build -o another name of its picture") << "p.vsp" << QStringList{"build", "P", "-o", "KH"} << "K";
}

void TestSkinTool::outputNamingTheInputIsRefused()
{
    QFETCH(QString, projectName);
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QTemporaryDir dir;
    const QString project = dir.filePath(projectName);
    const QString picture = dir.filePath(QStringLiteral("k.gif"));
    writeFile(picture, "GIF89a-picture-bytes");
    SkinProject valid;
    makeValidProject(valid, picture);
    saveProjectFile(valid, project);
    QVERIFY(QFile::link(projectName, dir.filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(QStringLiteral("k.gif"), dir.filePath(QStringLiteral("picture link"))));
    QCOMPARE(::link(QFile::encodeName(picture).constData(), QFile::encodeName(dir.filePath(QStringLiteral("hard"))).constData()), 0);
    const QByteArray before = readFile(project);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    const QMap<QString, QString> names{{"P", projectName}, {"L", "link"}, {"K", picture}, {"KL", "picture link"}, {"KH", "hard"}};
    for (QString &argument : arguments)
        argument = names.value(argument, argument);

    const ToolRun run = runTool(arguments, {.workingDirectory = dir.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("is the input file \"%1\"; nothing was written").arg(names.value(input))),
             qPrintable(run.err));
    QCOMPARE(readFile(project), before);
    QCOMPARE(readFile(picture), QByteArray("GIF89a-picture-bytes"));
    QCOMPARE(fileType(dir.filePath(QStringLiteral("link"))), mode_t(S_IFLNK));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden), files);
}

void TestSkinTool::outputTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a named pipe") << "fifo" << 0 << "";
    QTest::newRow("a link to a skin") << "link" << 0 << "";
    QTest::newRow("a link to no file yet") << "dangling link" << 0 << "";
    QTest::newRow("a file in a read-only folder") << "read-only folder" << 0 << "";
    QTest::newRow("the null device") << "null" << 0 << "";
    QTest::newRow("/dev/stdout") << "/dev/stdout" << 0 << "";
    QTest::newRow("a full device") << "full" << 2 << "No space left on device";
    QTest::newRow("a folder") << "folder" << 2 << "Is a directory";
}

// Only a regular file (or a new name) is replaced through a temporary file; whatever else the
// output names keeps being what it was.
void TestSkinTool::outputTargets()
{
    QFETCH(QString, target);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);
    const QString reference = m_dir.filePath(QStringLiteral("reference.vsk"));
    QCOMPARE(runTool({QStringLiteral("build"), m_valid, QStringLiteral("-o"), reference}).exitCode, 0);
    const QByteArray skin = readFile(reference);

    QTemporaryDir dir;
    QString output = target;      // what -o names
    QString landsIn;              // where the skin must end up, when it is a file
    mode_t type = 0;              // what the name given to -o must still be afterwards
    QProcess reader;
    bool asNobody = false;
    if (target == QLatin1String("fifo")) {
        output = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(output).constData(), 0600), 0);
        reader.start(QStringLiteral("cat"), {output});
        QVERIFY(reader.waitForStarted());
        type = S_IFIFO;
    } else if (target.contains(QLatin1String("link"))) {
        landsIn = dir.filePath(QStringLiteral("real.vsk"));
        if (target == QLatin1String("link"))
            writeFile(landsIn, "old skin");
        output = dir.filePath(QStringLiteral("link.vsk"));
        QVERIFY(QFile::link(QStringLiteral("real.vsk"), output));
        type = S_IFLNK;
    } else if (target == QLatin1String("read-only folder")) {
        const QString folder = dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkpath(folder));
        output = landsIn = folder + QStringLiteral("/old.vsk");
        writeFile(output, "old skin");
        // The ordinary user must reach the project and its picture, and own the old skin.
        for (const QString &path : {m_dir.path(), dir.path()})
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                    | QFileDevice::ReadOther | QFileDevice::ExeOther));
        if (geteuid() == 0)
            QVERIFY(chown(QFile::encodeName(folder).constData(), Nobody, Nobody) == 0
                    && chown(QFile::encodeName(output).constData(), Nobody, Nobody) == 0);
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
        asNobody = true;
        type = S_IFREG;
    } else if (target == QLatin1String("folder")) {
        output = dir.path();
        type = S_IFDIR;
    } else if (target != QLatin1String("/dev/stdout")) {
        // The super-user gets devices of its own: a fault here must never replace the system's.
        output = QStringLiteral("/dev/") + target;
        if (geteuid() == 0) {
            output = dir.filePath(target);
            const dev_t device = makedev(1, target == QLatin1String("null") ? 3 : 7);
            QCOMPARE(mknod(QFile::encodeName(output).constData(), S_IFCHR | 0666, device), 0);
        }
        type = S_IFCHR;
    }
    const mode_t before = target.startsWith(u'/') ? fileType(output) : type;

    const ToolRun run = runTool({QStringLiteral("build"), m_valid, QStringLiteral("-o"), output}, {.ownProcess = true, .asNobody = asNobody});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QCOMPARE(fileType(output), before);
    if (target == QLatin1String("fifo")) {
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput(), skin);
    }
    if (!landsIn.isEmpty())
        QCOMPARE(readFile(landsIn), skin);
    if (target == QLatin1String("/dev/stdout"))
        QCOMPARE(run.outBytes, skin);
}

void TestSkinTool::damagedProjectsAreNeverRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("damage");
    const QByteArray valid = readFile(m_valid);
    QTest::newRow("a negative count") << QByteArray(valid).replace(16, 4, QByteArray("\xfb\xff\xff\xff", 4))
                                      << "VELKARI_PRJFILE at offset 16 claims -5 entries";
    QTest::newRow("bytes after the project") << valid + QByteArray(3, '\0')
                                             << QStringLiteral("the file ends with 3 bytes at offset %1 that are not a whole entry")
                                                    .arg(valid.size());
}

// Every command refuses a damaged project, naming where it is damaged, and writes nothing.
void TestSkinTool::damagedProjectsAreNeverRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, damage);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.vsp"));
    writeFile(path, bytes);
    const QString message = QStringLiteral("The project file \"damaged.vsp\" is damaged: ") + damage;
    const QList<QStringList> commands{{"check"}, {"normalize"}, {"normalize", "-o", "out.vsp"}, {"build"},
                                      {"build", "-o", "out.vsk"}, {"describe"}, {"draw", "--all"}, {"dump"},
                                      {"simulate", "key:0,0"}, {"type", "a"}, {"check", "--format", "json"}};
    for (QStringList arguments : commands) {
        arguments.insert(1, QStringLiteral("damaged.vsp"));
        const ToolRun run = runTool(arguments, {.workingDirectory = dir.path()});
        QCOMPARE(run.exitCode, 2);
        if (arguments.contains(QStringLiteral("json"))) {
            const QJsonObject report = QJsonDocument::fromJson(run.outBytes).object();
            QCOMPARE(report.keys(), QStringList{QStringLiteral("damaged")});
            QVERIFY2(report.value(QLatin1String("damaged")).toString().startsWith(message), qPrintable(run.out));
        } else {
            // dump names no kind of file: it shows any container.
            const QString said = arguments.first() == QLatin1String("dump")
                ? QString(message).replace(QLatin1String("project file"), QLatin1String("file"))
                : message;
            QVERIFY2(run.err.contains(QStringLiteral("velkari-skin: ") + said),
                     qPrintable(arguments.join(u' ') + QStringLiteral(": ") + run.err));
        }
        QCOMPARE(readFile(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("damaged.vsp")});
    }
}

void TestSkinTool::fullDiskIsReported_data()
{
    QTest::addColumn<QStringList>("arguments"); // run in a folder holding old.vsp, new.vsp and its pictures
    QTest::addColumn<bool>("asNobody");         // in a folder nobody may write: in place
    QTest::newRow("new over a project") << QStringList{"new", "--force", "old.vsp"} << false;
    QTest::newRow("new from a template") << QStringList{"new", "--template", "numeric", "pad.vsp"} << false;
    QTest::newRow("normalize") << QStringList{"normalize", "new.vsp"} << false;
    QTest::newRow("normalize -o") << QStringList{"normalize", "new.vsp", "-o", "out.vsp"} << false;
    QTest::newRow("build") << QStringList{"build", "new.vsp"} << false;
    QTest::newRow("draw") << QStringList{"draw", "new.vsp", "--all"} << false;
    QTest::newRow("normalize -o in place") << QStringList{"normalize", "new.vsp", "-o", "old.vsp"} << true;
}

// A write that fails (here past a file size limit, as on a full disk) is reported with the file
// and the reason, and every file is left either as it was or whole.
void TestSkinTool::fullDiskIsReported()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, asNobody);
    const auto prepare = [&](const QTemporaryDir &dir) {
        writeFile(dir.filePath(QStringLiteral("old.vsp")), "an old project");
        const QString picture = dir.filePath(QStringLiteral("k.gif"));
        writeFile(picture, "GIF89a-picture-bytes");
        SkinProject project;
        makeValidProject(project, picture);
        // A second "New" cell, which normalize removes.
        project.layoutList(Portrait).at(0)->rows.at(0)->buttons.append(std::make_unique<SkinButton>());
        saveProjectFile(project, dir.filePath(QStringLiteral("new.vsp")));
        if (!asNobody)
            return;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther));
        const QByteArray old = QFile::encodeName(dir.filePath(QStringLiteral("old.vsp")));
        QVERIFY(::chmod(old.constData(), 0666) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0555) == 0);
    };
    QTemporaryDir whole;
    prepare(whole);
    const QMap<QString, QByteArray> before = folderContents(whole.path());
    QCOMPARE(runTool(arguments, {.workingDirectory = whole.path(), .asNobody = asNobody}).exitCode, 0);
    const QMap<QString, QByteArray> after = folderContents(whole.path());
    qint64 largest = 0;
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (before.value(it.key()) != it.value())
            largest = qMax(largest, qint64(it.value().size()));
    }
    QVERIFY(largest > 0);

    for (const qint64 limit : {qint64(0), largest / 2, largest - 1}) {
        QTemporaryDir dir;
        prepare(dir);
        const ToolRun run = runTool(arguments, {.workingDirectory = dir.path(), .asNobody = asNobody, .fileSizeLimit = limit});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QLatin1String("An error occurred while writing \"")) && run.err.contains(QLatin1String("File too large")),
                 qPrintable(run.err));
        const QMap<QString, QByteArray> left = folderContents(dir.path());
        for (auto it = left.begin(); it != left.end(); ++it) {
            QVERIFY2((before.contains(it.key()) && it.value() == before.value(it.key())) || it.value() == after.value(it.key()),
                     qPrintable(QStringLiteral("limit %1: %2 is neither as it was nor whole").arg(limit).arg(it.key())));
        }
        QVERIFY(QSet<QString>(left.keyBegin(), left.keyEnd()).subtract(QSet<QString>(after.keyBegin(), after.keyEnd())).isEmpty());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QFile::setPermissions(whole.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A picture path without the project's "N," form is used as it stands, so from the working
// folder: from anywhere, check has an error exactly where build fails, and draw draws only the
// pictures it cannot read from there.
void TestSkinTool::checkAgreesWithBuildFromAnyFolder()
{
    QImage picture(240, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(m_dir.filePath(QStringLiteral("pics/real.bmp"))));
    SkinProject project;
    makeValidProject(project, m_dir.filePath(QStringLiteral("pics/real.bmp")));
    project.layoutList(Landscape).at(0)->picFileName = QStringLiteral("pics/real.bmp");
    const QString path = m_dir.filePath(QStringLiteral("proj/relative.vsp"));
    saveProjectFile(project, path);
    QTemporaryDir elsewhere;
    const QByteArray saved = readFile(path);
    for (const QString &folder : {m_dir.path(), elsewhere.path()}) {
        const bool found = folder == m_dir.path();
        const ToolRun check = runTool({QStringLiteral("check"), path}, {.workingDirectory = folder});
        QCOMPARE(check.exitCode, found ? 0 : 1);
        QVERIFY2(check.out.contains(QStringLiteral("Landscape/Layout1: The picture path \"pics/real.bmp\" is relative")),
                 qPrintable(check.out));
        QCOMPARE(runTool({QStringLiteral("build"), path, QStringLiteral("-o"), QStringLiteral("/dev/null")}, {.workingDirectory = folder}).exitCode,
                 found ? 0 : 1);
        QCOMPARE(runTool({QStringLiteral("draw"), path, QStringLiteral("--format"), QStringLiteral("bmp")}, {.workingDirectory = folder}).exitCode, 0);
        SkinProject drawn;
        QVERIFY(loadProjectFile(drawn, path));
        for (int shape = 0; shape < ScreenShapeCount; ++shape) {
            const QString picture = drawn.layoutList(shape).at(0)->picFileName;
            QCOMPARE(picture.contains(QLatin1String("/relative-pictures/")), shape == Landscape && !found);
        }
        writeFile(path, saved);
    }
}

void TestSkinTool::reportsOfOddNames_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("text") << QStringList{};
    QTest::newRow("json") << QStringList{"--format", "json"};
}

// A layout name with a line break keeps the text report one line per problem, and one with half
// a surrogate pair keeps the JSON report Unicode.
void TestSkinTool::reportsOfOddNames()
{
    QFETCH(QStringList, options);
    SkinProject project;
    makeValidProject(project, m_picture);
    project.layoutList(Portrait).at(0)->name = QStringLiteral("two\nlines");
    project.layoutList(Landscape).at(0)->name = QStringLiteral("half ") + QChar(0xD800);
    const QString path = m_dir.filePath(QStringLiteral("proj/odd.vsp"));
    saveProjectFile(project, path);
    const ToolRun run = runTool(QStringList{QStringLiteral("check"), path} + options);
    QCOMPARE(run.exitCode, 0);
    if (options.isEmpty()) {
        QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.takeLast().endsWith(QLatin1String(" warnings")));
        for (const QString &line : lines)
            QVERIFY2(line.startsWith(path + QStringLiteral(": warning: ")), qPrintable(line));
        QVERIFY2(run.out.contains(QStringLiteral("Portrait/two\\nlines: ")), qPrintable(run.out));
        return;
    }
    QVERIFY(!run.out.contains(QLatin1String("\\ud800")));
    QStringList names;
    for (const QJsonValue problem : QJsonDocument::fromJson(run.outBytes).object().value(QLatin1String("problems")).toArray())
        names << problem.toObject().value(QLatin1String("layoutName")).toString();
    QVERIFY(names.contains(QStringLiteral("two\nlines")));
    QVERIFY(names.contains(QStringLiteral("half \uFFFD")));
}

void TestSkinTool::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("inOutput");
    QTest::newRow("general help") << QStringList{"--help"} << 0 << "Exit codes: 0";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "velkari-skin " VELKARI_VERSION "\n";
    QTest::newRow("command help") << QStringList{"build", "--help"} << 0 << "velkari-skin build PROJECT.vsp [-o SKIN.vsk]";
    QTest::newRow("help word before a command") << QStringList{"help", "derive"} << 0 << "Usage: velkari-skin derive PROJECT.vsp";
    QTest::newRow("help word before no command") << QStringList{"help", "frob"} << 2 << "unknown command \"frob\"";
    QTest::newRow("help after a wrong option") << QStringList{"check", "--frob", "--help"} << 0 << "Usage: velkari-skin check";
    QTest::newRow("templates lists") << QStringList{"templates"} << 0 << "qwertz      German letters";
    QTest::newRow("unwritable output") << QStringList{"new", "/nonexistent-folder/x.vsp"} << 2 << "/nonexistent-folder/x.vsp";
    QTest::newRow("template into no folder") << QStringList{"new", "--template", "numeric", "/nonexistent-folder/x.vsp"} << 2
                                             << "/nonexistent-folder/x-pictures";
}

void TestSkinTool::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, inOutput);
    const ToolRun run = runTool(arguments, {.workingDirectory = m_dir.path()});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.out + run.err).contains(inOutput), qPrintable(run.out + run.err));
}

void TestSkinTool::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem"); // the start of the first line, after the tool's name
    QTest::newRow("nothing") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command \"frobnicate\"";
    QTest::newRow("missing file") << QStringList{"build"} << "build needs PROJECT.vsp";
    QTest::newRow("missing file and option") << QStringList{"read-keys", "--layout", "0"} << "read-keys needs PROJECT.vsp and --shape";
    QTest::newRow("two files") << QStringList{"check", "a.vsp", "b.vsp"} << "unexpected argument \"b.vsp\"";
    QTest::newRow("-- ends the options") << QStringList{"check", "--", "--strict", "b.vsp"} << "unexpected argument \"b.vsp\"";
    QTest::newRow("-o without path") << QStringList{"build", "a.vsp", "-o"} << "--output needs a value";
    QTest::newRow("-o on check") << QStringList{"check", "a.vsp", "-o", "x"} << "unknown option \"-o\"";
    QTest::newRow("given twice") << QStringList{"check", "a.vsp", "--strict", "--strict"} << "--strict given twice";
    QTest::newRow("a flag with a value") << QStringList{"check", "a.vsp", "--strict=yes"} << "--strict takes no value";
    QTest::newRow("unknown report format") << QStringList{"check", "a.vsp", "--format", "xml"}
                                           << "unknown format \"xml\"; the formats are text and json";
    QTest::newRow("unknown picture format") << QStringList{"draw", "a.vsp", "--format=png"}
                                            << "unknown format \"png\"; the formats are gif and bmp";
    QTest::newRow("unknown template") << QStringList{"new", "--template", "dvorak", "x.vsp"}
                                      << "unknown template \"dvorak\"; the templates are qwerty, ";
    QTest::newRow("theme without template") << QStringList{"new", "--theme", "light", "x.vsp"} << "--theme needs --template";
    QTest::newRow("unknown theme") << QStringList{"draw", "a.vsp", "--theme", "pink"} << "unknown theme \"pink\"; the themes are dark and light";
    QTest::newRow("derive without --from") << QStringList{"derive", "a.vsp"} << "derive needs --from";
    QTest::newRow("derive onto its source") << QStringList{"derive", "a.vsp", "--from", "landscape", "--to", "Landscape"}
                                            << "--to names the --from shape, Landscape";
    QTest::newRow("fit --layout without --shape") << QStringList{"fit", "a.vsp", "--layout", "0"} << "--layout needs --shape";
    QTest::newRow("fit an unknown shape") << QStringList{"fit", "a.vsp", "--shape", "square"}
                                          << "unknown shape \"square\"; the shapes are portrait, landscape, hires-portrait and "
                                             "hires-landscape, or their display names";
    QTest::newRow("a layout before the first") << QStringList{"fit", "a.vsp", "--shape", "portrait", "--layout", "-1"}
                                               << "--layout takes a layout's position, counted from 0, not \"-1\"";
    QTest::newRow("import-kle into no shape") << QStringList{"import-kle", "a.json", "p.vsp", "--shape", "round"}
                                              << "unknown shape \"round\"";
    QTest::newRow("export-kle without a shape") << QStringList{"export-kle", "p.vsp", "--layout", "0"} << "export-kle needs --shape";
    QTest::newRow("templates with an argument") << QStringList{"templates", "x"} << "unexpected argument \"x\"";
}

// A usage error names the problem after the tool's name, then the command's usage (the general
// help without a command), and does nothing.
void TestSkinTool::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const ToolRun run = runTool(arguments, {.workingDirectory = m_dir.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(QStringLiteral("velkari-skin: ") + problem), qPrintable(run.err));
    const QString rest = run.err.mid(run.err.indexOf(u'\n') + 1);
    const auto command = std::find_if(cliCommands().begin(), cliCommands().end(),
                                      [&](const CliCommand &c) { return arguments.value(0) == QLatin1String(c.name); });
    if (command == cliCommands().end())
        QVERIFY2(rest.startsWith(QStringLiteral("\nUsage: velkari-skin COMMAND [ARGUMENTS]\n")), qPrintable(rest));
    else
        QCOMPARE(rest, QStringLiteral("Usage: velkari-skin %1\nvelkari-skin %2 --help says more.\n").arg(command->synopsis, command->name));
}

// What the parser takes, the help, the manual page and the completion all know.
void TestSkinTool::everyOptionIsDocumented_data()
{
    QTest::addColumn<int>("index");
    for (qsizetype i = 0; i < cliCommands().size(); ++i)
        QTest::newRow(cliCommands().at(i).name) << int(i);
}

void TestSkinTool::everyOptionIsDocumented()
{
    QFETCH(int, index);
    const CliCommand &command = cliCommands().at(index);
    const QString synopsis = QString::fromLatin1(command.synopsis);
    const ToolRun help = runTool({QString::fromLatin1(command.name), QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: velkari-skin ") + synopsis + u'\n'));
    for (const char *argument : command.arguments)
        QVERIFY2(synopsis.contains(QLatin1String(argument)), argument);

    const QString manual = QString::fromUtf8(readFile(QStringLiteral(VELKARI_SOURCE_DIR "/data/man/velkari-skin.1.in")));
    const QString completion = QString::fromUtf8(readFile(QStringLiteral(VELKARI_SOURCE_DIR "/data/completion/velkari-skin")));
    QStringList completed;
    static const QRegularExpression cases(QStringLiteral("^ *([a-z| -]+)\\) options=\"([^\"]*)\""), QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : cases.globalMatch(completion)) {
        if (match.captured(1).split(u'|').replaceInStrings(QStringLiteral(" "), QString()).contains(QLatin1String(command.name)))
            completed = match.captured(2).split(u' ');
    }
    QStringList options;
    for (const CliOption &option : command.options) {
        const QString name = QString::fromLatin1(option.shortName ? option.shortName : option.name);
        QVERIFY2(synopsis.contains(name), option.name);
        QVERIFY2(manual.contains(QString::fromLatin1(option.name).replace(u'-', QStringLiteral("\\-"))), option.name);
        options << QString::fromLatin1(option.name);
        if (option.shortName)
            options << QString::fromLatin1(option.shortName);
    }
    std::sort(options.begin(), options.end());
    std::sort(completed.begin(), completed.end());
    QCOMPARE(completed, options);
}

void TestSkinTool::readKeys_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // standard output, or a part of standard error
    QTest::addColumn<bool>("changed");
    const QStringList portrait1{"--shape", "portrait", "--layout", "1"};
    // The numeric template's Symbols layout, as its drawn picture shows it.
    const QString fiveKeys = QStringLiteral("{\"x\": 0, \"width\": 48}, {\"x\": 48, \"width\": 48}, "
                                            "{\"x\": 96, \"width\": 48}, {\"x\": 144, \"width\": 48}, "
                                            "{\"x\": 192, \"width\": 48}");
    const QString symbols = QStringLiteral("{\"width\": 240, \"height\": 80, \"rows\": ["
                                           "{\"y\": 0, \"height\": 20, \"keys\": [%1]}, "
                                           "{\"y\": 20, \"height\": 20, \"keys\": [%1]}, "
                                           "{\"y\": 40, \"height\": 20, \"keys\": [%1]}, "
                                           "{\"y\": 60, \"height\": 20, \"keys\": [{\"x\": 0, \"width\": 96}, "
                                           "{\"x\": 96, \"width\": 48}, {\"x\": 144, \"width\": 48}, "
                                           "{\"x\": 192, \"width\": 48}]}]}\n")
                                .arg(fiveKeys);
    QTest::newRow("dry run, json") << portrait1 + QStringList{"--dry-run", "--format", "json"} << 0 << symbols << false;
    // Its own picture gives the layout back unchanged.
    QTest::newRow("json, saved") << portrait1 + QStringList{"--format=json"} << 0 << symbols << false;
    QTest::newRow("another picture")
        << QStringList{"--shape", "Landscape", "--layout", "0", "--picture", "%D/keys-pictures/portrait-symbols.gif"} << 0
        << "240 x 80 pixels, 4 rows\n"
           "row 0: y 0, height 20, 5 keys (x+width): 0+48 48+48 96+48 144+48 192+48\n"
           "row 1: y 20, height 20, 5 keys (x+width): 0+48 48+48 96+48 144+48 192+48\n"
           "row 2: y 40, height 20, 5 keys (x+width): 0+48 48+48 96+48 144+48 192+48\n"
           "row 3: y 60, height 20, 4 keys (x+width): 0+96 96+48 144+48 192+48\n"
           "Set from the picture: 4 row heights, 19 key widths.\n"
           "Blank keys added: 3.\n"
        << true;
    QTest::newRow("no keys") << portrait1 + QStringList{"--picture", "%D/blank.bmp"} << 1 << "no keys were recognised" << false;
    QTest::newRow("not a picture") << portrait1 + QStringList{"--picture", "%D/pics/k.gif"} << 2 << "is not a picture" << false;
    QTest::newRow("no such layout") << QStringList{"--shape", "portrait", "--layout", "2"} << 2 << "Portrait has no layout 2"
                                    << false;
    QTest::newRow("no shape") << QStringList{"--layout", "0"} << 2 << "Usage: velkari-skin read-keys" << false;
}

// Only a run that reads keys and is not a dry run changes the project, and never its pictures.
void TestSkinTool::readKeys()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(bool, changed);
    const QString path = m_dir.filePath(QStringLiteral("keys.vsp"));
    QFile::remove(path);
    QCOMPARE(runTool({QStringLiteral("new"), QStringLiteral("--template"), QStringLiteral("numeric"),
                      QStringLiteral("--force"), path}).exitCode, 0);
    QImage blank(240, 80, QImage::Format_RGB32);
    blank.fill(Qt::gray);
    QVERIFY(blank.save(m_dir.filePath(QStringLiteral("blank.bmp"))));
    options.replaceInStrings(QStringLiteral("%D"), m_dir.path());
    const QByteArray before = readFile(path);

    const ToolRun run = runTool(QStringList{QStringLiteral("read-keys"), path} + options);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0)
        QCOMPARE(run.out, output);
    else
        QVERIFY2(run.err.contains(output), qPrintable(run.err));
    QCOMPARE(readFile(path) != before, changed);
    SkinProject project;
    QVERIFY(loadProjectFile(project, path));
    QVERIFY(project.layoutList(Landscape).at(0)->picFileName.endsWith(QStringLiteral("landscape-number-pad.gif")));
}

// A layout of the site becomes a layout in every shape, with pictures: the project builds at once.
void TestSkinTool::importKleBuildsAtOnce()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("kle"));
    const QString path = m_dir.filePath(QStringLiteral("kle/ansi.vsp"));
    ToolRun run = runTool({QStringLiteral("import-kle"), QStringLiteral(VELKARI_TEST_DATA "/kle/ansi-60.json"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Named keys (13): Backspace, Tab, Caps Lock, Enter, Shift (2), Ctrl (2), Win, "
                                             "Alt (2), Space, Menu\nBlank keys (1):\n  row 4, key 5 \"Fn\": not a key name\n")),
             qPrintable(run.out));
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("kle/ansi-pictures"))).entryList(QDir::Files).size(), 4);
    QCOMPARE(runTool({QStringLiteral("check"), path}).exitCode, 0);
    QCOMPARE(runTool({QStringLiteral("build"), path}).exitCode, 0);

    run = runTool({QStringLiteral("import-kle"), QStringLiteral(VELKARI_TEST_DATA "/kle/number-pad.json"), path,
                   QStringLiteral("--shape"), QStringLiteral("Portrait"), QStringLiteral("--name"), QStringLiteral("Pad")});
    QCOMPARE(run.exitCode, 0);
    SkinProject project;
    QVERIFY(loadProjectFile(project, path));
    QCOMPARE(project.layoutList(Portrait).count(), 2);
    QCOMPARE(project.layoutList(Landscape).count(), 1);
    QCOMPARE(project.layoutList(Portrait).at(1)->name, QStringLiteral("Pad"));
    QCOMPARE(QImage(project.layoutList(Portrait).at(1)->picFileName).size(), QSize(240, 6 * 20));
}

void TestSkinTool::importKleRefusesAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments"); // L stands for the layout file, P for the project
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<QString>("project"); // none, garbage or full (19 layouts in Portrait)
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("forceHelps");
    const QStringList plain{"import-kle", "L", "P"};
    QTest::newRow("not a layout") << plain << QByteArray("hello") << "none"
                                  << "is not a keyboard layout. Reading stopped at line 1, column 1: Unexpected word" << false;
    QTest::newRow("rotated key") << plain << QByteArray("[[{r:5},'a']]") << "none"
                                 << "cannot be imported; nothing was written:\n  row 0, key 0 (\"a\"): it is rotated by 5 degrees"
                                 << false;
    QTest::newRow("not a project") << plain << QByteArray("[['a']]") << "garbage"
                                   << "is not a skin project; --force replaces it" << true;
    QTest::newRow("a 20th layout") << plain + QStringList{"--shape", "portrait"} << QByteArray("[['a']]") << "full"
                                   << "Portrait holds 19 layouts already" << false;
    QTest::newRow("the layout is the project") << QStringList{"import-kle", "L", "L"} << QByteArray("[['a']]") << "none"
                                               << "is the input file" << false;
}

void TestSkinTool::importKleRefusesAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, layout);
    QFETCH(QString, project);
    QFETCH(QString, message);
    QFETCH(bool, forceHelps);
    QTemporaryDir dir;
    const QString layoutPath = dir.filePath(QStringLiteral("layout.json"));
    const QString projectPath = dir.filePath(QStringLiteral("p.vsp"));
    writeFile(layoutPath, layout);
    if (project == QLatin1String("garbage")) {
        writeFile(projectPath, "not a project");
    } else if (project == QLatin1String("full")) {
        SkinProject full;
        for (int i = 0; i < 19; ++i)
            full.layoutList(Portrait).append(std::make_unique<SkinLayout>());
        NormalizeProject(full);
        saveProjectFile(full, projectPath);
    }
    const QByteArray before = QFile::exists(projectPath) ? readFile(projectPath) : QByteArray();
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^L$")), layoutPath);
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^P$")), projectPath);

    ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(QFile::exists(projectPath) ? readFile(projectPath) : QByteArray(), before);
    QCOMPARE(readFile(layoutPath), layout);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("p-pictures"))));
    if (forceHelps)
        QCOMPARE(runTool(arguments + QStringList{QStringLiteral("--force")}).exitCode, 0);
}

// Exported, imported into another project and exported again, a layout reads the same.
void TestSkinTool::exportKleComesBack()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.vsp"));
    const QString second = dir.filePath(QStringLiteral("second.vsp"));
    const QString json = dir.filePath(QStringLiteral("layout.json"));
    const QStringList where{QStringLiteral("--shape"), QStringLiteral("landscape"), QStringLiteral("--layout"), QStringLiteral("0")};
    QCOMPARE(runTool({QStringLiteral("import-kle"), QStringLiteral(VELKARI_TEST_DATA "/kle/iso-60-raw.txt"), first}).exitCode, 0);
    const ToolRun exported = runTool(QStringList{QStringLiteral("export-kle"), first} + where);
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(QJsonDocument::fromJson(exported.outBytes).isArray());
    QCOMPARE(runTool(QStringList{QStringLiteral("export-kle"), first, QStringLiteral("-o"), json} + where).exitCode, 0);
    QCOMPARE(readFile(json), exported.outBytes);

    QCOMPARE(runTool({QStringLiteral("import-kle"), json, second, QStringLiteral("--shape"), QStringLiteral("landscape")}).exitCode, 0);
    QCOMPARE(runTool(QStringList{QStringLiteral("export-kle"), second} + where).outBytes, exported.outBytes);

    ToolRun refused = runTool(QStringList{QStringLiteral("export-kle"), first, QStringLiteral("-o"), first} + where);
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(QStringLiteral("is the input file")), qPrintable(refused.err));
    refused = runTool({QStringLiteral("export-kle"), first, QStringLiteral("--shape"), QStringLiteral("portrait"),
                       QStringLiteral("--layout"), QStringLiteral("3")});
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(refused.err, QStringLiteral("velkari-skin: Portrait has no layout 3; its layouts are 0 to 0\n"));
}

QTEST_GUILESS_MAIN(TestSkinTool)
#include "tst_skintool.moc"
