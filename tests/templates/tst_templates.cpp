#include "buttonfunctions.h"
#include "keyboardpainter.h"
#include "layoutpictures.h"
#include "projectchecker.h"
#include "skinfile.h"
#include "skintemplates.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;

namespace {

bool sends(const SkinButton &button, char16_t c)
{
    return !button.isPlaceholder() && buttonKind(button.flags) == KindCharacter && button.charCode == c;
}

bool isOneShotShift(const SkinButton &button)
{
    return buttonKind(button.flags) == KindCharacter && (button.flags & ButtonFlagAutoToggle)
        && toggleIndex(button.flags) != 0 && button.vk == 0x10;
}

// The layouts a layout leads to: its Change Layout keys' targets and its drag-up layout.
QList<int> linksOf(const SkinLayout &layout)
{
    QList<int> links{layout.dragUpLayout};
    for (const auto &row : layout.rows) {
        for (const auto &button : row->buttons) {
            if (!button->isPlaceholder() && buttonKind(button->flags) == KindChangeLayout)
                links.append(button->charCode);
        }
    }
    return links;
}

// Every layout reached from `from`, by taps and drag-ups.
QSet<int> reachable(const LayoutList &layouts, int from)
{
    QSet<int> seen{from};
    QList<int> queue{from};
    while (!queue.isEmpty()) {
        for (int next : linksOf(*layouts.at(queue.takeFirst()))) {
            if (layouts.at(next) && !seen.contains(next)) {
                seen.insert(next);
                queue.append(next);
            }
        }
    }
    return seen;
}

// Types `text` from layout 0 as a user would: switching to a layout that has the character's
// key where the present one has none, and for a capital, tapping the one-shot Shift of the
// layout that has the small letter. Empty when every character was typed; otherwise the first
// that could not be.
QString typeText(const LayoutList &layouts, const QString &text)
{
    int current = 0;
    for (const QChar c : text) {
        const char16_t key = c.toLower().unicode();
        const auto hasKeys = [&](int layout) {
            bool letter = false, shift = !c.isUpper();
            for (const auto &row : layouts.at(layout)->rows) {
                for (const auto &button : row->buttons) {
                    letter = letter || sends(*button, key);
                    shift = shift || isOneShotShift(*button);
                }
            }
            return letter && shift;
        };
        // Breadth first, so the nearest layout with the key is the one used.
        QList<int> queue{current};
        QSet<int> seen{current};
        int found = -1;
        while (!queue.isEmpty() && found < 0) {
            const int layout = queue.takeFirst();
            if (hasKeys(layout)) {
                found = layout;
                break;
            }
            for (int next : linksOf(*layouts.at(layout))) {
                if (layouts.at(next) && !seen.contains(next)) {
                    seen.insert(next);
                    queue.append(next);
                }
            }
        }
        if (found < 0)
            return c;
        current = found;
    }
    return {};
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildsASkin_data();
    void buildsASkin();
    void layoutsAreLinked_data();
    void layoutsAreLinked();
    void typesText_data();
    void typesText();
    void unknownNameLeavesTheProject();
};

void TestTemplates::buildsASkin_data()
{
    QTest::addColumn<QString>("name");
    for (const SkinTemplateInfo &info : skinTemplates())
        QTest::newRow(qPrintable(info.name)) << info.name;
}

// With its pictures drawn the template passes every rule, each picture exactly the size of its
// key map, and compiles into a skin.
void TestTemplates::buildsASkin()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    SkinProject project;
    QVERIFY(buildTemplateProject(project, name));
    project.projectPath = QDir(dir.path()).filePath(name + QStringLiteral(".vsp"));
    const QList<PictureJob> jobs =
        planLayoutPictures(project, pictureFolderFor(project.projectPath), PictureFormat::Gif, false);
    QCOMPARE(picturesInTheWay(project, jobs), QStringList());
    QCOMPARE(writeLayoutPictures(project, jobs, KeyboardPainter(*KeyboardTheme::named(QStringLiteral("light")))),
             QStringList());
    QCOMPARE(firstValidationFailure(project), QString());
    // Not even a warning: a template is where a new skin starts.
    QStringList problems;
    for (const Problem &problem : checkProject(project))
        problems << problemCodeName(problem.code) + QStringLiteral(": ") + problem.message;
    QCOMPARE(problems, QStringList());
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            int height = 0;
            for (const auto &row : layout->rows)
                height += row->height;
            QCOMPARE(QImage(layout->picFileName).size(), QSize(shapeScreenWidth(shape), height));
        }
    }
    const QString skin = QDir(dir.path()).filePath(QStringLiteral("skin.vsk"));
    writeSkinFile(project, skin);
    QVERIFY(QFileInfo(skin).size() > 0);
}

