#include "projectfile.h"
#include "testprojects.h"
#include "toolrunner.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;
using namespace velkari::test;

namespace {

const QString Pangram = QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789");

QJsonObject jsonOf(const ToolRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

// velkari-skin inspect, simulate and type on the example and on a skin of known keys.
class TestDeviceCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void typeThenSimulate_data();
    void typeThenSimulate();
    void inspect();
    void failures_data();
    void failures();

private:
    QTemporaryDir m_dir;
    QString m_example;
    QString m_exampleSkin;
    QString m_skin;
};

void TestDeviceCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_example = QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp");
    m_exampleSkin = m_dir.filePath(QStringLiteral("demo.vsk"));
    const ToolRun build = runTool({QStringLiteral("build"), m_example, QStringLiteral("-o"), m_exampleSkin});
    QVERIFY2(build.exitCode == 0, qPrintable(build.err));

    const QString picture = m_dir.filePath(QStringLiteral("k.bmp"));
    QVERIFY(QImage(240, 40, QImage::Format_RGB32).save(picture, "BMP"));
    SkinProject project;
    makeValidProject(project, picture);
    project.layoutList(Portrait).at(0)->dragUpLayout = 3;
    const QString projectPath = m_dir.filePath(QStringLiteral("valid.vsp"));
    saveProjectFile(project, projectPath);
    m_skin = m_dir.filePath(QStringLiteral("valid.vsk"));
    QCOMPARE(runTool({QStringLiteral("build"), projectPath, QStringLiteral("-o"), m_skin}).exitCode, 0);
}

void TestDeviceCommands::typeThenSimulate_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("fromProject");
    QTest::addColumn<bool>("json");
    QTest::newRow("portrait") << "portrait" << false << false;
    QTest::newRow("landscape") << "Landscape" << false << true;
    QTest::newRow("hires-portrait") << "hires-portrait" << false << false;
    QTest::newRow("hires-landscape") << "Hi-Res. Landscape" << false << false;
    QTest::newRow("the project, compiled in memory") << "hires-portrait" << true << true;
}

// The example types the pangram in every shape: type finds the presses, simulate types it.
void TestDeviceCommands::typeThenSimulate()
{
    QFETCH(QString, shape);
    QFETCH(bool, fromProject);
    QFETCH(bool, json);
    const QString input = fromProject ? m_example : m_exampleSkin;
    const ToolRun type = runTool({QStringLiteral("type"), input, QStringLiteral("--shape"), shape, Pangram});
    QVERIFY2(type.exitCode == 0, qPrintable(type.err));
    const QStringList presses = type.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(presses.size() > Pangram.size());

    QStringList arguments{QStringLiteral("simulate"), input, QStringLiteral("--shape"), shape};
    if (json)
        arguments << QStringLiteral("--format") << QStringLiteral("json");
    const ToolRun simulate = runTool(arguments + presses);
    QCOMPARE(simulate.exitCode, 0);
    if (json) {
        const QJsonObject result = jsonOf(simulate);
        QCOMPARE(result.value("text").toString(), Pangram);
        QCOMPARE(result.value("events").toArray().size(), presses.size());
        QCOMPARE(result.value("layout").toInt(), result.value("events").toArray().last()["layout"].toInt());
        QVERIFY(result.contains("display"));
    } else {
        const QStringList lines = simulate.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), presses.size() + 1);
        QCOMPARE(lines.last(), QStringLiteral("text: \"%1\"").arg(Pangram));
    }
}

void TestDeviceCommands::inspect()
{
    const ToolRun json = runTool({QStringLiteral("inspect"), m_skin, QStringLiteral("--format"), QStringLiteral("json")});
    QCOMPARE(json.exitCode, 0);
    const QJsonArray shapes = jsonOf(json).value("shapes").toArray();
    QCOMPARE(shapes.size(), 4);
    QCOMPARE(shapes[2]["name"].toString(), QStringLiteral("Hi-Res. Portrait"));
    const QJsonObject layout = shapes[0]["layouts"][0].toObject();
    QCOMPARE(layout.value("index").toInt(), 0);
    QCOMPARE(layout.value("flags").toInt(), 4);
    QCOMPARE(layout.value("dragUp").toInt(), 3);
    QVERIFY(shapes[1]["layouts"][0]["dragUp"].isNull());
    QCOMPARE(layout.value("picture").toObject(),
             (QJsonObject{{"bytes", QFileInfo(m_dir.filePath("k.bmp")).size()}, {"format", "bmp"}, {"width", 240}, {"height", 40}}));
    QVERIFY(layout.value("enter").isNull());
    QCOMPARE(layout.value("width").toInt(), 240);
    QCOMPARE(layout.value("height").toInt(), 40);
    const QJsonArray rows = layout.value("rows").toArray();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1][1].toObject(),
             (QJsonObject{{"flags", 1}, {"char", 0}, {"vk", 0}, {"rect", QJsonArray{120, 20, 240, 40}}}));

    const ToolRun text = runTool({QStringLiteral("inspect"), m_skin});
    QCOMPARE(text.exitCode, 0);
    QVERIFY2(text.out.contains(QStringLiteral("  layout 0: flags 0x0004, drag-up layout 3, 240 x 40 pixels\n"
                                              "    picture: %1 bytes, BMP 240 x 40\n"
                                              "    Enter none; Space none; Backspace none\n"
                                              "    key 0,0 at 0,0-120,20, flags 0x0001: Sends Char:0000 and VK:00\n")
                                   .arg(QFileInfo(m_dir.filePath("k.bmp")).size())),
             qPrintable(text.out));
}

void TestDeviceCommands::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString skin = QStringLiteral("%SKIN%");
    QTest::newRow("a character no key types") << QStringList{"type", skin, "Caf\u00e9s"} << 1
                                              << "cannot type \"\u00e9\" (U+00E9), character 4 of the text, in the shape \"Portrait\".";
    QTest::newRow("unknown event") << QStringList{"simulate", skin, "key:1"} << 2 << "unknown event \"key:1\"";
    QTest::newRow("unknown shape") << QStringList{"type", skin, "--shape", "round", "a"} << 2 << "unknown shape \"round\"";
    QTest::newRow("unknown format") << QStringList{"inspect", skin, "--format", "xml"} << 2 << "the formats are text and json";
    QTest::newRow("two texts") << QStringList{"type", skin, "a", "b"} << 2 << "unexpected argument \"b\"";
    // Named as it was typed, however the tool opened it.
    QTest::newRow("inspect reads skins only") << QStringList{"inspect", "%RELATIVE%"} << 2
                                              << "\"%RELATIVE%\" is not a skin file.\n";
    QTest::newRow("a missing file") << QStringList{"simulate", "%DIR%/none.vsk", "hide"} << 2 << "velkari-skin: cannot open";
}

void TestDeviceCommands::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    arguments.replaceInStrings(QStringLiteral("%SKIN%"), m_exampleSkin);
    arguments.replaceInStrings(QStringLiteral("%PROJECT%"), m_example);
    arguments.replaceInStrings(QStringLiteral("%DIR%"), m_dir.path());
    const QString relative = QDir::current().relativeFilePath(m_example);
    arguments.replaceInStrings(QStringLiteral("%RELATIVE%"), relative);
    message.replace(QLatin1String("%RELATIVE%"), relative);
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestDeviceCommands)
#include "tst_devicecommands.moc"
