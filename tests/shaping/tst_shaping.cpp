#include "rowfit.h"
#include "shapederive.h"
#include "skintemplates.h"
#include "testprojects.h"

#include <QTest>

#include <tuple>

using namespace velkari;
using namespace velkari::test;

namespace {

using Widths = QList<quint16>;

Widths keyWidths(const SkinRow &row)
{
    Widths widths;
    for (int k = 0; k + 1 < row.buttons.count(); ++k)
        widths.append(row.buttons.at(k)->width);
    return widths;
}

} // namespace

class TestShaping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitRowKeys_data();
    void fitRowKeys();
    void equalizeRowKeys_data();
    void equalizeRowKeys();
    void scaledRowHeight_data();
    void scaledRowHeight();
    void shapeInUse_data();
    void shapeInUse();
    void deriveKeepsLayoutsAndAddsUp();
    void deriveRefusesShapesInUse();
};

void TestShaping::fitRowKeys_data()
{
    QTest::addColumn<Widths>("widths");
    QTest::addColumn<int>("width");
    QTest::addColumn<Widths>("expected");
    QTest::addColumn<RowOutcome>("outcome");
    QTest::newRow("in proportion") << Widths{60, 60, 120} << 320 << Widths{80, 80, 160} << RowOutcome::Changed;
    QTest::newRow("leftover to the left among equals") << Widths{100, 100, 100} << 320 << Widths{107, 107, 106}
                                                       << RowOutcome::Changed;
    QTest::newRow("largest remainder first") << Widths{50, 70, 116} << 240 << Widths{51, 71, 118} << RowOutcome::Changed;
    QTest::newRow("no key below 1 pixel") << Widths{1, 639} << 240 << Widths{1, 239} << RowOutcome::Changed;
    QTest::newRow("already fits") << Widths{120, 120} << 240 << Widths{120, 120} << RowOutcome::AlreadyFits;
    QTest::newRow("only the placeholder") << Widths{} << 240 << Widths{} << RowOutcome::NoKeys;
    QTest::newRow("keys of 0 pixels") << Widths{0, 0} << 240 << Widths{0, 0} << RowOutcome::ZeroWidth;
}

// The row adds up exactly and the placeholder keeps its width.
void TestShaping::fitRowKeys()
{
    QFETCH(Widths, widths);
    QFETCH(int, width);
    QFETCH(Widths, expected);
    QFETCH(RowOutcome, outcome);
    const auto row = makeRow(20, widths);
    row->buttons.last()->width = 33;
    QCOMPARE(velkari::fitRowKeys(*row, width), outcome);
    QCOMPARE(keyWidths(*row), expected);
    QCOMPARE(row->buttons.last()->width, quint16(33));
}

void TestShaping::equalizeRowKeys_data()
{
    QTest::addColumn<Widths>("widths");
    QTest::addColumn<int>("width");
    QTest::addColumn<Widths>("expected");
    QTest::addColumn<RowOutcome>("outcome");
    QTest::newRow("remainder from the left") << Widths{10, 20, 30, 40, 50, 60, 70} << 480
                                             << Widths{69, 69, 69, 69, 68, 68, 68} << RowOutcome::Changed;
    QTest::newRow("keys of 0 pixels too") << Widths{0, 0, 0} << 240 << Widths{80, 80, 80} << RowOutcome::Changed;
    QTest::newRow("already equal") << Widths{107, 107, 106} << 320 << Widths{107, 107, 106} << RowOutcome::AlreadyFits;
    QTest::newRow("only the placeholder") << Widths{} << 240 << Widths{} << RowOutcome::NoKeys;
}

void TestShaping::equalizeRowKeys()
{
    QFETCH(Widths, widths);
    QFETCH(int, width);
    QFETCH(Widths, expected);
    QFETCH(RowOutcome, outcome);
    const auto row = makeRow(20, widths);
    QCOMPARE(velkari::equalizeRowKeys(*row, width), outcome);
    QCOMPARE(keyWidths(*row), expected);
    QCOMPARE(row->buttons.last()->width, quint16(70));
}

void TestShaping::scaledRowHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expected");
    QTest::newRow("to Hi-Res doubles") << 20 << int(Portrait) << int(HiResLandscape) << 40;
    QTest::newRow("to low resolution halves, half up") << 41 << int(HiResPortrait) << int(Landscape) << 21;
    QTest::newRow("halving keeps 1 pixel") << 1 << int(HiResLandscape) << int(Portrait) << 1;
    QTest::newRow("same resolution") << 33 << int(HiResPortrait) << int(HiResLandscape) << 33;
    QTest::newRow("doubling stops at 16 bits") << 40000 << int(Landscape) << int(HiResPortrait) << 65535;
}

