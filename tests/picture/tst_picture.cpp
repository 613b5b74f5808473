#include "buttonfunctions.h"
#include "compiledskin.h"
#include "derivedpictures.h"
#include "drawnmark.h"
#include "keyboardpainter.h"
#include "layoutpictures.h"
#include "limitedwrite.h"
#include "pictureencoder.h"
#include "projectchecker.h"
#include "shapederive.h"
#include "skinfile.h"
#include "skintemplates.h"
#include "testprojects.h"
#include "toolrunner.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace velkari;
using namespace velkari::test;

namespace {

QImage noise(int width, int height, int colors, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int c = random.bounded(colors);
            image.setPixel(x, y, qRgb(c, (c * 7) & 0xFF, 255 - c));
        }
    }
    return image;
}

QImage filled(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
}

KeyboardTheme theme(const QString &name)
{
    return *KeyboardTheme::named(name);
}

// One key of every role in a 240-pixel row, and a row of keys too narrow for their captions.
std::unique_ptr<SkinLayout> everyRoleLayout()
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = QStringLiteral("Roles");
    auto keys = std::make_unique<SkinRow>();
    keys->height = 30;
    const struct {
        quint16 flags, charCode;
        quint8 vk;
    } roles[] = {{ButtonFlagCharacter, 'a', 'A'}, {ButtonFlagCharacter, 13, 13},   {ButtonFlagCharacter, 32, 32},
                 {ButtonFlagCharacter, 8, 8},     {0x1000 | ButtonFlagCharacter, 0, 0x10},
                 {ButtonFlagChangeLayout, 1, 0},  {ButtonFlagCalculator, CalcDigit5, 0},
                 {ButtonFlagCalculator, CalcAdd, 0}, {ButtonFlagCalculator, CalcMemoryAdd, 0},
                 {ButtonFlagCalculator, CalcEquals, 0}, {ButtonFlagShortcut, 0, ShortcutPrograms},
                 {ButtonFlagTaskManager, 0, TaskGoToday}};
    for (const auto &role : roles)
        keys->buttons.append(makeButton(QStringLiteral("H"), 20, role.flags, role.charCode, role.vk));
    keys->buttons.append(std::make_unique<SkinButton>());
    layout->rows.append(std::move(keys));
    layout->rows.append(makeRow(16, {12, 0, 100, 128}));
    layout->rows.at(1)->buttons.at(2)->caption = QStringLiteral("A caption far too long for its key");
    return layout;
}

QImage decode(const QByteArray &bytes)
{
    return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gifRoundTrip_data();
    void gifRoundTrip();
    void reducesMoreThan256Colors();
    void refusesWhatGifCannotHold();

    void drawsTheKeyMapsSize_data();
    void drawsTheKeyMapsSize();
    void sameBytesEveryRun_data();
    void sameBytesEveryRun();
    void keyColoursStayExact_data();
    void keyColoursStayExact();
    void captionsKeepContrast_data();
    void captionsKeepContrast();
    void refusesWhatItCannotDraw_data();
    void refusesWhatItCannotDraw();
    void namesPicturesWithoutClashing();
    void drawnMark_data();
    void drawnMark();
    void derivedShapesGetPictures();
    void pictureFollowsItsKeys_data();
    void pictureFollowsItsKeys();
    void fullDiskLeavesNoPicture();
};

void TestPicture::gifRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("1x1") << filled(1, 1, qRgb(200, 30, 40));
    QTest::newRow("two colours, odd size") << noise(7, 5, 2, 1);
    QTest::newRow("one colour, long runs") << filled(300, 200, qRgb(10, 20, 30));
    QTest::newRow("17 colours, padded table") << noise(33, 9, 17, 2);
    QImage all(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        all.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 37) & 0xFF));
    QTest::newRow("256 colours, full table") << all;
    // Far more codes than one 4096-entry table holds: 12-bit codes and several clear codes.
    QTest::newRow("wide noise") << noise(4096, 6, 200, 3);
    QTest::newRow("indexed source") << noise(40, 40, 60, 4).convertToFormat(QImage::Format_Indexed8);
}

