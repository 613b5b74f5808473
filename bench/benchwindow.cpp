#include "benchsupport.h"

#include "vizizarerodlg.h"

#include <QDialog>
#include <QPushButton>

#include <vector>

namespace velkari::bench {

namespace {

// The main window on one full layout (6 rows of 30 cells), and the same 180 cells as plain push
// buttons on a dialog of the window's size. Each run moves every cell (the widths swap between two
// sets), so neither side gets away with a geometry that did not change.
void benchGrid(int runs)
{
    CViziZareroDlg window;
    SkinLayout *layout = window.currentLayoutRecord();
    if (!layout)
        qFatal("grid_refresh: the new project has no layout");
    while (layout->rows.count() < RowList::capacity)
        layout->rows.append(std::make_unique<SkinRow>());
    SkinButton key;
    key.caption = QStringLiteral("Key");
    for (const auto &row : layout->rows) {
        while (row->buttons.count() < ButtonList::capacity)
            row->buttons.insertCopyAt(0, key);
    }
    window.show();
    window.gridRefresh();
    paintPending();

    QDialog plain;
    plain.setFixedSize(window.size());
    std::vector<QPushButton *> cells;
    for (int i = 0; i < RowList::capacity * ButtonList::capacity; ++i)
        cells.push_back(new QPushButton(QStringLiteral("Key"), &plain));
    plain.show();

    bool wide = false;
    const Timing timing = timePair(
        runs,
        [&] {
            window.gridRefresh();
            paintPending();
        },
        [&] {
            const int width = (wide ? 9 : 8) * 2;
            for (int r = 0; r < RowList::capacity; ++r) {
                for (int c = 0; c < ButtonList::capacity; ++c) {
                    QPushButton *cell = cells[size_t(r * ButtonList::capacity + c)];
                    cell->setGeometry(CViziZareroDlg::GridLeft + c * width, CViziZareroDlg::GridTop + r * 32, width, 32);
                    cell->show();
                }
            }
            paintPending();
        },
        [&] {
            wide = !wide;
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons)
                    button->width = wide ? 9 : 8;
            }
        });
    if (!window.gridButton(RowList::capacity - 1, ButtonList::capacity - 1)->isVisible())
        qFatal("grid_refresh did not show the full layout");
    report("grid_refresh", "move_180", timing);
}

// Constructing and showing the main window on a new project, painted once, against an empty
// dialog of the same size.
void benchStartup(int runs)
{
    QSize size;
    {
        CViziZareroDlg probe;
        size = probe.size();
    }
    const Timing timing = timePair(
        runs,
        [] {
            CViziZareroDlg window;
            window.show();
            paintPending();
        },
        [&] {
            QDialog dialog;
            dialog.setFixedSize(size);
            dialog.show();
            paintPending();
        });
    report("startup", "empty_dialog", timing);
}

} // namespace

// The main window: refreshing a full grid, and starting up.
void benchWindow(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (wanted("grid_refresh"))
        benchGrid(context.runs);
    if (wanted("startup"))
        benchStartup(context.runs);
}

} // namespace velkari::bench
