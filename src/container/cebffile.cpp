#include "cebffile.h"

#include "fileerror.h"
#include "relativepath.h"
#include "safefilewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>
#include <utility>

namespace velkari {

namespace {

// Small entries gather in memory and reach the file in blocks of about this size; a value at least
// this large (a picture) goes to the file directly.
constexpr qsizetype WindowSize = 256 * 1024;

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::CEBFFile)
};

QString tooLargeReason()
{
    return Text::tr("The file would be larger than 4 GiB.");
}

} // namespace

CEBFFile::CEBFFile(const QString &className)
    : m_className(className)
{
}

CEBFFile::~CEBFFile() = default; // an uncommitted writer removes its temporary file

void CEBFFile::resetLevels(quint32 rootEnd)
{
    m_madeTexts.reset();
    m_textsLookedUp = 0;
    m_textsShared = 0;
    m_inOrder = true;
    m_level = 0;
    m_levels[0] = LevelRecord{4, 0, 0, 0, 1, 0, rootEnd, 1, 0}; // "Root", standing for the whole file
}

void CEBFFile::OpenForWrite(const QString &path)
{
    m_fileName = path;
    m_file.reset();
    m_file = std::make_unique<SafeFileWriter>(path);
    startWriting(m_file->streaming() ? Sink::File : Sink::OnePass);
}

void CEBFFile::OpenForWriteInMemory()
{
    m_file.reset();
    startWriting(Sink::Memory);
}

void CEBFFile::startWriting(Sink sink)
{
    m_sink = sink;
    m_writing = true;
    m_bytes.clear();
    m_windowStart = 0;
    if (sink == Sink::File)
        m_bytes.reserve(WindowSize);
    resetLevels(0);
    BeginSection(m_className.toLatin1());
}

bool CEBFFile::OpenForRead(const QString &path, qint64 maxSize)
{
    m_fileName = path;
    m_file.reset();
    m_bytes.clear();
    m_writing = false;
    resetLevels(0);
    // Only regular files: a device or a pipe could hand out bytes without end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > qMin(maxSize, MaxFileSize))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_bytes = file.read(info.size());
    return beginReading();
}

bool CEBFFile::OpenForReadBytes(const QByteArray &bytes)
{
    m_file.reset();
    m_writing = false;
    m_bytes = bytes.size() > MaxFileSize ? QByteArray() : bytes;
    return beginReading();
}

QString CEBFFile::damage() const
{
    const QByteArray name = m_className.toLatin1();
    const QByteArrayView bytes(m_bytes);
    if (m_writing || bytes.size() <= name.size() || uchar(bytes[0]) != name.size() || bytes.sliced(1, name.size()) != name)
        return {};
    // Every entry was parsed within its section where it was taken, counts were checked as it was,
    // and every section, the class section too, was taken whole: no walk would find more.
    const LevelRecord &classSection = m_levels[1];
    if (m_inOrder && m_level == 1 && classSection.consumed == classSection.size && classSection.end == quint32(bytes.size()))
        return {};
    return findContainerDamage(bytes);
}

bool CEBFFile::beginReading()
{
    resetLevels(quint32(m_bytes.size()));
    return BeginSection(m_className.toLatin1());
}

bool CEBFFile::writableName(QByteArrayView name) const
{
    return name.size() <= MaxNameLength;
}

void CEBFFile::append(const void *data, qint64 size)
{
    // Most pieces are a few bytes: growing and copying is far cheaper than a general insert.
    const qsizetype used = m_bytes.size();
    m_bytes.resize(used + size);
    std::memcpy(m_bytes.data() + used, data, size_t(size));
}

// Entry by entry, so that no section header is ever split between the file and the window.
void CEBFFile::appendData(const void *data, qint64 size)
{
    if (m_sink != Sink::File || size < WindowSize) {
        append(data, size);
        return;
    }
    flushWindow();
    m_file->write(QByteArrayView(static_cast<const char *>(data), size));
    m_windowStart += quint64(size);
}

void CEBFFile::flushWindow()
{
    m_file->write(m_bytes);
    m_windowStart += quint64(m_bytes.size());
    m_bytes.truncate(0);
}

void CEBFFile::patchSectionHeader(quint32 start, quint32 count, quint32 size)
{
    const quint32 fields[2] = {qToLittleEndian(count), qToLittleEndian(size)};
    if (start >= m_windowStart) {
        std::memcpy(m_bytes.data() + (start - m_windowStart), fields, sizeof fields);
        return;
    }
    // Already in the file: patched there, and writing goes on at the end.
    m_file->writeAt(start, QByteArrayView(reinterpret_cast<const char *>(fields), sizeof fields));
}

