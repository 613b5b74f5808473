#include "cebffile.h"
#include "containerentry.h"
#include "limitedwrite.h"
#include "projectfile.h"
#include "testprojects.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace velkari;
using namespace velkari::test;

namespace {

// Every field of a project as text, so a difference shows where it is.
QString projectText(const SkinProject &project)
{
    QString text = QStringLiteral("tc=%1 hc=%2 help=%3\n")
                       .arg(project.textColor, 0, 16)
                       .arg(project.highlightColor, 0, 16)
                       .arg(project.helpFileName);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            text += QStringLiteral("S%1 L%2 name=%3 pic=%4 flags=%5 drag=%6\n")
                        .arg(shape)
                        .arg(layout->index)
                        .arg(layout->name, layout->picFileName)
                        .arg(layout->flags, 0, 16)
                        .arg(int(layout->dragUpLayout));
            for (const auto &row : layout->rows) {
                text += QStringLiteral("  R%1 h=%2:").arg(row->index).arg(row->height);
                for (const auto &b : row->buttons) {
                    text += QStringLiteral(" [%1 %2 f=%3 c=%4 vk=%5 w=%6]")
                                .arg(b->index)
                                .arg(b->caption)
                                .arg(b->flags, 0, 16)
                                .arg(b->charCode, 0, 16)
                                .arg(int(b->vk), 0, 16)
                                .arg(b->width);
                }
                text += u'\n';
            }
        }
    }
    return text;
}

// Builds project files by hand: each call gets the open container to write what it likes.
template <typename Write>
QByteArray handMadeProject(Write write)
{
    CEBFFile file(projectFileClassName());
    file.OpenForWriteInMemory();
    write(file);
    while (file.Level() > 0)
        file.EndSection();
    return file.Bytes();
}

void writeButton(CEBFFile &file, QByteArrayView name, const QString &caption, quint16 flags, quint16 width,
                 bool withWidth = true)
{
    file.BeginSection(name);
    QString c = caption;
    file.ExchangeString("Caption", c);
    file.ExchangeInt16("Flags", flags);
    if (withWidth)
        file.ExchangeInt16("Width", width);
    file.EndSection();
}

struct Loaded
{
    bool ok = false;
    LoadReport report;
};

Loaded loadBytes(SkinProject &project, const QByteArray &bytes, const QString &path)
{
    writeFile(path, bytes);
    Loaded loaded;
    loaded.ok = loadProjectFile(project, path, &loaded.report);
    return loaded;
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshProjectFileIsByteExact();
    void roundTrip_data();
    void roundTrip();
    void placeholdersDoNotAccumulate();
    void picturePathsMoveWithTheProject();
    void windowsWrittenRelativePath();
    void missingEntriesTakeDefaults_data();
    void missingEntriesTakeDefaults();
    void valuesInAnotherOrder();
    void countsLargerThanTheirEntries();
    void missingShapeDropsPreviousLayouts();
    void surplusIsLeftOutAndReported();
    void hugeCountsStayBounded();
    void foreignFilesAreRefused_data();
    void foreignFilesAreRefused();
    void truncatedProjectNeverLoadsHalf();
    void damagedProjectsAreRefused_data();
    void damagedProjectsAreRefused();
    void readingFindsTheDamageAWalkFinds();
    void failedSavesLeaveNoTrace_data();
    void failedSavesLeaveNoTrace();
};

