#include "relativepath.h"

#include <limits>

namespace velkari {

namespace {

constexpr QChar Backslash = u'\\';

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity NativeCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity NativeCase = Qt::CaseSensitive;
#endif

QChar charAt(const QString &s, qsizetype i)
{
    return i < s.size() ? s.at(i) : QChar(); // the terminator takes part in the comparison
}

bool sameChar(QChar a, QChar b, Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseSensitive ? a == b : a.toCaseFolded() == b.toCaseFolded();
}

// The leading decimal number of `text`, read the way the C library's atoi reads it, clamped.
qint64 leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        negative = text.at(i++) == u'-';
    qint64 value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 0x80; ++i)
        value = qMin<qint64>(value * 10 + (text.at(i).unicode() - u'0'), std::numeric_limits<qint32>::max());
    return negative ? -value : value;
}

QString toBackslashes(QString path)
{
#ifndef Q_OS_WIN
    path.replace(u'/', Backslash);
#endif
    return path;
}

QString fromBackslashes(QString path)
{
#ifndef Q_OS_WIN
    path.replace(Backslash, u'/');
#endif
    return path;
}

} // namespace

QString MakeRelativePath(const QString &path, const QString &base, Qt::CaseSensitivity cs)
{
    const qsizetype length = qMax(path.size(), base.size());
    qsizetype lastBackslash = 0;
    qsizetype i = 0;
    for (; i <= length; ++i) {
        const QChar p = charAt(path, i);
        if (!sameChar(p, charAt(base, i), cs))
            break;
        if (p == Backslash)
            lastBackslash = i;
    }
    if (i > length || i == 0)
        return path;
    const auto levels = base.sliced(lastBackslash + 1).count(Backslash);
    return QStringLiteral("%1,%2").arg(levels).arg(path.sliced(lastBackslash));
}

QString MakeAbsolutePath(const QString &base, const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return text;
    const qint64 wanted = leadingNumber(QStringView(text).first(comma)) + 1;
    const QStringView rest = QStringView(text).sliced(comma + 1);
    qint64 seen = 0;
    for (qsizetype i = base.size() - 1; i >= 0; --i) {
        if (base.at(i) == Backslash && ++seen == wanted)
            return base.first(i).append(rest);
    }
    const qsizetype first = base.indexOf(Backslash);
    return (first < 0 ? QString() : base.first(first + 1)).append(rest);
}

QString toStoredPath(const QString &nativePath, const QString &nativeBase)
{
    return MakeRelativePath(toBackslashes(nativePath), toBackslashes(nativeBase), NativeCase);
}

QString fromStoredPath(const QString &nativeBase, const QString &stored)
{
    return fromBackslashes(MakeAbsolutePath(toBackslashes(nativeBase), stored));
}

} // namespace velkari