void TestPicture::gifRoundTrip()
{
    QFETCH(QImage, image);
    const QByteArray gif = encodeGif(image);
    QVERIFY(gif.startsWith("GIF89a"));
    QVERIFY(gif.endsWith(';'));
    QCOMPARE(decode(gif), image.convertToFormat(QImage::Format_RGB32));
}

// giflib's quantiser cuts the colour cube coarsely (a mean error near 12 levels on this ramp):
// fine for a photograph, too rough for the captions of a drawn keyboard.
void TestPicture::reducesMoreThan256Colors()
{
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    }
    const QImage shown = decode(encodeGif(gradient));
    QCOMPARE(shown.size(), gradient.size());
    QSet<QRgb> colors;
    int worst = 0;
    int total = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            colors.insert(shown.pixel(x, y));
            const int distance = channelDistance(gradient.pixel(x, y), shown.pixel(x, y));
            worst = std::max(worst, distance);
            total += distance;
        }
    }
    QVERIFY(colors.size() > 64 && colors.size() <= 256);
    QVERIFY2(worst <= 64 && total / (64 * 64) <= 16, qPrintable(QStringLiteral("%1 %2").arg(worst).arg(total)));
}

void TestPicture::refusesWhatGifCannotHold()
{
    QVERIFY(encodeGif(QImage()).isEmpty());
    QVERIFY(encodeGif(filled(0x10000, 1, qRgb(0, 0, 0))).isEmpty());
    QImage outOfTable(2, 1, QImage::Format_Indexed8);
    outOfTable.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    outOfTable.scanLine(0)[0] = 1;
    outOfTable.scanLine(0)[1] = 2;
    QVERIFY(encodeGif(outOfTable).isEmpty());
    outOfTable.scanLine(0)[1] = 0;
    QVERIFY(!encodeGif(outOfTable).isEmpty());
}

void TestPicture::drawsTheKeyMapsSize_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("format");
    QTest::newRow("qwerty Portrait letters, GIF") << "qwerty" << int(Portrait) << int(PictureFormat::Gif);
    QTest::newRow("qwertz Landscape letters, BMP") << "qwertz" << int(Landscape) << int(PictureFormat::Bmp);
    QTest::newRow("calculator Hi-Res. Portrait, GIF") << "calculator" << int(HiResPortrait) << int(PictureFormat::Gif);
    QTest::newRow("numeric Hi-Res. Landscape, BMP") << "numeric" << int(HiResLandscape) << int(PictureFormat::Bmp);
}

void TestPicture::drawsTheKeyMapsSize()
{
    QFETCH(QString, templateName);
    QFETCH(int, shape);
    QFETCH(int, format);
    SkinProject project;
    QVERIFY(buildTemplateProject(project, templateName));
    const KeyboardPainter painter(theme(QStringLiteral("dark")));
    for (const auto &layout : project.layoutList(shape)) {
        int height = 0;
        for (const auto &row : layout->rows)
            height += row->height;
        const QSize keyMap(RowKeyWidth(*layout->rows.at(0)), height);
        QCOMPARE(KeyboardPainter::pictureSize(*layout), keyMap);
        const QByteArray bytes = drawLayoutPicture(*layout, painter, PictureFormat(format));
        QBuffer buffer(const_cast<QByteArray *>(&bytes));
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), format == int(PictureFormat::Gif) ? QByteArray("gif") : QByteArray("bmp"));
        QCOMPARE(reader.read().size(), keyMap);
    }
}

