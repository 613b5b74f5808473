#include "compiledskin.h"
#include "keyboardpainter.h"
#include "keymaplayout.h"
#include "keymapreader.h"
#include "skintemplates.h"
#include "testprojects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace velkari;

namespace {

// The key map a layout's own picture should give back.
PictureKeyMap keyMapOf(const SkinLayout &layout)
{
    const SkinKeyRects rects = skinLayoutKeyRects(layout);
    PictureKeyMap map{rects.width, rects.height, {}};
    for (const QList<QRect> &keys : rects.rows) {
        PictureKeyMap::Row row{keys.first().top(), keys.first().height(), {}};
        for (const QRect &key : keys)
            row.keys.append({key.left(), key.width()});
        map.rows.append(row);
    }
    return map;
}

// Pictures of the kinds skin authors draw by hand, each from known key rectangles.
enum class Drawing { Rounded, Gradient, Shadow, Borders, Noise };

// Widths as a drawing program would have them: any whole pixels, no shares of a screen.
QList<int> randomSplit(QRandomGenerator &random, int total, int parts, int smallest)
{
    QList<int> sizes(parts, smallest);
    for (int left = total - smallest * parts; left > 0; --left)
        ++sizes[random.bounded(parts)];
    // Wider keys (Space, Enter) now and then.
    if (parts > 3) {
        const int from = random.bounded(parts);
        const int to = random.bounded(parts);
        const int moved = std::min(sizes[from] - smallest, random.bounded(sizes[from]));
        sizes[from] -= std::max(0, moved);
        sizes[to] += std::max(0, moved);
    }
    return sizes;
}

PictureKeyMap randomKeyMap(QRandomGenerator &random)
{
    static const int widths[] = {240, 320, 480, 640};
    const int width = widths[random.bounded(4)];
    const int rowCount = random.bounded(2, 7);
    PictureKeyMap map{width, 0, {}};
    for (int r = 0; r < rowCount; ++r) {
        const int height = random.bounded(18, 45);
        const int keyCount = random.bounded(3, std::min(13, width / 20));
        PictureKeyMap::Row row{map.height, height, {}};
        int x = 0;
        for (int keyWidth : randomSplit(random, width, keyCount, 16)) {
            row.keys.append({x, keyWidth});
            x += keyWidth;
        }
        map.rows.append(row);
        map.height += height;
    }
    return map;
}

QColor randomShade(QRandomGenerator &random, int lightness)
{
    const int hue = random.bounded(360);
    return QColor::fromHsl(hue, random.bounded(0, 120), lightness);
}

QImage drawForeign(const PictureKeyMap &map, Drawing drawing, QRandomGenerator &random)
{
    QImage image(map.width, map.height, QImage::Format_RGB32);
    const bool dark = random.bounded(2) == 0;
    const QColor background = randomShade(random, dark ? random.bounded(15, 60) : random.bounded(150, 200));
    const QColor face = randomShade(random, dark ? random.bounded(100, 140) : random.bounded(225, 250));
    const QColor ink = dark ? QColor(240, 240, 240) : QColor(30, 30, 30);
    image.fill(background);
    if (drawing == Drawing::Noise) {
        const int amplitude = random.bounded(6, 17);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const auto jitter = [&](int c) { return std::clamp(c + random.bounded(-amplitude, amplitude + 1), 0, 255); };
                line[x] = qRgb(jitter(background.red()), jitter(background.green()), jitter(background.blue()));
            }
        }
    }
    const bool borders = drawing == Drawing::Borders;
    const qreal gap = borders ? 0 : random.bounded(2, 7);
    QList<QRectF> faces;
    for (const PictureKeyMap::Row &row : map.rows) {
        for (const PictureKeyMap::Key &key : row.keys)
            faces.append(QRectF(key.x, row.y, key.width, row.height).adjusted(gap / 2, gap / 2, -gap / 2, -gap / 2));
    }
    const qreal radius = borders ? 0 : random.bounded(2, 7);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (drawing == Drawing::Shadow) {
        QImage shadow(image.size(), QImage::Format_ARGB32);
        shadow.fill(Qt::transparent);
        QPainter shade(&shadow);
        shade.setRenderHint(QPainter::Antialiasing, true);
        shade.setPen(Qt::NoPen);
        shade.setBrush(QColor(0, 0, 0, random.bounded(70, 130)));
        const QPointF offset(random.bounded(1, 3), random.bounded(1, 3));
        for (const QRectF &rect : faces)
            shade.drawRoundedRect(rect.translated(offset), radius, radius);
        shade.end();
        // Softened: down to half the size and up again, smoothly.
        painter.drawImage(0, 0, shadow.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    painter.setPen(Qt::NoPen);
    for (const QRectF &rect : faces) {
        if (drawing == Drawing::Gradient) {
            QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
            gradient.setColorAt(0, face.lighter(110));
            gradient.setColorAt(1, face.darker(118));
            painter.setBrush(gradient);
        } else {
            painter.setBrush(face);
        }
        painter.drawRoundedRect(rect, radius, radius);
    }
    if (borders) {
        QPen pen(dark ? face.lighter(160) : background.darker(170));
        static const qreal penWidths[] = {1.0, 1.5, 2.0};
        pen.setWidthF(penWidths[random.bounded(3)]);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const QRectF &rect : faces)
            painter.drawRect(rect);
    }
    painter.setPen(ink);
    for (const QRectF &rect : faces) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(int(rect.height() * 0.5));
        painter.setFont(font);
        const QString caption = random.bounded(4) == 0 ? QStringLiteral("Shift") : QString(QChar(u'A' + random.bounded(26)));
        painter.drawText(rect, Qt::AlignCenter, caption);
    }
    return image;
}

