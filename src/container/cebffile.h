#pragma once

#include "containerentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstring>
#include <memory>

namespace velkari {

class SafeFileWriter;

// Reader and writer of the container format shared by project and skin files: one class section
// named after the file's class, holding nested named sections and named values. Every value
// operation is two-way, so one serialiser per record both saves and loads.
//
// Writing goes through SafeFileWriter: to a temporary file as it goes, each section's count and
// size back-patched by seeking, which Close() puts in the old file's place; an object destroyed
// without Close() leaves any previous file untouched. A target that takes no temporary file (a
// device, a pipe, a file in a read-only folder) is built in memory and written whole at Close().
// Reading loads the whole file and never trusts a count or size beyond the bytes that are really
// there.
class CEBFFile
{
public:
    static constexpr int MaxLevels = 50; // the root level plus 49 open sections
    static constexpr int MaxNameLength = 255;
    static constexpr qint64 MaxFileSize = 0xFFFFFFFFLL; // positions and sizes are 32-bit

    explicit CEBFFile(const QString &className = QStringLiteral("MainClass"));
    virtual ~CEBFFile();
    CEBFFile(const CEBFFile &) = delete;
    CEBFFile &operator=(const CEBFFile &) = delete;

    // Raises FileError when the file cannot be created, and when a write fails.
    void OpenForWrite(const QString &path);
    // Builds the container in memory only; Bytes() gives the result.
    void OpenForWriteInMemory();
    // False when the file cannot be read, is larger than maxSize, or does not begin with the
    // class section.
    bool OpenForRead(const QString &path, qint64 maxSize = MaxFileSize);
    bool OpenForReadBytes(const QByteArray &bytes);
    // Reading: where the bytes read contradict their own structure (findContainerDamage), for
    // bytes that begin with this class's name, opened or not; empty for whole bytes and for bytes
    // of another kind, which are no container of this class at all. Bytes read whole in the order
    // they were written, each entry taken at the cursor and every section read to its end with
    // the class section still open, have been checked by the reading itself and are not walked
    // again.
    QString damage() const;

    // The reading of an entry that lies at the cursor, as it does when a file is read in the order
    // it was written, is inline: it runs for every entry read. Everything else is the general
    // lookup's.
    bool BeginSection(QByteArrayView name) { return enterAtCursor(name) || beginSection(name); }
    void EndSection()
    {
        if (m_level == 0)
            return; // the Root level cannot be ended
        if (m_writing) {
            endSection();
            return;
        }
        const LevelRecord &ended = m_levels[m_level--];
        if (ended.consumed != ended.size)
            m_inOrder = false;
        const quint32 length = quint32(ended.nameLength) + ended.size + 9;
        LevelRecord &parent = m_levels[m_level];
        parent.consumed += length;
        advancePast(parent, length);
    }
    bool IsWriting() const { return m_writing; }
    int EntryCount() const;
    int Level() const { return m_level; }

    void ExchangeData(QByteArrayView name, quint32 size, void *data, const void *defaultData);
    void ExchangeInt32(QByteArrayView name, quint32 &value) { exchangeNumber<quint32>(name, value, 0); }
    void ExchangeInt32(QByteArrayView name, qint32 &value);
    void ExchangeInt16(QByteArrayView name, quint16 &value) { exchangeNumber<quint16>(name, value, 0); }
    void ExchangeInt16(QByteArrayView name, qint16 &value);
    void ExchangeByte(QByteArrayView name, quint8 &value, quint8 defaultValue)
    {
        exchangeNumber<quint8>(name, value, defaultValue);
    }
    void ExchangeByte(QByteArrayView name, qint8 &value, qint8 defaultValue);
    void ExchangeString(QByteArrayView name, QString &value, const QString &defaultValue = {})
    {
        quint32 size = 0;
        if (const char *body = valueAtCursor(name, -1, size))
            setText(value, body, size);
        else
            exchangeString(name, value, defaultValue);
    }
    // A raw value of whatever size it has. Reading: false, with `data` untouched, when the
    // section holds no value of that name.
    bool ExchangeBlock(QByteArrayView name, QByteArray &data);
    void ExchangeRelativePath(QByteArrayView name, QString &path, const QString &base);

    // Writing: commits the file (raises FileError when that fails). Open sections are not ended.
    void Close();

    // Reading: the names of the entries that really lie in the innermost open section.
    QList<QByteArray> EntryNames() const;

    void SetSkinOutput(bool on) { m_skinOutput = on; }
    bool IsSkinOutput() const { return m_skinOutput; }
    const QString &FileName() const { return m_fileName; }
    const QString &ClassName() const { return m_className; }
    // The bytes written so far when writing in memory, or the bytes being read.
    const QByteArray &Bytes() const { return m_bytes; }

private:
    struct LevelRecord
    {
        int nameLength = 0;
        quint32 start = 0;
        quint32 cursor = 0;
        qint32 cursorIndex = 0;
        qint32 count = 0;
        quint32 size = 0;
        quint32 end = 0;   // reading: end of the body that really exists
        qint32 limit = 0;  // reading: entries that may exist, lowered when the body ends early
        quint32 consumed = 0; // reading: bytes of the body taken at the cursor so far
    };

    enum class Sink { Memory, File, OnePass };

