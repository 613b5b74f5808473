#include "projectfile.h"
#include "projectstate.h"
#include "testprojects.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace velkari;
using namespace velkari::test;

namespace {

// The first key of each layout: a layout read anew or removed loses it, which tells what
// restoring rebuilt.
QList<quint64> firstKeys(const SkinProject &project)
{
    QList<quint64> identities;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape))
            identities.append(layout->rows.at(0)->buttons.at(0)->identity);
    }
    return identities;
}

using Edit = std::function<void(SkinProject &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestProjectState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restoreGivesTheBytesBack_data();
    void restoreGivesTheBytesBack();
};

void TestProjectState::restoreGivesTheBytesBack_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("rebuilt"); // layouts that restoring reads anew or removes

    QTest::newRow("a key") << Edit([](SkinProject &p) { p.layoutList(1).at(1)->rows.at(0)->buttons.at(0)->width = 9; })
                           << 1;
    QTest::newRow("a layout removed") << Edit([](SkinProject &p) { removeLayoutKeepingLinks(p.layoutList(0), 0); }) << 1;
    QTest::newRow("a layout added") << Edit([](SkinProject &p) {
        p.layoutList(3).append(makeValidLayout(QStringLiteral("Added"), QString()));
    }) << 1;
    QTest::newRow("settings") << Edit([](SkinProject &p) {
        p.textColor = 0x123456;
        p.helpFileName = QStringLiteral("Other.htm");
    }) << 0;
    // Names the file form keeps only relative to a project, as they stand.
    QTest::newRow("odd picture names") << Edit([](SkinProject &p) {
        p.layoutList(2).at(0)->picFileName = QStringLiteral("pics,2/a\\b.gif");
        p.layoutList(2).at(1)->picFileName = QStringLiteral("/elsewhere/1,x.gif");
    }) << 2;
}

// Undo puts the project back exactly as it was, rebuilding only the layouts that differ: every
// other record keeps its identity, so that references to it stay good.
void TestProjectState::restoreGivesTheBytesBack()
{
    QFETCH(Edit, edit);
    QFETCH(int, rebuilt);
    SkinProject project;
    project.projectPath = QStringLiteral("/work/skins/p.vsp");
    makeValidProject(project, QStringLiteral("/work/skins/pics/k.gif"));
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        project.layoutList(shape).append(makeValidLayout(QStringLiteral("Second"), QStringLiteral("k.gif"), 3));
    const QByteArray original = projectBytes(project);
    const ProjectState before = ProjectState::capture(project);

    edit(project);
    const ProjectState after = ProjectState::capture(project, &before);
    QVERIFY(!(after == before));
    const QByteArray changed = projectBytes(project);
    QVERIFY(changed != original);

    const QList<quint64> keys = firstKeys(project);
    before.restore(project, after);
    QCOMPARE(projectBytes(project), original);
    const QList<quint64> restoredKeys = firstKeys(project);
    const auto readAnew = std::count_if(keys.begin(), keys.end(), [&](quint64 key) { return !restoredKeys.contains(key); });
    QCOMPARE(int(readAnew), rebuilt);
    after.restore(project, before);
    QCOMPARE(projectBytes(project), changed);
}

QTEST_APPLESS_MAIN(TestProjectState)
#include "tst_projectstate.moc"
