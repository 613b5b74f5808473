#include "kleimport.h"

#include "legendmapping.h"
#include "widthsplit.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::KleImport)
};

constexpr int MaxKeysInRow = ButtonList::capacity - 1; // the last slot is the row's placeholder
constexpr int MaxLayoutsByHand = LayoutList::capacity - 1;
// Differences below this many units are rounding in the file, not room between keys.
constexpr double Tolerance = 0.01;
// Key units become integer weights for the split at this resolution.
constexpr double WeightsPerUnit = 1e6;

struct Span
{
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();

    double width() const { return right - left; }
};

// A stretch of a row: a key of the file, or the room under a taller key of a row above.
struct Item
{
    Span span;
    const KleKey *key = nullptr;
    const KleKey *above = nullptr;
    int aboveRow = 0;
};

QString units(double value)
{
    return QString::number(value, 'g', 4);
}

// `key 3 ("Q")`, or `key 3` for a key without legends.
QString fileKeyLabel(const KleRow &row, const KleKey &key)
{
    const QString caption = captionOfLegends(key.legends);
    return caption.isEmpty() ? Text::tr("row %1, key %2").arg(row.index).arg(key.index)
                             : Text::tr("row %1, key %2 (\"%3\")").arg(row.index).arg(key.index).arg(caption);
}

// Whether a rectangle from `top` down `height` rows fills at least half of the row `band` rows
// below the key's own.
bool fillsBand(double top, double height, int band)
{
    return std::min(top + height, band + 1.0) - std::max(top, double(band)) >= 0.5;
}

// What the key takes of the row `band` rows below its own (0: its own row): the stretch its
// rectangles cover there.
std::optional<Span> keyInBand(const KleKey &key, int band)
{
    std::optional<Span> span;
    if (band == 0 || fillsBand(0, key.height, band))
        span = Span{key.x, key.x + key.width};
    if (key.width2 > 0 && fillsBand(key.y2, key.height2, band)) {
        const Span second{key.x + key.x2, key.x + key.x2 + key.width2};
        span = span ? Span{std::min(span->left, second.left), std::max(span->right, second.right)} : second;
    }
    return span;
}

int bandsBelow(const KleKey &key)
{
    const double bottom = std::max(key.height, key.width2 > 0 ? key.y2 + key.height2 : 0.0);
    int bands = 0;
    for (int band = 1; band < int(std::ceil(bottom)) && band <= RowList::capacity; ++band) {
        if (keyInBand(key, band))
            bands = band;
    }
    return bands;
}

// The parts of `room` that no key of `keys` takes.
QList<Span> uncovered(Span room, const QList<Item> &keys)
{
    QList<Span> parts{room};
    for (const Item &key : keys) {
        QList<Span> rest;
        for (const Span &part : parts) {
            if (key.span.right <= part.left || key.span.left >= part.right) {
                rest.append(part);
                continue;
            }
            if (key.span.left - part.left > Tolerance)
                rest.append(Span{part.left, key.span.left});
            if (part.right - key.span.right > Tolerance)
                rest.append(Span{key.span.right, part.right});
        }
        parts = rest;
    }
    return parts;
}

bool byLeft(const Item &a, const Item &b)
{
    return a.span.left < b.span.left;
}

// The items of each row from left to right: its keys, and the room that taller keys of the rows
// above take in it where none of its own keys lies. A line in `refusals` for each key that
// overlaps the one before it.
QList<QList<Item>> rowItems(const QList<const KleRow *> &rows, QStringList &refusals)
{
    QList<QList<Item>> keys(rows.size());
    QList<QList<Item>> rooms(rows.size());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (const KleKey &key : rows[r]->keys) {
            keys[r].append(Item{*keyInBand(key, 0), &key});
            for (int band = 1, bands = bandsBelow(key); band <= bands && r + band < rows.size(); ++band) {
                if (const auto span = keyInBand(key, band))
                    rooms[r + band].append(Item{*span, nullptr, &key, rows[r]->index});
            }
        }
        std::stable_sort(keys[r].begin(), keys[r].end(), byLeft);
        for (qsizetype k = 1; k < keys[r].size(); ++k) {
            const Item &before = keys[r][k - 1];
            const Item &item = keys[r][k];
            const double overlap = std::min(before.span.right, item.span.right) - item.span.left;
            if (overlap > Tolerance) {
                refusals.append(
                    Text::tr("%1: it overlaps key %2 by %3 key widths; the keys of a row sit side by side.")
                        .arg(fileKeyLabel(*rows[r], *item.key))
                        .arg(before.key->index)
                        .arg(units(overlap)));
            }
        }
    }
    QList<QList<Item>> items(rows.size());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        items[r] = keys[r];
        for (const Item &room : rooms[r]) {
            for (const Span &part : uncovered(room.span, keys[r]))
                items[r].append(Item{part, nullptr, room.above, room.aboveRow});
        }
        std::stable_sort(items[r].begin(), items[r].end(), byLeft);
    }
    return items;
}

