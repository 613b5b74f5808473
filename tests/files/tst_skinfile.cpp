#include "cebffile.h"
#include "containerentry.h"
#include "fileerror.h"
#include "limitedwrite.h"
#include "skinfile.h"
#include "skinlayoutdata.h"
#include "testprojects.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace velkari;
using namespace velkari::test;

namespace {

// Little-endian bytes written by hand, independent of the code under test.
class Bytes
{
public:
    Bytes &i8(quint8 v) { m_bytes.append(char(v)); return *this; }
    Bytes &i16(quint16 v) { return i8(v & 0xFF).i8(v >> 8); }
    Bytes &i32(qint32 v) { return i16(quint16(quint32(v) & 0xFFFF)).i16(quint16(quint32(v) >> 16)); }
    Bytes &key(quint16 flags, quint16 c, quint8 vk, qint32 l, qint32 t, qint32 r, qint32 b)
    {
        return i16(flags).i16(c).i8(vk).i32(l).i32(t).i32(r).i32(b);
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The layout of the worked example: two rows of height 20 holding a, space and backspace.
std::unique_ptr<SkinLayout> workedExampleLayout()
{
    auto layout = std::make_unique<SkinLayout>();
    layout->flags = 0x0004;
    auto row0 = std::make_unique<SkinRow>();
    row0->height = 20;
    row0->buttons.append(makeButton(QStringLiteral("a"), 120, 0x0001, 0x61, 0x41));
    row0->buttons.append(makeButton(QStringLiteral("space"), 120, 0x0001, 32, 32));
    row0->buttons.append(std::make_unique<SkinButton>());
    auto row1 = std::make_unique<SkinRow>();
    row1->height = 20;
    row1->buttons.append(makeButton(QStringLiteral("bs"), 240, 0x0001, 8, 8));
    row1->buttons.append(std::make_unique<SkinButton>());
    layout->rows.append(std::move(row0));
    layout->rows.append(std::move(row1));
    return layout;
}

QByteArray patched(QByteArray bytes, qsizetype offset, const Bytes &with)
{
    return bytes.replace(offset, with.bytes().size(), with.bytes());
}

// A skin whose every shape holds one layout with the worked example's record, and whose shape
// "Hi-Res. Portrait" holds `layouts` of them, the second with `record` as its key data.
struct SkinParts
{
    QByteArray record = encodeSkinLayoutData(*workedExampleLayout());
    int layouts = 2;
    QByteArray secondName = "1";
    bool keyData = true;
    int shapes = ScreenShapeCount;
};

QByteArray skinBytes(const SkinParts &parts)
{
    CEBFFile file(skinFileClassName());
    file.OpenForWriteInMemory();
    quint32 color = 0;
    QString help;
    file.ExchangeInt32("TC", color);
    file.ExchangeInt32("HC", color);
    file.ExchangeString("HFN", help);
    for (int shape = 0; shape < parts.shapes; ++shape) {
        file.BeginSection(skinShapeSectionName(shape));
        const bool damaged = shape == HiResPortrait;
        for (int i = 0; i < (damaged ? parts.layouts : 1); ++i) {
            const bool second = damaged && i == 1;
            file.BeginSection(second ? parts.secondName : QByteArray::number(i));
            QByteArray picture("GIF89a");
            file.ExchangeBlock("P", picture);
            QByteArray record = second ? parts.record : encodeSkinLayoutData(*workedExampleLayout());
            if (!second || parts.keyData)
                file.ExchangeBlock("D", record);
            file.EndSection();
        }
        file.EndSection();
    }
    while (file.Level() > 0)
        file.EndSection();
    return file.Bytes();
}

struct SpecialKeys
{
    qint32 enterRow, enterButton, spaceRow, spaceButton, backRow, backButton;
};

} // namespace

Q_DECLARE_METATYPE(SpecialKeys)

class TestSkinFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExampleRecord();
    void recordSizeCountsKeysNotPlaceholders();
    void specialKeys_data();
    void specialKeys();
    void rowKeyWidth_data();
    void rowKeyWidth();
    void keyRects_data();
    void keyRects();
    void expectedWidthFollowsRowZero_data();
    void expectedWidthFollowsRowZero();
    void validation_data();
    void validation();
    void firstFailureStopsAtTheFirstLayout();
    void skinPath_data();
    void skinPath();
    void skinFileHoldsPicturesAndRecords();
    void failedSkinLeavesOldFile_data();
    void failedSkinLeavesOldFile();
    void fullDiskLeavesNoSkin();
    void decodeRefusesDamagedRecords();
    void readBackEqualsTheProject();
    void damagedSkins_data();
    void damagedSkins();
};

void TestSkinFile::workedExampleRecord()
{
    const auto layout = workedExampleLayout();
    const QByteArray expected = Bytes()
                                    .i16(0x0004).i8(0xFF)
                                    .i32(-1).i32(-1).i32(0).i32(1).i32(1).i32(0)
                                    .i32(2)
                                    .i32(2).key(1, 0x61, 0x41, 0, 0, 120, 20).key(1, 32, 32, 120, 0, 240, 20)
                                    .i32(1).key(1, 8, 8, 0, 20, 240, 40)
                                    .i32(240).i32(40)
                                    .bytes();
    QCOMPARE(expected.size(), 110);
    QCOMPARE(encodeSkinLayoutData(*layout), expected);
    SkinLayoutData decoded;
    QVERIFY(decodeSkinLayoutData(expected, decoded));
    QCOMPARE(decoded.rows.size(), 2);
    QCOMPARE(decoded.rows[0][1].right, 240);
    QCOMPARE(decoded.height, 40);
}

void TestSkinFile::recordSizeCountsKeysNotPlaceholders()
{
    SkinLayout layout;
    layout.rows.append(makeRow(10, {1, 2}));
    layout.rows.append(makeRow(10, {1, 2, 3, 4}));
    layout.rows.append(makeRow(10, {1}));
    QCOMPARE(skinLayoutDataSize(layout), 198);
    QCOMPARE(encodeSkinLayoutData(layout).size(), 198);
    // The placeholder's width counts for nothing.
    layout.rows.at(2)->buttons.last()->width = 999;
    SkinLayoutData decoded;
    QVERIFY(decodeSkinLayoutData(encodeSkinLayoutData(layout), decoded));
    QCOMPARE(decoded.width, 1);
    QCOMPARE(decoded.height, 30);
}

// Rows of buttons given as "charCode/vk" pairs; the last button of each row is the placeholder.
void TestSkinFile::specialKeys_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<SpecialKeys>("expected");

