#include "containerentry.h"
#include "projectfile.h"
#include "skinfile.h"
#include "testprojects.h"
#include "toolrunner.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <functional>

using namespace velkari;
using namespace velkari::test;

namespace {

const QByteArray PictureBytes("GIF89a\x10\x00\x08\x00 velkari seed picture", 31);

QByteArray u32(quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char *>(&le), 4);
}

QByteArray entry(const QByteArray &name, qint32 count, const QByteArray &body)
{
    return char(name.size()) + name + u32(quint32(count)) + u32(quint32(body.size())) + body;
}

// A container parsed as a tree, to be damaged and written out again.
struct Node
{
    QByteArray name;
    qint32 count = 0;
    QByteArray value;
    QList<Node> children;
    quint32 offset = 0; // of the name-length byte in the file
};

QList<Node> parseTree(QByteArrayView body, qint32 count, quint32 base)
{
    QList<Node> nodes;
    for (const ContainerEntry &e : listEntries(body, count)) {
        Node node{e.name.toByteArray(), e.count, {}, {}, base + e.offset};
        if (e.count > 0)
            node.children = parseTree(e.body, e.count, base + e.offset + 9 + quint32(e.name.size()));
        else
            node.value = e.body.toByteArray();
        nodes.append(node);
    }
    return nodes;
}

// `inner` inside `levels` sections named `name`, built outside in so that a deep chain costs
// no more than its size.
QByteArray nest(const QByteArray &name, int levels, const QByteArray &inner)
{
    const qsizetype header = 9 + name.size();
    QByteArray bytes;
    bytes.reserve(header * levels + inner.size());
    for (int level = 0; level < levels; ++level)
        bytes += char(name.size()) + name + u32(1) + u32(quint32(header * (levels - level - 1) + inner.size()));
    return bytes + inner;
}

QByteArray writeTree(const Node &node)
{
    if (node.count <= 0)
        return entry(node.name, node.count, node.value);
    QByteArray body;
    for (const Node &child : node.children)
        body += writeTree(child);
    return entry(node.name, qint32(node.children.size()), body);
}

void forEachNode(QList<Node> &nodes, const std::function<void(Node &)> &visit)
{
    for (Node &node : nodes) {
        visit(node);
        forEachNode(node.children, visit);
    }
}

QList<quint32> entryOffsets(const QByteArray &bytes)
{
    QList<Node> tree = parseTree(bytes, 1, 0);
    QList<quint32> offsets;
    forEachNode(tree, [&](Node &node) { offsets.append(node.offset); });
    return offsets;
}

// Every run in its own process, bounded in time and memory.
ToolRun boundedRun(const QStringList &arguments)
{
    return runTool(arguments, {.bounded = true});
}

} // namespace

// The command-line tool on damaged projects and skins: every run ends by itself with exit code
// 0, 1 or 2, within the limits on time and memory, and writes no output file when it fails.
class TestRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void damagedFiles_data();
    void damagedFiles();
    void oversizedProjectIsRefusedUnread();
    void pictureLimitIsARule_data();
    void pictureLimitIsARule();

private:
    void addVariant(const char *kind, const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
    QByteArray m_project;
    QByteArray m_skin;
    int m_variant = 0;
};

void TestRobustness::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The project's picture is "k.gif" beside it; every damaged copy is written there too.
    writeFile(m_dir.filePath(QStringLiteral("k.gif")), PictureBytes);
    m_project = readFile(QStringLiteral(VELKARI_TEST_DATA "/valid-project.vsp"));
    m_skin = readFile(QStringLiteral(VELKARI_TEST_DATA "/valid-skin.vsk"));
    QVERIFY(!m_project.isEmpty() && !m_skin.isEmpty());
    const QString undamaged = m_dir.filePath(QStringLiteral("undamaged.vsp"));
    writeFile(undamaged, m_project);
    const ToolRun run = boundedRun({QStringLiteral("build"), undamaged});
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.err));
}

void TestRobustness::addVariant(const char *kind, const QString &name, const QByteArray &bytes)
{
    QTest::addRow("%s %s", kind, qPrintable(name)) << QByteArray(kind) << bytes << m_variant++;
}

