#include "keynames.h"
#include "widthsplit.h"

#include <QTest>

using namespace velkari;

class TestKeyNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesFindTheirKey_data();
    void namesFindTheirKey();
    void everyKeyIsFoundByItsOwnNames();
    void qtKeysGiveDeviceCodes_data();
    void qtKeysGiveDeviceCodes();
    void largestRemainder_data();
    void largestRemainder();
};

void TestKeyNames::namesFindTheirKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("vk"); // -1: not a key name
    QTest::newRow("Enter") << "Enter" << 0x0D;
    QTest::newRow("alias") << "return" << 0x0D;
    QTest::newRow("constant") << "VK_RETURN" << 0x0D;
    QTest::newRow("spaced") << "caps lock" << 0x14;
    QTest::newRow("joined") << "CapsLock" << 0x14;
    QTest::newRow("function key") << "F5" << 0x74;
    QTest::newRow("last function key") << "f24" << 0x87;
    QTest::newRow("letter") << "q" << 0x51;
    QTest::newRow("letter constant") << "VK_Q" << 0x51;
    QTest::newRow("digit") << "7" << 0x37;
    QTest::newRow("numpad") << "VK_NUMPAD7" << 0x67;
    QTest::newRow("arrow symbol") << QString(u'\u2190') << 0x25;
    QTest::newRow("unknown") << "Hyper" << -1;
    QTest::newRow("F25 does not exist") << "F25" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestKeyNames::namesFindTheirKey()
{
    QFETCH(QString, name);
    QFETCH(int, vk);
    const NamedKey *key = findNamedKey(name);
    QCOMPARE(key ? int(key->vk) : -1, vk);
}

void TestKeyNames::everyKeyIsFoundByItsOwnNames()
{
    QSet<int> codes;
    for (const NamedKey &key : namedKeys()) {
        QVERIFY2(!codes.contains(key.vk), qPrintable(key.name));
        codes.insert(key.vk);
        for (const QString &name : QStringList{key.name, key.constant} + key.aliases)
            QCOMPARE(findNamedKey(name), &key);
        QCOMPARE(namedKeyForVk(key.vk), &key);
    }
}

void TestKeyNames::qtKeysGiveDeviceCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("charCode"); // -1: no codes
    QTest::addColumn<int>("vk");
    QTest::newRow("a") << int(Qt::Key_A) << "a" << false << int('a') << 0x41;
    QTest::newRow("shifted A") << int(Qt::Key_A) << "A" << false << int('A') << 0x41;
    QTest::newRow("Ctrl+A types nothing") << int(Qt::Key_A) << "\x01" << false << int('a') << 0x41;
    QTest::newRow("!") << int(Qt::Key_Exclam) << "!" << false << int('!') << 0x31;
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << QString(u'\u00E9') << false << 0xE9 << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << false << 13 << 0x0D;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << true << 13 << 0x0D;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << false << 8 << 0x08;
    QTest::newRow("Space") << int(Qt::Key_Space) << " " << false << 32 << 0x20;
    QTest::newRow("F5") << int(Qt::Key_F5) << "" << false << 0 << 0x74;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << "" << false << 0 << 0x10;
    QTest::newRow("Left") << int(Qt::Key_Left) << "" << false << 0 << 0x25;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << "7" << true << int('7') << 0x67;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << "+" << true << int('+') << 0x6B;
    QTest::newRow("no code") << int(Qt::Key_LaunchMail) << "" << false << -1 << 0;
}

void TestKeyNames::qtKeysGiveDeviceCodes()
{
    QFETCH(int, qtKey);
    QFETCH(QString, text);
    QFETCH(bool, keypad);
    QFETCH(int, charCode);
    QFETCH(int, vk);
    const std::optional<KeyCodes> codes = keyCodesForQtKey(qtKey, text, keypad);
    QCOMPARE(codes.has_value(), charCode >= 0);
    if (codes) {
        QCOMPARE(int(codes->charCode), charCode);
        QCOMPARE(int(codes->vk), vk);
    }
}

void TestKeyNames::largestRemainder_data()
{
    QTest::addColumn<QList<qint64>>("weights");
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("parts");
    QTest::newRow("exact") << QList<qint64>{1, 1, 2} << 240 << QList<int>{60, 60, 120};
    QTest::newRow("remainders to the largest") << QList<qint64>{1, 1, 1} << 320 << QList<int>{107, 107, 106};
    QTest::newRow("leftmost among equals") << QList<qint64>{1, 1, 1, 1, 1, 1, 1} << 10
                                           << QList<int>{2, 2, 2, 1, 1, 1, 1};
    QTest::newRow("scaled row") << QList<qint64>{24, 24, 48, 144} << 320 << QList<int>{32, 32, 64, 192};
    QTest::newRow("one hair-thin key keeps a pixel") << QList<qint64>{1, 1000} << 240 << QList<int>{1, 239};
    QTest::newRow("zero weight stays zero") << QList<qint64>{0, 5} << 240 << QList<int>{0, 240};
    QTest::newRow("all zero") << QList<qint64>{0, 0} << 240 << QList<int>{};
    QTest::newRow("negative") << QList<qint64>{-1, 5} << 240 << QList<int>{};
    QTest::newRow("large weights") << QList<qint64>{4000000000LL, 4000000000LL} << 65535 << QList<int>{32768, 32767};
}

void TestKeyNames::largestRemainder()
{
    QFETCH(QList<qint64>, weights);
    QFETCH(int, total);
    QFETCH(QList<int>, parts);
    QCOMPARE(splitByLargestRemainder(weights, total), parts);
}

QTEST_GUILESS_MAIN(TestKeyNames)
#include "tst_keynames.moc"
