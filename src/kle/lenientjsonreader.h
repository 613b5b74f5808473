#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace velkari {

// Reads, token by token, the JSON in which keyboard layouts are shared, which people and sites
// write more loosely than JSON allows: property names may be bare identifiers, strings may be in
// single quotes, arrays and objects may end with a comma, and the top level may be several values
// separated by commas (a layout copied without its enclosing brackets). Nothing is read past the
// text, and nesting, the length of a number or a bare name and the size of the text are limited,
// so that hostile text gives an error, never a deep recursion or a huge allocation.
class LenientJsonReader
{
public:
    enum class Token { BeginArray, EndArray, BeginObject, EndObject, Name, String, Number, Bool, Null, End, Error };

    static constexpr qsizetype MaxTextSize = 4 * 1024 * 1024;
    static constexpr int MaxDepth = 32;

    explicit LenientJsonReader(QByteArrayView text);

    // Error, and from then on always Error, when the text breaks the grammar; End after the last
    // top-level value.
    Token next();
    // Skips the rest of a value whose first token `first` was just read; false on an error.
    bool skipValue(Token first);

    // The name or string just read.
    const QString &text() const { return m_text; }
    double number() const { return m_number; }
    bool boolean() const { return m_boolean; }
    // How many arrays and objects are open.
    int depth() const { return int(m_stack.size()) - 1; }

    // Why reading stopped, and where (1-based line and column of the byte where it stopped).
    const QString &error() const { return m_error; }
    int line() const;
    int column() const;

private:
    enum class Frame { TopLevel, Array, Object };
    enum class Expect { Value, ValueOrEnd, CommaOrEnd, NameOrEnd };
    struct Level
    {
        Frame frame;
        Expect expect;
    };

    Token fail(const QString &why);
    Token value();
    Token readString(char quote);
    Token readNumber();
    Token readWord();
    Token close(char closer);
    void skipSpace();
    bool atEnd() const { return m_pos >= m_text8.size(); }
    char peek() const { return atEnd() ? '\0' : m_text8[m_pos]; }

    QByteArrayView m_text8;
    qsizetype m_pos = 0;
    qsizetype m_tokenStart = 0;
    QList<Level> m_stack;
    QString m_text;
    double m_number = 0;
    bool m_boolean = false;
    QString m_error;
};

} // namespace velkari