void TestRobustness::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("variant");

    const std::pair<const char *, QByteArray> originals[] = {{"project", m_project}, {"skin", m_skin}};
    for (const auto &[kind, original] : originals) {
        // Cut short: every offset in the first entries, then about thirty spread over the rest.
        const qsizetype size = original.size();
        for (qsizetype length = 0; length < size; length += length < 32 ? 1 : qMax<qsizetype>(1, size / 30))
            addVariant(kind, QStringLiteral("cut to %1").arg(length), original.left(length));

        QRandomGenerator random(0x5EED);
        for (int i = 0; i < 30; ++i) {
            QByteArray flipped = original;
            const int flips = 1 + i % 8;
            for (int f = 0; f < flips; ++f)
                flipped[random.bounded(int(size))] ^= char(1 << random.bounded(8));
            addVariant(kind, QStringLiteral("%1 bits flipped, #%2").arg(flips).arg(i), flipped);
        }

        // Counts and sizes an attacker would choose, in entries at every depth.
        const QList<quint32> offsets = entryOffsets(original);
        const qsizetype step = qMax<qsizetype>(1, offsets.size() / 12);
        for (qsizetype i = 0; i < offsets.size(); i += step) {
            const quint32 fields = offsets[i] + 1 + quint8(original[offsets[i]]);
            for (quint32 value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u}) {
                QByteArray count = original;
                count.replace(fields, 4, u32(value));
                addVariant(kind, QStringLiteral("count 0x%1 at %2").arg(value, 0, 16).arg(offsets[i]), count);
                QByteArray bodySize = original;
                bodySize.replace(fields + 4, 4, u32(value));
                addVariant(kind, QStringLiteral("size 0x%1 at %2").arg(value, 0, 16).arg(offsets[i]), bodySize);
            }
        }

        // Names of 0 and 255 characters in place of real ones, the file otherwise well-formed.
        for (qsizetype i = 0; i < offsets.size(); i += step) {
            for (int length : {0, 255}) {
                QList<Node> tree = parseTree(original, 1, 0);
                forEachNode(tree, [&](Node &node) {
                    if (node.offset == offsets[i])
                        node.name = QByteArray(length, 'n');
                });
                addVariant(kind, QStringLiteral("name of %1 at %2").arg(length).arg(offsets[i]), writeTree(tree.first()));
            }
        }
    }

    // Nesting deeper than the reader goes: in place of the first shape, and as a chain of
    // 100,000 sections, deeper than any stack would take if it were followed.
    QList<Node> tree = parseTree(m_project, 1, 0);
    QByteArray chain = entry("Width", 0, u32(70).left(2));
    for (int depth = 0; depth < 60; ++depth)
        chain = entry(depth % 2 ? "Arr0" : "RowButtons", 1, chain);
    for (Node &shape : tree.first().children) {
        if (shape.name == "Shape0")
            shape = Node{"Shape0", 1, {}, parseTree(entry("Arr0", 1, entry("Rows", 1, chain)), 1, 0), 0};
    }
    addVariant("project", QStringLiteral("60 levels in Shape0"), writeTree(tree.first()));
    const QByteArray deep = nest("n", 100000, entry("n", 0, {}));
    addVariant("project", QStringLiteral("100000 levels"), entry("VELKARI_PRJFILE", 1, deep));
    addVariant("skin", QStringLiteral("100000 levels"), entry("VELKARI_SKIN", 1, deep));

    // 17 MiB: noise, and millions of empty entries in a section 47 levels down, whose dump is
    // thirty times as long as the file.
    QByteArray noise(17 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    addVariant("skin", QStringLiteral("17 MiB of noise"), noise);
    const qint32 empties = 17 * 1024 * 1024 / 9;
    const QByteArray wide = nest("n", 46, entry({}, empties, QByteArray(qsizetype(empties) * 9, '\0')));
    addVariant("skin", QStringLiteral("17 MiB of empty entries"), entry("VELKARI_SKIN", 1, wide));
}