void TestPicture::sameBytesEveryRun_data()
{
    QTest::addColumn<QStringList>("arguments"); // P: a project in a fresh folder
    QTest::addColumn<QString>("drawn");         // the pictures of the run, in P's pictures folder
    QTest::addColumn<QString>("committed");     // the same, committed
    for (const SkinTemplateInfo &info : skinTemplates()) {
        QTest::newRow(qPrintable(info.name)) << QStringList{"new", "--template", info.name, "P"} << "hires-portrait-*.gif"
                                             << "docs/templates/" + info.name + "-*.gif";
    }
    QTest::newRow("the example's BMP pictures") << QStringList{"draw", "P", "--all", "--format", "bmp"}
                                                << "*-numbers-symbols.bmp" << "examples/pictures/*-numbers-symbols.bmp";
}

// Drawn by a process of its own, as a user's are: the same bytes as the committed pictures, drawn by
// another process on another day.
void TestPicture::sameBytesEveryRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, drawn);
    QFETCH(QString, committed);
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("fresh.vsp"));
    if (arguments.first() == QLatin1String("draw"))
        QVERIFY(QFile::copy(QStringLiteral(VELKARI_SOURCE_DIR "/examples/velkari-demo.vsp"), project));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^P$")), project);
    QCOMPARE(runTool(arguments, {.ownProcess = true}).exitCode, 0);

    const QDir made(pictureFolderFor(project));
    const QFileInfo reference(QStringLiteral(VELKARI_SOURCE_DIR "/") + committed);
    const QStringList names = made.entryList({drawn}, QDir::Files, QDir::Name);
    const QStringList references = reference.dir().entryList({reference.fileName()}, QDir::Files, QDir::Name);
    QVERIFY(!names.isEmpty());
    QCOMPARE(names.size(), references.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        QVERIFY2(readFile(made.filePath(names[i])) == readFile(reference.dir().filePath(references[i])), qPrintable(names[i]));
}

void TestPicture::fullDiskLeavesNoPicture()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.gif"));
    writeFile(path, "an old picture");
    const QString failure = failedWritesLeaveNoTrace(path, [&] { writePictureFile(path, QByteArray(64, 'p')); });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(readFile(path), QByteArray(64, 'p'));
}

void TestPicture::keyColoursStayExact_data()
{
    QTest::addColumn<QString>("themeName");
    QTest::newRow("dark") << "dark";
    QTest::newRow("light") << "light";
}

// Faces keep the theme's colours exactly through the palette, and captions keep their smoothed
// edges: more than the face and the caption colour inside a captioned key.
void TestPicture::keyColoursStayExact()
{
    QFETCH(QString, themeName);
    const auto layout = everyRoleLayout();
    const KeyboardPainter painter(theme(themeName));
    const QImage picture = decode(drawLayoutPicture(*layout, painter, PictureFormat::Gif));
    QCOMPARE(picture.pixel(0, 0), painter.palette().first());
    const QList<QRect> keys = skinLayoutKeyRects(*layout).rows.first();
    for (int k = 0; k < keys.size(); ++k) {
        const KeyStyle &style = painter.style(keyRoleOf(*layout->rows.at(0)->buttons.at(k)));
        // Left of the caption, below the lit edge, above the lip.
        QCOMPARE(picture.pixel(keys[k].left() + 3, keys[k].top() + 4), style.face | 0xFF000000u);
        QSet<QRgb> inside;
        for (int y = keys[k].top() + 2; y < keys[k].bottom() - 2; ++y) {
            for (int x = keys[k].left() + 2; x < keys[k].right() - 1; ++x)
                inside.insert(picture.pixel(x, y));
        }
        QVERIFY2(inside.contains(style.text | 0xFF000000u) && inside.size() > 3, qPrintable(QString::number(k)));
    }
}

void TestPicture::captionsKeepContrast_data()
{
    QTest::addColumn<QString>("themeName");
    QTest::addColumn<QRgb>("captionColor");
    QTest::addColumn<bool>("useCaptionColor");
    QTest::addColumn<int>("usedOnRoles"); // -1: not counted
    for (const QString &name : KeyboardTheme::names()) {
        QTest::addRow("%s", qPrintable(name)) << name << QRgb(0) << false << -1;
        for (QRgb color : {0xFF808080u, 0xFFFF0000u})
            QTest::addRow("%s, captions %08x", qPrintable(name), color) << name << color << true << -1;
    }
    // White reads well on every dark key; black on every light key but the two blue ones.
    QTest::newRow("dark, white captions") << "dark" << QRgb(0xFFFFFFFF) << true << KeyRoleCount;
    QTest::newRow("light, black captions") << "light" << QRgb(0xFF000000) << true << KeyRoleCount - 2;
}

