#include "cebffile.h"
#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

using namespace velkari;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray u32(quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char *>(&le), 4);
}

// An entry with a count and size of our choosing, to build damaged containers by hand.
QByteArray entry(const QByteArray &name, qint32 count, const QByteArray &body, qint64 size = -1)
{
    return char(name.size()) + name + u32(quint32(count)) + u32(quint32(size < 0 ? body.size() : size)) + body;
}

QByteArray section(const QByteArray &name, const QList<QByteArray> &entries)
{
    QByteArray body;
    for (const QByteArray &e : entries)
        body += e;
    return entry(name, int(entries.size()), body);
}

QByteArray int32Value(const QByteArray &name, quint32 v)
{
    return entry(name, 0, u32(v));
}

void writeWorkedExample(CEBFFile &file)
{
    quint32 tc = 255;
    QString hfn = QStringLiteral("ab");
    file.ExchangeInt32("TC", tc);
    file.ExchangeString("HFN", hfn);
    QVERIFY(file.BeginSection("P"));
    file.EndSection();
    while (file.Level() > 0)
        file.EndSection();
}

} // namespace

class TestCEBFFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExampleIsByteExact();
    void workedExampleReadsBack();
    void otherClassNameIsRefused();
    void lookups_data();
    void lookups();
    void duplicateNamesAreReadInTurn();
    void valueEnteredAsSection();
    void oddTextLengthDropsLastByte();
    void truncatedFileAtEveryOffset();
    void countLargerThanEntriesNeverLeavesTheSection();
    void hugeAndNegativeCounts_data();
    void hugeAndNegativeCounts();
    void nestedSizeRunningPastParentIsMissing();
    void nestingIsLimited();
    void longNamesAreRefusedWhenWriting();
    void unicodeAndLongTextRoundTrip();
    void textsReadBackAsWritten();
    void streamedFileEqualsTheBytesBuiltInMemory();
    void failedCreateRaisesFileError();
    void destroyedWithoutCloseKeepsPreviousFile();
    void failedCommitKeepsPreviousFile();
    void notARegularFileIsRefused();
    void entryNamesListOnlyWhatExists();
};