    QTest::newRow("none") << QStringList{"65/65 0/0"} << SpecialKeys{-1, -1, -1, -1, -1, -1};
    QTest::newRow("two enters, the later wins") << QStringList{"13/13 0/0", "65/65 13/13 0/0"}
                                                << SpecialKeys{1, 1, -1, -1, -1, -1};
    QTest::newRow("placeholder found one past the keys") << QStringList{"65/65 8/8"}
                                                         << SpecialKeys{-1, -1, -1, -1, 0, 1};
    QTest::newRow("char and vk must both match") << QStringList{"13/0 32/13 8/32 0/8 0/0"}
                                                 << SpecialKeys{-1, -1, -1, -1, -1, -1};
    QTest::newRow("all three") << QStringList{"32/32 8/8 0/0", "13/13 0/0"} << SpecialKeys{1, 0, 0, 0, 0, 1};
}

void TestSkinFile::specialKeys()
{
    QFETCH(QStringList, rows);
    QFETCH(SpecialKeys, expected);
    SkinLayout layout;
    for (const QString &text : rows) {
        auto row = std::make_unique<SkinRow>();
        for (const QString &pair : text.split(u' ')) {
            row->buttons.append(makeButton(QStringLiteral("k"), 10, 0, quint16(pair.section(u'/', 0, 0).toUInt()),
                                           quint8(pair.section(u'/', 1, 1).toUInt())));
        }
        row->buttons.last()->flags = ButtonFlagPlaceholder;
        layout.rows.append(std::move(row));
    }
    SkinLayoutData data;
    QVERIFY(decodeSkinLayoutData(encodeSkinLayoutData(layout), data));
    QCOMPARE(data.enter.row, expected.enterRow);
    QCOMPARE(data.enter.button, expected.enterButton);
    QCOMPARE(data.space.row, expected.spaceRow);
    QCOMPARE(data.space.button, expected.spaceButton);
    QCOMPARE(data.backspace.row, expected.backRow);
    QCOMPARE(data.backspace.button, expected.backButton);
}