void TestProjectFile::freshProjectFileIsByteExact()
{
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("a.vsp"), QStringLiteral("deeper/folder/b.vsp")}) {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
        SkinProject project;
        NormalizeProject(project);
        saveProjectFile(project, dir.filePath(name));
        const QByteArray bytes = readFile(dir.filePath(name));
        QCOMPARE(bytes.size(), 3366);
        QCOMPARE(bytes, readFile(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp")));

        const QList<ContainerEntry> top = listEntries(bytes, 1);
        QCOMPARE(top.size(), 1);
        QCOMPARE(top[0].name, QByteArrayView("VELKARI_PRJFILE"));
        QCOMPARE(top[0].count, 7);
        QCOMPARE(top[0].size, 3342u);
        const QList<ContainerEntry> entries = listEntries(top[0].body, top[0].count);
        for (int shape = 0; shape < 4; ++shape) {
            const ContainerEntry &shapeEntry = entries[3 + shape];
            QCOMPARE(shapeEntry.length(), 813u);
            const ContainerEntry layout = listEntries(shapeEntry.body, 1).value(0);
            QCOMPARE(layout.length(), 798u);
            const QList<ContainerEntry> fields = listEntries(layout.body, layout.count);
            QCOMPARE(fields.size(), 5);
            const ContainerEntry rows = fields[4];
            QCOMPARE(rows.count, 5);
            for (const ContainerEntry &row : listEntries(rows.body, rows.count)) {
                QCOMPARE(row.length(), 137u);
                const ContainerEntry buttons = listEntries(row.body, row.count).value(1);
                QCOMPARE(buttons.count, 1);
                QCOMPARE(listEntries(buttons.body, 1).value(0).length(), 88u);
            }
        }
    }
}

void TestProjectFile::roundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("fresh") << 0;
    QTest::newRow("every field, unicode, pictures in sibling folders") << 1;
    QTest::newRow("full capacity") << 2;
}

void TestProjectFile::roundTrip()
{
    QFETCH(int, variant);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("proj"));
    QDir(dir.path()).mkpath(QStringLiteral("pics"));
    const QString path = dir.filePath(QStringLiteral("proj/demo.vsp"));

    SkinProject project;
    NormalizeProject(project);
    if (variant == 1) {
        project.textColor = 0x00123456;
        project.highlightColor = 0xFFEEDDCC;
        project.helpFileName = QStringLiteral("Hilfe-Ü.htm");
        for (int shape = 0; shape < ScreenShapeCount; ++shape) {
            auto layout = makeValidLayout(QStringLiteral("Zeichen €%1").arg(shape),
                                          dir.filePath(QStringLiteral("pics/k%1.gif").arg(shape)), 3);
            layout->flags = 0xFFFE;
            layout->dragUpLayout = qint8(shape == 0 ? -1 : 0);
            SkinRow &row = *layout->rows.at(0);
            row.buttons.insertCopyAt(0, *row.buttons.at(0));
            SkinButton &b = *row.buttons.at(0);
            b.caption = QStringLiteral("é𝄞\"%1%2");
            b.flags = 0xF3F7;
            b.charCode = 0xFFFF;
            b.vk = 0xFF;
            b.width = 65535;
            row.buttons.at(1)->flags = ButtonFlagPlaceholder; // a placeholder in the middle stays
            project.layoutList(shape).append(std::move(layout));
        }
        project.layoutList(HiResLandscape).at(0)->picFileName = QStringLiteral("/elsewhere/absolute.bmp");
    } else if (variant == 2) {
        LayoutList &list = project.layoutList(Landscape);
        list.clear();
        for (int l = 0; l < LayoutList::capacity; ++l) {
            auto layout = std::make_unique<SkinLayout>();
            for (int r = 0; r < RowList::capacity; ++r) {
                auto row = std::make_unique<SkinRow>();
                for (int b = 0; b < ButtonList::capacity - 1; ++b)
                    row->buttons.append(makeButton(QString::number(b), quint16(b + 1)));
                row->buttons.append(std::make_unique<SkinButton>());
                layout->rows.append(std::move(row));
            }
            list.append(std::move(layout));
        }
    }
    saveProjectFile(project, path);

    SkinProject loaded;
    LoadReport report;
    QVERIFY(loadProjectFile(loaded, path, &report));
    QVERIFY(report.isEmpty());
    QCOMPARE(loaded.projectPath, path);
    QCOMPARE(projectText(loaded), projectText(project));
}

void TestProjectFile::placeholdersDoNotAccumulate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.vsp"));
    SkinProject project;
    NormalizeProject(project);
    saveProjectFile(project, path);
    const QByteArray first = readFile(path);
    for (int i = 0; i < 3; ++i) {
        SkinProject again;
        QVERIFY(loadProjectFile(again, path));
        saveProjectFile(again, path);
    }
    QCOMPARE(readFile(path), first);
}

