#include "shapederive.h"

#include <algorithm>

namespace velkari {

namespace {

bool isHiRes(int shape)
{
    return shape == HiResPortrait || shape == HiResLandscape;
}

bool isShape(int shape)
{
    return shape >= 0 && shape < ScreenShapeCount;
}

std::unique_ptr<SkinLayout> derivedLayout(const SkinLayout &source, int from, int to, int layoutPosition,
                                          QList<RowNote> &leftAlone)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = source.name;
    layout->flags = source.flags;
    layout->dragUpLayout = source.dragUpLayout;
    for (const auto &sourceRow : source.rows) {
        auto row = std::make_unique<SkinRow>(*sourceRow);
        row->height = scaledRowHeight(sourceRow->height, from, to);
        const RowOutcome outcome = fitRowKeys(*row, screenShapeWidth(to));
        if (outcome != RowOutcome::Changed && outcome != RowOutcome::AlreadyFits) {
            leftAlone.append({to, layoutPosition, source.name, int(sourceRow->index), outcome, rowKeySum(*row),
                              rowKeySum(*row)});
        }
        layout->rows.append(std::move(row));
    }
    return layout;
}

} // namespace

bool isShapeInUse(const LayoutList &layouts)
{
    if (layouts.count() > 1)
        return true;
    const SkinLayout *only = layouts.at(0);
    if (!only)
        return false;
    if (only->name != QLatin1String("Layout00") || !only->picFileName.isEmpty())
        return true;
    for (const auto &row : only->rows) {
        for (const auto &button : row->buttons) {
            if (!button->isPlaceholder())
                return true;
        }
    }
    return false;
}

quint16 scaledRowHeight(quint16 height, int from, int to)
{
    if (isHiRes(from) == isHiRes(to))
        return height;
    if (isHiRes(to))
        return quint16(std::min(int(height) * 2, 0xFFFF));
    return quint16(std::max(1, (height + 1) / 2));
}

QList<int> deriveTargets(int from, const QList<int> &targets)
{
    QList<int> shapes;
    if (!isShape(from))
        return shapes;
    for (int target : targets) {
        if (isShape(target) && target != from && !shapes.contains(target))
            shapes.append(target);
    }
    return shapes;
}

QList<int> shapesInUse(const SkinProject &project, const QList<int> &shapes)
{
    QList<int> inUse;
    for (int shape : shapes) {
        if (isShapeInUse(project.layoutList(shape)))
            inUse.append(shape);
    }
    return inUse;
}

int removeEmptyLastRows(SkinLayout &layout)
{
    int removed = 0;
    while (layout.rows.count() > 1) {
        for (const auto &button : layout.rows.last()->buttons) {
            if (!button->isPlaceholder())
                return removed;
        }
        layout.rows.removeAt(layout.rows.count() - 1);
        ++removed;
    }
    return removed;
}

DeriveReport deriveShapes(SkinProject &project, int from, const QList<int> &targets, bool replaceShapesInUse)
{
    DeriveReport report;
    const QList<int> shapes = deriveTargets(from, targets);
    report.inUse = shapesInUse(project, shapes);
    if (!report.inUse.isEmpty() && !replaceShapesInUse)
        return report;

    const LayoutList &source = project.layoutList(from);
    for (int shape : shapes) {
        // Built aside and swapped in whole: a list is never seen half derived.
        LayoutList derived;
        for (const auto &layout : source)
            derived.append(derivedLayout(*layout, from, shape, layout->index, report.leftAlone));
        project.layoutList(shape).swap(derived);
        report.derived.append(shape);
    }
    return report;
}

} // namespace velkari