void TestSkinFile::rowKeyWidth_data()
{
    QTest::addColumn<QList<quint16>>("widths");
    QTest::addColumn<int>("expected");
    QTest::newRow("placeholder only") << QList<quint16>{} << 0;
    QTest::newRow("keys") << QList<quint16>{100, 140} << 240;
    QTest::newRow("wraps at 65536") << QList<quint16>{65535, 241} << 240;
}

void TestSkinFile::rowKeyWidth()
{
    QFETCH(QList<quint16>, widths);
    QFETCH(int, expected);
    QCOMPARE(int(RowKeyWidth(*makeRow(10, widths))), expected);
    QCOMPARE(int(RowKeyWidth(SkinRow())), 0);
}

using Widths = QList<QList<quint16>>;

// Rectangles as "x,y,w,h" separated by spaces, rows by "|".
void TestSkinFile::keyRects_data()
{
    QTest::addColumn<QList<quint16>>("heights");
    QTest::addColumn<Widths>("widths");
    QTest::addColumn<QString>("rects");
    QTest::addColumn<QSize>("extent");
    QTest::addColumn<QSize>("footer");

    QTest::newRow("worked example") << QList<quint16>{20, 20} << Widths{{120, 120}, {240}}
                                    << "0,0,120,20 120,0,120,20|0,20,240,20" << QSize(240, 40) << QSize(240, 40);
    QTest::newRow("last row narrower") << QList<quint16>{10, 10} << Widths{{100, 140}, {50}}
                                       << "0,0,100,10 100,0,140,10|0,10,50,10" << QSize(240, 20) << QSize(50, 20);
    QTest::newRow("zero width and zero height") << QList<quint16>{0, 10} << Widths{{0, 30}, {30}}
                                                << "0,0,0,0 0,0,30,0|0,0,30,10" << QSize(30, 10) << QSize(30, 10);
    QTest::newRow("row of its placeholder only") << QList<quint16>{10, 10} << Widths{{}, {20}} << "|0,10,20,10"
                                                 << QSize(20, 20) << QSize(20, 20);
    QTest::newRow("no rows") << QList<quint16>{} << Widths{} << "" << QSize(0, 0) << QSize(0, 0);
}

// The rectangles the editor draws are the ones the skin records.
void TestSkinFile::keyRects()
{
    QFETCH(QList<quint16>, heights);
    QFETCH(Widths, widths);
    QFETCH(QString, rects);
    QFETCH(QSize, extent);
    QFETCH(QSize, footer);
    SkinLayout layout;
    for (int r = 0; r < heights.size(); ++r) {
        layout.rows.append(makeRow(heights[r], widths[r]));
        layout.rows.at(r)->buttons.last()->width = 999;
    }
    const SkinKeyRects keys = skinLayoutKeyRects(layout);
    QStringList shown;
    for (const QList<QRect> &row : keys.rows) {
        QStringList texts;
        for (const QRect &key : row)
            texts << QStringLiteral("%1,%2,%3,%4").arg(key.x()).arg(key.y()).arg(key.width()).arg(key.height());
        shown << texts.join(u' ');
    }
    QCOMPARE(shown.join(u'|'), rects);
    QCOMPARE(keys.extent(), extent);

    SkinLayoutData data;
    QVERIFY(decodeSkinLayoutData(encodeSkinLayoutData(layout), data));
    QCOMPARE(QSize(data.width, data.height), footer);
    QCOMPARE(data.rows.size(), keys.rows.size());
    for (int r = 0; r < data.rows.size(); ++r) {
        QCOMPARE(data.rows[r].size(), keys.rows[r].size());
        for (int k = 0; k < data.rows[r].size(); ++k) {
            const SkinKeyRecord &record = data.rows[r][k];
            QCOMPARE(QRect(QPoint(record.left, record.top), QPoint(record.right - 1, record.bottom - 1)),
                     keys.rows[r][k]);
        }
    }
}