bool near(int found, int expected)
{
    return std::abs(found - expected) <= 1;
}

// How many of the expected keys were found with every edge within a pixel.
int keysWithinAPixel(const PictureKeyMap &found, const PictureKeyMap &expected)
{
    if (found.rows.size() != expected.rows.size())
        return 0;
    int good = 0;
    for (qsizetype r = 0; r < expected.rows.size(); ++r) {
        const PictureKeyMap::Row &want = expected.rows[r];
        const PictureKeyMap::Row &got = found.rows[r];
        if (got.keys.size() != want.keys.size() || !near(got.y, want.y) || !near(got.y + got.height, want.y + want.height))
            continue;
        for (qsizetype k = 0; k < want.keys.size(); ++k) {
            good += near(got.keys[k].x, want.keys[k].x)
                && near(got.keys[k].x + got.keys[k].width, want.keys[k].x + want.keys[k].width);
        }
    }
    return good;
}

int keyCount(const PictureKeyMap &map)
{
    int count = 0;
    for (const PictureKeyMap::Row &row : map.rows)
        count += int(row.keys.size());
    return count;
}

} // namespace

class TestKeyMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsThePaintersPicturesExactly_data();
    void readsThePaintersPicturesExactly();
    void readsForeignPicturesWithinAPixel_data();
    void readsForeignPicturesWithinAPixel();
    void cleanupTestCase();
    void findsNoKeysWhereThereAreNone_data();
    void findsNoKeysWhereThereAreNone();
    void appliesAKeyMapToALayout_data();
    void appliesAKeyMapToALayout();

private:
    int m_good = 0;
    int m_total = 0;
};

void TestKeyMap::readsThePaintersPicturesExactly_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("themeName");
    for (const SkinTemplateInfo &info : skinTemplates()) {
        for (int shape = 0; shape < ScreenShapeCount; ++shape) {
            for (const QString &theme : KeyboardTheme::names()) {
                QTest::addRow("%s, %s, %s", qPrintable(info.name), qPrintable(screenShapeName(shape)), qPrintable(theme))
                    << info.name << shape << theme;
            }
        }
    }
}

void TestKeyMap::readsThePaintersPicturesExactly()
{
    QFETCH(QString, templateName);
    QFETCH(int, shape);
    QFETCH(QString, themeName);
    SkinProject project;
    QVERIFY(buildTemplateProject(project, templateName));
    const KeyboardPainter painter(*KeyboardTheme::named(themeName));
    for (const auto &layout : project.layoutList(shape))
        QCOMPARE(readPictureKeyMap(painter.paint(*layout)), keyMapOf(*layout));
}

void TestKeyMap::readsForeignPicturesWithinAPixel_data()
{
    QTest::addColumn<int>("drawing");
    QTest::newRow("smoothed rounded keys") << int(Drawing::Rounded);
    QTest::newRow("shaded faces") << int(Drawing::Gradient);
    QTest::newRow("drop shadows") << int(Drawing::Shadow);
    QTest::newRow("border lines, no gaps") << int(Drawing::Borders);
    QTest::newRow("textured background") << int(Drawing::Noise);
}

void TestKeyMap::readsForeignPicturesWithinAPixel()
{
    QFETCH(int, drawing);
    QRandomGenerator random(quint32(2500 + drawing));
    int good = 0;
    int total = 0;
    for (int picture = 0; picture < 40; ++picture) {
        const PictureKeyMap expected = randomKeyMap(random);
        const QImage image = drawForeign(expected, Drawing(drawing), random);
        const PictureKeyMap found = readPictureKeyMap(image);
        const int pictureGood = keysWithinAPixel(found, expected);
        good += pictureGood;
        total += keyCount(expected);
    }
    qInfo("%s: %d of %d keys (%.1f %%) have every edge within 1 pixel", QTest::currentDataTag(), good, total,
          100.0 * good / total);
    m_good += good;
    m_total += total;
    QVERIFY(good >= 0.95 * total);
}

