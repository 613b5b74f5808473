#include "buttonfunctions.h"
#include "fuzzcases.h"
#include "projectfile.h"
#include "skinfile.h"
#include "testprojects.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;
using namespace velkari::test;

namespace {

const QByteArray PictureBytes("GIF89a\x10\x00\x08\x00 velkari seed picture", 31);

SkinButton *key(const QString &caption, quint16 width, quint16 flags, quint16 charCode, quint8 vk)
{
    return makeButton(caption, width, flags, charCode, vk).release();
}

// The row takes the keys and ends in its placeholder.
void addRow(SkinLayout &layout, quint16 height, std::initializer_list<SkinButton *> keys)
{
    auto row = std::make_unique<SkinRow>();
    row->height = height;
    for (SkinButton *k : keys)
        row->buttons.append(std::unique_ptr<SkinButton>(k));
    row->buttons.append(std::make_unique<SkinButton>());
    layout.rows.append(std::move(row));
}

std::unique_ptr<SkinLayout> makeLayout(const QString &name, const QString &picture, quint16 flags, qint8 dragUp)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = name;
    layout->picFileName = picture;
    layout->flags = flags;
    layout->dragUpLayout = dragUp;
    return layout;
}

// A project that passes every rule and uses every kind of key, the fuzz targets' richest seed:
// tests/data/valid-project.vsp saved beside its picture, and tests/data/valid-skin.vsk built from it.
void makeSeedProject(SkinProject &project, const QString &picture)
{
    project.resetToDefaults();
    project.textColor = 0x00112233;
    project.highlightColor = 0x00445566;
    project.helpFileName = QStringLiteral("Guide.htm");

    auto letters = makeLayout(QStringLiteral("Letters"), picture, LayoutFlagShortcuts | LayoutFlagResetOnHide, 1);
    addRow(*letters, 20, {key("q", 80, ButtonFlagCharacter, 'q', 'Q'), key("w", 80, ButtonFlagCharacter, 'w', 'W'),
                          key("e", 80, ButtonFlagCharacter | ButtonFlagAutoToggle | 0x1000, 'e', 'E')});
    addRow(*letters, 20, {key("123", 80, ButtonFlagChangeLayout | ButtonFlagReturn, 1, 0),
                          key("space", 160, ButtonFlagCharacter, 32, 32)});
    addRow(*letters, 24, {key("bs", 120, ButtonFlagCharacter | ButtonFlagNoRelease, 8, 8),
                          key(QStringLiteral("\u21b5"), 120, ButtonFlagCharacter, 13, 13)});
    project.layoutList(Portrait).append(std::move(letters));
    auto numbers = makeLayout(QStringLiteral("Numbers"), picture, LayoutFlagCalculator, -1);
    addRow(*numbers, 30, {key("7", 60, ButtonFlagCalculator, CalcDigit7, 0), key("+", 60, ButtonFlagCalculator, CalcAdd, 0),
                          key("=", 60, ButtonFlagCalculator, CalcEquals, 0), key("MR", 60, ButtonFlagCalculator, CalcMemoryRecall, 0)});
    project.layoutList(Portrait).append(std::move(numbers));

    auto tasks = makeLayout(QStringLiteral("Tasks"), picture, LayoutFlagTaskManager | LayoutFlagMacros, -1);
    addRow(*tasks, 18, {key("close", 100, ButtonFlagTaskManager, 2, TaskClose), key("today", 100, ButtonFlagTaskManager, 0, TaskGoToday),
                        key("rec", 60, ButtonFlagMacro, 3, MacroRecord), key("play", 60, ButtonFlagMacro, 3, MacroPlay)});
    addRow(*tasks, 18, {key("help", 160, ButtonFlagShortcut, 4, ShortcutHelp), key("games", 160, ButtonFlagShortcut, 1, ShortcutGames)});
    project.layoutList(Landscape).append(std::move(tasks));

    auto wide = makeLayout(QStringLiteral("Wide \u00dcn\u00ef\u20ac"), picture, LayoutFlagResetOnShow, 0);
    addRow(*wide, 40, {key(QStringLiteral("\u00e9"), 240, ButtonFlagCharacter, 0xE9, 0), key("", 240, 0, 0, 0x1B)});
    project.layoutList(HiResPortrait).append(std::move(wide));

    auto full = makeLayout(QStringLiteral("Six rows"), picture, 0, -1);
    for (quint16 r = 0; r < 6; ++r) {
        addRow(*full, quint16(16 + r), {});
        SkinRow &row = *full->rows.last();
        for (int k = 0; k < 8; ++k) {
            row.buttons.insertCopyAt(k, *makeButton(QStringLiteral("r%1k%2").arg(r).arg(k), 80, ButtonFlagCharacter,
                                                    quint16('a' + k), quint8('A' + k)));
        }
    }
    project.layoutList(HiResLandscape).append(std::move(full));
}

