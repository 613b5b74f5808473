#include "klereader.h"

#include "legendmapping.h"
#include "lenientjsonreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::KleReader)
};

using Token = LenientJsonReader::Token;

// Wider than any screen is in pixels: an exported layout whose most common key is one pixel wide
// still reads back.
constexpr double MaxKeySide = 1000;
constexpr double MaxMove = 10000;
constexpr int DefaultAlignment = 4;

// The position each line of a key's legend text takes, by the key's alignment (`a`, 0 to 7):
// the site moves legends to the centre of the face and the front as the alignment asks, and
// drops lines that have no place; -1 marks those.
constexpr std::array<std::array<qint8, LegendPositions>, 8> LegendPlaces{{
    {0, 6, 2, 8, 9, 11, 3, 5, 1, 4, 7, 10},
    {1, 7, -1, -1, 9, 11, 4, -1, -1, -1, -1, 10},
    {3, -1, 5, -1, 9, 11, -1, -1, 4, -1, -1, 10},
    {4, -1, -1, -1, 9, 11, -1, -1, -1, -1, -1, 10},
    {0, 6, 2, 8, 10, -1, 3, 5, 1, 4, 7, -1},
    {1, 7, -1, -1, 10, -1, 4, -1, -1, -1, -1, -1},
    {3, -1, 5, -1, 10, -1, -1, -1, 4, -1, -1, -1},
    {4, -1, -1, -1, 10, -1, -1, -1, -1, -1, -1, -1},
}};

struct Property
{
    QString name;
    Token token = Token::Null;
    double number = 0;
    QString text;
    bool boolean = false;
};

class KleReader
{
public:
    explicit KleReader(QByteArrayView text)
        : m_json(text)
    {
    }

    std::optional<KleKeyboard> read(QString *error);

private:
    bool fail(const QString &why);
    bool readDocument();
    bool readRows(Token first, bool enclosed);
    bool readRow(Token first, const QList<Property> &leading = {});
    bool readObject(QList<Property> &properties);
    void applyMetadata(const QList<Property> &properties);
    bool applyProperties(const QList<Property> &properties);
    bool numberIn(const Property &property, double low, double high, bool lowExcluded, double &value);
    bool addKey(const QString &legendText);

    LenientJsonReader m_json;
    KleKeyboard m_keyboard;
    QString m_error;
    int m_row = -1;
    int m_key = 0;
    bool m_anyKey = false;

    // What the format carries from key to key.
    int m_alignment = DefaultAlignment;
    double m_rotation = 0;
    double m_rowStart = 0;
    double m_x = 0;
    double m_y = 0;
    // What it sets for the next key only.
    KleKey m_next;
};

bool KleReader::fail(const QString &why)
{
    if (!m_error.isEmpty())
        return false;
    const QString where = m_row < 0
        ? Text::tr("line %1, column %2").arg(m_json.line()).arg(m_json.column())
        : Text::tr("row %1, key %2 (line %3, column %4)").arg(m_row).arg(m_key).arg(m_json.line()).arg(m_json.column());
    m_error = Text::tr("Reading stopped at %1: %2").arg(where, why);
    return false;
}

std::optional<KleKeyboard> KleReader::read(QString *error)
{
    if (readDocument() && !m_anyKey)
        fail(Text::tr("The layout holds no keys."));
    if (!m_error.isEmpty()) {
        if (error)
            *error = m_error;
        return std::nullopt;
    }
    return m_keyboard;
}

