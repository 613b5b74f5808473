#include "buttonfunctions.h"
#include "gifencoder.h"
#include "indexedimage.h"
#include "projectfile.h"
#include "skinfile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace velkari;

namespace {

const QString ProjectName = QStringLiteral("velkari-demo.vsp");

QString examplesFolder()
{
    return QStringLiteral(VELKARI_EXAMPLES);
}

bool isSpecialKey(const SkinButton &button, quint16 code)
{
    return !button.isPlaceholder() && button.charCode == code && button.vk == code;
}

int layoutHeight(const SkinLayout &layout)
{
    int height = 0;
    for (const auto &row : layout.rows)
        height += row->height;
    return height;
}

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

} // namespace

class TestExample : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void passesEveryRule();
    void shapes_data();
    void shapes();
    void layoutKeys_data() { layoutTable(); }
    void layoutKeys();
    void picture_data() { layoutTable(); }
    void picture();
    void picturesUseBothFormats();
    void movesWithItsPictures();

    void gifRoundTrip_data();
    void gifRoundTrip();
    void reducesMoreThan256Colors_data();
    void reducesMoreThan256Colors();
    void refusesWhatGifCannotHold();

private:
    void layoutTable();
    const SkinLayout &currentLayout();

    SkinProject m_project;
};

void TestExample::initTestCase()
{
    LoadReport report;
    QVERIFY(LoadProjectFile(m_project, QDir(examplesFolder()).filePath(ProjectName), &report));
    QVERIFY2(report.isEmpty(), qPrintable(report.message()));
}

void TestExample::layoutTable()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("layout");
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : m_project.layoutList(shape)) {
            QTest::addRow("%s/%s", qPrintable(ScreenShapeName(shape)), qPrintable(layout->name))
                << shape << int(layout->index);
        }
    }
}

const SkinLayout &TestExample::currentLayout()
{
    QFETCH(int, shape);
    QFETCH(int, layout);
    return *m_project.layoutList(shape).at(layout);
}

void TestExample::passesEveryRule()
{
    QCOMPARE(FirstValidationFailure(m_project), QString());
}

void TestExample::shapes_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("width");
    QTest::newRow("Portrait") << int(Portrait) << 240;
    QTest::newRow("Landscape") << int(Landscape) << 320;
    QTest::newRow("Hi-Res. Portrait") << int(HiResPortrait) << 480;
    QTest::newRow("Hi-Res. Landscape") << int(HiResLandscape) << 640;
}

// Each shape is a keyboard of its own screen's width, with letters and numbers and a Shift key.
void TestExample::shapes()
{
    QFETCH(int, shape);
    QFETCH(int, width);
    const LayoutList &layouts = m_project.layoutList(shape);
    QVERIFY(layouts.count() >= 2);
    bool hasShift = false;
    QSet<QString> names;
    for (const auto &layout : layouts) {
        names.insert(layout->name);
        for (const auto &row : layout->rows) {
            QCOMPARE(int(RowKeyWidth(*row)), width);
            for (const auto &button : row->buttons) {
                if (!button->isPlaceholder() && toggleIndex(button->flags) == 1
                    && (button->flags & ButtonFlagAutoToggle) && buttonKind(button->flags) == KindCharacter)
                    hasShift = true;
            }
        }
    }
    QVERIFY(hasShift);
    QCOMPARE(names.size(), layouts.count());
}

void TestExample::layoutKeys()
{
    const SkinLayout &layout = currentLayout();
    QFETCH(int, shape);
    const int layoutCount = m_project.layoutList(shape).count();
    QCOMPARE(layout.flags & LayoutFlagNew, 0);
    QVERIFY(layout.dragUpLayout >= 0 && layout.dragUpLayout < layoutCount);
    QVERIFY(layout.dragUpLayout != layout.index);

    bool enter = false, space = false, backspace = false, changesLayout = false;
    for (const auto &row : layout.rows) {
        QVERIFY(row->buttons.last()->isPlaceholder());
        for (const auto &button : row->buttons) {
            enter = enter || isSpecialKey(*button, 13);
            space = space || isSpecialKey(*button, 32);
            backspace = backspace || isSpecialKey(*button, 8);
            if (!button->isPlaceholder() && buttonKind(button->flags) == KindChangeLayout) {
                QVERIFY2(button->charCode < layoutCount && button->charCode != layout.index,
                         qPrintable(button->caption));
                changesLayout = true;
            }
            if (!button->isPlaceholder() && buttonKind(button->flags) == KindCalculator)
                QVERIFY(layout.flags & LayoutFlagCalculator);
        }
    }
    QVERIFY(enter);
    QVERIFY(space);
    QVERIFY(backspace);
    QVERIFY(changesLayout);
}

