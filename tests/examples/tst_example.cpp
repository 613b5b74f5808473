#include "buttonfunctions.h"
#include "drawnmark.h"
#include "projectfile.h"
#include "skinfile.h"
#include "skintemplates.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestExample : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void passesEveryRule();
    void isTheQwertyTemplate();
    void shapes_data();
    void shapes();
    void layoutKeys_data() { layoutTable(); }
    void layoutKeys();
    void picture_data() { layoutTable(); }
    void picture();
    void picturesUseBothFormats();
    void movesWithItsPictures();

private:
    void layoutTable();
    const SkinLayout &currentLayout();

    SkinProject m_project;
};

void TestExample::initTestCase()
{
    LoadReport report;
    QVERIFY(loadProjectFile(m_project, QDir(examplesFolder()).filePath(ProjectName), &report));
    QVERIFY2(report.isEmpty(), qPrintable(report.message()));
}

void TestExample::layoutTable()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("layout");
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : m_project.layoutList(shape)) {
            QTest::addRow("%s/%s", qPrintable(screenShapeName(shape)), qPrintable(layout->name))
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
    QCOMPARE(firstValidationFailure(m_project), QString());
}

// scripts/make-example writes the "qwerty" template: a template changed without regenerating the
// example shows here.
void TestExample::isTheQwertyTemplate()
{
    SkinProject qwerty;
    QVERIFY(buildTemplateProject(qwerty, QStringLiteral("qwerty")));
    QCOMPARE(m_project.highlightColor, qwerty.highlightColor);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &example = m_project.layoutList(shape);
        QCOMPARE(example.count(), qwerty.layoutList(shape).count());
        for (const auto &layout : qwerty.layoutList(shape)) {
            const SkinLayout &made = *example.at(layout->index);
            QCOMPARE(made.name, layout->name);
            QCOMPARE(made.flags, layout->flags);
            QCOMPARE(made.dragUpLayout, layout->dragUpLayout);
            QCOMPARE(made.rows.count(), layout->rows.count());
            for (const auto &row : layout->rows) {
                const SkinRow &madeRow = *made.rows.at(row->index);
                QCOMPARE(madeRow.height, row->height);
                QCOMPARE(madeRow.buttons.count(), row->buttons.count());
                for (const auto &button : row->buttons) {
                    const SkinButton &madeButton = *madeRow.buttons.at(button->index);
                    QCOMPARE(madeButton.caption, button->caption);
                    QCOMPARE(madeButton.width, button->width);
                    QCOMPARE(madeButton.flags, button->flags);
                    QCOMPARE(madeButton.charCode, button->charCode);
                    QCOMPARE(madeButton.vk, button->vk);
                }
            }
        }
    }
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
    // Drawn, so that deriving shapes from the example draws theirs afresh.
    QVERIFY(isDrawnPicture(layout.picFileName));
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
    QVERIFY(loadProjectFile(moved, target.filePath(ProjectName)));
    const QString pictureFolder = QDir::cleanPath(target.filePath(QStringLiteral("pictures")));
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : moved.layoutList(shape))
            QCOMPARE(QFileInfo(layout->picFileName).absolutePath(), pictureFolder);
    }
    QCOMPARE(firstValidationFailure(moved), QString());
    const QString skin = target.filePath(QStringLiteral("velkari-demo.vsk"));
    writeSkinFile(moved, skin);
    QVERIFY(QFileInfo(skin).size() > 0);
}

QTEST_MAIN(TestExample)
#include "tst_example.moc"
