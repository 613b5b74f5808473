#pragma once

#include "rowfit.h"
#include "skinproject.h"

#include <QList>

namespace velkari {

// A shape is in use when it holds anything but the single fresh "Layout00" of a new project: a
// layout of that name without a picture, whose rows hold placeholders only.
bool isShapeInUse(const LayoutList &layouts);

// A row's height on the screen of shape `to` for one of `from`: twice as high from a low-resolution
// shape to a Hi-Res one, half as high (rounding half up, at least 1 pixel) the other way.
quint16 scaledRowHeight(quint16 height, int from, int to);

struct DeriveReport
{
    QList<int> inUse;   // targets that were in use
    QList<int> derived; // targets whose layouts were replaced
    QList<RowNote> leftAlone; // derived rows whose keys could not be scaled

    // Nothing was changed because a target is in use.
    bool refused() const { return derived.isEmpty() && !inUse.isEmpty(); }
};

// The shapes that `deriveShapes` would replace: those of `targets` that are shapes other than
// `from`, each once; none when `from` is no shape.
QList<int> deriveTargets(int from, const QList<int> &targets);
// Those of `shapes` that are in use.
QList<int> shapesInUse(const SkinProject &project, const QList<int> &shapes);

// Removes the rows at the end of `layout` that hold nothing but their placeholder, keeping at least
// one row: the device refuses a row without keys, and a new layout starts with five of them.
// How many rows went.
int removeEmptyLastRows(SkinLayout &layout);

// Replaces the layouts of every shape of `targets` with copies of the layouts of `from`, in the
// same order, so that Change Layout keys and drag-up layouts still name the same layouts: names,
// flags, rows and keys with their functions; every row's keys scaled to add up to the target's
// screen width, row heights scaled by resolution. The copies have no picture yet (see
// derivedpictures.h). When a target is in use and `replaceShapesInUse` is false nothing changes.
// Targets that are no shape, or `from` itself, are passed over.
DeriveReport deriveShapes(SkinProject &project, int from, const QList<int> &targets, bool replaceShapesInUse);

} // namespace velkari