    void startWriting(Sink sink);
    void resetLevels(quint32 rootEnd);
    bool beginReading();
    bool beginSection(QByteArrayView name);
    // Writing: back-patches the section's count and size.
    void endSection();
    // The names this system writes are 2 to 15 characters long: compared a word at a time (two
    // words that may overlap), without a call.
    static bool sameBytes(const char *x, const char *y, qsizetype size)
    {
        if (size >= 8 && size <= 16) {
            return qFromUnaligned<quint64>(x) == qFromUnaligned<quint64>(y)
                && qFromUnaligned<quint64>(x + size - 8) == qFromUnaligned<quint64>(y + size - 8);
        }
        if (size >= 4 && size < 8) {
            return qFromUnaligned<quint32>(x) == qFromUnaligned<quint32>(y)
                && qFromUnaligned<quint32>(x + size - 4) == qFromUnaligned<quint32>(y + size - 4);
        }
        if (size == 2 || size == 3) {
            return qFromUnaligned<quint16>(x) == qFromUnaligned<quint16>(y)
                && qFromUnaligned<quint16>(x + size - 2) == qFromUnaligned<quint16>(y + size - 2);
        }
        return size == 0 || std::memcmp(x, y, size_t(size)) == 0;
    }
    // Reading: the entry at the cursor when it is named `name` and fits in its section, its count
    // and its body's size read; null otherwise. With the name known where this is inlined, the
    // name costs a compare or two.
    const char *entryAtCursor(QByteArrayView name, quint32 &count, quint32 &size) const
    {
        const LevelRecord &record = m_levels[m_level];
        const quint32 nameLength = quint32(name.size());
        if (m_writing || record.limit <= 0 || record.cursor >= record.end || record.end - record.cursor < nameLength + 9)
            return nullptr;
        const char *at = m_bytes.constData() + record.cursor;
        count = qFromLittleEndian<quint32>(at + 1 + nameLength);
        size = qFromLittleEndian<quint32>(at + 5 + nameLength);
        if (uchar(at[0]) != nameLength || !sameBytes(at + 1, name.data(), nameLength)
            || size > record.end - record.cursor - 9 - nameLength)
            return nullptr;
        return at;
    }
    // The value at the cursor, when it is `name` with `wanted` bytes (any number when negative):
    // its body, its size in `size`, and the cursor moved past it. Null when it is not, for the
    // general lookup to decide.
    const char *valueAtCursor(QByteArrayView name, qint64 wanted, quint32 &size)
    {
        quint32 count = 0;
        const char *at = entryAtCursor(name, count, size);
        if (!at || count != 0 || (wanted >= 0 && size != quint64(wanted)))
            return nullptr;
        const quint32 header = 9 + quint32(name.size());
        LevelRecord &record = m_levels[m_level];
        record.consumed += header + size;
        advancePast(record, header + size);
        return at + header;
    }
    // The section at the cursor, entered.
    bool enterAtCursor(QByteArrayView name)
    {
        quint32 count = 0;
        quint32 size = 0;
        const char *at = entryAtCursor(name, count, size);
        if (!at || qint32(count) < 0 || m_level + 1 >= MaxLevels)
            return false;
        const quint32 body = m_levels[m_level].cursor + 9 + quint32(name.size());
        m_levels[++m_level] = LevelRecord{int(name.size()), body, body, 0, qint32(count), size, body + size, qint32(count), 0};
        return true;
    }
    template <typename T>
    void exchangeNumber(QByteArrayView name, T &value, T defaultValue)
    {
        quint32 size = 0;
        if (const char *body = valueAtCursor(name, sizeof(T), size))
            value = qFromLittleEndian<T>(body);
        else
            exchangeInteger(name, value, defaultValue);
    }
    // Writing, and reading through the general lookup.
    template <typename T>
    void exchangeInteger(QByteArrayView name, T &value, T defaultValue);
    void exchangeString(QByteArrayView name, QString &value, const QString &defaultValue);
    void setText(QString &value, const char *body, quint32 size);
    bool findEntry(QByteArrayView name, ContainerEntry &entry);
    bool searchEntry(QByteArrayView name, ContainerEntry &entry);
    // Inline, as it runs for every entry read.
    static void advancePast(LevelRecord &record, quint32 entryLength)
    {
        record.cursor += entryLength;
        if (++record.cursorIndex >= record.limit) {
            record.cursorIndex = 0;
            record.cursor = record.start;
        }
    }
    bool writableName(QByteArrayView name) const;
    void writeHeader(QByteArrayView name, quint32 size);
    void writeValue(QByteArrayView name, const void *data, quint32 size);
    void append(const void *data, qint64 size);
    void appendData(const void *data, qint64 size);
    quint64 writePosition() const { return m_windowStart + quint64(m_bytes.size()); }
    void patchSectionHeader(quint32 start, quint32 count, quint32 size);
    void flushWindow();

    bool m_skinOutput = false;
    bool m_writing = true;
    // Reading: every entry read so far was the one at the cursor, and every section left had been
    // read to its end. Whatever goes through the general lookup clears it.
    bool m_inOrder = true;
    QString m_fileName;
    std::unique_ptr<SafeFileWriter> m_file;
    Sink m_sink = Sink::Memory;
    // Writing to a file: m_bytes holds what lies at m_windowStart onwards and is not yet written,
    // so most back-patches land in memory.
    quint64 m_windowStart = 0;
    QString m_className;
    int m_level = 0;
    std::array<LevelRecord, MaxLevels> m_levels;
    QByteArray m_bytes;
    // Reading: texts made so far, found by a hash of their code units. Captions and names repeat
    // across layouts and shapes, and a repeated one shares the characters of the first rather than
    // allocating its own. Each text has two places it may take; when both are taken it is not
    // kept. A file whose first texts hardly repeat is taken to be one whose texts do not, and the
    // rest are made without looking.
    struct MadeText
    {
        quint32 tag = 0; // 0: the place is free
        QString text;
    };
    std::unique_ptr<std::array<MadeText, 1024>> m_madeTexts;
    int m_textsLookedUp = 0;
    int m_textsShared = 0;
};

} // namespace velkari
