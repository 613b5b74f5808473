#include "buttonfunctions.h"
#include "skinproject.h"

#include <QTest>

#include <set>
#include <vector>

using namespace velkari;

namespace {

std::unique_ptr<SkinButton> key(const QString &caption, quint16 flags = ButtonFlagCharacter)
{
    auto button = std::make_unique<SkinButton>();
    button->caption = caption;
    button->flags = flags;
    return button;
}

std::unique_ptr<SkinButton> placeholder()
{
    return std::make_unique<SkinButton>();
}

// The row as text: captions, "+" for a placeholder, and the index of each button.
QString describeRow(const SkinRow &row)
{
    QStringList parts;
    for (const auto &button : row.buttons)
        parts << (button->isPlaceholder() ? QStringLiteral("+") : button->caption) + QString::number(button->index);
    return parts.join(u' ');
}

void checkIndices(const LayoutList &list)
{
    for (int i = 0; i < list.count(); ++i) {
        QCOMPARE(list.at(i)->index, i);
        for (int r = 0; r < list.at(i)->rows.count(); ++r) {
            QCOMPARE(list.at(i)->rows.at(r)->index, r);
            for (int b = 0; b < list.at(i)->rows.at(r)->buttons.count(); ++b)
                QCOMPARE(list.at(i)->rows.at(r)->buttons.at(b)->index, b);
        }
    }
}

} // namespace

class TestSkinModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordDefaults();
    void freshProjectIsNormalised();
    void normalizeRow_data();
    void normalizeRow();
    void normalizeKeepsRowsAndAddsNone();
    void removeRenumbersButKeepsReferences();
    void removeLayoutKeepsLinks_data();
    void removeLayoutKeepsLinks();
    void insertCopyAtRenumbers();
    void copiesTakeFieldsNotPositions();
    void resetToDefaultsClearsEverything();
    void capacityIsNeverExceeded();
    void atOutOfRange();
    void assignCopyFromItselfKeepsRows();
    void keysMadeAndFreedInTurnStayApart();
    void shapeNames();
};

void TestSkinModel::recordDefaults()
{
    const SkinButton button;
    QCOMPARE(button.index, -1);
    QVERIFY(button.caption.isEmpty());
    QCOMPARE(button.flags, 0x0400);
    QCOMPARE(button.charCode, 0);
    QCOMPARE(button.vk, 0);
    QCOMPARE(button.width, 70);
    const SkinRow row;
    QCOMPARE(row.index, -1);
    QCOMPARE(row.height, 16);
    QCOMPARE(row.buttons.count(), 0);
    const SkinLayout layout;
    QCOMPARE(layout.flags, 0x0001);
    QCOMPARE(layout.dragUpLayout, -1);
    QCOMPARE(layout.rows.count(), 0);
    const SkinProject project;
    QCOMPARE(project.textColor, 0x00FFFFFFu);
    QCOMPARE(project.highlightColor, 0x000000FFu);
    QCOMPARE(project.helpFileName, QStringLiteral("Velkari.htm"));
    QVERIFY(project.projectPath.isEmpty());
}

void TestSkinModel::freshProjectIsNormalised()
{
    SkinProject project;
    NormalizeProject(project);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &list = project.layoutList(shape);
        QCOMPARE(list.count(), 1);
        const SkinLayout *layout = list.at(0);
        QCOMPARE(layout->name, QStringLiteral("Layout00"));
        QCOMPARE(layout->flags, 0x0001);
        QCOMPARE(layout->dragUpLayout, -1);
        QVERIFY(layout->picFileName.isEmpty());
        QCOMPARE(layout->rows.count(), 5);
        for (const auto &row : layout->rows) {
            QCOMPARE(row->height, 16);
            QCOMPARE(row->buttons.count(), 1);
            const SkinButton *button = row->buttons.at(0);
            QVERIFY(button->caption.isEmpty());
            QCOMPARE(button->flags, 0x0400);
            QCOMPARE(button->charCode, 0);
            QCOMPARE(button->vk, 0);
            QCOMPARE(button->width, 70);
        }
        checkIndices(list);
    }
}