// WCAG AA: 4.5:1 between every caption and its key face, whatever colour a project asks for.
void TestPicture::captionsKeepContrast()
{
    QFETCH(QString, themeName);
    QFETCH(QRgb, captionColor);
    QFETCH(bool, useCaptionColor);
    QFETCH(int, usedOnRoles);
    QCOMPARE(contrastRatio(0xFF000000u, 0xFFFFFFFFu), 21.0);
    QCOMPARE(contrastRatio(0xFF777777u, 0xFF777777u), 1.0);
    QVERIFY(qAbs(contrastRatio(0xFF767676u, 0xFFFFFFFFu) - 4.54) < 0.01);

    const KeyboardPainter painter(theme(themeName), useCaptionColor ? std::optional<QRgb>(captionColor) : std::nullopt);
    int usedOn = 0;
    for (int role = 0; role < KeyRoleCount; ++role) {
        const KeyStyle &style = painter.style(KeyRole(role));
        QVERIFY2(contrastRatio(style.text, style.face) >= MinimumCaptionContrast, qPrintable(QString::number(role)));
        if ((style.text | 0xFF000000u) == captionColor)
            ++usedOn;
    }
    if (usedOnRoles >= 0)
        QCOMPARE(usedOn, usedOnRoles);
}

void TestPicture::refusesWhatItCannotDraw_data()
{
    QTest::addColumn<QList<quint16>>("rowWidths");
    QTest::addColumn<quint16>("height");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no keys") << QList<quint16>{} << quint16(20) << "no keys to draw";
    QTest::newRow("zero height") << QList<quint16>{240} << quint16(0) << "no keys to draw";
    QTest::newRow("too wide") << QList<quint16>{65535} << quint16(20) << "at most 2048 pixels a side";
    QTest::newRow("too tall") << QList<quint16>{240} << quint16(60000) << "at most 2048 pixels a side";
}

void TestPicture::refusesWhatItCannotDraw()
{
    QFETCH(QList<quint16>, rowWidths);
    QFETCH(quint16, height);
    QFETCH(QString, problem);
    SkinLayout layout;
    layout.rows.append(makeRow(height, rowWidths));
    QVERIFY2(KeyboardPainter::drawProblem(layout, QStringLiteral("P->L")).contains(problem),
             qPrintable(KeyboardPainter::drawProblem(layout, QStringLiteral("P->L"))));
    QVERIFY(KeyboardPainter(theme(QStringLiteral("dark"))).paint(layout).isNull());
}

// Two layouts of one name, and a name another layout's picture already has, still get files of
// their own; a layout with a readable picture is left alone unless every layout is asked for.
void TestPicture::namesPicturesWithoutClashing()
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("demo-pictures"));
    QCOMPARE(pictureFolderFor(QDir(dir.path()).filePath(QStringLiteral("demo.vsp"))), folder);
    SkinProject project;
    QVERIFY(buildTemplateProject(project, QStringLiteral("numeric")));
    project.layoutList(Portrait).at(1)->name = QStringLiteral("Number Pad");
    QDir().mkpath(folder);
    const QString usedElsewhere = QDir(folder).filePath(QStringLiteral("landscape-number-pad.gif"));
    writeFile(usedElsewhere, "not a picture");
    project.layoutList(Landscape).at(1)->picFileName = usedElsewhere;

    const QList<PictureJob> all = planLayoutPictures(project, folder, PictureFormat::Gif, false);
    QCOMPARE(all.size(), 8);
    QSet<QString> names;
    for (const PictureJob &job : all)
        names.insert(QFileInfo(job.path).fileName());
    QCOMPARE(names.size(), 8);
    QVERIFY(names.contains(QStringLiteral("portrait-number-pad.gif")));
    QVERIFY(names.contains(QStringLiteral("portrait-number-pad-1.gif")));
    QVERIFY(names.contains(QStringLiteral("landscape-number-pad-0.gif")));
    QVERIFY(names.contains(QStringLiteral("hires-landscape-symbols.gif")));
    // The text file is another layout's picture, so no job writes over it.
    QCOMPARE(picturesInTheWay(project, all), QStringList());

    QVERIFY(writeLayoutPictures(project, all, KeyboardPainter(theme(QStringLiteral("light")))).isEmpty());
    QVERIFY(firstValidationFailure(project).isEmpty());
    project.layoutList(HiResPortrait).at(0)->picFileName.clear();
    const QList<PictureJob> missing = planLayoutPictures(project, folder, PictureFormat::Bmp, true);
    QCOMPARE(missing.size(), 1);
    QCOMPARE(QFileInfo(missing.first().path).fileName(), QStringLiteral("hires-portrait-number-pad.bmp"));
}