void TestProjectFile::picturePathsMoveWithTheProject()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    root.mkpath(QStringLiteral("one/proj"));
    root.mkpath(QStringLiteral("two/deeper"));
    SkinProject project;
    NormalizeProject(project);
    project.layoutList(Portrait).at(0)->picFileName = dir.filePath(QStringLiteral("one/pics/k.gif"));
    saveProjectFile(project, dir.filePath(QStringLiteral("one/proj/a.vsp")));
    QVERIFY(readFile(dir.filePath(QStringLiteral("one/proj/a.vsp"))).contains(QByteArray("1\0,\0\\\0p\0i\0c\0s\0", 14)));

    // The project and its pictures moved together.
    QVERIFY(QFile::copy(dir.filePath(QStringLiteral("one/proj/a.vsp")), dir.filePath(QStringLiteral("two/deeper/a.vsp"))));
    SkinProject moved;
    QVERIFY(loadProjectFile(moved, dir.filePath(QStringLiteral("two/deeper/a.vsp"))));
    QCOMPARE(moved.layoutList(Portrait).at(0)->picFileName, dir.filePath(QStringLiteral("two/pics/k.gif")));

    // Saved under a new name elsewhere: relative to the new place.
    saveProjectFile(moved, dir.filePath(QStringLiteral("b.vsp")));
    SkinProject resaved;
    QVERIFY(loadProjectFile(resaved, dir.filePath(QStringLiteral("b.vsp"))));
    QCOMPARE(resaved.layoutList(Portrait).at(0)->picFileName, dir.filePath(QStringLiteral("two/pics/k.gif")));
}

void TestProjectFile::windowsWrittenRelativePath()
{
    QTemporaryDir dir;
    const QByteArray bytes = handMadeProject([](CEBFFile &file) {
        file.BeginSection("Shape0");
        file.BeginSection("Arr0");
        QString stored = QStringLiteral("1,\\pics\\k.gif");
        file.ExchangeString("PicFileName", stored);
        QString absolute = QStringLiteral("C:\\skins\\k.gif");
        file.EndSection();
        file.BeginSection("Arr1");
        file.ExchangeString("PicFileName", absolute);
        file.EndSection();
        file.EndSection();
    });
    QDir(dir.path()).mkpath(QStringLiteral("proj"));
    SkinProject project;
    QVERIFY(loadBytes(project, bytes, dir.filePath(QStringLiteral("proj/demo.vsp"))).ok);
    QCOMPARE(project.layoutList(Portrait).at(0)->picFileName, dir.filePath(QStringLiteral("pics/k.gif")));
    QCOMPARE(project.layoutList(Portrait).at(1)->picFileName, QStringLiteral("C:/skins/k.gif"));
}