// Rows are written as a string: a letter is a key with that caption, "+" a placeholder.
void TestSkinModel::normalizeRow_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("two trailing placeholders") << "A++" << "A0 +1";
    QTest::newRow("only placeholders") << "+++" << "+0";
    QTest::newRow("placeholder in the middle stays") << "A+B" << "A0 +1 B2 +3";
    QTest::newRow("empty row") << "" << "+0";
    QTest::newRow("no placeholder") << "AB" << "A0 B1 +2";
    QTest::newRow("already normal") << "A+" << "A0 +1";
    QTest::newRow("full row of keys keeps 29")
        << "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"
        << "A0 B1 C2 D3 E4 F5 G6 H7 I8 J9 K10 L11 M12 N13 O14 P15 Q16 R17 S18 T19 U20 V21 W22 X23 Y24 Z25 a26 b27 c28 +29";
}

void TestSkinModel::normalizeRow()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    SkinProject project;
    auto layout = std::make_unique<SkinLayout>();
    auto row = std::make_unique<SkinRow>();
    for (QChar c : before)
        row->buttons.append(c == u'+' ? placeholder() : key(QString(c)));
    layout->rows.append(std::move(row));
    project.layoutList(Portrait).append(std::move(layout));
    NormalizeProject(project);
    QCOMPARE(describeRow(*project.layoutList(Portrait).at(0)->rows.at(0)), after);
}

void TestSkinModel::normalizeKeepsRowsAndAddsNone()
{
    auto layout = std::make_unique<SkinLayout>();
    layout->rows.append(std::make_unique<SkinRow>());
    layout->rows.append(std::make_unique<SkinRow>());
    FixRowPlaceholders(*layout);
    QCOMPARE(layout->rows.count(), 2);
    QCOMPARE(describeRow(*layout->rows.at(1)), QStringLiteral("+0"));

    SkinProject project;
    auto empty = std::make_unique<SkinLayout>();
    empty->name = QStringLiteral("Mine");
    project.layoutList(Landscape).append(std::move(empty));
    NormalizeProject(project);
    QCOMPARE(project.layoutList(Landscape).count(), 1);
    QCOMPARE(project.layoutList(Landscape).at(0)->name, QStringLiteral("Mine"));
    QCOMPARE(project.layoutList(Landscape).at(0)->rows.count(), 5);
}

void TestSkinModel::removeRenumbersButKeepsReferences()
{
    LayoutList list;
    for (int i = 0; i < 3; ++i) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QString::number(i);
        layout->dragUpLayout = 2;
        list.append(std::move(layout));
    }
    QVERIFY(list.removeAt(1));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(1)->name, QStringLiteral("2"));
    QCOMPARE(list.at(1)->index, 1);
    QCOMPARE(list.at(0)->dragUpLayout, 2); // names no layout now
    QVERIFY(!list.at(2));
    QVERIFY(!list.removeAt(2));
    QCOMPARE(list.count(), 2);
}

void TestSkinModel::removeLayoutKeepsLinks_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("dragUps");
    QTest::addColumn<QString>("keys");
    // Before: four layouts, each dragging up to the next one round, each with keys that change to
    // layouts 0, 1, 2, 3, none and 9, and a character key whose code is 2.
    QTest::newRow("the first") << 0 << "1 2 -1" << "65535 0 1 2 65535 9 c2";
    QTest::newRow("one in the middle") << 1 << "-1 2 0" << "0 65535 1 2 65535 9 c2";
    QTest::newRow("the last") << 3 << "1 2 -1" << "0 1 2 65535 65535 9 c2";
    QTest::newRow("no such layout") << 4 << "1 2 3 0" << "0 1 2 3 65535 9 c2";
}

