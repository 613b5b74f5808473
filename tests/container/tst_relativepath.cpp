#include "relativepath.h"

#include <QTest>

using namespace velkari;

class TestRelativePath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void absoluteFromStoredText_data();
    void absoluteFromStoredText();
    void nativeAdapter_data();
    void nativeAdapter();
    void projectMovedWithPictures();
};

void TestRelativePath::roundTrip_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("sibling folder") << "C:\\skins\\proj\\a.vsp" << "C:\\skins\\pics\\k.gif"
                                    << "1,\\pics\\k.gif" << "C:\\skins\\pics\\k.gif";
    QTest::newRow("same folder") << "C:\\s\\a.vsp" << "C:\\s\\k.gif" << "0,\\k.gif" << "C:\\s\\k.gif";
    QTest::newRow("by characters, not folders") << "C:\\abc\\p.vsp" << "C:\\ab\\x.gif"
                                                << "1,\\ab\\x.gif" << "C:\\ab\\x.gif";
    QTest::newRow("case ignored, base's case back") << "C:\\s\\a.vsp" << "c:\\S\\k.gif"
                                                    << "0,\\k.gif" << "C:\\s\\k.gif";
    QTest::newRow("other drive") << "C:\\s\\a.vsp" << "D:\\k.gif" << "D:\\k.gif" << "D:\\k.gif";
    QTest::newRow("equal to base") << "C:\\s\\a.vsp" << "C:\\s\\a.vsp" << "C:\\s\\a.vsp" << "C:\\s\\a.vsp";
    QTest::newRow("empty path") << "C:\\s\\a.vsp" << "" << "" << "";
    QTest::newRow("deeper picture") << "C:\\s\\a.vsp" << "C:\\s\\p\\q\\k.gif" << "0,\\p\\q\\k.gif"
                                    << "C:\\s\\p\\q\\k.gif";
    QTest::newRow("two levels up") << "C:\\a\\b\\c\\p.vsp" << "C:\\a\\x\\k.gif" << "2,\\x\\k.gif"
                                   << "C:\\a\\x\\k.gif";
}

void TestRelativePath::roundTrip()
{
    QFETCH(QString, base);
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QFETCH(QString, readBack);
    QCOMPARE(MakeRelativePath(path, base), stored);
    QCOMPARE(MakeAbsolutePath(base, stored), readBack);
}

void TestRelativePath::absoluteFromStoredText_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    QTest::newRow("more levels than the base has") << "C:\\a.vsp" << "3,\\k.gif" << "C:\\\\k.gif";
    QTest::newRow("no comma is a full path") << "C:\\a.vsp" << "E:\\x\\k.gif" << "E:\\x\\k.gif";
    QTest::newRow("comma in a folder name") << "C:\\s\\a.vsp" << "D:\\a,b\\k.gif" << "C:\\sb\\k.gif";
    QTest::newRow("leading spaces and sign") << "C:\\s\\t\\a.vsp" << " +1,\\k.gif" << "C:\\s\\k.gif";
    QTest::newRow("no digits is 0") << "C:\\s\\a.vsp" << "x,\\k.gif" << "C:\\s\\k.gif";
    QTest::newRow("negative level") << "C:\\s\\a.vsp" << "-4,\\k.gif" << "C:\\\\k.gif";
    QTest::newRow("huge level") << "C:\\s\\a.vsp" << "99999999999999,\\k.gif" << "C:\\\\k.gif";
    QTest::newRow("base without backslash") << "a.vsp" << "1,\\k.gif" << "\\k.gif";
}

void TestRelativePath::absoluteFromStoredText()
{
    QFETCH(QString, base);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(MakeAbsolutePath(base, text), result);
}

void TestRelativePath::nativeAdapter_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("stored");

    QTest::newRow("sibling folder") << "/home/u/skins/proj/a.vsp" << "/home/u/skins/pics/k.gif"
                                    << "1,\\pics\\k.gif";
    QTest::newRow("same folder") << "/home/u/a.vsp" << "/home/u/k.gif" << "0,\\k.gif";
#ifndef Q_OS_WIN
    QTest::newRow("case matters here") << "/home/u/Skins/a.vsp" << "/home/u/skins/k.gif"
                                       << "1,\\skins\\k.gif";
#endif
}

void TestRelativePath::nativeAdapter()
{
    QFETCH(QString, base);
    QFETCH(QString, path);
    QFETCH(QString, stored);
    QCOMPARE(toStoredPath(path, base), stored);
    QCOMPARE(fromStoredPath(base, stored), path);
}

void TestRelativePath::projectMovedWithPictures()
{
    const QString stored = toStoredPath(QStringLiteral("/home/u/skins/pics/k.gif"),
                                        QStringLiteral("/home/u/skins/proj/a.vsp"));
    QCOMPARE(fromStoredPath(QStringLiteral("/mnt/usb/backup/proj/a.vsp"), stored),
             QStringLiteral("/mnt/usb/backup/pics/k.gif"));
    // As written by the editor on another system for the same folder structure.
    QCOMPARE(fromStoredPath(QStringLiteral("/srv/work/proj/demo.vsp"), QStringLiteral("1,\\pics\\k.gif")),
             QStringLiteral("/srv/work/pics/k.gif"));
}

QTEST_APPLESS_MAIN(TestRelativePath)
#include "tst_relativepath.moc"
