#include "skinlayoutdata.h"

#include "skinlayout.h"

#include <QtEndian>

namespace velkari {

namespace {

// The bytes of one record in either direction. Reading stops at the first problem: every later
// field keeps its value, and no count is trusted beyond the bytes that remain.
class RecordStream
{
public:
    explicit RecordStream(qsizetype size)
        : m_writing(true)
    {
        m_out.reserve(size);
    }
    explicit RecordStream(QByteArrayView bytes)
        : m_writing(false)
        , m_in(bytes)
    {
    }

    template <typename T>
    void field(T &value)
    {
        if (m_writing) {
            const T le = qToLittleEndian(value);
            m_out.append(reinterpret_cast<const char *>(&le), sizeof le);
            return;
        }
        if (failed())
            return;
        if (qsizetype(sizeof(T)) > remaining()) {
            fail(QStringLiteral("it ends after %1 bytes, inside %2").arg(m_in.size()).arg(where()));
            return;
        }
        value = qFromLittleEndian<T>(m_in.data() + m_pos);
        m_pos += sizeof(T);
    }

    // The number of items of a list, each of which takes at least `itemSize` bytes.
    template <typename List>
    void count(List &list, qsizetype itemSize, int maximum, const char *items)
    {
        qint32 n = qint32(list.size());
        field(n);
        if (m_writing || failed())
            return;
        if (n < 0 || n > maximum)
            fail(QStringLiteral("%1 claims %2 %3, at most %4 are allowed")
                     .arg(where()).arg(n).arg(QLatin1String(items)).arg(maximum));
        else if (n > remaining() / itemSize)
            fail(QStringLiteral("%1 claims %2 %3, more than the %4 bytes left can hold")
                     .arg(where()).arg(n).arg(QLatin1String(items)).arg(remaining()));
        else
            list.resize(n);
    }

    // Where reading is, for the messages: a row, or the header or footer.
    enum Part { Header = -1, Footer = -2 };
    void setPart(int part) { m_part = part; }
    void fail(const QString &problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
    }
    bool failed() const { return !m_problem.isEmpty(); }
    QString where() const
    {
        if (m_part == Header)
            return QStringLiteral("the header");
        return m_part == Footer ? QStringLiteral("the footer") : QStringLiteral("row %1").arg(m_part);
    }
    const QString &problem() const { return m_problem; }
    qsizetype remaining() const { return m_in.size() - m_pos; }
    QByteArray take() { return std::move(m_out); }

private:
    bool m_writing;
    QByteArray m_out;
    QByteArrayView m_in;
    qsizetype m_pos = 0;
    int m_part = Header;
    QString m_problem;
};

void exchangeKey(RecordStream &stream, SkinKeyRecord &key)
{
    stream.field(key.flags);
    stream.field(key.charCode);
    stream.field(key.vk);
    stream.field(key.left);
    stream.field(key.top);
    stream.field(key.right);
    stream.field(key.bottom);
}

void exchangeLayoutData(RecordStream &stream, SkinLayoutData &data)
{
    stream.field(data.flags);
    stream.field(data.dragUpLayout);
    for (SkinLayoutData::KeyPosition *position : {&data.enter, &data.space, &data.backspace}) {
        stream.field(position->row);
        stream.field(position->button);
    }
    stream.count(data.rows, 4, RowList::capacity, "rows");
    for (qsizetype r = 0; r < data.rows.size(); ++r) {
        stream.setPart(int(r));
        stream.count(data.rows[r], SkinKeyRecord::Size, ButtonList::capacity - 1, "keys");
        for (SkinKeyRecord &key : data.rows[r])
            exchangeKey(stream, key);
    }
    stream.setPart(RecordStream::Footer);
    stream.field(data.width);
    stream.field(data.height);
}

int keyCount(const SkinRow &row)
{
    return qMax(0, row.buttons.count() - 1);
}

QString positionProblem(const SkinLayoutData &data, const SkinLayoutData::KeyPosition &position, const char *name)
{
    if (position.row == -1 && position.button == -1)
        return {};
    // The placeholder counts in the writer's scan, so a position may lie one past the row's keys.
    if (position.row < 0 || position.row >= data.rows.size() || position.button < 0
        || position.button > data.rows[position.row].size())
        return QStringLiteral("the %1 key's position %2,%3 lies outside the rows")
            .arg(QLatin1String(name)).arg(position.row).arg(position.button);
    return {};
}

// The rectangles are derived data: keys follow each other from x 0 in every row, share the row's
// top and bottom, and rows follow each other downwards. A record that breaks this was damaged.
QString layoutProblem(const SkinLayoutData &data)
{
    const std::pair<const SkinLayoutData::KeyPosition *, const char *> positions[] = {
        {&data.enter, "Enter"}, {&data.space, "Space"}, {&data.backspace, "Backspace"}};
    for (const auto &[position, name] : positions) {
        QString problem = positionProblem(data, *position, name);
        if (!problem.isEmpty())
            return problem;
    }
    qint32 x = 0;
    qint32 y = 0;
    for (qsizetype r = 0; r < data.rows.size(); ++r) {
        const QList<SkinKeyRecord> &row = data.rows[r];
        x = 0;
        for (qsizetype k = 0; k < row.size(); ++k) {
            const SkinKeyRecord &key = row[k];
            if (key.left != x || key.right < key.left)
                return QStringLiteral("key %1,%2 does not begin where the key before it ends").arg(r).arg(k);
            if (key.top != row[0].top || key.bottom != row[0].bottom || key.bottom < key.top || key.top < y)
                return QStringLiteral("key %1,%2 does not lie in its row").arg(r).arg(k);
            x = key.right;
        }
        if (!row.isEmpty())
            y = row[0].bottom;
    }
    if (data.width != x)
        return QStringLiteral("the footer's width %1 is not the last row's %2").arg(data.width).arg(x);
    if (data.height < y)
        return QStringLiteral("the footer's height %1 is less than the rows' %2").arg(data.height).arg(y);
    return {};
}

} // namespace

qint64 skinLayoutDataSize(const SkinLayout &layout)
{
    qint64 size = SkinLayoutData::HeaderSize + SkinLayoutData::FooterSize;
    for (const auto &row : layout.rows)
        size += 4 + qint64(SkinKeyRecord::Size) * keyCount(*row);
    return size;
}

QByteArray encodeSkinLayoutData(const SkinLayout &layout)
{
    SkinLayoutData data = makeSkinLayoutData(layout);
    RecordStream stream(skinLayoutDataSize(layout));
    exchangeLayoutData(stream, data);
    return stream.take();
}

QByteArray encodeSkinLayoutData(const SkinLayoutData &data)
{
    SkinLayoutData copy = data;
    RecordStream stream(SkinLayoutData::HeaderSize + SkinLayoutData::FooterSize);
    exchangeLayoutData(stream, copy);
    return stream.take();
}

bool decodeSkinLayoutData(QByteArrayView bytes, SkinLayoutData &data, QString *problem)
{
    data = SkinLayoutData();
    RecordStream stream(bytes);
    exchangeLayoutData(stream, data);
    if (!stream.failed() && stream.remaining() != 0)
        stream.fail(QStringLiteral("%1 bytes follow its footer").arg(stream.remaining()));
    if (!stream.failed())
        stream.fail(layoutProblem(data));
    if (problem)
        *problem = stream.problem();
    return !stream.failed();
}

} // namespace velkari
