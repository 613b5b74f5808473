#pragma once

#include <QList>

namespace velkari {

// Splits `total` pixels among parts in proportion to their weights so that the parts add up to
// `total` exactly: each part gets the whole pixels of its share, and the pixels left over go one
// at a time to the largest remainders (the leftmost first among equals). No part with a weight
// above 0 is left narrower than 1 pixel while a wider one can spare it. Empty when the weights
// add up to 0, a weight is negative or 2^46 or more, or `total` is
// not a 16-bit width.
QList<int> splitByLargestRemainder(const QList<qint64> &weights, int total);

} // namespace velkari