void TestProjectFile::missingEntriesTakeDefaults_data()
{
    QTest::addColumn<int>("omit");
    QTest::addColumn<QString>("expected");

    // What one layout of shape 0 reads as when the file lacks one entry. The full layout is
    // "n" with a row of height 9 holding key A (width 30) and its placeholder.
    QTest::newRow("nothing missing") << 0 << "S0 L0 name=n pic= flags=4 drag=2\n  R0 h=9: [0 A f=1 c=0 vk=0 w=30] [1  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("button Width") << 1 << "S0 L0 name=n pic= flags=4 drag=2\n  R0 h=9: [0 A f=1 c=0 vk=0 w=0] [1  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("button section") << 2 << "S0 L0 name=n pic= flags=4 drag=2\n  R0 h=9: [0  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("RowButtons") << 3 << "S0 L0 name=n pic= flags=4 drag=2\n  R0 h=9: [0  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("row Height") << 4 << "S0 L0 name=n pic= flags=4 drag=2\n  R0 h=0: [0 A f=1 c=0 vk=0 w=30] [1  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("row section") << 5 << "S0 L0 name=n pic= flags=4 drag=2\n  R0 h=16: [0  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("Rows") << 6 << "S0 L0 name=n pic= flags=4 drag=2\n"
                          "  R0 h=16: [0  f=400 c=0 vk=0 w=70]\n  R1 h=16: [0  f=400 c=0 vk=0 w=70]\n"
                          "  R2 h=16: [0  f=400 c=0 vk=0 w=70]\n  R3 h=16: [0  f=400 c=0 vk=0 w=70]\n"
                          "  R4 h=16: [0  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("DragUpLayout and Flags") << 7 << "S0 L0 name=n pic= flags=0 drag=-1\n  R0 h=9: [0 A f=1 c=0 vk=0 w=30] [1  f=400 c=0 vk=0 w=70]\n";
    QTest::newRow("layout section") << 8 << "S0 L0 name= pic= flags=1 drag=-1\n"
                                    "  R0 h=16: [0  f=400 c=0 vk=0 w=70]\n  R1 h=16: [0  f=400 c=0 vk=0 w=70]\n"
                                    "  R2 h=16: [0  f=400 c=0 vk=0 w=70]\n  R3 h=16: [0  f=400 c=0 vk=0 w=70]\n"
                                    "  R4 h=16: [0  f=400 c=0 vk=0 w=70]\n";
}

void TestProjectFile::missingEntriesTakeDefaults()
{
    QFETCH(int, omit);
    QFETCH(QString, expected);
    const QByteArray bytes = handMadeProject([omit](CEBFFile &file) {
        QString help = QStringLiteral("h.htm");
        file.ExchangeString("HelpFileName", help); // no colours at all
        file.BeginSection("Shape0");
        if (omit == 8) {
            file.BeginSection("Arr9"); // the count says 1, but no "Arr0"
            file.EndSection();
        } else {
            file.BeginSection("Arr0");
            QString name = QStringLiteral("n");
            file.ExchangeString("Name", name);
            if (omit != 7) {
                quint16 flags = 4;
                qint8 drag = 2;
                file.ExchangeInt16("Flags", flags);
                file.ExchangeByte("DragUpLayout", drag, -1);
            }
            if (omit != 6) {
                file.BeginSection("Rows");
                file.BeginSection(omit == 5 ? "Arr7" : "Arr0");
                quint16 height = 9;
                if (omit != 4)
                    file.ExchangeInt16("Height", height);
                if (omit != 3) {
                    file.BeginSection("RowButtons");
                    if (omit != 2)
                        writeButton(file, "Arr0", QStringLiteral("A"), 1, 30, omit != 1);
                    file.EndSection();
                }
                file.EndSection();
                file.EndSection();
            }
            file.EndSection();
        }
        file.EndSection();
    });
    QTemporaryDir dir;
    SkinProject project;
    QVERIFY(loadBytes(project, bytes, dir.filePath(QStringLiteral("p.vsp"))).ok);
    QCOMPARE(project.textColor, 0u); // black, not the white of a new project
    QCOMPARE(project.highlightColor, 0u);
    QCOMPARE(project.helpFileName, QStringLiteral("h.htm"));
    const QString text = projectText(project);
    QCOMPARE(text.section(u'\n', 1).left(expected.size()), expected);
}

void TestProjectFile::valuesInAnotherOrder()
{
    const QByteArray bytes = handMadeProject([](CEBFFile &file) {
        file.BeginSection("Shape0");
        file.BeginSection("Arr0");
        file.BeginSection("Rows");
        file.BeginSection("Arr0");
        file.BeginSection("RowButtons");
        file.BeginSection("Arr1");
        file.EndSection();
        file.BeginSection("Arr0");
        quint16 width = 240, flags = 1, charCode = 0x41;
        quint8 vk = 0x41;
        QString caption = QStringLiteral("A");
        file.ExchangeInt16("Width", width);
        file.ExchangeByte("VK", vk, 0);
        file.ExchangeInt16("Char", charCode);
        file.ExchangeInt16("Flags", flags);
        file.ExchangeString("Caption", caption);
        file.EndSection();
        file.EndSection();
        quint16 height = 20;
        file.ExchangeInt16("Height", height);
        file.EndSection();
        file.EndSection();
        QString name = QStringLiteral("late");
        file.ExchangeString("Name", name);
        file.EndSection();
        file.EndSection();
        quint32 tc = 0x123;
        file.ExchangeInt32("TextColor", tc);
    });
    QTemporaryDir dir;
    SkinProject project;
    QVERIFY(loadBytes(project, bytes, dir.filePath(QStringLiteral("p.vsp"))).ok);
    QCOMPARE(project.textColor, 0x123u);
    const SkinLayout *layout = project.layoutList(Portrait).at(0);
    QCOMPARE(layout->name, QStringLiteral("late"));
    QCOMPARE(layout->rows.at(0)->height, 20);
    const SkinButton *key = layout->rows.at(0)->buttons.at(0);
    QCOMPARE(key->caption, QStringLiteral("A"));
    QCOMPARE(key->flags, 1);
    QCOMPARE(key->charCode, 0x41);
    QCOMPARE(key->vk, 0x41);
    QCOMPARE(key->width, 240);
    // A button section that is present but empty takes the values' defaults, not a placeholder's.
    QCOMPARE(layout->rows.at(0)->buttons.count(), 3);
    QCOMPARE(layout->rows.at(0)->buttons.at(1)->flags, 0);
    QCOMPARE(layout->rows.at(0)->buttons.at(1)->width, 0);
}

void TestProjectFile::countsLargerThanTheirEntries()
{
    // Hand-made bytes where the "Rows" section promises 4 rows but holds 2, and is followed by
    // a sibling whose entries must not be taken for the missing rows.
    const QByteArray bytes = handMadeProject([](CEBFFile &file) {
        file.BeginSection("Shape0");
        file.BeginSection("Arr0");
        file.BeginSection("Rows");
        for (int r = 0; r < 2; ++r) {
            file.BeginSection(r == 0 ? QByteArrayView("Arr0") : QByteArrayView("Arr1"));
            quint16 height = quint16(10 + r);
            file.ExchangeInt16("Height", height);
            file.EndSection();
        }
        file.EndSection();
        file.BeginSection("Decoy");
        file.BeginSection("Arr2");
        quint16 height = 99;
        file.ExchangeInt16("Height", height);
        file.EndSection();
        file.EndSection();
        file.EndSection();
        file.EndSection();
    });
    // Patch the count of "Rows" from 2 to 4.
    QByteArray patched = bytes;
    const qsizetype rows = patched.indexOf(QByteArray("\x04Rows", 5));
    QVERIFY(rows > 0);
    patched[rows + 5] = 4;
    QTemporaryDir dir;
    SkinProject project;
    QVERIFY(loadBytes(project, patched, dir.filePath(QStringLiteral("p.vsp"))).ok);
    const SkinLayout *layout = project.layoutList(Portrait).at(0);
    QCOMPARE(layout->rows.count(), 4);
    QCOMPARE(layout->rows.at(0)->height, 10);
    QCOMPARE(layout->rows.at(1)->height, 11);
    QCOMPARE(layout->rows.at(2)->height, 16);
    QCOMPARE(layout->rows.at(3)->height, 16);
}

void TestProjectFile::missingShapeDropsPreviousLayouts()
{
    QTemporaryDir dir;
    SkinProject project;
    NormalizeProject(project);
    project.layoutList(HiResPortrait).at(0)->name = QStringLiteral("previous");
    project.layoutList(HiResPortrait).append(std::make_unique<SkinLayout>());
    const QByteArray bytes = handMadeProject([](CEBFFile &) {});
    QVERIFY(loadBytes(project, bytes, dir.filePath(QStringLiteral("p.vsp"))).ok);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        QCOMPARE(project.layoutList(shape).count(), 1);
        QCOMPARE(project.layoutList(shape).at(0)->name, QStringLiteral("Layout00"));
    }
}

void TestProjectFile::surplusIsLeftOutAndReported()
{
    const QByteArray bytes = handMadeProject([](CEBFFile &file) {
        file.BeginSection("Shape1");
        for (int l = 0; l < 23; ++l) {
            file.BeginSection(NumberedName("Arr", l));
            file.BeginSection("Rows");
            const int rows = l == 0 ? 8 : 1;
            for (int r = 0; r < rows; ++r) {
                file.BeginSection(NumberedName("Arr", r));
                file.BeginSection("RowButtons");
                // Layout 0 row 0: 33 keys and 2 placeholders. Layout 1 row 0: exactly 30 keys.
                const int buttons = l == 0 && r == 0 ? 35 : (l == 1 ? 30 : 2);
                for (int b = 0; b < buttons; ++b) {
                    const bool placeholder = (l == 0 && r == 0 && (b == 31 || b == 34)) || (l > 1 && b == 1);
                    writeButton(file, NumberedName("Arr", b), QString::number(b),
                                placeholder ? ButtonFlagPlaceholder : 1, 8);
                }
                file.EndSection();
                file.EndSection();
            }
            file.EndSection();
            file.EndSection();
        }
        file.EndSection();
    });
    QTemporaryDir dir;
    SkinProject project;
    const Loaded loaded = loadBytes(project, bytes, dir.filePath(QStringLiteral("p.vsp")));
    QVERIFY(loaded.ok);
    const LayoutList &list = project.layoutList(Landscape);
    QCOMPARE(list.count(), 20);
    QCOMPARE(list.at(0)->rows.count(), 6);
    QCOMPARE(list.at(0)->rows.at(0)->buttons.count(), 30); // 29 keys and the placeholder
    QVERIFY(!list.at(0)->rows.at(0)->buttons.at(28)->isPlaceholder());
    QVERIFY(list.at(0)->rows.at(0)->buttons.at(29)->isPlaceholder());
    QCOMPARE(list.at(1)->rows.at(0)->buttons.count(), 30);
    QCOMPARE(list.at(1)->rows.at(0)->buttons.at(28)->caption, QStringLiteral("28"));
    QCOMPARE(loaded.report.layouts, 3);
    QCOMPARE(loaded.report.rows, 2);
    // Layout 0: keys 30 and 32, 33 beyond the list, key 29 making room; layout 1: key 29.
    QCOMPARE(loaded.report.keys, 5);
    QVERIFY(loaded.report.message().contains(QStringLiteral("3 layout(s), 2 row(s) and 5 key(s)")));
}

void TestProjectFile::hugeCountsStayBounded()
{
    const QByteArray bytes = handMadeProject([](CEBFFile &file) {
        file.BeginSection("Shape0");
        file.BeginSection("Arr0");
        file.BeginSection("Rows");
        file.EndSection();
        file.EndSection();
        file.EndSection();
    });
    QByteArray patched = bytes;
    // Every count field of a section set to the largest positive number.
    for (const QByteArray &name : {QByteArray("\x06Shape0"), QByteArray("\x04" "Arr0"), QByteArray("\x04Rows")}) {
        const qsizetype at = patched.indexOf(name);
        QVERIFY(at >= 0);
        patched.replace(at + name.size(), 4, QByteArray("\xff\xff\xff\x7f", 4));
    }
    QTemporaryDir dir;
    SkinProject project;
    const Loaded loaded = loadBytes(project, patched, dir.filePath(QStringLiteral("p.vsp")));
    QVERIFY(loaded.ok);
    QCOMPARE(project.layoutList(Portrait).count(), 20);
    QCOMPARE(project.layoutList(Portrait).at(0)->rows.count(), 6);
    QVERIFY(loaded.report.isEmpty());
}

void TestProjectFile::foreignFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    CEBFFile skin(QStringLiteral("VELKARI_SKIN"));
    skin.OpenForWriteInMemory();
    skin.EndSection();
    QTest::newRow("a skin file") << skin.Bytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("hello, world");
    QTest::newRow("class name only") << QByteArray("\x0fVELKARI_PRJFILE");
}

void TestProjectFile::foreignFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    SkinProject project;
    NormalizeProject(project);
    project.projectPath = QStringLiteral("/before.vsp");
    const QString before = projectText(project);
    QVERIFY(!loadBytes(project, bytes, dir.filePath(QStringLiteral("p.vsp"))).ok);
    QCOMPARE(projectText(project), before);
    QCOMPARE(project.projectPath, QStringLiteral("/before.vsp"));
}