void TestSkinFile::expectedWidthFollowsRowZero_data()
{
    QTest::addColumn<QList<quint16>>("row0");
    QTest::addColumn<int>("expected");
    QTest::newRow("allowed") << QList<quint16>{200, 280} << 480;
    QTest::newRow("two short") << QList<quint16>{238} << 240;
    QTest::newRow("nearer 320") << QList<quint16>{300} << 320;
    QTest::newRow("tie takes the narrower") << QList<quint16>{280} << 240;
    QTest::newRow("beyond the widest") << QList<quint16>{1000} << 640;
    QTest::newRow("placeholder only") << QList<quint16>{} << 240;
}

void TestSkinFile::expectedWidthFollowsRowZero()
{
    QFETCH(QList<quint16>, row0);
    QFETCH(int, expected);
    SkinLayout layout;
    QCOMPARE(int(expectedRowKeyWidth(layout)), 0);
    layout.rows.append(makeRow(10, row0));
    layout.rows.append(makeRow(10, {quint16(expected)}));
    QCOMPARE(int(expectedRowKeyWidth(layout)), expected);
    // A later row of that width is never the one the rules name.
    layout.picFileName = QStringLiteral(VELKARI_TEST_DATA "/valid-project.vsp");
    QVERIFY(!ValidateLayout(layout, QStringLiteral("Portrait")).contains(QStringLiteral("row 1")));
}

// Each row changes one thing in a valid two-row layout named "L" of shape "Portrait".
void TestSkinFile::validation_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");

    QTest::newRow("valid") << "" << "";
    QTest::newRow("no picture") << "nopicture" << "No picture file is specified for the layout \"Portrait->L\".";
    QTest::newRow("missing picture") << "missingpicture" << "Cannot Open the picture file \"%MISSING%\".";
    QTest::newRow("picture is a folder") << "folderpicture" << "Cannot Open the picture file \"%FOLDER%\".";
    QTest::newRow("no rows") << "norows" << "The layout \"Portrait->L\" has no rows.";
    QTest::newRow("row 0 is 241") << "row0:241" << "The layout \"Portrait->L\" has invalid width (241).";
    QTest::newRow("row 0 is 320") << "row0:320" << "The layout \"Portrait->L\" row 1 has invalid width(240).";
    QTest::newRow("row 1 is 200") << "row1:200" << "The layout \"Portrait->L\" row 1 has invalid width(200).";
    QTest::newRow("placeholder only in row 0") << "row0:" << "The layout \"Portrait->L\" has invalid width (0).";
    QTest::newRow("placeholder only in row 1") << "row1:" << "The layout \"Portrait->L\" row 1 has invalid width(0).";
    QTest::newRow("height 0 before width") << "row0height0" << "Invalid Height for the row 0 in layout \"Portrait->L\".";
    QTest::newRow("no button at all") << "row1empty" << "No button defined for the row 1 in layout \"Portrait->L\".";
    QTest::newRow("key width 0") << "row1key1width0" << "Invalid Width for the button 1, row 1 in layout \"Portrait->L\".";
    QTest::newRow("placeholder width 0") << "row0placeholder0" << "Invalid Width for the button 2, row 0 in layout \"Portrait->L\".";
    QTest::newRow("picture too large") << "hugepicture" << "The picture file \"%HUGE%\" is too large (4194305 bytes); a picture may have at most 4194304 bytes.";
    QTest::newRow("percent signs in names stay") << "name%2" << "The layout \"Portrait->L%2%1\" has invalid width (0).";
}

