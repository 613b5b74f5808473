#include "projectchecker.h"

#include "buttonfunctions.h"
#include "picturereader.h"
#include "skinfile.h"
#include "skinproject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace velkari {

namespace {

// The Problems panel shows the messages in the editor's language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ProjectChecker)
};

static_assert(int(ProblemCode::NoPicture) == int(LayoutRule::NoPicture)
              && int(ProblemCode::RowWidth) == int(LayoutRule::RowWidth));

// Hundreds of layouts' pictures are more than any project holds; past that, start afresh rather
// than grow without end while a user tries picture after picture.
constexpr qsizetype MaxKnownPictures = 512;

// The keys a skin carries: every button of a row but its last, the placeholder.
template <typename Visit>
void forEachKey(const SkinLayout &layout, Visit visit)
{
    for (const auto &row : layout.rows) {
        for (int k = 0; k + 1 < row->buttons.count(); ++k)
            visit(*row, *row->buttons.at(k));
    }
}

bool namesLayout(int target, int count)
{
    return target >= 0 && target < count;
}

// Which layouts of one shape can be reached from layout 0, and from which layout 0 can be reached
// again.
struct Reach
{
    QList<bool> fromFirst;
    QList<bool> backToFirst;
};

Reach reachOf(const LayoutList &layouts)
{
    const int count = layouts.count();
    QList<QList<int>> next(count);
    QList<bool> hasReturn(count, false);
    for (const auto &layout : layouts) {
        QList<int> &targets = next[layout->index];
        if (namesLayout(layout->dragUpLayout, count))
            targets.append(layout->dragUpLayout);
        forEachKey(*layout, [&](const SkinRow &, const SkinButton &key) {
            if (buttonKind(key.flags) == KindChangeLayout && namesLayout(key.charCode, count))
                targets.append(key.charCode);
            if (key.flags & ButtonFlagReturn)
                hasReturn[layout->index] = true;
        });
    }
    // Backwards: who leads to whom. A Return key leads back to every layout that leads to its own.
    QList<QList<int>> previous(count);
    for (int from = 0; from < count; ++from) {
        for (int to : next[from]) {
            previous[to].append(from);
            if (hasReturn[to])
                previous[from].append(to);
        }
    }
    const auto spread = [count](const QList<QList<int>> &links) {
        QList<bool> seen(count, false);
        QList<int> queue;
        if (count > 0) {
            seen[0] = true;
            queue.append(0);
        }
        for (qsizetype i = 0; i < queue.size(); ++i) {
            for (int other : links[queue[i]]) {
                if (!seen[other]) {
                    seen[other] = true;
                    queue.append(other);
                }
            }
        }
        return seen;
    };
    return {spread(next), spread(previous)};
}

class LayoutCheck
{
public:
    LayoutCheck(QList<Problem> &problems, int shape, const SkinLayout &layout)
        : m_problems(problems), m_first(problems.size()), m_shape(shape), m_layout(layout)
    {
    }

    Problem &add(ProblemCode code, int row, int key, const QString &message)
    {
        m_problems.append({code, m_shape, m_layout.index, m_layout.name, row, key, message});
        return m_problems.last();
    }

    // Layout problems first, then row by row and key by key; stable, so the rules keep their order.
    void finish()
    {
        const auto place = [](const Problem &p) { return std::pair(p.row, p.key); };
        std::stable_sort(m_problems.begin() + m_first, m_problems.end(),
                         [&](const Problem &a, const Problem &b) { return place(a) < place(b); });
    }

private:
    QList<Problem> &m_problems;
    qsizetype m_first;
    int m_shape;
    const SkinLayout &m_layout;
};

QString codeRangeMessage(const SkinButton &key)
{
    const auto message = [](const QString &what, int code, int count) {
        return Text::tr("The %1 code %2 is not one of 0 to %3; choose the key's function again.")
            .arg(what, QString::number(code), QString::number(count - 1));
    };
    switch (buttonKind(key.flags)) {
    case KindCalculator:
        return key.charCode >= CalcKeyCount ? message(Text::tr("calculator key"), key.charCode, CalcKeyCount)
                                            : QString();
    case KindTaskManager:
        return key.vk >= TaskActionCount ? message(Text::tr("task action"), key.vk, TaskActionCount) : QString();
    case KindMacro:
        return key.vk >= MacroActionCount ? message(Text::tr("macro action"), key.vk, MacroActionCount) : QString();
    case KindShortcut:
        return key.vk >= ShortcutTypeCount ? message(Text::tr("shortcut type"), key.vk, ShortcutTypeCount) : QString();
    default:
        return {};
    }
}

