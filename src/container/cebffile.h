#pragma once

#include "containerentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
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
    // of another kind, which are no container of this class at all.
    QString damage() const;

    bool BeginSection(QByteArrayView name);
    void EndSection();
    bool IsWriting() const { return m_writing; }
    int EntryCount() const;
    int Level() const { return m_level; }

    void ExchangeData(QByteArrayView name, quint32 size, void *data, const void *defaultData);
    void ExchangeInt32(QByteArrayView name, quint32 &value);
    void ExchangeInt32(QByteArrayView name, qint32 &value);
    void ExchangeInt16(QByteArrayView name, quint16 &value);
    void ExchangeInt16(QByteArrayView name, qint16 &value);
    void ExchangeByte(QByteArrayView name, quint8 &value, quint8 defaultValue);
    void ExchangeByte(QByteArrayView name, qint8 &value, qint8 defaultValue);
    void ExchangeString(QByteArrayView name, QString &value, const QString &defaultValue = {});
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
    };

    enum class Sink { Memory, File, OnePass };

    void startWriting(Sink sink);
    void resetLevels(quint32 rootEnd);
    bool beginReading();
    const char *valueAtCursor(QByteArrayView name, qint64 wanted, quint32 &size);
    // Reading in the order of writing: an integer taken at the cursor without the general lookup.
    template <typename T>
    bool readAtCursor(QByteArrayView name, T &value);
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
};

} // namespace velkari
