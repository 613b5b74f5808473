#include "lenientjsonreader.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cmath>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::LenientJsonReader)
};

constexpr qsizetype MaxWordLength = 64;

bool isWordStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}

bool isWordChar(char c)
{
    return isWordStart(c) || (c >= '0' && c <= '9');
}

bool isNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Sign, digits with at most one point, at least one digit, then an optional exponent.
bool isNumberLiteral(QByteArrayView literal)
{
    qsizetype i = 0;
    if (i < literal.size() && (literal[i] == '-' || literal[i] == '+'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < literal.size(); ++i) {
        if (literal[i] >= '0' && literal[i] <= '9')
            ++digits;
        else if (literal[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < literal.size() && (literal[i] == 'e' || literal[i] == 'E')) {
        ++i;
        if (i < literal.size() && (literal[i] == '-' || literal[i] == '+'))
            ++i;
        const qsizetype exponentStart = i;
        while (i < literal.size() && literal[i] >= '0' && literal[i] <= '9')
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == literal.size();
}

QString describeByte(char c)
{
    const auto byte = uchar(c);
    if (byte >= 0x20 && byte < 0x7F)
        return QStringLiteral("'%1'").arg(QChar(byte));
    return QStringLiteral("byte 0x%1").arg(QString::number(byte, 16).toUpper().rightJustified(2, u'0'));
}

// QString::fromUtf8 drops a byte order mark at the start of what it decodes; inside a string
// it is a character of the legend like any other, and a round trip must keep it.
QString decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

LenientJsonReader::LenientJsonReader(QByteArrayView text)
    : m_text8(text)
{
    m_stack.append({Frame::TopLevel, Expect::Value});
    if (m_text8.size() > MaxTextSize) {
        m_text8 = {};
        m_error = Text::tr("The text is larger than %1 MiB; no keyboard layout is that large.").arg(MaxTextSize >> 20);
    } else if (m_text8.startsWith("\xEF\xBB\xBF")) {
        m_pos = 3;
    }
}

LenientJsonReader::Token LenientJsonReader::fail(const QString &why)
{
    m_tokenStart = m_pos;
    m_error = why;
    return Token::Error;
}

void LenientJsonReader::skipSpace()
{
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
        ++m_pos;
}

LenientJsonReader::Token LenientJsonReader::next()
{
    if (!m_error.isEmpty())
        return Token::Error;
    skipSpace();
    m_tokenStart = m_pos;
    Level &level = m_stack.last();
    const char c = peek();
    switch (level.expect) {
    case Expect::CommaOrEnd:
        if (c == ',') {
            ++m_pos;
            level.expect = level.frame == Frame::Object ? Expect::NameOrEnd : Expect::ValueOrEnd;
            return next();
        }
        if (level.frame == Frame::TopLevel)
            return atEnd() ? Token::End : fail(Text::tr("Expected a comma or the end of the text."));
        if (atEnd())
            return fail(Text::tr("The text ends early."));
        if (level.frame == Frame::Array)
            return c == ']' ? close(c) : fail(Text::tr("Expected a comma or ']'."));
        return c == '}' ? close(c) : fail(Text::tr("Expected a comma or '}'."));
    case Expect::NameOrEnd: {
        if (c == '}')
            return close(c);
        if (c == '"' || c == '\'') {
            if (readString(c) == Token::Error)
                return Token::Error;
        } else if (isWordStart(c)) {
            const qsizetype start = m_pos;
            while (!atEnd() && isWordChar(peek()) && m_pos - start <= MaxWordLength)
                ++m_pos;
            if (m_pos - start > MaxWordLength)
                return fail(Text::tr("A property name is longer than %1 characters.").arg(MaxWordLength));
            m_text = QString::fromLatin1(m_text8.sliced(start, m_pos - start));
        } else {
            return fail(atEnd() ? Text::tr("The text ends early.") : Text::tr("Expected a property name or '}'."));
        }
        skipSpace();
        if (peek() != ':')
            return fail(Text::tr("Expected ':' after the property name \"%1\".").arg(m_text));
        ++m_pos;
        level.expect = Expect::Value;
        return Token::Name;
    }
    case Expect::ValueOrEnd:
        if (level.frame == Frame::Array && c == ']')
            return close(c);
        if (level.frame == Frame::TopLevel && atEnd())
            return Token::End;
        return value();
    case Expect::Value:
        return value();
    }
    return fail(QString());
}

LenientJsonReader::Token LenientJsonReader::close(char closer)
{
    ++m_pos;
    m_stack.removeLast();
    return closer == ']' ? Token::EndArray : Token::EndObject;
}

LenientJsonReader::Token LenientJsonReader::value()
{
    if (atEnd())
        return fail(m_stack.size() == 1 ? Text::tr("The text is empty.") : Text::tr("The text ends early."));
    const char c = peek();
    m_stack.last().expect = Expect::CommaOrEnd;
    if (c == '[' || c == '{') {
        if (depth() >= MaxDepth)
            return fail(Text::tr("Arrays and objects are nested more than %1 deep.").arg(MaxDepth));
        ++m_pos;
        if (c == '[') {
            m_stack.append({Frame::Array, Expect::ValueOrEnd});
            return Token::BeginArray;
        }
        m_stack.append({Frame::Object, Expect::NameOrEnd});
        return Token::BeginObject;
    }
    if (c == '"' || c == '\'')
        return readString(c);
    if (isNumberChar(c) && c != 'e' && c != 'E')
        return readNumber();
    if (isWordStart(c))
        return readWord();
    return fail(Text::tr("Unexpected %1.").arg(describeByte(c)));
}

LenientJsonReader::Token LenientJsonReader::readString(char quote)
{
    ++m_pos;
    m_text.clear();
    qsizetype runStart = m_pos;
    const auto flush = [&] { m_text += decodeUtf8(m_text8.sliced(runStart, m_pos - runStart)); };
    for (;;) {
        if (atEnd())
            return fail(Text::tr("A string is not closed."));
        const char c = m_text8[m_pos];
        if (c == quote) {
            flush();
            ++m_pos;
            return Token::String;
        }
        if (uchar(c) < 0x20)
            return fail(Text::tr("A string holds a control character; write a line break as \\n."));
        if (c != '\\') {
            ++m_pos;
            continue;
        }
        flush();
        const qsizetype escape = m_pos++;
        if (atEnd())
            return fail(Text::tr("A string is not closed."));
        const char escaped = m_text8[m_pos++];
        switch (escaped) {
        case '"':
        case '\'':
        case '\\':
        case '/':
            m_text += QChar(escaped);
            break;
        case 'b':
            m_text += u'\b';
            break;
        case 'f':
            m_text += u'\f';
            break;
        case 'n':
            m_text += u'\n';
            break;
        case 'r':
            m_text += u'\r';
            break;
        case 't':
            m_text += u'\t';
            break;
        case 'u': {
            int code = 0;
            for (int i = 0; i < 4; ++i) {
                const int digit = atEnd() ? -1 : hexValue(m_text8[m_pos]);
                if (digit < 0) {
                    m_pos = escape;
                    return fail(Text::tr("\\u needs four hexadecimal digits."));
                }
                code = code * 16 + digit;
                ++m_pos;
            }
            m_text += QChar(char16_t(code));
            break;
        }
        default:
            m_pos = escape;
            return fail(Text::tr("Unknown escape \\%1 in a string.").arg(describeByte(escaped)));
        }
        runStart = m_pos;
    }
}

LenientJsonReader::Token LenientJsonReader::readNumber()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isNumberChar(peek()) && m_pos - start <= MaxWordLength)
        ++m_pos;
    if (m_pos - start > MaxWordLength) {
        m_pos = start;
        return fail(Text::tr("A number is longer than %1 characters.").arg(MaxWordLength));
    }
    const QByteArrayView literal = m_text8.sliced(start, m_pos - start);
    bool ok = isNumberLiteral(literal);
    m_number = ok ? literal.toByteArray().toDouble(&ok) : 0;
    if (!ok || !std::isfinite(m_number)) {
        m_pos = start;
        return fail(Text::tr("\"%1\" is not a number that can be read.").arg(QString::fromLatin1(literal)));
    }
    return Token::Number;
}

LenientJsonReader::Token LenientJsonReader::readWord()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isWordChar(peek()) && m_pos - start <= MaxWordLength)
        ++m_pos;
    const QByteArrayView word = m_text8.sliced(start, m_pos - start);
    if (word == "true" || word == "false") {
        m_boolean = word == "true";
        return Token::Bool;
    }
    if (word == "null")
        return Token::Null;
    m_pos = start;
    const QString shown = QString::fromLatin1(word.first(qMin(word.size(), MaxWordLength)));
    return fail(Text::tr("Unexpected word \"%1\"; a text needs quotes.").arg(shown));
}

bool LenientJsonReader::skipValue(Token first)
{
    if (first == Token::Error)
        return false;
    if (first != Token::BeginArray && first != Token::BeginObject)
        return true;
    const int outer = depth() - 1;
    for (;;) {
        const Token token = next();
        if (token == Token::Error || token == Token::End)
            return false;
        if ((token == Token::EndArray || token == Token::EndObject) && depth() == outer)
            return true;
    }
}

int LenientJsonReader::line() const
{
    return int(m_text8.first(qMin(m_tokenStart, m_text8.size())).count('\n')) + 1;
}

int LenientJsonReader::column() const
{
    const qsizetype end = qMin(m_tokenStart, m_text8.size());
    int column = 1;
    for (qsizetype i = end - 1; i >= 0 && m_text8[i] != '\n'; --i) {
        if ((uchar(m_text8[i]) & 0xC0) != 0x80) // a character, not the continuation of one
            ++column;
    }
    return column;
}

} // namespace velkari