void TestPicture::drawnMark_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("drawn");
    for (const auto format : {PictureFormat::Gif, PictureFormat::Bmp}) {
        const QByteArray name = pictureFormatName(format).toUpper().toLatin1();
        QTest::addRow("%s as drawn", name.constData()) << int(format) << "" << true;
        QTest::addRow("%s without the mark", name.constData()) << int(format) << "unmarked" << false;
    }
    QTest::newRow("BMP retouched, mark kept") << int(PictureFormat::Bmp) << "retouched" << false;
}

// The painter's pictures are known as drawn, with their pixels as painted; the same pixels from
// elsewhere, or a drawn picture retouched by a program that keeps the mark, are not.
void TestPicture::drawnMark()
{
    QFETCH(int, format);
    QFETCH(QString, change);
    QFETCH(bool, drawn);
    const auto layout = everyRoleLayout();
    const KeyboardPainter painter(theme(QStringLiteral("dark")));
    const QImage painted = painter.paint(*layout);
    QByteArray bytes = drawLayoutPicture(*layout, painter, PictureFormat(format));
    QCOMPARE(decode(bytes), painted.convertToFormat(QImage::Format_RGB32));
    if (change == QLatin1String("unmarked")) {
        bytes = encodePicture(painted, PictureFormat(format));
    } else if (change == QLatin1String("retouched")) {
        bytes[bytes.size() - 1] = char(bytes.back() ^ 1); // a pixel of the top row
    }
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("keys.") + pictureFormatName(PictureFormat(format)));
    writeFile(path, bytes);
    QVERIFY(!QImage(path).isNull());
    QCOMPARE(isDrawnPicture(path), drawn);
}