// The downloaded form is one array of rows, perhaps after a metadata object; the "Raw data" form
// is the rows without that array. Both can begin with "[{": what follows the object tells them
// apart.
bool KleReader::readDocument()
{
    const Token first = m_json.next();
    if (first == Token::BeginObject) {
        QList<Property> metadata;
        if (!readObject(metadata))
            return false;
        applyMetadata(metadata);
        return readRows(m_json.next(), false);
    }
    if (first != Token::BeginArray)
        return fail(first == Token::Error ? m_json.error() : Text::tr("A keyboard layout begins with '[' or '{'."));
    const Token second = m_json.next();
    if (second == Token::BeginArray)
        return readRows(second, true);
    if (second != Token::BeginObject)
        return readRow(second) && readRows(m_json.next(), false);
    QList<Property> properties;
    if (!readObject(properties))
        return false;
    const Token third = m_json.next();
    if (third == Token::BeginArray) {
        applyMetadata(properties);
        return readRows(third, true);
    }
    return readRow(third, properties) && readRows(m_json.next(), false);
}

// Rows from `first` on: inside the document's array when `enclosed`, else at the top level.
bool KleReader::readRows(Token first, bool enclosed)
{
    for (Token token = first;; token = m_json.next()) {
        if (token == Token::Error)
            return fail(m_json.error());
        if (enclosed && token == Token::EndArray)
            break;
        if (!enclosed && token == Token::End)
            return true;
        if (token != Token::BeginArray)
            return fail(token == Token::BeginObject ? Text::tr("Only the first entry may be the layout's metadata.")
                                                    : Text::tr("Every row is an array of legends."));
        if (!readRow(m_json.next()))
            return false;
    }
    const Token end = m_json.next();
    if (end == Token::Error)
        return fail(m_json.error());
    return end == Token::End || fail(Text::tr("Text follows the end of the layout."));
}

// The tokens of one row from the one after its '['; `leading` are properties read before it was
// known to be a row.
bool KleReader::readRow(Token first, const QList<Property> &leading)
{
    ++m_row;
    m_key = 0;
    if (m_row >= KleMaxRows)
        return fail(Text::tr("The layout has more than %1 rows.").arg(KleMaxRows));
    m_keyboard.rows.append(KleRow{m_row, {}});
    if (!applyProperties(leading))
        return false;
    for (Token token = first;; token = m_json.next()) {
        switch (token) {
        case Token::String:
            if (!addKey(m_json.text()))
                return false;
            break;
        case Token::BeginObject: {
            QList<Property> properties;
            if (!readObject(properties) || !applyProperties(properties))
                return false;
            break;
        }
        case Token::EndArray:
            m_y += 1;
            m_x = m_rowStart;
            return true;
        case Token::Error:
            return fail(m_json.error());
        default:
            return fail(Text::tr("A row holds legend texts and objects of properties, nothing else."));
        }
    }
}

bool KleReader::readObject(QList<Property> &properties)
{
    for (;;) {
        Token token = m_json.next();
        if (token == Token::EndObject)
            return true;
        if (token != Token::Name)
            return fail(m_json.error());
        Property property;
        property.name = m_json.text();
        token = m_json.next();
        property.token = token;
        switch (token) {
        case Token::Number:
            property.number = m_json.number();
            break;
        case Token::String:
            property.text = m_json.text();
            break;
        case Token::Bool:
            property.boolean = m_json.boolean();
            break;
        case Token::Null:
            break;
        case Token::BeginArray:
        case Token::BeginObject:
            if (!m_json.skipValue(token))
                return fail(m_json.error());
            break;
        default:
            return fail(m_json.error());
        }
        properties.append(property);
    }
}

void KleReader::applyMetadata(const QList<Property> &properties)
{
    for (const Property &property : properties) {
        if (property.name == QLatin1String("name") && property.token == Token::String)
            m_keyboard.name = property.text.trimmed();
    }
}

bool KleReader::numberIn(const Property &property, double low, double high, bool lowExcluded, double &value)
{
    if (property.token != Token::Number)
        return fail(Text::tr("\"%1\" must be a number.").arg(property.name));
    const double n = property.number;
    if (n > high || n < low || (lowExcluded && n == low)) {
        return fail(lowExcluded ? Text::tr("\"%1\" is %2; it must be above %3 and at most %4.")
                                      .arg(property.name).arg(n).arg(low).arg(high)
                                : Text::tr("\"%1\" is %2; it must be from %3 to %4.")
                                      .arg(property.name).arg(n).arg(low).arg(high));
    }
    value = n;
    return true;
}