void TestSkinModel::removeLayoutKeepsLinks()
{
    QFETCH(int, position);
    QFETCH(QString, dragUps);
    QFETCH(QString, keys);
    LayoutList list;
    for (int i = 0; i < 4; ++i) {
        auto layout = std::make_unique<SkinLayout>();
        layout->dragUpLayout = qint8((i + 1) % 4);
        auto row = std::make_unique<SkinRow>();
        for (int target : {0, 1, 2, 3, int(LayoutNotSet), 9}) {
            row->buttons.append(key(QString(), ButtonFlagChangeLayout | ButtonFlagReturn)); // options do not hide a link
            row->buttons.last()->charCode = quint16(target);
        }
        row->buttons.append(key(QString()));
        row->buttons.last()->charCode = 2;
        layout->rows.append(std::move(row));
        list.append(std::move(layout));
    }
    QCOMPARE(removeLayoutKeepingLinks(list, position), position < 4);
    checkIndices(list);
    QStringList seenDragUps;
    for (const auto &layout : list) {
        seenDragUps << QString::number(layout->dragUpLayout);
        QStringList seenKeys;
        for (const auto &button : layout->rows.at(0)->buttons)
            seenKeys << (button->flags == ButtonFlagCharacter ? QStringLiteral("c") : QString()) + QString::number(button->charCode);
        QCOMPARE(seenKeys.join(u' '), keys);
    }
    QCOMPARE(seenDragUps.join(u' '), dragUps);
}

void TestSkinModel::insertCopyAtRenumbers()
{
    SkinRow row;
    row.buttons.append(key(QStringLiteral("A")));
    row.buttons.append(placeholder());
    QVERIFY(row.buttons.insertCopyAt(0, *row.buttons.at(0)));
    QCOMPARE(describeRow(row), QStringLiteral("A0 A1 +2"));
    QVERIFY(row.buttons.insertCopyAt(3, *row.buttons.at(0)));
    QCOMPARE(describeRow(row), QStringLiteral("A0 A1 +2 A3"));
    QVERIFY(!row.buttons.insertCopyAt(5, *row.buttons.at(0)));
    QVERIFY(!row.buttons.insertCopyAt(-1, *row.buttons.at(0)));
    QCOMPARE(row.buttons.count(), 4);
}

void TestSkinModel::copiesTakeFieldsNotPositions()
{
    SkinRow row;
    row.height = 22;
    auto button = key(QStringLiteral("Ω"), 0x3021);
    button->charCode = 0x20AC;
    button->vk = 0x41;
    button->width = 33;
    row.buttons.append(key(QStringLiteral("first")));
    row.buttons.append(std::move(button));
    const SkinRow copy(row);
    QCOMPARE(copy.index, -1);
    QCOMPARE(copy.height, 22);
    QCOMPARE(copy.buttons.count(), 2);
    const SkinButton *copied = copy.buttons.at(1);
    QVERIFY(copied != row.buttons.at(1));
    QCOMPARE(copied->index, 1);
    QCOMPARE(copied->caption, QStringLiteral("Ω"));
    QCOMPARE(copied->flags, 0x3021);
    QCOMPARE(copied->charCode, 0x20AC);
    QCOMPARE(copied->vk, 0x41);
    QCOMPARE(copied->width, 33);
    const SkinButton loose(*row.buttons.at(1));
    QCOMPARE(loose.index, -1);
}

void TestSkinModel::resetToDefaultsClearsEverything()
{
    SkinProject project;
    NormalizeProject(project);
    project.textColor = 1;
    project.highlightColor = 2;
    project.helpFileName = QStringLiteral("x.htm");
    project.projectPath = QStringLiteral("/tmp/p.vsp");
    project.resetToDefaults();
    QCOMPARE(project.textColor, 0x00FFFFFFu);
    QCOMPARE(project.highlightColor, 0x000000FFu);
    QCOMPARE(project.helpFileName, QStringLiteral("Velkari.htm"));
    QVERIFY(project.projectPath.isEmpty());
    for (const LayoutList &list : project.layouts)
        QCOMPARE(list.count(), 0);
}