QStringList seedAndRegressionFiles()
{
    QStringList files;
    const QDir data(QStringLiteral(VELKARI_TEST_DATA));
    for (const QString &name : data.entryList({"*.bin", "*.vsp", "*.vsk"}, QDir::Files, QDir::Name))
        files.append(data.filePath(name));
    const QDir layouts(data.filePath(QStringLiteral("kle")));
    for (const QString &name : layouts.entryList(QDir::Files, QDir::Name))
        files.append(layouts.filePath(name));
    const QDir kept(data.filePath(QStringLiteral("fuzz-regressions")));
    for (const QString &name : kept.entryList(QDir::Files, QDir::Name))
        files.append(kept.filePath(name));
    return files;
}

} // namespace

// The inputs the fuzz targets start from and the ones they once failed on, run through the same
// checks as the targets run them.
class TestFuzzCases : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void seedsAreCurrent();
    void keptInputs_data();
    void keptInputs();

private:
    QTemporaryDir m_dir;
    QString m_picture;
};

void TestFuzzCases::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(seedAndRegressionFiles().size() >= 4);
    m_picture = m_dir.filePath(QStringLiteral("k.gif"));
    writeFile(m_picture, PictureBytes);
}

void TestFuzzCases::seedsAreCurrent()
{
    SkinProject project;
    makeSeedProject(project, m_picture);
    QCOMPARE(firstValidationFailure(project), QString());
    const QString projectPath = m_dir.filePath(QStringLiteral("seed.vsp"));
    saveProjectFile(project, projectPath);
    QCOMPARE(readFile(projectPath), readFile(QStringLiteral(VELKARI_TEST_DATA "/valid-project.vsp")));

    SkinProject reopened;
    QVERIFY(loadProjectFile(reopened, projectPath));
    const QString skinPath = skinFilePath(projectPath);
    writeSkinFile(reopened, skinPath);
    QCOMPARE(readFile(skinPath), readFile(QStringLiteral(VELKARI_TEST_DATA "/valid-skin.vsk")));
}

void TestFuzzCases::keptInputs_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const QString &file : seedAndRegressionFiles())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << readFile(file);
}

void TestFuzzCases::keptInputs()
{
    QFETCH(QByteArray, bytes);
    const QString container = fuzz::checkContainerBytes(bytes);
    QVERIFY2(container.isEmpty(), qPrintable(container));
    const QString project = fuzz::checkProjectBytes(bytes, m_picture);
    QVERIFY2(project.isEmpty(), qPrintable(project));
    const QString skin = fuzz::checkSkinBytes(bytes);
    QVERIFY2(skin.isEmpty(), qPrintable(skin));
    const QString layout = fuzz::checkKleBytes(bytes);
    QVERIFY2(layout.isEmpty(), qPrintable(layout));
}

QTEST_GUILESS_MAIN(TestFuzzCases)
#include "tst_fuzzcases.moc"