void TestSkinFile::validation()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("k.gif"));
    writeFile(picture, "GIF89a");
    auto layout = makeValidLayout(QStringLiteral("L"), picture);
    SkinRow &row0 = *layout->rows.at(0);
    SkinRow &row1 = *layout->rows.at(1);

    const QString missing = dir.filePath(QStringLiteral("gone.gif"));
    const QString huge = dir.filePath(QStringLiteral("huge.bmp"));
    if (change == QLatin1String("nopicture"))
        layout->picFileName.clear();
    else if (change == QLatin1String("missingpicture"))
        layout->picFileName = missing;
    else if (change == QLatin1String("folderpicture"))
        layout->picFileName = dir.path();
    else if (change == QLatin1String("norows"))
        layout->rows.clear();
    else if (change.startsWith(QLatin1String("row0:")) || change.startsWith(QLatin1String("row1:"))) {
        SkinRow &row = change.startsWith(QLatin1String("row0")) ? row0 : row1;
        while (row.buttons.count() > 1)
            row.buttons.removeAt(0);
        const QString width = change.section(u':', 1);
        if (!width.isEmpty())
            row.buttons.insertCopyAt(0, *makeButton(QStringLiteral("w"), quint16(width.toUInt())));
    } else if (change == QLatin1String("row0height0"))
        row0.height = 0;
    else if (change == QLatin1String("row1empty"))
        row1.buttons.clear();
    else if (change == QLatin1String("row1key1width0"))
        row1.buttons.at(1)->width = 0;
    else if (change == QLatin1String("row0placeholder0"))
        row0.buttons.last()->width = 0;
    else if (change == QLatin1String("hugepicture")) {
        writeFile(huge, QByteArray(MaxPictureFileSize + 1, 'x'));
        layout->picFileName = huge;
    } else if (change == QLatin1String("name%2")) {
        layout->name = QStringLiteral("L%2%1");
        row0.buttons.removeAt(0);
        row0.buttons.removeAt(0);
    }
    message.replace(QLatin1String("%MISSING%"), missing).replace(QLatin1String("%FOLDER%"), dir.path());
    message.replace(QLatin1String("%HUGE%"), huge);
    QCOMPARE(ValidateLayout(*layout, QStringLiteral("Portrait")), message);
}

void TestSkinFile::firstFailureStopsAtTheFirstLayout()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("k.gif"));
    writeFile(picture, "GIF89a");
    SkinProject project;
    makeValidProject(project, picture);
    QVERIFY(firstValidationFailure(project).isEmpty());
    project.layoutList(Landscape).at(0)->rows.at(0)->height = 0;
    project.layoutList(HiResLandscape).at(0)->picFileName.clear();
    project.layoutList(Landscape).append(makeValidLayout(QStringLiteral("second"), QString()));
    QCOMPARE(firstValidationFailure(project), QStringLiteral("Invalid Height for the row 0 in layout \"Landscape->Layout1\"."));
    QCOMPARE(allValidationFailures(project),
             (QStringList{QStringLiteral("Invalid Height for the row 0 in layout \"Landscape->Layout1\"."),
                          QStringLiteral("No picture file is specified for the layout \"Landscape->second\"."),
                          QStringLiteral("No picture file is specified for the layout \"Hi-Res. Landscape->Layout3\".")}));
}

void TestSkinFile::skinPath_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("skin");
    QTest::newRow("extension replaced") << "/work/demo.vsp" << "/work/demo.vsk";
    QTest::newRow("windows path") << "C:\\work\\demo.vsp" << "C:\\work\\demo.vsk";
    QTest::newRow("dot in a folder only") << "C:\\my.dir\\demo" << "C:\\my.dir\\demo.vsk";
    QTest::newRow("dot in a native folder only") << "/home/u/my.dir/demo" << "/home/u/my.dir/demo.vsk";
    QTest::newRow("no dot at all") << "/work/demo" << "/work/demo.vsk";
    QTest::newRow("last of several dots") << "/work/demo.v1.vsp" << "/work/demo.v1.vsk";
}

void TestSkinFile::skinPath()
{
    QFETCH(QString, project);
    QFETCH(QString, skin);
    QCOMPARE(skinFilePath(project), skin);
}