void checkKeys(LayoutCheck &check, const SkinLayout &layout, int layoutCount)
{
    forEachKey(layout, [&](const SkinRow &row, const SkinButton &key) {
        const ButtonKind kind = buttonKind(key.flags);
        if (kind == KindChangeLayout && key.charCode == LayoutNotSet) {
            check.add(ProblemCode::LayoutTargetUnset, row.index, key.index,
                      Text::tr("The key changes the layout but has no target; choose the layout it opens."));
        } else if (kind == KindChangeLayout && !namesLayout(key.charCode, layoutCount)) {
            check.add(ProblemCode::LayoutTarget, row.index, key.index,
                      Text::tr("The key changes to layout number %1, but the shape's layouts are numbered "
                               "0 to %2; choose the layout it opens.")
                          .arg(key.charCode)
                          .arg(layoutCount - 1));
        }
        if (kind == KindCharacter && QChar::isSurrogate(key.charCode)) {
            check.add(ProblemCode::SurrogateCharacter, row.index, key.index,
                      Text::tr("The character U+%1 is half of a surrogate pair and means nothing on its own; "
                               "choose a character below U+D800 or from U+E000 on.")
                          .arg(QString::number(key.charCode, 16).toUpper()));
        }
        const QString range = codeRangeMessage(key);
        if (!range.isEmpty())
            check.add(ProblemCode::CodeOutOfRange, row.index, key.index, range);
    });
}

// Enter, Space and Backspace as the skin finds them: by character and key code alone, the last
// button of a row included, the last of each kind winning.
void checkSpecialKeys(LayoutCheck &check, const SkinLayout &layout)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("velkari::ProjectChecker", "Enter"),
                                        QT_TRANSLATE_NOOP("velkari::ProjectChecker", "Space"),
                                        QT_TRANSLATE_NOOP("velkari::ProjectChecker", "Backspace")};
    std::array<QList<std::pair<int, int>>, 3> found;
    for (const auto &row : layout.rows) {
        for (const auto &button : row->buttons) {
            const auto is = [&](int code) { return button->charCode == code && button->vk == code; };
            const int kind = is(13) ? 0 : is(32) ? 1 : is(8) ? 2 : -1;
            if (kind >= 0)
                found[kind].append({row->index, button->index});
        }
    }
    for (int kind = 0; kind < 3; ++kind) {
        const QList<std::pair<int, int>> &keys = found[kind];
        for (qsizetype i = 0; i + 1 < keys.size(); ++i) {
            check.add(ProblemCode::DuplicateSpecialKey, keys[i].first, keys[i].second,
                      Text::tr("The layout has %1 %2 keys and the skin records only the last (row %3, key %4); "
                               "give this key another character or key code.")
                          .arg(QString::number(keys.size()), Text::tr(names[kind]),
                               QString::number(keys.last().first), QString::number(keys.last().second)));
        }
    }
}

} // namespace

QSize ProjectChecker::pictureSize(const QString &path)
{
    const QFileInfo info(path);
    const qint64 bytes = info.size();
    const QDateTime modified = info.lastModified();
    const auto known = m_pictures.constFind(path);
    if (known != m_pictures.constEnd() && known->bytes == bytes && known->modified == modified)
        return known->size;
    if (m_pictures.size() >= MaxKnownPictures)
        m_pictures.clear();
    const QSize size = probePicture(path).size;
    m_pictures.insert(path, {bytes, modified, size});
    return size;
}

