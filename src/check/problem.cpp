#include "problem.h"

#include "screenshape.h"

namespace velkari {

QString problemCodeName(ProblemCode code)
{
    static const char *const names[ProblemCodeCount] = {
        "no-picture", "picture-unreadable", "no-rows", "row-height", "row-empty", "key-width", "layout-width",
        "row-width", "picture-format", "picture-size", "layout-target", "layout-target-unset",
        "drag-up-target", "unreachable-layout", "dead-end-layout", "duplicate-special-key",
        "surrogate-character", "code-out-of-range", "duplicate-layout-name", "shape-width", "relative-picture-path",
    };
    const int i = int(code);
    return i >= 0 && i < ProblemCodeCount ? QString::fromLatin1(names[i]) : QString();
}

Severity problemSeverity(ProblemCode code)
{
    return int(code) <= int(ProblemCode::RowWidth) ? Severity::Error : Severity::Warning;
}

QString problemPlace(const Problem &problem)
{
    QString place = screenShapeName(problem.shape) + u'/' + problem.layoutName;
    if (problem.row >= 0) {
        place += QStringLiteral("/row %1").arg(problem.row);
        if (problem.key >= 0)
            place += QStringLiteral("/key %1").arg(problem.key);
    }
    return place;
}

namespace {

QString escapeControls(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString problemLine(const QString &file, const Problem &problem)
{
    return escapeControls(QStringLiteral("%1: %2: %3: %4 [%5]")
                              .arg(file, problem.isError() ? QStringLiteral("error") : QStringLiteral("warning"),
                                   problemPlace(problem), problem.message, problemCodeName(problem.code)));
}

} // namespace velkari