void TestRobustness::damagedFiles()
{
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, variant);

    const bool project = kind == "project";
    const QString input = m_dir.filePath(QStringLiteral("damaged.") + (project ? "vsp" : "vsk"));
    writeFile(input, bytes);
    const QString output = m_dir.filePath(QStringLiteral("output"));
    QFile::remove(output);

    // Every variant is opened and dumped; the commands that write take turns.
    QList<QStringList> commands{{"check", input}, {"dump", input}};
    if (project) {
        const QStringList writers[] = {{"normalize", input, "-o", output}, {"build", input, "-o", output}, {"describe", input}};
        commands.append(writers[variant % 3]);
    } else {
        const QStringList readers[] = {{"inspect", input, "--format", "json"},
                                       {"simulate", input, "key:0,0", "tap:1,1", "drag-up", "hide", "show", "key:1,0"},
                                       {"type", input, "--shape", "landscape", "qA 1\n"}};
        commands.append(readers[variant % 3]);
    }
    for (const QStringList &arguments : commands) {
        const ToolRun run = boundedRun(arguments);
        const QString command = arguments.first();
        QVERIFY2(run.finished, qPrintable(command + QStringLiteral(": still running after the time limit")));
        QVERIFY2(!run.crashed, qPrintable(command + QStringLiteral(": ended by a signal\n") + run.err));
        QVERIFY2(run.exitCode >= 0 && run.exitCode <= 2, qPrintable(command + QStringLiteral(": exit code %1").arg(run.exitCode)));
        if (run.exitCode == 2)
            QVERIFY2(!run.err.trimmed().isEmpty(), qPrintable(command + QStringLiteral(": failed without saying why")));
        if (arguments.contains(QStringLiteral("-o"))) {
            if (run.exitCode == 0) {
                SkinProject check;
                QVERIFY(command == QLatin1String("build") || loadProjectFile(check, output));
                QVERIFY(QFileInfo(output).size() > 0);
            } else {
                QVERIFY2(!QFile::exists(output), qPrintable(command + QStringLiteral(" failed but wrote its output")));
            }
            QFile::remove(output);
        }
        QCOMPARE(readFile(input), bytes);
    }
}

void TestRobustness::oversizedProjectIsRefusedUnread()
{
    // A well-formed project, padded past the limit inside its class section.
    QList<Node> tree = parseTree(m_project, 1, 0);
    tree.first().children.append(Node{"Padding", 0, QByteArray(MaxProjectFileSize, 'p'), {}, 0});
    const QByteArray padded = writeTree(tree.first());
    QVERIFY(padded.size() > MaxProjectFileSize);
    const QString path = m_dir.filePath(QStringLiteral("padded.vsp"));
    writeFile(path, padded);
    for (const char *command : {"check", "normalize", "describe", "build"}) {
        const ToolRun run = boundedRun({QString::fromLatin1(command), path});
        QVERIFY(run.finished && !run.crashed);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Invalid Velkari Skin Project File!")), qPrintable(run.err));
    }
    QCOMPARE(readFile(path), padded);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("padded.vsk"))));

    // Just under the limit it opens; the padding is an unknown value and is dropped.
    tree.first().children.last().value.resize(MaxProjectFileSize - m_project.size() - 64);
    writeFile(path, writeTree(tree.first()));
    QVERIFY(QFileInfo(path).size() <= MaxProjectFileSize);
    const ToolRun run = boundedRun({QStringLiteral("normalize"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(path).size(), m_project.size());
}

void TestRobustness::pictureLimitIsARule_data()
{
    QTest::addColumn<qint64>("pictureSize");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("at the limit") << MaxPictureFileSize << 0;
    QTest::newRow("one byte over") << MaxPictureFileSize + 1 << 1;
}

void TestRobustness::pictureLimitIsARule()
{
    QFETCH(qint64, pictureSize);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("k.gif")), QByteArray(pictureSize, 'g'));
    const QString path = dir.filePath(QStringLiteral("big-picture.vsp"));
    writeFile(path, m_project);
    const ToolRun run = boundedRun({QStringLiteral("build"), path});
    QVERIFY(run.finished && !run.crashed);
    QCOMPARE(run.exitCode, exitCode);
    const QString skin = dir.filePath(QStringLiteral("big-picture.vsk"));
    if (exitCode == 0) {
        QVERIFY(QFileInfo(skin).size() > 5 * MaxPictureFileSize); // the picture in each of the five layouts
    } else {
        QVERIFY2(run.err.contains(QStringLiteral("is too large (%1 bytes)").arg(pictureSize)), qPrintable(run.err));
        QVERIFY(!QFile::exists(skin));
    }
}

QTEST_GUILESS_MAIN(TestRobustness)
#include "tst_robustness.moc"
