#include "widthsplit.h"

#include <algorithm>
#include <numeric>

namespace velkari {

QList<int> splitByLargestRemainder(const QList<qint64> &weights, int total)
{
    // Below 2^46 a weight times a 16-bit total, and the sum of 30 such weights, stay within 64 bits.
    constexpr qint64 MaxWeight = qint64(1) << 46;
    const auto unusable = [](qint64 w) { return w < 0 || w >= MaxWeight; };
    if (weights.isEmpty() || total < 0 || total > 0xFFFF || std::any_of(weights.begin(), weights.end(), unusable))
        return {};
    const qint64 sum = std::accumulate(weights.begin(), weights.end(), qint64(0));
    if (sum <= 0)
        return {};
    const qsizetype count = weights.size();
    QList<int> parts(count);
    QList<qint64> remainders(count);
    qint64 given = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qint64 share = weights[i] * total;
        parts[i] = int(share / sum);
        remainders[i] = qint64(share % sum);
        given += parts[i];
    }
    QList<qsizetype> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return remainders[a] > remainders[b]; });
    for (qsizetype i = 0; given < total; i = (i + 1) % count, ++given)
        ++parts[order[i]];
    // A part that rounded to nothing takes a pixel from the widest, so no key vanishes.
    for (qsizetype i = 0; i < count; ++i) {
        if (parts[i] > 0 || weights[i] == 0)
            continue;
        const auto widest = std::max_element(parts.begin(), parts.end());
        if (*widest <= 1)
            break;
        --*widest;
        parts[i] = 1;
    }
    return parts;
}

} // namespace velkari
