#include "problemspanel.h"

#include "screenshape.h"
#include "skinproject.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace velkari {

namespace {

// Which problem an item of the list stands for: its index in problems(), or -1 for a group.
constexpr int ProblemRole = Qt::UserRole;

int groupKey(const Problem &problem)
{
    return problem.shape * 256 + problem.layout;
}

bool isUnreadablePicture(const Problem &problem)
{
    return problem.code == ProblemCode::PictureUnreadable;
}

// Rows as high as their wrapped text: the view asks for a size without saying how wide the text
// may be, and would give every message one line cut short.
class WrappingDelegate : public QStyledItemDelegate
{
public:
    explicit WrappingDelegate(QTreeView *view)
        : QStyledItemDelegate(view), m_view(view)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        int depth = m_view->rootIsDecorated() ? 1 : 0;
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
            ++depth;
        QStyleOptionViewItem sized = option;
        sized.rect = QRect(0, 0, qMax(1, m_view->columnWidth(index.column()) - depth * m_view->indentation()), 1);
        return QStyledItemDelegate::sizeHint(sized, index);
    }

private:
    QTreeView *m_view;
};

QString problemText(const Problem &problem)
{
    // The device's messages (the errors) name their row and key themselves.
    QString text = problem.message;
    if (!problem.isError() && problem.row >= 0) {
        text = problem.key >= 0
            ? ProblemsPanel::tr("Row %1, key %2: %3").arg(problem.row).arg(problem.key).arg(problem.message)
            : ProblemsPanel::tr("Row %1: %2").arg(problem.row).arg(problem.message);
    }
    if (problem.neededWidth >= 0) {
        const QString difference = (problem.widthDifference > 0 ? QStringLiteral("+") : QString())
            + QString::number(problem.widthDifference);
        text += u' ' + ProblemsPanel::tr("Width needed: %1 pixels (%2).").arg(problem.neededWidth).arg(difference);
    }
    return text;
}

} // namespace

ProblemsPanel::ProblemsPanel(const SkinProject &project, QWidget *parent)
    : QDialog(parent, Qt::Tool)
    , m_project(project)
{
    m_checkTimer = new QTimer(this);
    m_checkTimer->setSingleShot(true);
    m_checkTimer->setInterval(0);
    connect(m_checkTimer, &QTimer::timeout, this, &ProblemsPanel::checkNow);
    // A picture mended in a paint program shows here when the user comes back; pictures that did
    // not change are not read again.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            scheduleCheck();
    });

    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 26);
    setWindowTitle(caption());
}

void ProblemsPanel::createContents()
{
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_list = new QTreeWidget(this);
    m_list->setHeaderHidden(true);
    m_list->setColumnCount(1);
    // Messages say what to fix and run long: they wrap rather than end in "…".
    m_list->setWordWrap(true);
    m_list->setUniformRowHeights(false);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar that comes and goes would change the width, the wrapping, the height and so
    // whether the scroll bar is needed.
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setItemDelegate(new WrappingDelegate(m_list));
    connect(m_list->header(), &QHeaderView::sectionResized, m_list, &QTreeView::doItemsLayout, Qt::QueuedConnection);
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemsPanel::itemActivated);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
}

void ProblemsPanel::scheduleCheck()
{
    m_checkTimer->start();
}

void ProblemsPanel::projectReplaced(bool opened)
{
    m_reportMissing = opened;
    scheduleCheck();
}

QString ProblemsPanel::caption() const
{
    const auto errors = std::ranges::count_if(m_problems, &Problem::isError);
    return tr("Problems (%1 · %2)").arg(errors).arg(m_problems.size() - errors);
}

QString ProblemsPanel::warningsLeft() const
{
    const auto warnings = m_problems.size() - std::ranges::count_if(m_problems, &Problem::isError);
    if (warnings == 0)
        return {};
    QString text = tr("Warnings remaining: %1 (Problems lists them).").arg(warnings);
    const auto undecodable = [](const Problem &problem) { return problem.code == ProblemCode::PictureFormat; };
    const auto first = std::ranges::find_if(m_problems, undecodable);
    if (first == m_problems.end())
        return text;
    const SkinLayout *layout = m_project.layoutList(first->shape).at(first->layout);
    const QString picture = layout ? layout->picFileName : QString();
    const auto count = std::ranges::count_if(m_problems, undecodable);
    return text + u' '
        + (count == 1 ? tr("The picture \"%1\" cannot be decoded.").arg(picture)
                      : tr("%1 pictures cannot be decoded, among them \"%2\".").arg(count).arg(picture));
}

void ProblemsPanel::checkNow()
{
    m_checkTimer->stop();
    QList<Problem> problems = m_checker.check(m_project);
    if (problems != m_problems) {
        m_problems = std::move(problems);
        m_listStale = true;
        if (isVisible())
            rebuildList();
    }
    setWindowTitle(caption());
    Q_EMIT checked(caption());

    if (!m_reportMissing)
        return;
    m_reportMissing = false;
    const auto missing = std::find_if(m_problems.begin(), m_problems.end(), isUnreadablePicture);
    if (missing == m_problems.end())
        return;
    const SkinLayout *layout = m_project.layoutList(missing->shape).at(missing->layout);
    Q_EMIT picturesMissing(tr("%1 of %2 layouts have a picture that cannot be read, among them \"%3\"; Problems "
                              "lists them all.")
                               .arg(std::ranges::count_if(m_problems, isUnreadablePicture))
                               .arg(m_project.layoutCount())
                               .arg(layout ? layout->picFileName : QString()));
}