// The length byte, the name and the two 32-bit fields of an entry, in one piece and never split
// between the file and the window.
void CEBFFile::writeHeader(QByteArrayView name, quint32 size)
{
    if (m_sink == Sink::File && m_bytes.size() >= WindowSize)
        flushWindow();
    char header[1 + MaxNameLength + 8];
    const qsizetype length = name.size();
    header[0] = char(length);
    std::memcpy(header + 1, name.data(), size_t(length));
    qToLittleEndian<quint32>(0, header + 1 + length);
    qToLittleEndian<quint32>(size, header + 5 + length);
    append(header, 9 + length);
}

void CEBFFile::writeValue(QByteArrayView name, const void *data, quint32 size)
{
    if (!writableName(name))
        return;
    if (writePosition() + 9 + quint64(name.size()) + size > quint64(MaxFileSize))
        throw FileError(FileError::Action::Write, m_fileName, tooLargeReason());
    writeHeader(name, size);
    appendData(data, size);
    LevelRecord &record = m_levels[m_level];
    record.count += 1;
    record.size += quint32(name.size()) + size + 9;
}

bool CEBFFile::beginSection(QByteArrayView name)
{
    if (m_level + 1 >= MaxLevels)
        return false;
    if (m_writing) {
        if (!writableName(name))
            return false;
        writeHeader(name, 0);
        const quint32 start = quint32(writePosition() - 8);
        m_levels[++m_level] = LevelRecord{int(name.size()), start, start, 0, 0, 0, 0, 0, 0};
        return true;
    }
    ContainerEntry entry;
    if (!findEntry(name, entry))
        return false;
    const quint32 bodyStart = entry.offset + 9 + quint32(entry.name.size());
    m_levels[++m_level] = LevelRecord{int(entry.name.size()), bodyStart, bodyStart, 0, entry.count,
                                      entry.size, bodyStart + entry.size, qMax(entry.count, 0)};
    return true;
}

void CEBFFile::endSection()
{
    const LevelRecord ended = m_levels[m_level--];
    LevelRecord &parent = m_levels[m_level];
    patchSectionHeader(ended.start, quint32(ended.count), ended.size);
    parent.count += 1;
    parent.size += quint32(ended.nameLength) + ended.size + 9;
}

int CEBFFile::EntryCount() const
{
    return m_levels[m_level].count;
}

bool CEBFFile::findEntry(QByteArrayView name, ContainerEntry &entry)
{
    m_inOrder = false;
    const LevelRecord &record = m_levels[m_level];
    if (record.limit > 0 && parseEntryAt(QByteArrayView(m_bytes.constData(), m_bytes.size()), record.cursor, record.end, entry)
        && entry.name.size() == name.size() && sameBytes(entry.name.data(), name.data(), name.size()))
        return true;
    return searchEntry(name, entry);
}

// The cyclic lookup: starts at the entry after the last one read and wraps around once before
// giving up.
bool CEBFFile::searchEntry(QByteArrayView name, ContainerEntry &entry)
{
    LevelRecord &record = m_levels[m_level];
    qint32 misses = 0;
    while (misses < record.limit) {
        if (!parseEntryAt(QByteArrayView(m_bytes.constData(), m_bytes.size()), record.cursor, record.end, entry)) {
            // The count promised more entries than the body holds: the rest are not there.
            record.limit = record.cursorIndex;
            record.cursorIndex = 0;
            record.cursor = record.start;
            continue;
        }
        if (entry.name.size() == name.size() && sameBytes(entry.name.data(), name.data(), name.size()))
            return true;
        advancePast(record, entry.length());
        ++misses;
    }
    return false;
}

void CEBFFile::ExchangeData(QByteArrayView name, quint32 size, void *data, const void *defaultData)
{
    if (m_writing) {
        writeValue(name, data, size);
        return;
    }
    quint32 found = 0;
    if (const char *body = valueAtCursor(name, size, found)) {
        std::memcpy(data, body, size);
        return;
    }
    ContainerEntry entry;
    if (findEntry(name, entry) && entry.size == size && entry.count == 0) {
        std::memcpy(data, entry.body.data(), size);
        advancePast(m_levels[m_level], entry.length());
    } else if (defaultData) {
        std::memmove(data, defaultData, size);
    }
}

template <typename T>
void CEBFFile::exchangeInteger(QByteArrayView name, T &value, T defaultValue)
{
    T le = qToLittleEndian(value);
    const T defaultLe = qToLittleEndian(defaultValue);
    ExchangeData(name, sizeof(T), &le, &defaultLe);
    value = qFromLittleEndian(le);
}

template void CEBFFile::exchangeInteger<quint32>(QByteArrayView, quint32 &, quint32);
template void CEBFFile::exchangeInteger<quint16>(QByteArrayView, quint16 &, quint16);
template void CEBFFile::exchangeInteger<quint8>(QByteArrayView, quint8 &, quint8);

void CEBFFile::ExchangeInt32(QByteArrayView name, qint32 &value)
{
    quint32 raw = quint32(value);
    ExchangeInt32(name, raw);
    value = qint32(raw);
}

