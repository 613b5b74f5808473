#include "fileerror.h"
#include "limitedwrite.h"
#include "safefilewriter.h"
#include "testprojects.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace velkari;
using namespace velkari::test;

namespace {

constexpr uid_t Nobody = 65534;

mode_t permissions(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QString failureOf(const std::function<void()> &write)
{
    try {
        write();
    } catch (const FileError &error) {
        return error.message();
    }
    return {};
}

} // namespace

// How every file of the system is written when something goes wrong; the writers built on it
// (projects, skins, pictures, recovery copies) are tried at every offset in their own tests.
class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacingKeepsPermissions();
    void inPlaceReservesFirst_data();
    void inPlaceReservesFirst();
    void devicesReportFailures();
    void fullFilesystem();
};

void TestSafeFileWriter::replacingKeepsPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.bin"));
    writeFile(path, "old");
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    writeFileSafely(path, "new");
    QCOMPARE(readFile(path), QByteArray("new"));
    QCOMPARE(permissions(path), mode_t(0640));
}

void TestSafeFileWriter::inPlaceReservesFirst_data()
{
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    // Growing, the reservation fails at every limit and the old file stays whole; shrinking, the
    // reservation succeeds and a later failure is owned up to.
    QTest::newRow("growing") << 10 << 100;
    QTest::newRow("shrinking") << 100 << 10;
}

void TestSafeFileWriter::inPlaceReservesFirst()
{
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/old.vsp");
    const QByteArray old(oldSize, 'o');
    const QByteArray replacement(newSize, 'n');
    writeFile(path, old);
    // Nobody may write the file but not the folder; the super-user's children run as nobody.
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                  | QFile::ReadOther | QFile::ExeOther));
    if (::geteuid() == 0)
        QVERIFY(::chown(QFile::encodeName(path).constData(), Nobody, Nobody) == 0);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    const auto writable = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0755); });

    for (int limit = 0; limit < newSize; ++limit) {
        const LimitedWrite run = writeWithFileSizeLimit(limit, [&] { writeFileSafely(path, replacement); }, true);
        QVERIFY2(!run.written && run.error.contains(QLatin1String("File too large")), qPrintable(run.error));
        QCOMPARE(run.error.contains(QLatin1String("may now be damaged")), oldSize >= newSize);
        if (oldSize < newSize)
            QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.vsp")});
    }
    const LimitedWrite run = writeWithFileSizeLimit(newSize, [&] { writeFileSafely(path, replacement); }, true);
    QVERIFY2(run.written, qPrintable(run.error));
    QCOMPARE(readFile(path), replacement);
}

void TestSafeFileWriter::devicesReportFailures()
{
    QTemporaryDir dir;
    // The super-user gets a full device of its own, so that a fault here never touches the system's.
    QString full = QStringLiteral("/dev/full");
    if (::geteuid() == 0) {
        full = dir.filePath(QStringLiteral("full"));
        QCOMPARE(::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)), 0);
    }
    const QString message = failureOf([&] { writeFileSafely(full, "bytes"); });
    QVERIFY2(message.contains(full) && message.contains(QLatin1String("No space left on device")), qPrintable(message));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(full).constData(), &status) == 0 && S_ISCHR(status.st_mode));
}

void TestSafeFileWriter::fullFilesystem()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs the super-user");
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("this system does not let even the super-user mount a tmpfs here");
    const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
    const QString path = dir.filePath(QStringLiteral("project.vsp"));
    writeFile(path, "the old project");
    // The rest of the disk taken but a few pages.
    const QString filler = dir.filePath(QStringLiteral("filler"));
    {
        QFile file(filler);
        QVERIFY(file.open(QIODevice::WriteOnly));
        while (file.write(QByteArray(4096, 'f')) == 4096 && file.flush()) {
        }
    }
    QFile::resize(filler, QFileInfo(filler).size() - 8192);
    const QString message = failureOf([&] { writeFileSafely(path, QByteArray(64 * 1024, 'n')); });
    QVERIFY2(message.contains(path) && message.contains(QLatin1String("No space left on device")), qPrintable(message));
    QCOMPARE(readFile(path), QByteArray("the old project"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