void TestCEBFFile::workedExampleIsByteExact()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("example.bin"));
    CEBFFile file;
    file.OpenForWrite(path);
    writeWorkedExample(file);
    file.Close();
    QCOMPARE(readFile(path), readFile(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin")));
    QCOMPARE(readFile(path).size(), 59);
}

void TestCEBFFile::workedExampleReadsBack()
{
    CEBFFile file;
    QVERIFY(file.OpenForRead(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin")));
    QVERIFY(!file.IsWriting());
    QCOMPARE(file.EntryCount(), 3);
    quint32 tc = 0;
    QString hfn;
    file.ExchangeInt32("TC", tc);
    file.ExchangeString("HFN", hfn, QStringLiteral("default"));
    QCOMPARE(tc, 255u);
    QCOMPARE(hfn, QStringLiteral("ab"));
    QVERIFY(file.BeginSection("P"));
    QCOMPARE(file.EntryCount(), 0);
    QCOMPARE(file.Level(), 2);
    file.EndSection();
    file.EndSection();
    QCOMPARE(file.Level(), 0);
    file.EndSection(); // the root level cannot be ended
    QCOMPARE(file.Level(), 0);
}

void TestCEBFFile::otherClassNameIsRefused()
{
    CEBFFile file(QStringLiteral("VELKARI_PRJFILE"));
    QVERIFY(!file.OpenForRead(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin")));
    CEBFFile prefix(QStringLiteral("MainClas"));
    QVERIFY(!prefix.OpenForRead(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin")));
    CEBFFile missing;
    QVERIFY(!missing.OpenForRead(QStringLiteral("/nonexistent/file.vsp")));
}

// Each row writes five 32-bit values a..e (1..5) and a text t, then reads the names given,
// in that order, and expects the values listed (-1 stands for the text being read).
void TestCEBFFile::lookups_data()
{
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<QList<qint64>>("expected");

    QTest::newRow("in order") << QList<QByteArray>{"a", "b", "c", "d", "e"} << QList<qint64>{1, 2, 3, 4, 5};
    QTest::newRow("reverse order wraps") << QList<QByteArray>{"e", "d", "c", "b", "a"} << QList<qint64>{5, 4, 3, 2, 1};
    QTest::newRow("missing name keeps the cursor")
        << QList<QByteArray>{"a", "zz", "b", "zz", "c"} << QList<qint64>{1, 0, 2, 0, 3};
    QTest::newRow("names are case-sensitive") << QList<QByteArray>{"A", "a"} << QList<qint64>{0, 1};
    QTest::newRow("read twice, found twice") << QList<QByteArray>{"c", "c", "a"} << QList<qint64>{3, 3, 1};
}

void TestCEBFFile::lookups()
{
    QFETCH(QList<QByteArray>, names);
    QFETCH(QList<qint64>, expected);

    CEBFFile writer;
    writer.OpenForWriteInMemory();
    for (quint32 v = 1; v <= 5; ++v) {
        quint32 value = v;
        writer.ExchangeInt32(QByteArray(1, char('a' + v - 1)), value);
    }
    writer.EndSection();

    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(writer.Bytes()));
    for (int i = 0; i < names.size(); ++i) {
        quint32 value = 99;
        reader.ExchangeInt32(names[i], value);
        QCOMPARE(qint64(value), expected[i]);
    }
}

void TestCEBFFile::duplicateNamesAreReadInTurn()
{
    CEBFFile writer;
    writer.OpenForWriteInMemory();
    quint16 first = 1, second = 2;
    writer.ExchangeInt16("x", first);
    writer.ExchangeInt16("x", second);
    writer.EndSection();

    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(writer.Bytes()));
    quint16 a = 0, b = 0, c = 0;
    reader.ExchangeInt16("x", a);
    reader.ExchangeInt16("x", b);
    reader.ExchangeInt16("x", c);
    QCOMPARE(a, 1);
    QCOMPARE(b, 2);
    QCOMPARE(c, 1); // the cursor wrapped around to the first one
}

void TestCEBFFile::valueEnteredAsSection()
{
    CEBFFile writer;
    writer.OpenForWriteInMemory();
    quint32 v = 7;
    quint16 small = 9;
    quint8 byte = 3;
    QString empty;
    writer.ExchangeInt32("v", v);
    writer.ExchangeInt16("w", small);
    writer.ExchangeByte("b", byte, 0);
    writer.ExchangeString("e", empty);
    writer.EndSection();
    // An empty text is stored with size 0.
    QVERIFY(writer.Bytes().endsWith(QByteArray("\x01" "e", 2) + u32(0) + u32(0)));

    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(writer.Bytes()));
    QVERIFY(reader.BeginSection("v"));
    QCOMPARE(reader.EntryCount(), 0);
    reader.EndSection();
    // Leaving the value moved the cursor past it: the next entry is found first.
    quint16 asInt16 = 5;
    reader.ExchangeInt16("v", asInt16); // stored with size 4: default, cursor stays
    QCOMPARE(asInt16, 0);
    reader.ExchangeInt16("w", asInt16);
    QCOMPARE(asInt16, 9);
    quint8 missing = 0;
    reader.ExchangeByte("nothing", missing, 255);
    QCOMPARE(missing, 255);
    reader.ExchangeByte("b", missing, 255);
    QCOMPARE(missing, 3);
    QString text = QStringLiteral("x");
    reader.ExchangeString("e", text, QStringLiteral("default"));
    QCOMPARE(text, QString());
    // A section is not a value: its count is not 0.
    CEBFFile nested;
    nested.OpenForWriteInMemory();
    nested.BeginSection("s");
    nested.ExchangeInt32("v", v);
    nested.EndSection();
    nested.EndSection();
    CEBFFile nestedReader;
    QVERIFY(nestedReader.OpenForReadBytes(nested.Bytes()));
    quint32 notAValue = 1;
    nestedReader.ExchangeInt32("s", notAValue);
    QCOMPARE(notAValue, 0u);
    QString notAText;
    nestedReader.ExchangeString("s", notAText, QStringLiteral("dflt"));
    QCOMPARE(notAText, QStringLiteral("dflt"));
}

void TestCEBFFile::oddTextLengthDropsLastByte()
{
    const QByteArray bytes = section("MainClass", {entry("t", 0, QByteArray("a\0b\0c", 5))});
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(bytes));
    QString text;
    reader.ExchangeString("t", text);
    QCOMPARE(text, QStringLiteral("ab"));
}

void TestCEBFFile::truncatedFileAtEveryOffset()
{
    const QByteArray full = readFile(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin"));
    for (int length = 0; length < full.size(); ++length) {
        CEBFFile reader;
        QVERIFY2(!reader.OpenForReadBytes(full.left(length)), qPrintable(QString::number(length)));
        quint32 tc = 1;
        reader.ExchangeInt32("TC", tc);
        QCOMPARE(tc, 0u);
    }
    // Bytes after the class section are not part of it.
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(full + "junk"));
}

void TestCEBFFile::countLargerThanEntriesNeverLeavesTheSection()
{
    // Section "S" says it holds 5 entries but holds 2; the class section holds S and a value "c".
    const QByteArray inner = int32Value("a", 1) + int32Value("b", 2);
    const QByteArray bytes = section("MainClass", {entry("S", 5, inner), int32Value("c", 3)});
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(bytes));
    QVERIFY(reader.BeginSection("S"));
    QCOMPARE(reader.EntryCount(), 5);
    quint32 c = 77, b = 0, a = 0;
    reader.ExchangeInt32("c", c);
    QCOMPARE(c, 0u);
    reader.ExchangeInt32("b", b);
    reader.ExchangeInt32("a", a);
    QCOMPARE(b, 2u);
    QCOMPARE(a, 1u);
    QVERIFY(!reader.BeginSection("Arr3"));
    reader.EndSection();
    reader.ExchangeInt32("c", c);
    QCOMPARE(c, 3u);
}

void TestCEBFFile::hugeAndNegativeCounts_data()
{
    QTest::addColumn<qint32>("count");
    QTest::newRow("huge") << qint32(0x7FFFFFFF);
    QTest::newRow("negative") << qint32(-1);
    QTest::newRow("most negative") << qint32(0x80000000);
    QTest::newRow("zero") << 0;
}

void TestCEBFFile::hugeAndNegativeCounts()
{
    QFETCH(qint32, count);
    const QByteArray bytes = entry("MainClass", count, int32Value("a", 1));
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(bytes));
    QCOMPARE(reader.EntryCount(), count);
    quint32 a = 0, missing = 5;
    reader.ExchangeInt32("missing", missing);
    reader.ExchangeInt32("a", a);
    QCOMPARE(missing, 0u);
    QCOMPARE(a, count > 0 ? 1u : 0u);
}

void TestCEBFFile::nestedSizeRunningPastParentIsMissing()
{
    // "S" claims 100 body bytes, more than the class section holds after it.
    const QByteArray bytes = section("MainClass", {int32Value("a", 1), entry("S", 1, int32Value("x", 2), 100)});
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(bytes));
    QVERIFY(!reader.BeginSection("S"));
    quint32 a = 0;
    reader.ExchangeInt32("a", a);
    QCOMPARE(a, 1u);
    // A size larger than the whole file.
    const QByteArray huge = entry("MainClass", 1, int32Value("a", 1), 0xFFFFFFF0u);
    CEBFFile hugeReader;
    QVERIFY(!hugeReader.OpenForReadBytes(huge));
}