void TestSkinFile::skinFileHoldsPicturesAndRecords()
{
    QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("k.gif"));
    const QByteArray pictureBytes = QByteArray("GIF89a\x01\x00\x01\x00", 10) + QByteArray(1000, '\x7f');
    writeFile(gif, pictureBytes);
    SkinProject project;
    makeValidProject(project, gif);
    project.layoutList(HiResPortrait).append(workedExampleLayout());
    project.layoutList(HiResPortrait).at(1)->picFileName = gif;
    project.textColor = 0x00010203;
    project.highlightColor = 0x00A0B0C0;
    project.helpFileName = QStringLiteral("Hilfe.htm");
    const QString skinPath = dir.filePath(QStringLiteral("demo.vsk"));
    writeSkinFile(project, skinPath);

    const QByteArray bytes = readFile(skinPath);
    const ContainerEntry top = listEntries(bytes, 1).value(0);
    QCOMPARE(top.name, QByteArrayView("VELKARI_SKIN"));
    QCOMPARE(top.length(), quint32(bytes.size()));
    const QList<ContainerEntry> entries = listEntries(top.body, top.count);
    QStringList names;
    for (const ContainerEntry &e : entries)
        names << QString::fromLatin1(e.name);
    QCOMPARE(names, (QStringList{"TC", "HC", "HFN", "P", "L", "PH", "LH"}));
    QCOMPARE(qFromLittleEndian<quint32>(entries[0].body.data()), 0x00010203u);
    QCOMPARE(qFromLittleEndian<quint32>(entries[1].body.data()), 0x00A0B0C0u);
    QCOMPARE(entries[2].body.toByteArray(), QByteArray("H\0i\0l\0f\0e\0.\0h\0t\0m\0", 18));
    const QList<ContainerEntry> hiResLayouts = listEntries(entries[5].body, entries[5].count);
    QCOMPARE(hiResLayouts.size(), 2);
    QCOMPARE(hiResLayouts[1].name, QByteArrayView("1"));
    const QList<ContainerEntry> values = listEntries(hiResLayouts[1].body, hiResLayouts[1].count);
    QCOMPARE(values.size(), 2);
    QCOMPARE(values[0].name, QByteArrayView("P"));
    QCOMPARE(values[0].body.toByteArray(), pictureBytes);
    QCOMPARE(values[1].name, QByteArrayView("D"));
    QCOMPARE(values[1].body.toByteArray(), encodeSkinLayoutData(*workedExampleLayout()));
}

void TestSkinFile::failedSkinLeavesOldFile_data()
{
    QTest::addColumn<bool>("pictureExists");
    QTest::addColumn<QString>("skinIs"); // what the skin path names besides an old skin
    QTest::newRow("a picture vanished") << false << "";
    QTest::newRow("the skin path names the project") << true << "project";
    QTest::newRow("the skin path names a picture") << true << "picture";
}

void TestSkinFile::failedSkinLeavesOldFile()
{
    QFETCH(bool, pictureExists);
    QFETCH(QString, skinIs);
    QTemporaryDir dir;
    const QString skinPath = dir.filePath(QStringLiteral("demo.vsk"));
    writeFile(skinPath, "old skin");
    const QString picture = skinIs == QLatin1String("picture") ? skinPath : dir.filePath(QStringLiteral("k.gif"));
    if (pictureExists && picture != skinPath)
        writeFile(picture, "GIF89a");
    SkinProject project;
    makeValidProject(project, picture);
    if (skinIs == QLatin1String("project"))
        project.projectPath = skinPath;
    try {
        writeSkinFile(project, skinPath);
        QFAIL("no FileError raised");
    } catch (const FileError &error) {
        // Named: the picture that vanished, or the skin that would replace its project or picture.
        const QString expected = pictureExists ? QStringLiteral("An error occurred while writing \"%1\".\n%2").arg(skinPath, error.reason())
                                               : QStringLiteral("An error occurred while reading \"%1\".\n%2").arg(picture, error.reason());
        QCOMPARE(error.message(), expected);
        if (skinIs == QLatin1String("picture"))
            QCOMPARE(error.reason(), QStringLiteral("This is the picture file of the layout \"Portrait->Layout0\"."));
    }
    QCOMPARE(readFile(skinPath), QByteArray("old skin"));
    QStringList files{QStringLiteral("demo.vsk")};
    if (pictureExists && picture != skinPath)
        files.append(QStringLiteral("k.gif"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
}

// A full disk at any byte of the skin: reported, and the old skin as it was.
void TestSkinFile::fullDiskLeavesNoSkin()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("k.gif"));
    writeFile(picture, "GIF89a");
    SkinProject project;
    project.layoutList(Portrait).append(makeValidLayout(QStringLiteral("Only"), picture));
    const QString skinPath = dir.filePath(QStringLiteral("demo.vsk"));
    writeFile(skinPath, "old skin");
    qint64 written = 0;
    const QString failure = failedWritesLeaveNoTrace(skinPath, [&] { writeSkinFile(project, skinPath); }, &written);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(written, QFileInfo(skinPath).size());
}

