#include "benchsupport.h"

#include "previewwindow.h"
#include "vizizarerodlg.h"

namespace velkari::bench {

// The Try Skin window follows every edit: it compiles the whole largest project anew and paints
// a full layout (6 rows of 29 keys), against the main window's own refresh of that layout after
// the same edit. The key widths swap between two sets, so neither side sees an unchanged layout.
void benchPreview(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (!wanted("preview_refresh"))
        return;
    CViziZareroDlg window;
    window.openProjectFile(context.projectPath);
    SkinLayout *layout = window.currentLayoutRecord();
    if (!layout || layout->rows.count() != RowList::capacity)
        qFatal("preview_refresh: the largest project did not open");
    window.show();
    PreviewWindow preview(window.project(), window.currentShape());
    preview.show();
    paintPending();

    bool wide = false;
    const Timing timing = timePair(
        context.runs,
        [&] {
            preview.refreshSkin();
            paintPending();
        },
        [&] {
            window.gridRefresh();
            paintPending();
        },
        [&] {
            wide = !wide;
            for (const auto &row : layout->rows) {
                row->buttons.at(0)->width = wide ? 12 : 10;
                row->buttons.at(1)->width = wide ? 6 : 8;
            }
        });
    const SkinLayoutData *shown = preview.device().currentLayout();
    if (!shown || shown->rows.size() != RowList::capacity || shown->rows[0].size() != ButtonList::capacity - 1
        || !preview.pictureView()->isVisible())
        qFatal("preview_refresh did not show the full layout");
    report("preview_refresh", "main_refresh", timing);
}

} // namespace velkari::bench
