#include "benchsupport.h"

#include "projectfile.h"
#include "vizizarerodlg.h"

#include <QDir>
#include <QFileInfo>

namespace velkari::bench {

// The undo history on the largest project: undoing and redoing one key edit (the model put back
// and the window refreshed) against saving the project, and recording the edit as a step.
void benchHistory(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (!wanted("undo_max") && !wanted("record_max"))
        return;
    CViziZareroDlg window;
    window.show();
    window.openProjectFile(context.projectPath);
    SkinLayout *layout = window.currentLayoutRecord();
    if (!layout || layout->rows.count() != RowList::capacity)
        qFatal("undo_max: the largest project did not open");
    paintPending();
    SkinButton &key = *layout->rows.at(2)->buttons.at(7);
    const ProjectView view = window.currentView();
    const QString savePath = QDir(context.folder).filePath(QStringLiteral("history-saved.vsp"));

    int edits = 0;
    const auto edit = [&] {
        key.caption = QStringLiteral("Edit %1").arg(++edits);
        window.document().finishButtonDialog({view.shape, view.layout, 2, 7}, Ok, false, false);
    };
    if (wanted("record_max")) {
        const Timing timing = timePair(context.runs, edit, [&] { saveProjectFile(*context.largest, savePath); });
        report("record_max", "save_max", timing);
    }
    if (wanted("undo_max")) {
        edit();
        const QString edited = key.caption;
        const Timing timing = timePair(
            context.runs,
            [&] {
                window.document().undo();
                window.document().redo();
            },
            [&] { saveProjectFile(*context.largest, savePath); });
        SkinLayout *shown = window.currentLayoutRecord();
        if (QFileInfo(savePath).size() != context.projectSize || !shown
            || shown->rows.at(2)->buttons.at(7)->caption != edited)
            qFatal("undo_max did something else");
        report("undo_max", "save_max", timing);
    }
}

} // namespace velkari::bench