void TestShaping::scaledRowHeight()
{
    QFETCH(int, height);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    QCOMPARE(int(velkari::scaledRowHeight(quint16(height), from, to)), expected);
}

void TestShaping::shapeInUse_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("inUse");
    QTest::newRow("fresh") << "" << false;
    QTest::newRow("a key") << "key" << true;
    QTest::newRow("renamed") << "name" << true;
    QTest::newRow("a picture") << "picture" << true;
    QTest::newRow("a second layout") << "layout" << true;
}

void TestShaping::shapeInUse()
{
    QFETCH(QString, change);
    QFETCH(bool, inUse);
    SkinProject project;
    NormalizeProject(project);
    LayoutList &layouts = project.layoutList(Landscape);
    SkinLayout &fresh = *layouts.at(0);
    if (change == QLatin1String("key"))
        fresh.rows.at(4)->buttons.at(0)->flags = ButtonFlagCharacter;
    else if (change == QLatin1String("name"))
        fresh.name = QStringLiteral("Letters");
    else if (change == QLatin1String("picture"))
        fresh.picFileName = QStringLiteral("keys.gif");
    else if (change == QLatin1String("layout"))
        layouts.append(std::make_unique<SkinLayout>());
    QCOMPARE(isShapeInUse(layouts), inUse);
    QVERIFY(!isShapeInUse(project.layoutList(Portrait)));
}

// Every target gets the source's layouts in order, links included, its rows adding up to its own
// screen; only the widths and heights differ.
void TestShaping::deriveKeepsLayoutsAndAddsUp()
{
    SkinProject project;
    QVERIFY(buildTemplateProject(project, QStringLiteral("qwerty")));
    const LayoutList &source = project.layoutList(Portrait);
    source.at(1)->rows.at(0)->buttons.at(0)->width += 7; // a row that does not add up is fitted too
    const DeriveReport report = deriveShapes(project, Portrait, {Landscape, HiResPortrait, HiResLandscape}, true);
    QCOMPARE(report.derived, (QList<int>{Landscape, HiResPortrait, HiResLandscape}));
    QVERIFY(report.leftAlone.isEmpty());
    for (int shape : report.derived) {
        const LayoutList &target = project.layoutList(shape);
        QCOMPARE(target.count(), source.count());
        for (const auto &layout : source) {
            const SkinLayout &made = *target.at(layout->index);
            QCOMPARE(made.name, layout->name);
            QCOMPARE(made.flags, layout->flags);
            QCOMPARE(made.dragUpLayout, layout->dragUpLayout);
            QVERIFY(made.picFileName.isEmpty());
            QCOMPARE(made.rows.count(), layout->rows.count());
            for (const auto &row : layout->rows) {
                const SkinRow &madeRow = *made.rows.at(row->index);
                QCOMPARE(madeRow.height, velkari::scaledRowHeight(row->height, Portrait, shape));
                QCOMPARE(rowKeySum(madeRow), screenShapeWidth(shape));
                QCOMPARE(madeRow.buttons.count(), row->buttons.count());
                for (const auto &button : row->buttons) {
                    const SkinButton &made = *madeRow.buttons.at(button->index);
                    QVERIFY(std::tie(made.caption, made.flags, made.charCode, made.vk)
                            == std::tie(button->caption, button->flags, button->charCode, button->vk));
                    QVERIFY(made.width >= 1);
                }
            }
        }
    }
}

// Nothing changes while a target is in use unless replacing it is asked for; fresh targets never
// stop a derivation.
void TestShaping::deriveRefusesShapesInUse()
{
    SkinProject project;
    QVERIFY(buildTemplateProject(project, QStringLiteral("numeric")));
    project.layoutList(HiResPortrait).clear();
    project.layoutList(HiResPortrait).append(std::make_unique<SkinLayout>());
    project.layoutList(HiResPortrait).at(0)->name = QStringLiteral("Layout00");
    const QByteArray before = projectBytes(project);

    DeriveReport report = deriveShapes(project, Portrait, {HiResPortrait, Landscape, Portrait, Landscape}, false);
    QVERIFY(report.refused());
    QCOMPARE(report.inUse, QList<int>{Landscape});
    QCOMPARE(projectBytes(project), before);

    report = deriveShapes(project, Portrait, {HiResPortrait}, false);
    QCOMPARE(report.derived, QList<int>{HiResPortrait});
    QCOMPARE(project.layoutList(HiResPortrait).count(), project.layoutList(Portrait).count());
}

QTEST_GUILESS_MAIN(TestShaping)
#include "tst_shaping.moc"