void CEBFFile::ExchangeInt16(QByteArrayView name, qint16 &value)
{
    quint16 raw = quint16(value);
    ExchangeInt16(name, raw);
    value = qint16(raw);
}

void CEBFFile::ExchangeByte(QByteArrayView name, qint8 &value, qint8 defaultValue)
{
    quint8 raw = quint8(value);
    ExchangeByte(name, raw, quint8(defaultValue));
    value = qint8(raw);
}

void CEBFFile::exchangeString(QByteArrayView name, QString &value, const QString &defaultValue)
{
    if (m_writing) {
        const qsizetype units = value.size();
        if (quint64(units) * 2 > quint64(MaxFileSize))
            throw FileError(FileError::Action::Write, m_fileName, tooLargeReason());
        QByteArray le(units * 2, Qt::Uninitialized);
        qToLittleEndian<quint16>(value.utf16(), units, le.data());
        writeValue(name, le.constData(), quint32(le.size()));
        return;
    }
    ContainerEntry entry;
    if (!findEntry(name, entry) || entry.count != 0) {
        value = defaultValue;
        return;
    }
    advancePast(m_levels[m_level], entry.length());
    setText(value, entry.body.data(), entry.size);
}

void CEBFFile::setText(QString &value, const char *body, quint32 size)
{
    const qsizetype units = size / 2; // an odd last byte is dropped
    const quint32 used = quint32(units) * 2;
    // Captions and names; a longer text is a path, which hardly repeats.
    constexpr quint32 LongestShared = 64;
    MadeText *free = nullptr;
    quint32 tag = 0;
    constexpr int Trial = 1024;
    const bool repeating = m_textsLookedUp < Trial || m_textsShared >= m_textsLookedUp / 4;
    if (used > 0 && used <= LongestShared && repeating && Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        ++m_textsLookedUp;
        if (!m_madeTexts)
            m_madeTexts = std::make_unique<std::array<MadeText, 1024>>();
        // A body always follows its entry's header, so the 8 bytes before its end lie in the file.
        constexpr quint64 Mix = 0x9E3779B97F4A7C15ULL;
        quint64 hash = used;
        for (quint32 at = 8; at < used; at += 8)
            hash = (hash ^ qFromUnaligned<quint64>(body + at - 8)) * Mix;
        hash = (hash ^ qFromUnaligned<quint64>(body + used - 8)) * Mix;
        hash = (hash ^ (hash >> 31)) * Mix;
        tag = quint32(hash >> 22) | 1;
        const size_t first = size_t(hash >> 54);
        for (const size_t place : {first, first ^ 1}) {
            MadeText &made = (*m_madeTexts)[place];
            if (made.tag == 0) {
                free = free ? free : &made;
            } else if (made.tag == tag && made.text.size() == units
                       && sameBytes(reinterpret_cast<const char *>(made.text.constData()), body, used)) {
                value = made.text;
                ++m_textsShared;
                return;
            }
        }
    }
    QString text(units, Qt::Uninitialized);
    qFromLittleEndian<quint16>(body, units, text.data());
    if (free)
        *free = MadeText{tag, text};
    value = std::move(text);
}

bool CEBFFile::ExchangeBlock(QByteArrayView name, QByteArray &data)
{
    if (m_writing) {
        if (quint64(data.size()) > quint64(MaxFileSize))
            throw FileError(FileError::Action::Write, m_fileName, tooLargeReason());
        writeValue(name, data.constData(), quint32(data.size()));
        return true;
    }
    ContainerEntry entry;
    if (!findEntry(name, entry) || entry.count != 0)
        return false;
    data = entry.body.toByteArray();
    advancePast(m_levels[m_level], entry.length());
    return true;
}

void CEBFFile::ExchangeRelativePath(QByteArrayView name, QString &path, const QString &base)
{
    if (m_writing) {
        QString stored = toStoredPath(path, base);
        ExchangeString(name, stored);
        return;
    }
    QString stored;
    ExchangeString(name, stored);
    path = fromStoredPath(base, stored);
}

void CEBFFile::Close()
{
    if (!m_writing) {
        m_bytes.clear();
        resetLevels(0); // nothing is left to read
        return;
    }
    if (!m_file)
        return;
    if (m_sink == Sink::File)
        flushWindow();
    const std::unique_ptr<SafeFileWriter> file = std::move(m_file);
    if (m_sink == Sink::File) {
        file->commit();
    } else {
        file->commitWhole(m_bytes);
    }
    m_bytes.clear();
    m_sink = Sink::Memory;
}

QList<QByteArray> CEBFFile::EntryNames() const
{
    QList<QByteArray> names;
    if (m_writing)
        return names;
    const LevelRecord &record = m_levels[m_level];
    const QByteArrayView body = QByteArrayView(m_bytes).sliced(record.start, record.end - record.start);
    for (const ContainerEntry &entry : listEntries(body, record.count))
        names.append(entry.name.toByteArray());
    return names;
}

} // namespace velkari