// Drawn pictures are drawn again for the new shape in their theme, the author's are scaled into
// new files beside them; no file that exists is written over, and the result checks clean.
void TestPicture::derivedShapesGetPictures()
{
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString folder = dir.filePath(QStringLiteral("demo-pictures"));
    SkinProject project;
    QVERIFY(buildTemplateProject(project, QStringLiteral("qwerty")));
    project.projectPath = dir.filePath(QStringLiteral("demo.vsp"));
    QList<PictureJob> jobs = planLayoutPictures(project, folder, PictureFormat::Gif, false);
    jobs.removeIf([](const PictureJob &job) { return job.shape != Portrait; });
    const KeyboardPainter light(theme(QStringLiteral("light")));
    QVERIFY(writeLayoutPictures(project, jobs, light).isEmpty());
    SkinLayout &numbers = *project.layoutList(Portrait).at(1);
    numbers.picFileName = dir.filePath(QStringLiteral("mine.bmp"));
    QVERIFY(light.paint(numbers).save(numbers.picFileName));
    const QStringList inTheWay{dir.filePath(QStringLiteral("mine-landscape.bmp")),
                               QDir(folder).filePath(QStringLiteral("landscape-letters.gif"))};
    for (const QString &path : inTheWay)
        writeFile(path, "keep");
    const auto errors = [&] {
        QList<Problem> problems = checkProject(project);
        problems.removeIf([](const Problem &problem) { return problem.shape != Portrait && problem.code == ProblemCode::NoPicture; });
        return problems;
    };
    QCOMPARE(errors(), QList<Problem>());

    const QList<int> targets = deriveShapes(project, Portrait, {Landscape, HiResPortrait, HiResLandscape}, true).derived;
    const DerivedPictures pictures = writeDerivedPictures(project, Portrait, targets, folder, theme(QStringLiteral("dark")));
    QCOMPARE(pictures.problems, QStringList());
    QCOMPARE(pictures.written.size(), 9);
    for (const DerivedPicture &picture : pictures.written) {
        const SkinLayout &layout = *project.layoutList(picture.shape).at(picture.layout);
        QCOMPARE(layout.picFileName, picture.path);
        QCOMPARE(picture.drawn, picture.layout != 1);
        QCOMPARE(isDrawnPicture(picture.path), picture.drawn);
        QCOMPARE(QFileInfo(picture.path).absolutePath(), picture.drawn ? folder : dir.path());
        if (picture.drawn)
            QCOMPARE(themeOfPictures({picture.path})->name, QStringLiteral("light"));
    }
    QCOMPARE(project.layoutList(Landscape).at(0)->picFileName, QDir(folder).filePath(QStringLiteral("landscape-letters-2.gif")));
    QCOMPARE(project.layoutList(Landscape).at(1)->picFileName, dir.filePath(QStringLiteral("mine-landscape-2.bmp")));
    QCOMPARE(project.layoutList(HiResLandscape).at(1)->picFileName, dir.filePath(QStringLiteral("mine-hires-landscape.bmp")));
    for (const QString &path : inTheWay)
        QCOMPARE(readFile(path), QByteArray("keep"));
    QCOMPARE(checkProject(project), QList<Problem>());
}

void TestPicture::pictureFollowsItsKeys_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("newFile");
    QTest::newRow("drawn: redrawn in place") << "drawn" << false;
    QTest::newRow("drawn, shown by another layout too: redrawn into a new file") << "shared" << true;
    QTest::newRow("the author's: scaled into a new file") << "authors" << true;
}

// After the keys changed size, the picture takes their size again; the author's file is kept.
void TestPicture::pictureFollowsItsKeys()
{
    QFETCH(QString, picture);
    QFETCH(bool, newFile);
    QTemporaryDir temp;
    const QString folder = QDir(temp.path()).filePath(QStringLiteral("pictures"));
    SkinProject project;
    QVERIFY(buildTemplateProject(project, QStringLiteral("numeric")));
    const KeyboardPainter painter(theme(QStringLiteral("dark")));
    QVERIFY(writeLayoutPictures(project, planLayoutPictures(project, folder, PictureFormat::Gif, false), painter).isEmpty());
    SkinLayout &layout = *project.layoutList(Landscape).at(0);
    const QString old = layout.picFileName;
    if (picture == QLatin1String("shared"))
        project.layoutList(Portrait).at(0)->picFileName = old;
    if (picture == QLatin1String("authors"))
        writeFile(old, encodePicture(painter.paint(layout), PictureFormat::Gif));
    const QByteArray oldBytes = readFile(old);
    layout.rows.at(0)->height += 5;

    const QString problem = picture == QLatin1String("authors")
        ? scaleLayoutPicture(project, Landscape, 0)
        : redrawLayoutPicture(project, Landscape, 0, folder, theme(QStringLiteral("light")));
    QCOMPARE(problem, QString());
    QCOMPARE(layout.picFileName != old, newFile);
    QCOMPARE(QImage(layout.picFileName).size(), KeyboardPainter::pictureSize(layout));
    QCOMPARE(isDrawnPicture(layout.picFileName), picture != QLatin1String("authors"));
    if (newFile)
        QCOMPARE(readFile(old), oldBytes);
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