void TestSkinModel::capacityIsNeverExceeded()
{
    SkinRow row;
    for (int i = 0; i < ButtonList::capacity; ++i)
        QVERIFY(row.buttons.append(key(QString::number(i))));
    QVERIFY(row.buttons.isFull());
    QVERIFY(!row.buttons.append(placeholder()));
    QVERIFY(!row.buttons.insertCopyAt(0, *row.buttons.at(0)));
    QCOMPARE(row.buttons.count(), 30);
    QCOMPARE(row.buttons.at(0)->caption, QStringLiteral("0"));

    SkinLayout layout;
    for (int i = 0; i < RowList::capacity; ++i)
        QVERIFY(layout.rows.append(std::make_unique<SkinRow>()));
    QVERIFY(!layout.rows.append(std::make_unique<SkinRow>()));
    QCOMPARE(layout.rows.count(), 6);

    LayoutList list;
    for (int i = 0; i < LayoutList::capacity; ++i)
        QVERIFY(list.append(std::make_unique<SkinLayout>()));
    QVERIFY(!list.append(std::make_unique<SkinLayout>()));
    QCOMPARE(list.count(), 20);
}

void TestSkinModel::atOutOfRange()
{
    SkinRow row;
    QVERIFY(!row.buttons.at(0));
    row.buttons.append(placeholder());
    QVERIFY(!row.buttons.at(-1));
    QVERIFY(!row.buttons.at(1));
    QVERIFY(row.buttons.at(0));
    QVERIFY(!row.buttons.at(std::numeric_limits<int>::min()));
}

void TestSkinModel::assignCopyFromItselfKeepsRows()
{
    SkinLayout layout;
    for (int i = 0; i < 3; ++i) {
        auto row = std::make_unique<SkinRow>();
        row->height = quint16(10 + i);
        row->buttons.append(key(QString::number(i)));
        layout.rows.append(std::move(row));
    }
    const SkinRow *first = layout.rows.at(0);
    layout.rows.assignCopy(layout.rows);
    QCOMPARE(layout.rows.count(), 3);
    QCOMPARE(layout.rows.at(0), first);
    QCOMPARE(layout.rows.at(2)->height, 12);
    QCOMPARE(layout.rows.at(2)->buttons.at(0)->caption, QStringLiteral("2"));
}

// Keys come from a pool of their own: across blocks, freed in another order than made, and made
// again in the freed places, each living key keeps its own memory and fields.
void TestSkinModel::keysMadeAndFreedInTurnStayApart()
{
    std::vector<std::unique_ptr<SkinButton>> keys;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 2500; ++i)
            keys.push_back(key(QString::number(keys.size())));
        for (size_t i = round; i < keys.size(); i += 3)
            keys[i].reset();
        for (size_t i = 0; i < keys.size(); ++i) {
            if (!keys[i])
                keys[i] = key(QString::number(i));
        }
    }
    std::set<const SkinButton *> places;
    for (size_t i = 0; i < keys.size(); ++i) {
        QCOMPARE(keys[i]->caption, QString::number(i));
        QCOMPARE(keys[i]->flags, ButtonFlagCharacter);
        places.insert(keys[i].get());
    }
    QCOMPARE(places.size(), keys.size());
}

void TestSkinModel::shapeNames()
{
    QCOMPARE(screenShapeName(Portrait), QStringLiteral("Portrait"));
    QCOMPARE(screenShapeName(Landscape), QStringLiteral("Landscape"));
    QCOMPARE(screenShapeName(HiResPortrait), QStringLiteral("Hi-Res. Portrait"));
    QCOMPARE(screenShapeName(HiResLandscape), QStringLiteral("Hi-Res. Landscape"));
    QVERIFY(screenShapeName(4).isEmpty());
}

QTEST_APPLESS_MAIN(TestSkinModel)
#include "tst_skinmodel.moc"