void TestSkinFile::decodeRefusesDamagedRecords()
{
    const QByteArray good = encodeSkinLayoutData(*workedExampleLayout());
    SkinLayoutData data;
    for (qsizetype length = 0; length < good.size(); ++length)
        QVERIFY(!decodeSkinLayoutData(good.left(length), data));
    QVERIFY(!decodeSkinLayoutData(good + '\0', data));
    QByteArray hugeRows = good;
    hugeRows.replace(27, 4, QByteArray("\xff\xff\xff\x7f", 4));
    QVERIFY(!decodeSkinLayoutData(hugeRows, data));
    QVERIFY(decodeSkinLayoutData(good, data));
}

void TestSkinFile::readBackEqualsTheProject()
{
    QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("k.gif"));
    const QString bmp = dir.filePath(QStringLiteral("k.bmp"));
    writeFile(gif, QByteArray("GIF89a\x02\x00\x01\x00", 10) + QByteArray(300, '\x11'));
    writeFile(bmp, QByteArray("BM") + QByteArray(500, '\x22'));
    SkinProject project;
    makeValidProject(project, gif);
    project.textColor = 0x00102030;
    project.highlightColor = 0x00405060;
    project.helpFileName = QStringLiteral("Hilfe.htm");
    LayoutList &hiRes = project.layoutList(HiResPortrait);
    hiRes.append(workedExampleLayout());
    hiRes.at(1)->picFileName = bmp;
    hiRes.at(1)->dragUpLayout = 0;
    // Extreme values, and six rows of 29 keys, the most a layout holds.
    auto full = makeValidLayout(QStringLiteral("full"), gif, 0);
    full->flags = 0xFFFF;
    full->dragUpLayout = 19;
    for (quint16 r = 0; r < RowList::capacity; ++r) {
        full->rows.append(makeRow(quint16(65535 - r), {}));
        for (int k = 0; k + 1 < ButtonList::capacity; ++k)
            full->rows.at(r)->buttons.insertCopyAt(k, *makeButton(QString(), quint16(65535 - k), quint16(0xF7FF - k),
                                                                  quint16(0xFFFF - r), quint8(0xFF - k)));
    }
    hiRes.append(std::move(full));
    const QString skinPath = dir.filePath(QStringLiteral("demo.vsk"));
    writeSkinFile(project, skinPath);

    CompiledSkin skin;
    QCOMPARE(readSkinFile(skinPath, skin), QString());
    QCOMPARE(skin.textColor, project.textColor);
    QCOMPARE(skin.highlightColor, project.highlightColor);
    QCOMPARE(skin.helpFileName, project.helpFileName);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        QCOMPARE(skin.shapes[shape].size(), layouts.count());
        for (const auto &layout : layouts) {
            const CompiledLayout &read = skin.shapes[shape][layout->index];
            QCOMPARE(read.picture, readFile(layout->picFileName));
            QCOMPARE(read.data.flags, layout->flags);
            QCOMPARE(read.data.dragUpLayout, quint8(layout->dragUpLayout));
            QCOMPARE(read.data.rows.size(), layout->rows.count());
            qint32 y = 0;
            for (const auto &row : layout->rows) {
                const QList<SkinKeyRecord> &keys = read.data.rows[row->index];
                QCOMPARE(keys.size(), row->buttons.count() - 1);
                qint32 x = 0;
                for (const SkinKeyRecord &key : keys) {
                    const SkinButton &button = *row->buttons.at(int(&key - keys.data()));
                    QCOMPARE(key, (SkinKeyRecord{button.flags, button.charCode, button.vk, x, y,
                                                 x + button.width, y + row->height}));
                    x += button.width;
                }
                y += row->height;
                QCOMPARE(read.data.width, x);
            }
            QCOMPARE(read.data.height, y);
        }
    }
    const SkinLayoutData &example = skin.shapes[HiResPortrait][1].data;
    QCOMPARE(example.enter, (SkinLayoutData::KeyPosition{-1, -1}));
    QCOMPARE(example.space, (SkinLayoutData::KeyPosition{0, 1}));
    QCOMPARE(example.backspace, (SkinLayoutData::KeyPosition{1, 0}));
}