void TestProjectFile::truncatedProjectNeverLoadsHalf()
{
    const QByteArray full = readFile(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp"));
    QVERIFY(!full.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.vsp"));
    for (qsizetype length = 0; length < full.size(); length += 7) {
        SkinProject project;
        QVERIFY(!loadBytes(project, full.left(length), path).ok);
    }
}

void TestProjectFile::damagedProjectsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("damage");
    const QByteArray fresh = readFile(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp"));
    const auto patched = [&](qsizetype at, const QByteArray &bytes) { return QByteArray(fresh).replace(at, bytes.size(), bytes); };
    const qsizetype name = fresh.indexOf(QByteArray("\x04Name", 5));
    QTest::newRow("a negative count") << patched(16, QByteArray("\xfb\xff\xff\xff", 4))
                                      << "VELKARI_PRJFILE at offset 16 claims -5 entries";
    QTest::newRow("a value running past its section")
        << patched(name + 9, QByteArray("\x00\x00\x01\x00", 4))
        << QStringLiteral("VELKARI_PRJFILE/Shape0/Arr0/Name at offset %1 claims 65536 bytes, but only %2 remain in "
                          "VELKARI_PRJFILE/Shape0/Arr0")
               .arg(name + 9)
               .arg(798 - 13 - 13); // the layout's body, less the name value's own header
    QTest::newRow("a section running past the file") << fresh.left(3000)
                                                     << "VELKARI_PRJFILE at offset 20 claims 3342 bytes, but only 2976 remain in the file";
    QTest::newRow("a name running past the file") << fresh + "\x05" "ab" << "the name at offset 3366 runs past the end of the file";
    QTest::newRow("bytes that are no whole entry") << fresh + QByteArray(8, '\0')
                                                   << "the file ends with 8 bytes at offset 3366 that are not a whole entry";
    // Eight bytes more at the end of the last section `depth` levels down, every section around it
    // grown to hold them.
    const auto grownAtTheEnd = [&](int depth) {
        QByteArray bytes = fresh + QByteArray(8, '\0');
        quint32 pos = 0;
        for (int level = 0; level < depth; ++level) {
            const QList<ContainerEntry> entries = listEntries(QByteArrayView(fresh).sliced(pos), level == 0 ? 1 : INT_MAX);
            const ContainerEntry &last = entries.last();
            const quint32 fields = pos + last.offset + 1 + quint32(last.name.size());
            qToLittleEndian<quint32>(last.size + 8, bytes.data() + fields + 4);
            pos = fields + 8;
        }
        return bytes;
    };
    QTest::newRow("bytes at the end of a section that are no whole entry")
        << grownAtTheEnd(2) << "VELKARI_PRJFILE/Shape3 ends with 8 bytes at offset 3366 that are not a whole entry";
    QTest::newRow("bytes at the end of the last key that are no whole entry")
        << grownAtTheEnd(7)
        << "VELKARI_PRJFILE/Shape3/Arr0/Rows/Arr4/RowButtons/Arr0 ends with 8 bytes at offset 3366 that are not a whole entry";
    // No damage: the reader passes over an entry it does not know.
    QTest::newRow("a whole entry after the class section") << fresh + QByteArray(9, '\0') << "";
}

// A file whose structure contradicts itself is refused whole, saying where; reading it as far as
// it goes would lose the rest at the next save.
void TestProjectFile::damagedProjectsAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, damage);
    QTemporaryDir dir;
    SkinProject project;
    NormalizeProject(project);
    project.layoutList(Portrait).at(0)->name = QStringLiteral("kept");
    const Loaded loaded = loadBytes(project, bytes, dir.filePath(QStringLiteral("p.vsp")));
    QCOMPARE(loaded.report.damage, damage);
    QCOMPARE(loaded.ok, damage.isEmpty());
    QCOMPARE(project.layoutList(Portrait).at(0)->name, damage.isEmpty() ? QStringLiteral("Layout00") : QStringLiteral("kept"));
}