// The picture is what the device shows under the keys: it must have the layout's size, and the
// keys drawn on it must sit where the skin places them, with a background gap at each key's edge.
void TestExample::picture()
{
    const SkinLayout &layout = currentLayout();
    const QImage picture(layout.picFileName);
    QVERIFY2(!picture.isNull(), qPrintable(layout.picFileName));
    QCOMPARE(picture.size(), QSize(RowKeyWidth(*layout.rows.at(0)), layoutHeight(layout)));

    const QRgb background = picture.pixel(0, 0);
    int y = 0;
    for (const auto &row : layout.rows) {
        const int middle = y + row->height / 2;
        int x = 0;
        for (int i = 0; i + 1 < row->buttons.count(); ++i) {
            QCOMPARE(picture.pixel(x, middle), background);
            QVERIFY(picture.pixel(x + 2, middle) != background);
            x += row->buttons.at(i)->width;
        }
        QCOMPARE(picture.pixel(x - 1, middle), background);
        y += row->height;
    }
}

void TestExample::picturesUseBothFormats()
{
    QSet<QByteArray> formats;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : m_project.layoutList(shape))
            formats.insert(QImageReader(layout->picFileName).format());
    }
    QCOMPARE(formats, (QSet<QByteArray>{"gif", "bmp"}));
}

// A checkout anywhere works: the project finds its pictures beside it and still builds a skin.
void TestExample::movesWithItsPictures()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QDir source(examplesFolder());
    const QDir target(temp.path());
    QVERIFY(target.mkpath(QStringLiteral("pictures")));
    QVERIFY(QFile::copy(source.filePath(ProjectName), target.filePath(ProjectName)));
    const QStringList pictures = QDir(source.filePath(QStringLiteral("pictures"))).entryList(QDir::Files);
    for (const QString &name : pictures) {
        QVERIFY(QFile::copy(source.filePath(QStringLiteral("pictures/") + name),
                            target.filePath(QStringLiteral("pictures/") + name)));
    }

    SkinProject moved;
    QVERIFY(LoadProjectFile(moved, target.filePath(ProjectName)));
    const QString pictureFolder = QDir::cleanPath(target.filePath(QStringLiteral("pictures")));
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : moved.layoutList(shape))
            QCOMPARE(QFileInfo(layout->picFileName).absolutePath(), pictureFolder);
    }
    QCOMPARE(FirstValidationFailure(moved), QString());
    const QString skin = target.filePath(QStringLiteral("velkari-demo.vsk"));
    WriteSkinFile(moved, skin);
    QVERIFY(QFileInfo(skin).size() > 0);
}

void TestExample::gifRoundTrip_data()
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

void TestExample::gifRoundTrip()
{
    QFETCH(QImage, image);
    const QByteArray gif = GifEncoder::encode(image);
    QVERIFY(gif.startsWith("GIF89a"));
    QVERIFY(gif.endsWith(';'));
    const QImage back = QImage::fromData(gif, "GIF");
    QVERIFY(!back.isNull());
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32));
}

void TestExample::reducesMoreThan256Colors_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("tolerance");
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    }
    QTest::newRow("4096 colours") << gradient << 16;
    QImage oneTooMany(257, 1, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        oneTooMany.setPixel(i, 0, qRgb(i, 255 - i, 0));
    oneTooMany.setPixel(256, 0, qRgb(0, 0, 255));
    QTest::newRow("257 colours") << oneTooMany << 1;
}

void TestExample::reducesMoreThan256Colors()
{
    QFETCH(QImage, image);
    QFETCH(int, tolerance);
    const IndexedImage reduced = reduceColors(image);
    QVERIFY(reduced.isConsistent());
    QCOMPARE(reduced.palette.size(), 256);
    const QImage shown = reduced.toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), image.size());
    int worst = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            worst = std::max(worst, channelDistance(image.pixel(x, y), shown.pixel(x, y)));
    }
    QVERIFY2(worst <= tolerance, qPrintable(QString::number(worst)));

    const QImage back = QImage::fromData(GifEncoder::encode(image), "GIF");
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), shown);
}

void TestExample::refusesWhatGifCannotHold()
{
    QVERIFY(GifEncoder::encode(QImage()).isEmpty());
    QVERIFY(GifEncoder::encode(filled(GifEncoder::MaxDimension + 1, 1, qRgb(0, 0, 0))).isEmpty());

    IndexedImage outOfPalette;
    outOfPalette.width = 2;
    outOfPalette.height = 1;
    outOfPalette.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    outOfPalette.indices = QByteArray("\x01\x02", 2);
    QVERIFY(GifEncoder::encode(outOfPalette).isEmpty());
    outOfPalette.indices = QByteArray("\x01", 1);
    QVERIFY(GifEncoder::encode(outOfPalette).isEmpty());
    outOfPalette.indices = QByteArray("\x01\x00", 2);
    QVERIFY(!GifEncoder::encode(outOfPalette).isEmpty());
}

QTEST_MAIN(TestExample)
#include "tst_example.moc"