void ProblemsPanel::setVisible(bool visible)
{
    if (visible && !m_list)
        createContents();
    QDialog::setVisible(visible);
}

void ProblemsPanel::showEvent(QShowEvent *event)
{
    if (m_listStale)
        rebuildList();
    QDialog::showEvent(event);
}

void ProblemsPanel::rebuildList()
{
    m_listStale = false;
    // The user's place survives: the same problem if it is still there, else the one that moved
    // into its place; groups the user closed stay closed.
    std::optional<Problem> current;
    int currentPosition = -1;
    QSet<int> closed;
    QList<QTreeWidgetItem *> items;
    for (int g = 0; g < m_list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = m_list->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            const Problem &problem = m_shown.at(group->child(c)->data(0, ProblemRole).toInt());
            if (!group->isExpanded())
                closed.insert(groupKey(problem));
            if (group->child(c) == m_list->currentItem()) {
                current = problem;
                currentPosition = int(items.size());
            }
            items.append(group->child(c));
        }
    }
    const int scroll = m_list->verticalScrollBar()->value();

    m_shown = m_problems;
    m_list->clear();
    items.clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
    QTreeWidgetItem *group = nullptr;
    QTreeWidgetItem *restored = nullptr;
    for (qsizetype i = 0; i < m_shown.size(); ++i) {
        const Problem &problem = m_shown[i];
        if (!group || groupKey(problem) != groupKey(m_shown[i - 1])) {
            const QString name =
                problem.layoutName.isEmpty() ? tr("Layout %1").arg(problem.layout) : problem.layoutName;
            group = new QTreeWidgetItem(m_list, {QStringLiteral("%1 / %2").arg(screenShapeName(problem.shape), name)});
            group->setData(0, ProblemRole, -1);
            group->setIcon(0, warningIcon);
        }
        auto *item = new QTreeWidgetItem(group, {problemText(problem)});
        item->setData(0, ProblemRole, int(i));
        item->setIcon(0, problem.isError() ? errorIcon : warningIcon);
        item->setToolTip(0, QStringLiteral("%1 [%2]").arg(problem.message, problemCodeName(problem.code)));
        if (problem.isError())
            group->setIcon(0, errorIcon);
        if (current && problem == *current)
            restored = item;
        items.append(item);
    }
    for (int g = 0; g < m_list->topLevelItemCount(); ++g) {
        QTreeWidgetItem *top = m_list->topLevelItem(g);
        top->setExpanded(!closed.contains(groupKey(m_shown.at(top->child(0)->data(0, ProblemRole).toInt()))));
    }
    if (!restored && currentPosition >= 0 && !items.isEmpty())
        restored = items.at(std::min<qsizetype>(currentPosition, items.size() - 1));
    if (restored)
        m_list->setCurrentItem(restored);
    m_list->verticalScrollBar()->setValue(scroll);

    QStringList summary;
    if (const qsizetype unreadable = std::ranges::count_if(m_shown, isUnreadablePicture)) {
        summary << tr("%1 of %2 layouts have a picture that cannot be read: put the files back where the project "
                      "expects them, or choose the pictures again in Layout Properties.")
                       .arg(unreadable)
                       .arg(m_project.layoutCount());
    }
    if (m_shown.isEmpty())
        summary << tr("No errors and no warnings: the skin can be created.");
    else if (std::ranges::count_if(m_shown, &Problem::isError) > 0)
        summary << tr("Errors stop Create Skin; warnings do not.");
    else
        summary << tr("Warnings do not stop Create Skin, but each is almost surely a mistake.");
    if (!m_shown.isEmpty())
        summary << tr("Double-click a problem, or press Enter on it, to open what needs mending.");
    m_summary->setText(summary.join(u' '));
}

void ProblemsPanel::itemActivated(QTreeWidgetItem *item)
{
    const int index = item ? item->data(0, ProblemRole).toInt() : -1;
    if (index < 0 || index >= m_shown.size())
        return;
    // Once the event that chose it is done: the owner opens a modal dialog, and the edits made
    // there rebuild this list.
    const Problem chosen = m_shown.at(index);
    QTimer::singleShot(0, this, [this, chosen] { Q_EMIT problemChosen(chosen); });
}

void ProblemsPanel::showBeside()
{
    if (!m_placed && parentWidget()) {
        // Right of the main window when the screen has room for a usable list; else over the
        // right of its canvas, clear of the buttons at its top and of Close and the status area.
        const QWidget *owner = parentWidget()->window();
        const QRect available = owner->screen()->availableGeometry();
        const QRect frame = owner->frameGeometry();
        const int gap = 8;
        const int room = available.right() - frame.right() - 2 * gap;
        if (room >= MinimumWidth) {
            resize(qMin(width(), room), height());
            move(frame.right() + 1 + gap, frame.top());
        } else {
            // The title bar's height is not known before the panel is first shown.
            const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + gap;
            resize(width(), qMin(height(), frame.height() * 2 / 5 - titleBar));
            move(qMax(available.left(), frame.right() - gap - width()), frame.top() + frame.height() * 3 / 10);
        }
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

} // namespace velkari
