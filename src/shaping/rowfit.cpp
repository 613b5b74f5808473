#include "rowfit.h"

#include "skinproject.h"
#include "widthsplit.h"

#include <QCoreApplication>

#include <algorithm>

namespace velkari {

namespace {

// Shown by the editor in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::RowFit)
};

int keyCount(const SkinRow &row)
{
    return std::max(0, row.buttons.count() - 1);
}

// Whether the row can take new widths at all; AlreadyFits when it can.
RowOutcome refusal(const SkinRow &row, int width)
{
    const int keys = keyCount(row);
    if (keys == 0)
        return RowOutcome::NoKeys;
    if (keys > width)
        return RowOutcome::TooManyKeys;
    if (rowKeySum(row) == 0)
        return RowOutcome::ZeroWidth;
    return RowOutcome::AlreadyFits;
}

RowOutcome setKeyWidths(SkinRow &row, const QList<int> &widths)
{
    bool changed = false;
    for (int k = 0; k < widths.size(); ++k) {
        SkinButton &key = *row.buttons.at(k);
        changed = changed || key.width != widths[k];
        key.width = quint16(widths[k]);
    }
    return changed ? RowOutcome::Changed : RowOutcome::AlreadyFits;
}

using RowChange = RowOutcome (*)(SkinRow &, int);

FitReport changeRow(SkinProject &project, int shape, int layoutPosition, int rowPosition, RowChange change)
{
    FitReport report;
    const int width = screenShapeWidth(shape);
    const SkinLayout *layout = width > 0 ? project.layoutList(shape).at(layoutPosition) : nullptr;
    SkinRow *row = layout ? layout->rows.at(rowPosition) : nullptr;
    if (!row)
        return report;
    RowNote note{shape, layoutPosition, layout->name, rowPosition, RowOutcome::AlreadyFits, rowKeySum(*row), 0};
    note.outcome = change(*row, width);
    note.widthAfter = rowKeySum(*row);
    report.add(note);
    return report;
}

} // namespace

void FitReport::add(const RowNote &note)
{
    if (note.outcome == RowOutcome::Changed)
        changed.append(note);
    else if (note.outcome != RowOutcome::AlreadyFits)
        leftAlone.append(note);
}

void FitReport::append(const FitReport &other)
{
    changed += other.changed;
    leftAlone += other.leftAlone;
}

int rowKeySum(const SkinRow &row)
{
    int sum = 0;
    for (int k = 0; k < keyCount(row); ++k)
        sum += row.buttons.at(k)->width;
    return sum;
}

RowOutcome fitRowKeys(SkinRow &row, int width)
{
    const RowOutcome refused = refusal(row, width);
    if (refused != RowOutcome::AlreadyFits)
        return refused;
    QList<qint64> weights;
    for (int k = 0; k < keyCount(row); ++k)
        weights.append(row.buttons.at(k)->width);
    const QList<int> widths = splitByLargestRemainder(weights, width);
    return widths.isEmpty() ? RowOutcome::TooManyKeys : setKeyWidths(row, widths);
}

RowOutcome equalizeRowKeys(SkinRow &row, int width)
{
    const RowOutcome refused = refusal(row, width);
    if (refused == RowOutcome::NoKeys || refused == RowOutcome::TooManyKeys)
        return refused;
    const int keys = keyCount(row);
    QList<int> widths(keys, width / keys);
    for (int k = 0; k < width % keys; ++k)
        ++widths[k];
    return setKeyWidths(row, widths);
}

FitReport fitRow(SkinProject &project, int shape, int layout, int row)
{
    return changeRow(project, shape, layout, row, fitRowKeys);
}

FitReport fitLayout(SkinProject &project, int shape, int layout)
{
    FitReport report;
    const SkinLayout *found = shape >= 0 && shape < ScreenShapeCount ? project.layoutList(shape).at(layout) : nullptr;
    for (int row = 0; found && row < found->rows.count(); ++row)
        report.append(fitRow(project, shape, layout, row));
    return report;
}

FitReport fitShape(SkinProject &project, int shape)
{
    FitReport report;
    const int count = shape >= 0 && shape < ScreenShapeCount ? project.layoutList(shape).count() : 0;
    for (int layout = 0; layout < count; ++layout)
        report.append(fitLayout(project, shape, layout));
    return report;
}

FitReport fitProject(SkinProject &project)
{
    FitReport report;
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        report.append(fitShape(project, shape));
    return report;
}

FitReport equalRowWidths(SkinProject &project, int shape, int layout, int row)
{
    return changeRow(project, shape, layout, row, equalizeRowKeys);
}

QString rowNoteText(const RowNote &note)
{
    const QString place = QStringLiteral("%1/%2/row %3").arg(screenShapeName(note.shape), note.layoutName).arg(note.row);
    switch (note.outcome) {
    case RowOutcome::Changed:
        return Text::tr("%1: %2 to %3 pixels").arg(place).arg(note.widthBefore).arg(note.widthAfter);
    case RowOutcome::NoKeys:
        return Text::tr("%1: left alone, it has no keys").arg(place);
    case RowOutcome::ZeroWidth:
        return Text::tr("%1: left alone, its keys add up to 0 pixels").arg(place);
    case RowOutcome::TooManyKeys:
        return Text::tr("%1: left alone, it has more keys than its screen has pixels").arg(place);
    case RowOutcome::AlreadyFits:
        break;
    }
    return Text::tr("%1: already %2 pixels").arg(place).arg(note.widthAfter);
}

} // namespace velkari