// Read in the order it was written, a project's reading checks its structure on the way; wherever
// a byte is changed, it must find the damage that a walk over every entry finds.
void TestProjectFile::readingFindsTheDamageAWalkFinds()
{
    const QByteArray fresh = readFile(QStringLiteral(VELKARI_TEST_DATA "/fresh-project.vsp"));
    const qsizetype afterClassName = 1 + projectFileClassName().size();
    for (qsizetype at = afterClassName; at < fresh.size(); ++at) {
        for (const char value : {'\x00', '\x80', '\xff'}) {
            QByteArray bytes = fresh;
            bytes[at] = value;
            CEBFFile file(projectFileClassName());
            SkinProject project;
            if (file.OpenForReadBytes(bytes))
                readProject(file, project);
            QVERIFY2(file.damage() == findContainerDamage(bytes), qPrintable(QString::number(at)));
        }
    }
}

void TestProjectFile::failedSavesLeaveNoTrace_data()
{
    QTest::addColumn<bool>("oldProject");
    QTest::newRow("a new project") << false;
    QTest::newRow("over an old project") << true;
}

// A full disk at any byte of the project: reported, and the old file as it was.
void TestProjectFile::failedSavesLeaveNoTrace()
{
    QFETCH(bool, oldProject);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.vsp"));
    if (oldProject)
        writeFile(path, "old project");
    SkinProject project; // no layouts: a small file, so that every byte of it can fail
    qint64 written = 0;
    const QString failure = failedWritesLeaveNoTrace(path, [&] { saveProjectFile(project, path); }, &written);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(written, QFileInfo(path).size());
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
