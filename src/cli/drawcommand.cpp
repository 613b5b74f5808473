#include "commandruns.h"
#include "commandsupport.h"

#include "drawsupport.h"
#include "keyboardpainter.h"
#include "projectfile.h"

#include <QTextStream>

namespace velkari {

namespace {

QRgb fromColorRef(quint32 color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

} // namespace

int runDraw(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    if (!openProjectForCommand(context, project, line.argument(0)))
        return ExitFailed;
    const QList<PictureJob> jobs =
        planLayoutPictures(project, pictureFolderFor(project.projectPath), line.pictureFormat(), !line.has("--all"));
    if (jobs.isEmpty()) {
        context.out() << "Every layout has a readable picture; --all draws them all again.\n";
        return ExitSuccess;
    }
    if (refuseToOverwrite(context, project, jobs, line.has("--force")))
        return ExitFailed;
    const std::optional<QRgb> captions =
        line.has("--project-text-color") ? std::optional<QRgb>(fromColorRef(project.textColor)) : std::nullopt;
    const int written = drawPictures(context, project, jobs, KeyboardPainter(line.theme(), captions), true);
    if (written > 0)
        saveProjectFile(project, project.projectPath);
    return written == jobs.size() ? ExitSuccess : ExitRuleFailed;
}

} // namespace velkari