void TestKeyMap::cleanupTestCase()
{
    if (m_total > 0)
        qInfo("all foreign pictures: %d of %d keys (%.1f %%)", m_good, m_total, 100.0 * m_good / m_total);
}

void TestKeyMap::findsNoKeysWhereThereAreNone_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("no picture") << QImage();
    QImage plain(240, 80, QImage::Format_RGB32);
    plain.fill(qRgb(40, 44, 52));
    QTest::newRow("one colour") << plain;
    QImage noise(240, 80, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xFF000000u);
    }
    QTest::newRow("noise") << noise;
    QTest::newRow("two pixels") << plain.copy(0, 0, 2, 1);
}

void TestKeyMap::findsNoKeysWhereThereAreNone()
{
    QFETCH(QImage, picture);
    const PictureKeyMap map = readPictureKeyMap(picture);
    QVERIFY(map.isEmpty());
    QCOMPARE(QSize(map.width, map.height), picture.size());
}

void TestKeyMap::appliesAKeyMapToALayout_data()
{
    QTest::addColumn<QList<int>>("layoutKeys"); // per row
    QTest::addColumn<QList<int>>("mapKeys");
    QTest::addColumn<QStringList>("report"); // after its first line
    QTest::newRow("same keys") << QList<int>{3, 2} << QList<int>{3, 2} << QStringList{};
    QTest::newRow("fewer keys, more keys")
        << QList<int>{3, 1} << QList<int>{2, 3} << QStringList{"Blank keys added: 2.", "Removed: row 0, key 2 \"K2\"."};
    QTest::newRow("a row more") << QList<int>{2} << QList<int>{2, 4}
                                << QStringList{"Rows added: 1.", "Blank keys added: 4."};
    QTest::newRow("rows fewer") << QList<int>{1, 2, 1} << QList<int>{1}
                                << QStringList{"Rows removed: 2.", "Removed: row 1, key 0 \"K0\".",
                                               "Removed: row 1, key 1 \"K1\".", "Removed: row 2, key 0 \"K0\"."};
    QTest::newRow("past the limits")
        << QList<int>{30} << QList<int>{31, 29, 29, 29, 29, 30, 2}
        << QStringList{"Rows added: 5.", "Blank keys added: 145.", "Removed: row 0, key 29 \"K29\".",
                       "Left out: the picture's rows after the 6th (1).",
                       "Left out: the picture's keys after the 29th in row 0 (2).",
                       "Left out: the picture's keys after the 29th in row 5 (1)."};
}

// Kept keys keep their captions and functions in order; the row heights and key widths are the
// map's, every row ends in one placeholder, and the report names what changed.
void TestKeyMap::appliesAKeyMapToALayout()
{
    QFETCH(QList<int>, layoutKeys);
    QFETCH(QList<int>, mapKeys);
    QFETCH(QStringList, report);
    SkinLayout layout;
    for (int count : layoutKeys) {
        layout.rows.append(test::makeRow(16, QList<quint16>(count, 8)));
        for (const auto &button : layout.rows.last()->buttons)
            button->vk = button->isPlaceholder() ? 0 : 0x41;
    }
    PictureKeyMap map{0, 0, {}};
    for (int r = 0; r < mapKeys.size(); ++r) {
        PictureKeyMap::Row row{map.height, 20 + r, {}};
        for (int k = 0; k < mapKeys[r]; ++k)
            row.keys.append({k * 12, 10 + k});
        map.height += row.height;
        map.rows.append(row);
    }

    const QStringList lines = applyKeyMap(layout, map).lines();
    const int rows = std::min<int>(int(mapKeys.size()), RowList::capacity);
    QCOMPARE(layout.rows.count(), rows);
    for (int r = 0; r < rows; ++r) {
        const SkinRow &row = *layout.rows.at(r);
        QCOMPARE(row.height, 20 + r);
        const int keys = std::min(mapKeys[r], ButtonList::capacity - 1);
        QCOMPARE(row.buttons.count(), keys + 1);
        QVERIFY(row.buttons.last()->isPlaceholder());
        for (int k = 0; k < keys; ++k) {
            const SkinButton &key = *row.buttons.at(k);
            QCOMPARE(key.width, 10 + k);
            const bool kept = r < layoutKeys.size() && k < layoutKeys[r];
            QCOMPARE(key.caption, kept ? QStringLiteral("K%1").arg(k) : QString());
            QCOMPARE(key.flags, ButtonFlagCharacter);
            QCOMPARE(key.vk, kept ? 0x41 : 0);
        }
    }
    QCOMPARE(lines.mid(1), report);
}

QTEST_MAIN(TestKeyMap)
#include "tst_keymap.moc"
