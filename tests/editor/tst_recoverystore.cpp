#include "limitedwrite.h"
#include "projectfile.h"
#include "recoverystore.h"
#include "testprojects.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velkari;
using namespace velkari::test;

namespace {

// The lock a crashed editor leaves: its own lines, naming a process that has ended.
void leaveStaleLock(const QString &lockPath, QByteArray lines)
{
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForFinished());
    const qint64 deadPid = ended.processId() ? ended.processId() : 999999;
    QVERIFY(lines.contains('\n'));
    writeFile(lockPath, QByteArray::number(deadPid) + lines.mid(lines.indexOf('\n')));
}

} // namespace

class TestRecoveryStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copiesLeftBehind_data();
    void copiesLeftBehind();
    void defaultFolderFollowsXdg_data();
    void defaultFolderFollowsXdg();
    void failedCopiesLeaveNoTrace();
    void damagedCopyIsRefused();
};

void TestRecoveryStore::copiesLeftBehind_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("untitled");
    QTest::newRow("still running") << "running" << false << false;
    QTest::newRow("ended without cleaning up") << "ended" << true << false;
    QTest::newRow("crashed") << "crashed" << true << false;
    QTest::newRow("crashed, never saved") << "crashed" << true << true;
    QTest::newRow("saved or closed cleanly") << "removed" << false << false;
}

void TestRecoveryStore::copiesLeftBehind()
{
    QFETCH(QString, editor);
    QFETCH(bool, offered);
    QFETCH(bool, untitled);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("state/velkari"));
    SkinProject project;
    project.projectPath = dir.filePath(QStringLiteral("work/p.vsp"));
    makeValidProject(project, dir.filePath(QStringLiteral("work/k,1.gif")));
    project.projectPath = untitled ? QString() : dir.filePath(QStringLiteral("work/p.vsp"));
    const QByteArray bytes = projectBytes(project);

    auto writer = std::make_unique<RecoveryStore>(folder);
    writer->write(project);
    writer->write(project); // written again in the same place
    const QString copyFile = writer->copyFile();
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.vsprecovery")}, QDir::Files).size(), 1);
    if (editor == QLatin1String("crashed")) {
        const QString lock = copyFile + QStringLiteral(".lock");
        const QByteArray lines = readFile(lock);
        writer.reset();
        leaveStaleLock(lock, lines);
    } else if (editor == QLatin1String("ended")) {
        writer.reset();
    } else if (editor == QLatin1String("removed")) {
        writer->remove();
        QVERIFY(!QFile::exists(copyFile));
    }

    RecoveryStore starting(folder);
    const QList<RecoveryStore::Copy> copies = starting.leftBehind();
    QCOMPARE(copies.size(), offered ? 1 : 0);
    if (!offered)
        return;
    QCOMPARE(copies[0].projectPath, project.projectPath);
    QVERIFY(qAbs(copies[0].written.secsTo(QDateTime::currentDateTime())) < 60);
    // Held now: a third editor starting meanwhile does not offer it too.
    QVERIFY(RecoveryStore(folder).leftBehind().isEmpty());

    SkinProject restored;
    QVERIFY(starting.take(copies[0], restored));
    QCOMPARE(restored.projectPath, project.projectPath);
    QCOMPARE(projectBytes(restored), bytes);
    QCOMPARE(starting.copyFile(), copyFile);
    starting.remove();
    QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
}

void TestRecoveryStore::defaultFolderFollowsXdg_data()
{
    QTest::addColumn<QByteArray>("stateHome");
    QTest::addColumn<QString>("folder");
    const QString fallback = QDir::homePath() + QStringLiteral("/.local/state/velkari/skin-editor");
    QTest::newRow("set") << QByteArray("/srv/state") << "/srv/state/velkari/skin-editor";
    QTest::newRow("relative, ignored") << QByteArray("state") << fallback;
    QTest::newRow("empty") << QByteArray() << fallback;
}

void TestRecoveryStore::defaultFolderFollowsXdg()
{
    QFETCH(QByteArray, stateHome);
    QFETCH(QString, folder);
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", stateHome);
    const QString found = RecoveryStore::defaultFolder();
    qputenv("XDG_STATE_HOME", saved);
    QCOMPARE(found, folder);
}

void TestRecoveryStore::failedCopiesLeaveNoTrace()
{
    QTemporaryDir dir;
    RecoveryStore store(dir.filePath(QStringLiteral("state")));
    SkinProject project; // no layouts: a small copy, so that every byte of it can fail
    store.write(project);
    project.helpFileName = QStringLiteral("changed.htm");
    const QString failure = failedWritesLeaveNoTrace(store.copyFile(), [&] { store.write(project); });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// A damaged copy is not restored as far as it goes: the editor would show a project that lost the
// rest.
void TestRecoveryStore::damagedCopyIsRefused()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state"));
    SkinProject project;
    makeValidProject(project, dir.filePath(QStringLiteral("k.gif")));
    QString copy;
    {
        RecoveryStore ended(folder);
        ended.write(project);
        copy = ended.copyFile();
    }
    QByteArray bytes = readFile(copy);
    const qsizetype count = bytes.indexOf("\x07Project") + 8;
    writeFile(copy, bytes.replace(count, 4, QByteArray("\xff\xff\xff\xff", 4)));
    RecoveryStore starting(folder);
    const QList<RecoveryStore::Copy> copies = starting.leftBehind();
    QCOMPARE(copies.size(), 1);
    SkinProject restored;
    QString damage;
    QVERIFY(!starting.take(copies[0], restored, &damage));
    QCOMPARE(damage, QStringLiteral("VELKARI_RECOVERY/Project at offset %1 claims -1 entries").arg(count));
    QVERIFY(restored.layoutList(Portrait).isEmpty());
}

QTEST_GUILESS_MAIN(TestRecoveryStore)
#include "tst_recoverystore.moc"