void TestSkinFile::damagedSkins_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = encodeSkinLayoutData(*workedExampleLayout());
    // What the skin says is wrong, after the file's name.
    const QString damaged = QStringLiteral("%1: The key data of layout 1 of the shape \"Hi-Res. Portrait\" is damaged: ");
    QTest::newRow("whole") << skinBytes({}) << "";
    QTest::newRow("cut short") << skinBytes({.record = good.left(106)}) << damaged + "it ends after 106 bytes, inside the footer.";
    QTest::newRow("a byte too many") << skinBytes({.record = good + '\0'}) << damaged + "1 bytes follow its footer.";
    QTest::newRow("seven rows") << skinBytes({.record = patched(good, 27, Bytes().i32(7))})
                                << damaged + "the header claims 7 rows, at most 6 are allowed.";
    QTest::newRow("negative rows") << skinBytes({.record = patched(good, 27, Bytes().i32(-1))})
                                   << damaged + "the header claims -1 rows, at most 6 are allowed.";
    QTest::newRow("more keys than bytes") << skinBytes({.record = patched(good, 31, Bytes().i32(29))})
                                          << damaged + "row 0 claims 29 keys, more than the 75 bytes left can hold.";
    QTest::newRow("a gap between keys") << skinBytes({.record = patched(good, 61, Bytes().i32(121))})
                                        << damaged + "key 0,1 does not begin where the key before it ends.";
    QTest::newRow("a key over the row above") << skinBytes({.record = patched(good, 90, Bytes().i32(10))})
                                              << damaged + "key 1,0 does not lie in its row.";
    QTest::newRow("footer width") << skinBytes({.record = patched(good, 102, Bytes().i32(239))})
                                  << damaged + "the footer's width 239 is not the last row's 240.";
    QTest::newRow("footer height") << skinBytes({.record = patched(good, 106, Bytes().i32(39))})
                                   << damaged + "the footer's height 39 is less than the rows' 40.";
    QTest::newRow("Enter beyond the rows") << skinBytes({.record = patched(good, 3, Bytes().i32(5).i32(0))})
                                           << damaged + "the Enter key's position 5,0 lies outside the rows.";
    QTest::newRow("no key data") << skinBytes({.keyData = false})
                                 << "%1: Layout 1 of the shape \"Hi-Res. Portrait\" has no key data in the skin.";
    QTest::newRow("a layout missing") << skinBytes({.secondName = "5"})
                                      << "%1: Layout 1 of the shape \"Hi-Res. Portrait\" is missing from the skin.";
    QTest::newRow("21 layouts") << skinBytes({.layouts = 21})
                                << "%1: The skin claims 21 layouts for the shape \"Hi-Res. Portrait\"; a shape has 1 to 20.";
    QTest::newRow("a shape missing") << skinBytes({.shapes = 3})
                                     << "%1: The skin has no layouts for the shape \"Hi-Res. Landscape\".";
    QTest::newRow("a project") << readFile(QStringLiteral(VELKARI_TEST_DATA "/valid-project.vsp"))
                               << "\"%1\" is not a skin file.";
}

void TestSkinFile::damagedSkins()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.vsk"));
    writeFile(path, bytes);
    CompiledSkin skin;
    QCOMPARE(readSkinFile(path, skin), message.replace(QLatin1String("%1"), path));
}

QTEST_GUILESS_MAIN(TestSkinFile)
#include "tst_skinfile.moc"
