#include "fileerror.h"
#include "keyboardpainter.h"
#include "layoutpictures.h"
#include "projectfile.h"
#include "skinfile.h"
#include "skintemplates.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

using namespace velkari;

const char *const Usage = "Usage: velkari-make-example FOLDER\n\n"
                          "Writes the \"qwerty\" template as the demo project FOLDER/velkari-demo.vsp, with\n"
                          "its pictures drawn into FOLDER/pictures.\n";

int writeExample(const QString &folder, QTextStream &out, QTextStream &err)
{
    const QDir dir(folder);
    SkinProject project;
    buildTemplateProject(project, QStringLiteral("qwerty"));
    project.projectPath = dir.absoluteFilePath(QStringLiteral("velkari-demo.vsp"));

    QList<PictureJob> jobs =
        planLayoutPictures(project, dir.absoluteFilePath(QStringLiteral("pictures")), PictureFormat::Gif, false);
    // The demo shows that both picture formats work: its Numbers & Symbols layouts are BMP.
    for (PictureJob &job : jobs) {
        if (job.layout == 1) {
            job.format = PictureFormat::Bmp;
            job.path = QFileInfo(job.path).dir().filePath(QFileInfo(job.path).completeBaseName() + QStringLiteral(".bmp"));
        }
    }
    const QStringList problems = writeLayoutPictures(project, jobs, KeyboardPainter(*KeyboardTheme::named(QStringLiteral("dark"))));
    const QString failure = problems.isEmpty() ? firstValidationFailure(project) : problems.first();
    if (!failure.isEmpty()) {
        err << "velkari-make-example: " << failure << '\n';
        return 1;
    }
    saveProjectFile(project, project.projectPath);
    out << "Wrote " << jobs.size() << " pictures and " << QDir::toNativeSeparators(project.projectPath) << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        err << Usage;
        return 2;
    }
    try {
        return writeExample(args.first(), out, err);
    } catch (const velkari::FileError &error) {
        err << error.message() << '\n';
        return 2;
    }
}