void TestCEBFFile::nestingIsLimited()
{
    CEBFFile writer;
    writer.OpenForWriteInMemory();
    int opened = 1; // the class section
    while (writer.BeginSection("n"))
        ++opened;
    QCOMPARE(opened, CEBFFile::MaxLevels - 1);
    QCOMPARE(writer.Level(), 49);
    while (writer.Level() > 0)
        writer.EndSection();

    // Reading a file nested deeper than that: the 50th section is refused.
    QByteArray bytes = entry("n", 0, {});
    for (int depth = 0; depth < 60; ++depth)
        bytes = entry("n", 1, bytes);
    bytes = entry("MainClass", 1, bytes);
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(bytes));
    int entered = 1;
    while (reader.BeginSection("n"))
        ++entered;
    QCOMPARE(entered, 49);
}

void TestCEBFFile::longNamesAreRefusedWhenWriting()
{
    CEBFFile writer;
    writer.OpenForWriteInMemory();
    const QByteArray longest(255, 'n');
    const QByteArray tooLong(256, 'n');
    quint32 v = 1;
    writer.ExchangeInt32(longest, v);
    writer.ExchangeInt32(tooLong, v);
    QVERIFY(!writer.BeginSection(tooLong));
    QVERIFY(writer.BeginSection(""));
    writer.EndSection();
    writer.EndSection();

    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(writer.Bytes()));
    QCOMPARE(reader.EntryCount(), 2);
    quint32 back = 0;
    reader.ExchangeInt32(longest, back);
    QCOMPARE(back, 1u);
    QVERIFY(reader.BeginSection(""));
}

void TestCEBFFile::unicodeAndLongTextRoundTrip()
{
    const QString text = QStringLiteral("Ünïcødé € ✓ 𝄞 ") + QString(40000, u'x');
    CEBFFile writer;
    writer.OpenForWriteInMemory();
    QString value = text;
    writer.ExchangeString("t", value);
    writer.EndSection();
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(writer.Bytes()));
    QString back;
    reader.ExchangeString("t", back);
    QCOMPARE(back, text);
}