QList<Problem> ProjectChecker::check(const SkinProject &project)
{
    QList<Problem> problems;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        const QString shapeName = screenShapeName(shape);
        const Reach reach = reachOf(layouts);
        for (const auto &layoutPointer : layouts) {
            const SkinLayout &layout = *layoutPointer;
            LayoutCheck check(problems, shape, layout);
            bool pictureReadable = true;
            bool widthValid = true;
            visitRuleFailures(layout, shapeName, [&](const RuleFailure &failure) {
                Problem &problem = check.add(ProblemCode(int(failure.rule)), failure.row, failure.key, failure.message);
                if (failure.rule == LayoutRule::LayoutWidth || failure.rule == LayoutRule::RowWidth) {
                    // The message keeps the device's words; what to aim for goes beside it.
                    problem.neededWidth = expectedRowKeyWidth(layout, shape);
                    problem.widthDifference =
                        problem.neededWidth - RowKeyWidth(*layout.rows.at(qMax(0, failure.row)));
                }
                pictureReadable = pictureReadable && failure.rule != LayoutRule::NoPicture
                    && failure.rule != LayoutRule::PictureUnreadable;
                widthValid = widthValid && failure.rule != LayoutRule::LayoutWidth;
                return true;
            });

            const SkinRow *firstRow = layout.rows.at(0);
            const int width = firstRow ? RowKeyWidth(*firstRow) : 0;
            int height = 0;
            for (const auto &row : layout.rows)
                height += row->height;
            if (pictureReadable) {
                const QSize size = pictureSize(layoutPicturePath(layout));
                if (!size.isValid()) {
                    check.add(ProblemCode::PictureFormat, -1, -1,
                              Text::tr("The picture file \"%1\" is neither a GIF nor a BMP picture that can be "
                                       "read; save the picture as GIF or BMP.")
                                  .arg(layout.picFileName));
                } else if (firstRow && size != QSize(width, height)) {
                    check.add(ProblemCode::PictureSize, -1, -1,
                              Text::tr("The picture is %1 x %2 pixels but the keys cover %3 x %4 pixels; make "
                                       "the picture as large as the keys, or the keys as large as the picture.")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(width)
                                  .arg(height));
                }
            }
            if (!layout.picFileName.isEmpty() && QDir::isRelativePath(layout.picFileName)) {
                check.add(ProblemCode::RelativePicturePath, -1, -1,
                          Text::tr("The picture path \"%1\" is relative, so which file it names depends on the "
                                   "working folder (from this one: \"%2\"); choose the picture again with its full "
                                   "path, which the project then stores relative to its own file.")
                              .arg(layout.picFileName, layoutPicturePath(layout)));
            }
            if (firstRow && !firstRow->buttons.isEmpty() && widthValid && width != screenShapeWidth(shape)) {
                check.add(ProblemCode::ShapeWidth, -1, -1,
                          Text::tr("The layout is %1 pixels wide but the %2 screen is %3; make the keys of "
                                   "every row add up to %3.")
                              .arg(QString::number(width), shapeName, QString::number(screenShapeWidth(shape))));
            }
            if (layout.dragUpLayout != -1 && !namesLayout(layout.dragUpLayout, layouts.count())) {
                check.add(ProblemCode::DragUpTarget, -1, -1,
                          Text::tr("The drag-up layout is number %1, but the shape's layouts are numbered 0 "
                                   "to %2; choose the drag-up layout again.")
                              .arg(layout.dragUpLayout)
                              .arg(layouts.count() - 1));
            }
            const QString firstName = layouts.at(0)->name;
            if (!reach.fromFirst[layout.index]) {
                check.add(ProblemCode::UnreachableLayout, -1, -1,
                          Text::tr("No Change Layout key or drag-up layout leads here from \"%1\", the "
                                   "shape's first layout; add a key that opens this layout, or remove it.")
                              .arg(firstName));
            } else if (!reach.backToFirst[layout.index]) {
                check.add(ProblemCode::DeadEndLayout, -1, -1,
                          Text::tr("There is no way back from this layout to \"%1\", the shape's first layout; "
                                   "add a Change Layout key, a key with the Return option or a drag-up "
                                   "layout that leads back.")
                              .arg(firstName));
            }
            for (const auto &other : layouts) {
                if (other->index >= layout.index)
                    break;
                if (other->name == layout.name) {
                    check.add(ProblemCode::DuplicateLayoutName, -1, -1,
                              Text::tr("Layout %1 of this shape has the same name; give each layout a name of "
                                       "its own.")
                                  .arg(other->index));
                    break;
                }
            }
            checkKeys(check, layout, layouts.count());
            checkSpecialKeys(check, layout);
            check.finish();
        }
    }
    return problems;
}

QList<Problem> checkProject(const SkinProject &project)
{
    return ProjectChecker().check(project);
}

} // namespace velkari