bool KleReader::applyProperties(const QList<Property> &properties)
{
    for (const Property &property : properties) {
        const QString &name = property.name;
        double value = 0;
        if (name == QLatin1String("x") || name == QLatin1String("y")) {
            if (!numberIn(property, -MaxMove, MaxMove, false, value))
                return false;
            if (name == QLatin1String("x")) {
                m_x += value;
            } else {
                m_y += value;
                m_next.shift += value;
            }
        } else if (name == QLatin1String("w") || name == QLatin1String("h") || name == QLatin1String("w2")
                   || name == QLatin1String("h2")) {
            if (!numberIn(property, 0, MaxKeySide, true, value))
                return false;
            double &side = name == QLatin1String("w") ? m_next.width
                : name == QLatin1String("h")          ? m_next.height
                : name == QLatin1String("w2")         ? m_next.width2
                                                      : m_next.height2;
            side = value;
        } else if (name == QLatin1String("x2") || name == QLatin1String("y2")) {
            if (!numberIn(property, -MaxKeySide, MaxKeySide, false, value))
                return false;
            (name == QLatin1String("x2") ? m_next.x2 : m_next.y2) = value;
        } else if (name == QLatin1String("a")) {
            if (!numberIn(property, 0, 7, false, value))
                return false;
            m_alignment = int(value);
        } else if (name == QLatin1String("r")) {
            if (!numberIn(property, -360, 360, false, value))
                return false;
            m_rotation = value;
        } else if (name == QLatin1String("rx") || name == QLatin1String("ry")) {
            if (!numberIn(property, -MaxMove, MaxMove, false, value))
                return false;
            // The rotation's origin is where the next rows begin.
            if (name == QLatin1String("rx")) {
                m_rowStart = m_x = value;
            } else {
                m_next.shift += value - m_y;
                m_y = value;
            }
        } else if (name == QLatin1String("d")) {
            if (property.token != Token::Bool)
                return fail(Text::tr("\"%1\" must be true or false.").arg(name));
            m_next.decal = property.boolean;
        }
        // Colours, fonts, profiles and the rest only change how the site draws a key.
    }
    return true;
}

bool KleReader::addKey(const QString &legendText)
{
    if (m_key >= KleMaxKeysInRow)
        return fail(Text::tr("The row has more than %1 keys.").arg(KleMaxKeysInRow));
    KleKey key = m_next;
    m_next = KleKey();
    key.legends = QStringList(LegendPositions);
    const QStringList lines = legendText.split(u'\n');
    for (qsizetype i = 0; i < lines.size() && i < LegendPositions; ++i) {
        const int place = LegendPlaces[size_t(m_alignment)][size_t(i)];
        if (place >= 0)
            key.legends[place] = plainLegend(lines[i]);
    }
    // A second rectangle with a side not given has the first one's.
    if (key.width2 > 0 || key.height2 > 0 || key.x2 != 0 || key.y2 != 0) {
        if (key.width2 == 0)
            key.width2 = key.width;
        if (key.height2 == 0)
            key.height2 = key.height;
    }
    key.x = m_x;
    key.rotation = m_rotation;
    key.index = m_key++;
    m_x += key.width;
    m_keyboard.rows.last().keys.append(key);
    m_anyKey = true;
    return true;
}

} // namespace

std::optional<KleKeyboard> readKleKeyboard(QByteArrayView text, QString *error)
{
    return KleReader(text).read(error);
}

std::optional<KleKeyboard> readKleKeyboardFile(const QString &path, QString *error)
{
    QFile file(path);
    // A device or a pipe could hand out bytes without end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QFileInfo(path).isFile() ? file.errorString() : Text::tr("It is not a file.");
        return std::nullopt;
    }
    return readKleKeyboard(file.read(LenientJsonReader::MaxTextSize + 1), error);
}

} // namespace velkari