// A text read again shares what was made of the same bytes: texts repeated and alike but for their
// middles, then more than are kept, then both again, read by a reader that has opened other
// bytes since.
void TestCEBFFile::textsReadBackAsWritten()
{
    QStringList texts;
    for (int i = 0; i < 2000; ++i)
        texts << QStringLiteral("same start %1 same end").arg(i % 200);
    for (int i = 0; i < 1500; ++i)
        texts << QStringLiteral("same start %1 same end").arg(1000 + i);
    texts << texts.mid(0, 400) << texts.mid(2000, 400);
    texts << QStringLiteral("x") << QStringLiteral("xy") << QString() << QStringLiteral("x");
    const auto written = [&] {
        CEBFFile writer;
        writer.OpenForWriteInMemory();
        for (QString text : texts)
            writer.ExchangeString("Caption", text);
        writer.EndSection();
        return writer.Bytes();
    };
    CEBFFile reader;
    for (int pass = 0; pass < 2; ++pass) {
        QVERIFY(reader.OpenForReadBytes(written()));
        for (const QString &text : texts) {
            QString back;
            reader.ExchangeString("Caption", back);
            QCOMPARE(back, text);
        }
    }
}

// Enough sections and values, small and large, that the file is written in many blocks: section
// headers get back-patched in memory, in the file, and across the edge of a block.
void TestCEBFFile::streamedFileEqualsTheBytesBuiltInMemory()
{
    const auto writeSample = [](CEBFFile &file) {
        QByteArray large(300 * 1024, 'p');
        for (int i = 0; i < 20000; ++i) {
            file.BeginSection(QByteArray::number(i));
            QByteArray value(i % 997 == 0 ? large : QByteArray(i % 13, char(i)));
            file.ExchangeData("v", quint32(value.size()), value.data(), nullptr);
            file.BeginSection("s");
            file.EndSection();
            file.EndSection();
        }
        while (file.Level() > 0)
            file.EndSection();
    };
    CEBFFile memory;
    memory.OpenForWriteInMemory();
    writeSample(memory);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("streamed.bin"));
    CEBFFile streamed;
    streamed.OpenForWrite(path);
    writeSample(streamed);
    streamed.Close();
    QVERIFY(memory.Bytes().size() > 4 * 1024 * 1024);
    QVERIFY(readFile(path) == memory.Bytes());
}

void TestCEBFFile::failedCreateRaisesFileError()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("plain-file"));
    writeFile(blocker, "x");
    const QString path = blocker + QStringLiteral("/inside.vsp"); // a folder that is a file
    CEBFFile file;
    try {
        file.OpenForWrite(path);
        QFAIL("no FileError raised");
    } catch (const FileError &error) {
        QCOMPARE(error.fileName(), path);
        QVERIFY(!error.reason().isEmpty());
        QCOMPARE(error.message(), QStringLiteral("An error occurred while writing \"%1\".\n%2").arg(path, error.reason()));
    }
}

void TestCEBFFile::destroyedWithoutCloseKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.bin"));
    writeFile(path, "previous contents");
    {
        CEBFFile file;
        file.OpenForWrite(path);
        quint32 v = 1;
        file.ExchangeInt32("v", v);
    }
    QCOMPARE(readFile(path), QByteArray("previous contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.bin")});
}

void TestCEBFFile::failedCommitKeepsPreviousFile()
{
    // A file size limit makes the write fail like a full disk does, even for the super-user.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.bin"));
    writeFile(path, "previous contents");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    bool raised = false;
    {
        CEBFFile file;
        file.OpenForWrite(path);
        QByteArray big(4096, 'x');
        file.ExchangeData("big", quint32(big.size()), big.data(), nullptr);
        while (file.Level() > 0)
            file.EndSection();
        try {
            file.Close();
        } catch (const FileError &error) {
            raised = true;
            QCOMPARE(error.fileName(), path);
        }
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(raised);
    QCOMPARE(readFile(path), QByteArray("previous contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.bin")});
}

void TestCEBFFile::notARegularFileIsRefused()
{
    QTemporaryDir dir;
    CEBFFile reader;
    QVERIFY(!reader.OpenForRead(dir.path()));
    QVERIFY(!reader.OpenForRead(QStringLiteral("/dev/zero")));
    CEBFFile limited;
    QVERIFY(!limited.OpenForRead(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin"), 58));
    QVERIFY(limited.OpenForRead(QStringLiteral(VELKARI_TEST_DATA "/container-example.bin"), 59));
}

void TestCEBFFile::entryNamesListOnlyWhatExists()
{
    const QByteArray bytes = section("MainClass", {entry("S", 9, int32Value("a", 1) + int32Value("b", 2) + "\x05xy")});
    CEBFFile reader;
    QVERIFY(reader.OpenForReadBytes(bytes));
    QCOMPARE(reader.EntryNames(), QList<QByteArray>{"S"});
    QVERIFY(reader.BeginSection("S"));
    QCOMPARE(reader.EntryNames(), (QList<QByteArray>{"a", "b"}));
}

QTEST_APPLESS_MAIN(TestCEBFFile)
#include "tst_cebffile.moc"