// One row of the layout across `extent`, the stretch every row spans: gaps, the room under taller
// keys and what is left at the end become blank keys, legends become functions.
QList<KleImport::Key> planRow(const QList<Item> &items, Span extent, int row, bool lastRow, KleImportSummary &summary)
{
    QList<KleImport::Key> planned;
    const auto addBlank = [&](const QString &caption, double width, const QString &why) {
        summary.blank.append({row, int(planned.size()), caption, why});
        planned.append(KleImport::Key{caption, ButtonFlagCharacter, 0, 0, width});
    };
    double cursor = extent.left;
    for (const Item &item : items) {
        const Span span{std::max(item.span.left, cursor), item.span.right};
        // Room under a taller key may be all taken; a key of the file is kept however narrow.
        if (!item.key && span.width() < Tolerance)
            continue;
        if (span.left - cursor > Tolerance)
            addBlank({}, span.left - cursor, Text::tr("the gap of %1 key widths").arg(units(span.left - cursor)));
        cursor = span.right;
        if (!item.key) {
            const QString above = captionOfLegends(item.above->legends);
            addBlank({}, span.width(),
                     Text::tr("under the key %1 of row %2 of the file, which is taller")
                         .arg(above.isEmpty() ? QString::number(item.above->index) : QStringLiteral("\"%1\"").arg(above))
                         .arg(item.aboveRow));
            continue;
        }
        const KleKey &key = *item.key;
        const QString caption = captionOfLegends(key.legends);
        if (key.decal) {
            addBlank(caption, span.width(), Text::tr("a decal"));
            continue;
        }
        const LegendMapping mapping = mapLegends(key.legends, lastRow && span.width() >= 3 - Tolerance);
        if (!mapping.mapped) {
            addBlank(caption, span.width(), mapping.meaning);
            continue;
        }
        (mapping.named ? summary.named : summary.characters).append({row, int(planned.size()), caption, mapping.meaning});
        planned.append(KleImport::Key{caption, mapping.flags, mapping.charCode, mapping.vk, span.width()});
    }
    if (extent.right - cursor > Tolerance)
        addBlank({}, extent.right - cursor, Text::tr("fills the row to the width of the widest"));
    return planned;
}

} // namespace

KleImport::KleImport(const KleKeyboard &keyboard)
    : m_metadataName(keyboard.name)
{
    plan(keyboard);
}

void KleImport::plan(const KleKeyboard &keyboard)
{
    QList<const KleRow *> rows;
    for (const KleRow &row : keyboard.rows) {
        if (row.keys.isEmpty()) {
            m_summary.dropped.append(Text::tr("row %1 of the file: it holds no keys").arg(row.index));
            continue;
        }
        rows.append(&row);
        for (const KleKey &key : row.keys) {
            if (key.rotation != 0) {
                m_refusals.append(Text::tr("%1: it is rotated by %2 degrees; the keys of a row cannot be rotated.")
                                      .arg(fileKeyLabel(row, key), units(key.rotation)));
            }
            if (std::abs(key.shift) > Tolerance) {
                m_summary.dropped.append(key.shift > 0
                                             ? Text::tr("%1 of the file: the gap of %2 key heights above it")
                                                   .arg(fileKeyLabel(row, key), units(key.shift))
                                             : Text::tr("%1 of the file: its move up by %2 key heights")
                                                   .arg(fileKeyLabel(row, key), units(-key.shift)));
            }
        }
    }
    if (rows.size() > RowList::capacity) {
        m_refusals.append(Text::tr("The layout has %1 rows; a layout holds at most %2.")
                              .arg(rows.size()).arg(RowList::capacity));
    }
    const QList<QList<Item>> items = rowItems(rows, m_refusals);
    // One scale for all rows: every row spans from the leftmost edge to the rightmost.
    Span extent{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    for (const QList<Item> &row : items) {
        for (const Item &item : row)
            extent = Span{std::min(extent.left, item.span.left), std::max(extent.right, item.span.right)};
    }
    for (qsizetype r = 0; r < rows.size(); ++r) {
        m_rows.append(planRow(items[r], extent, int(r), r == rows.size() - 1, m_summary));
        if (m_rows.last().size() > MaxKeysInRow) {
            m_refusals.append(Text::tr("Row %1 of the file would have %2 keys with the blank keys for its gaps; a row "
                                       "holds at most %3.")
                                  .arg(rows[r]->index).arg(m_rows.last().size()).arg(MaxKeysInRow));
        }
    }
}

QString KleImport::defaultName(const QString &filePath) const
{
    return m_metadataName.isEmpty() ? QFileInfo(filePath).completeBaseName() : m_metadataName;
}

std::unique_ptr<SkinLayout> KleImport::layoutFor(int shape, const QString &name, int keyHeight) const
{
    const int width = screenShapeWidth(shape);
    if (!ok() || width == 0)
        return nullptr;
    auto layout = std::make_unique<SkinLayout>();
    layout->name = name;
    layout->flags = 0;
    const int height = std::clamp(keyHeight > 0 ? keyHeight : screenShapeKeyHeight(shape), 1, 0xFFFF);
    for (const QList<Key> &keys : m_rows) {
        QList<qint64> weights;
        for (const Key &key : keys)
            weights.append(std::max<qint64>(1, std::llround(key.units * WeightsPerUnit)));
        const QList<int> widths = splitByLargestRemainder(weights, width);
        if (widths.size() != keys.size())
            return nullptr;
        auto row = std::make_unique<SkinRow>();
        row->height = quint16(height);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            auto button = std::make_unique<SkinButton>();
            button->caption = keys[k].caption;
            button->flags = keys[k].flags;
            button->charCode = keys[k].charCode;
            button->vk = keys[k].vk;
            button->width = quint16(widths[k]);
            row->buttons.append(std::move(button));
        }
        layout->rows.append(std::move(row));
    }
    FixRowPlaceholders(*layout);
    return layout;
}

