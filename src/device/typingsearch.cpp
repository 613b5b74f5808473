#include "typingsearch.h"

#include "keyboardstate.h"

#include <QHash>

#include <algorithm>

namespace velkari {

namespace {

struct Node
{
    KeyboardState state;
    qint32 position = 0; // characters of the text typed so far

    bool operator==(const Node &) const = default;
};
static_assert(sizeof(Node) == sizeof(KeyboardState) + sizeof(qint32)); // no gaps: hashed as bytes

size_t qHash(const Node &node, size_t seed = 0)
{
    return qHashBits(&node, sizeof node, seed);
}

struct Step
{
    qint32 from = -1;
    qint8 row = -1;
    qint8 key = -1;
};

struct Key
{
    SkinKeyRecord record;
    qint8 row;
    qint8 key;
};

// The keys of each layout the search may press, row by row.
QList<QList<Key>> pressableKeys(const QList<CompiledLayout> &layouts)
{
    QList<QList<Key>> keys(layouts.size());
    for (qsizetype l = 0; l < layouts.size(); ++l) {
        const QList<QList<SkinKeyRecord>> &rows = layouts[l].data.rows;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            for (qsizetype k = 0; k < rows[r].size(); ++k) {
                const SkinKeyRecord &record = rows[r][k];
                if (buttonKind(record.flags) != KindCalculator || record.charCode != CalcDisplay)
                    keys[l].append({record, qint8(r), qint8(k)});
            }
        }
    }
    return keys;
}

} // namespace

TypingResult findKeyPresses(const CompiledSkin &skin, int shape, QStringView text, int maxStates)
{
    TypingResult result;
    if (text.isEmpty())
        return result;
    const QList<CompiledLayout> &layouts = skin.shapes[qBound(0, shape, ScreenShapeCount - 1)];
    const int layoutCount = int(layouts.size());
    const QList<QList<Key>> keys = pressableKeys(layouts);

    QList<Node> nodes{Node()};
    QList<Step> steps{Step()};
    QHash<Node, qint32> seen{{Node(), 0}};
    qint32 furthest = 0;
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const Node node = nodes[i];
        if (node.state.layout >= layoutCount)
            continue;
        for (const Key &key : keys[node.state.layout]) {
            Node next = node;
            const KeyPress press = pressKeyOnState(next.state, key.record, layoutCount);
            if (press.text == KeyPress::Erases)
                continue;
            if (press.text == KeyPress::Types) {
                if (next.position >= text.size() || text[next.position] != QChar(press.character))
                    continue;
                ++next.position;
            }
            if (seen.contains(next))
                continue;
            if (nodes.size() >= maxStates) {
                result.gaveUp = true;
                return result;
            }
            seen.insert(next, qint32(nodes.size()));
            nodes.append(next);
            steps.append({qint32(i), key.row, key.key});
            furthest = std::max(furthest, next.position);
            if (next.position == text.size()) {
                for (qint32 at = qint32(nodes.size() - 1); steps[at].from >= 0; at = steps[at].from)
                    result.presses.append({steps[at].row, steps[at].key});
                std::reverse(result.presses.begin(), result.presses.end());
                return result;
            }
        }
    }
    result.failedAt = furthest;
    return result;
}

} // namespace velkari