void TestTemplates::layoutsAreLinked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("shape");
    for (const SkinTemplateInfo &info : skinTemplates()) {
        for (int shape = 0; shape < ScreenShapeCount; ++shape)
            QTest::addRow("%s %s", qPrintable(info.name), qPrintable(screenShapeName(shape))) << info.name << shape;
    }
}

// What the device and a user need beyond the rules: links that lead somewhere, every layout
// reached from layout 0 and left for it again, one Enter, Space and Backspace each, names that
// tell the layouts apart, and rows as wide as the screen.
void TestTemplates::layoutsAreLinked()
{
    QFETCH(QString, name);
    QFETCH(int, shape);
    SkinProject project;
    QVERIFY(buildTemplateProject(project, name));
    const LayoutList &layouts = project.layoutList(shape);
    QVERIFY(layouts.count() >= 2);
    QSet<QString> names;
    for (const auto &layout : layouts) {
        names.insert(layout->name);
        QCOMPARE(layout->flags & LayoutFlagNew, 0);
        for (int target : linksOf(*layout))
            QVERIFY2(layouts.at(target) && target != layout->index, qPrintable(layout->name));
        QCOMPARE(reachable(layouts, layout->index).contains(0), true);
        int enter = 0, space = 0, backspace = 0;
        for (const auto &row : layout->rows) {
            QCOMPARE(int(RowKeyWidth(*row)), shapeScreenWidth(shape));
            for (const auto &button : row->buttons) {
                enter += button->charCode == 13 && button->vk == 13;
                space += button->charCode == 32 && button->vk == 32;
                backspace += button->charCode == 8 && button->vk == 8;
            }
        }
        QCOMPARE(enter, 1);
        QCOMPARE(space, 1);
        QCOMPARE(backspace, 1);
    }
    QCOMPARE(reachable(layouts, 0).size(), layouts.count());
    QCOMPARE(names.size(), layouts.count());
}

void TestTemplates::typesText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QString pangram = QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789");
    for (const char *letters : {"qwerty", "azerty", "qwertz"})
        QTest::newRow(letters) << QString::fromLatin1(letters) << pangram;
    QTest::newRow("numeric") << "numeric" << "+1 (555) 0123-4567 #89*";
    QTest::newRow("calculator") << "calculator" << "0123456789";
}

void TestTemplates::typesText()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    SkinProject project;
    QVERIFY(buildTemplateProject(project, name));
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        QVERIFY2(typeText(project.layoutList(shape), text).isEmpty(), qPrintable(screenShapeName(shape)));
}

void TestTemplates::unknownNameLeavesTheProject()
{
    SkinProject project;
    NormalizeProject(project);
    project.helpFileName = QStringLiteral("mine.htm");
    QVERIFY(!buildTemplateProject(project, QStringLiteral("dvorak")));
    QVERIFY(!buildTemplateProject(project, QStringLiteral("QWERTY")));
    QCOMPARE(project.helpFileName, QStringLiteral("mine.htm"));
    QCOMPARE(project.layoutList(Portrait).at(0)->name, QStringLiteral("Layout00"));
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