QString KleImportSummary::text() const
{
    QString text;
    if (!characters.isEmpty()) {
        QStringList typed;
        for (const Entry &entry : characters)
            typed.append(entry.what);
        text += Text::tr("Characters (%1): %2\n").arg(characters.size()).arg(typed.join(u' '));
    }
    if (!named.isEmpty()) {
        QStringList names;
        QList<int> counts;
        for (const Entry &entry : named) {
            const qsizetype at = names.indexOf(entry.what);
            if (at < 0) {
                names.append(entry.what);
                counts.append(1);
            } else {
                ++counts[at];
            }
        }
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (counts[i] > 1)
                names[i] = QStringLiteral("%1 (%2)").arg(names[i]).arg(counts[i]);
        }
        text += Text::tr("Named keys (%1): %2\n").arg(named.size()).arg(names.join(QStringLiteral(", ")));
    }
    if (!blank.isEmpty()) {
        text += Text::tr("Blank keys (%1):\n").arg(blank.size());
        for (const Entry &entry : blank) {
            text += entry.caption.isEmpty()
                ? Text::tr("  row %1, key %2: %3\n").arg(entry.row).arg(entry.key).arg(entry.what)
                : Text::tr("  row %1, key %2 \"%3\": %4\n")
                      .arg(entry.row)
                      .arg(entry.key)
                      .arg(entry.caption, entry.what);
        }
    }
    if (!dropped.isEmpty()) {
        text += Text::tr("Dropped (%1):\n").arg(dropped.size());
        for (const QString &line : dropped)
            text += QStringLiteral("  %1\n").arg(line);
    }
    return text;
}

bool holdsOnlyFreshLayout(const LayoutList &layouts)
{
    if (layouts.count() != 1)
        return false;
    const SkinLayout *layout = layouts.at(0);
    if (layout->name != QLatin1String("Layout00") || !layout->picFileName.isEmpty())
        return false;
    for (const auto &row : layout->rows) {
        for (const auto &button : row->buttons) {
            if (!button->isPlaceholder())
                return false;
        }
    }
    return true;
}

QString importRoomProblem(const SkinProject &project, int shape)
{
    const LayoutList &layouts = project.layoutList(shape);
    if (layouts.count() < MaxLayoutsByHand || holdsOnlyFreshLayout(layouts))
        return {};
    return Text::tr("%1 holds %2 layouts already; a shape takes a new layout only while it holds fewer than %3.")
        .arg(screenShapeName(shape)).arg(layouts.count()).arg(MaxLayoutsByHand);
}

int addImportedLayout(SkinProject &project, int shape, std::unique_ptr<SkinLayout> layout)
{
    if (!layout || !importRoomProblem(project, shape).isEmpty())
        return -1;
    LayoutList &layouts = project.layoutList(shape);
    if (holdsOnlyFreshLayout(layouts))
        layouts.removeAt(0);
    layouts.append(std::move(layout));
    return layouts.count() - 1;
}

} // namespace velkari
