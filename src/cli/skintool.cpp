#include "skintool.h"

#include "buttondescription.h"
#include "containerdump.h"
#include "fileerror.h"
#include "filecommands.h"
#include "projectfile.h"
#include "skinfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <functional>

namespace velkari {

namespace {

// A skin file holds at most 80 pictures of a few megabytes each.
constexpr qint64 MaxDumpFileSize = 512LL * 1024 * 1024;

struct Command
{
    const char *name;
    const char *synopsis;
    const char *help;
};

const Command commands[] = {
    {"new", "new PROJECT.vsp",
     "Writes a fresh project: one layout \"Layout00\" with five empty rows in each screen shape."},
    {"build", "build PROJECT.vsp [-o SKIN.vsk]",
     "Checks every layout as Create Skin does and compiles the project, pictures included, into the\n"
     "skin file (by default beside the project, with the extension .vsk). On the first layout that\n"
     "breaks a rule, prints its message and writes nothing."},
    {"check", "check PROJECT.vsp",
     "Checks every layout of every screen shape and prints the message of each failing layout, one\n"
     "per line, in shape and layout order."},
    {"normalize", "normalize PROJECT.vsp [-o OUT.vsp]",
     "Opens the project with the repairs that opening makes and saves it again (in place unless -o\n"
     "is given), picture paths relative to the saved file's folder."},
    {"dump", "dump FILE",
     "Prints the container tree of a project or skin file: sections with their entry counts and\n"
     "sizes, values with their sizes and contents, and the key data of each skin layout decoded."},
    {"describe", "describe PROJECT.vsp",
     "Prints, for every button of every row, layout and shape, the description the editor shows\n"
     "when the mouse rests on it."},
};

const char *const exitCodes =
    "Exit codes: 0 done (and every layout passes), 1 a layout breaks a rule (build, check),\n"
    "2 the command could not be carried out (usage, not a project file, a file that cannot be written).\n";

QString generalHelp()
{
    QString text = QStringLiteral("Usage: velkari-skin COMMAND [ARGUMENTS]\n\n"
                                  "Works on Velkari skin projects (.vsp) and skin files (.vsk) without the editor.\n\n"
                                  "Commands:\n");
    for (const Command &command : commands)
        text += QStringLiteral("  %1\n").arg(QString::fromLatin1(command.synopsis));
    text += QStringLiteral("\nvelkari-skin COMMAND --help describes one command.\n");
    return text + QString::fromLatin1(exitCodes);
}

QString commandHelp(const Command &command)
{
    return QStringLiteral("Usage: velkari-skin %1\n\n%2\n\n%3")
        .arg(QString::fromLatin1(command.synopsis), QString::fromLatin1(command.help), QString::fromLatin1(exitCodes));
}

// One positional argument and an optional "-o PATH"; false on anything else.
bool parseArguments(const QStringList &args, bool allowOutput, QString &input, QString &output)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (allowOutput && (arg == QLatin1String("-o") || arg == QLatin1String("--output"))) {
            if (i + 1 >= args.size() || !output.isEmpty())
                return false;
            output = args[++i];
        } else if (arg.startsWith(u'-') && arg != QLatin1String("-")) {
            return false;
        } else if (input.isEmpty()) {
            input = arg;
        } else {
            return false;
        }
    }
    return !input.isEmpty();
}

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

SkinTool::SkinTool(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int SkinTool::usage(const QString &problem)
{
    m_err << "velkari-skin: " << problem << "\n\n" << generalHelp();
    return Failed;
}

int SkinTool::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        m_out << generalHelp();
        return Success;
    }
    const QStringList args = arguments.mid(1);
    for (const Command &command : commands) {
        if (name != QLatin1String(command.name))
            continue;
        if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
            m_out << commandHelp(command);
            return Success;
        }
        try {
            if (name == QLatin1String("new"))
                return commandNew(args);
            if (name == QLatin1String("build"))
                return commandBuild(args);
            if (name == QLatin1String("check"))
                return commandCheck(args);
            if (name == QLatin1String("normalize"))
                return commandNormalize(args);
            if (name == QLatin1String("dump"))
                return commandDump(args);
            return commandDescribe(args);
        } catch (const FileError &error) {
            m_err << error.message() << '\n';
            return Failed;
        }
    }
    return usage(QStringLiteral("unknown command \"%1\"").arg(name));
}

// Opens a project as the editor's Open does, reporting what it cannot keep.
static bool openProject(SkinProject &project, const QString &path, QTextStream &err)
{
    LoadReport report;
    if (!LoadProjectFile(project, absolute(path), &report)) {
        err << InvalidProjectMessage() << '\n';
        return false;
    }
    if (!report.isEmpty())
        err << report.message() << '\n';
    return true;
}

int SkinTool::commandNew(const QStringList &args)
{
    QString path, unused;
    if (!parseArguments(args, false, path, unused))
        return usage(QStringLiteral("new takes one project file name"));
    SkinProject project;
    NormalizeProject(project);
    SaveProjectFile(project, absolute(path));
    return Success;
}

int SkinTool::commandBuild(const QStringList &args)
{
    QString path, output;
    if (!parseArguments(args, true, path, output))
        return usage(QStringLiteral("build takes a project file name and an optional -o SKIN.vsk"));
    SkinProject project;
    if (!openProject(project, path, m_err))
        return Failed;
    const QString failure = FirstValidationFailure(project);
    if (!failure.isEmpty()) {
        m_err << failure << '\n';
        return RuleFailed;
    }
    WriteSkinFile(project, output.isEmpty() ? SkinFilePath(project.projectPath) : absolute(output));
    return Success;
}

int SkinTool::commandCheck(const QStringList &args)
{
    QString path, unused;
    if (!parseArguments(args, false, path, unused))
        return usage(QStringLiteral("check takes one project file name"));
    SkinProject project;
    if (!openProject(project, path, m_err))
        return Failed;
    const QStringList failures = AllValidationFailures(project);
    for (const QString &failure : failures)
        m_out << failure << '\n';
    return failures.isEmpty() ? Success : RuleFailed;
}

int SkinTool::commandNormalize(const QStringList &args)
{
    QString path, output;
    if (!parseArguments(args, true, path, output))
        return usage(QStringLiteral("normalize takes a project file name and an optional -o OUT.vsp"));
    SkinProject project;
    if (!openProject(project, path, m_err))
        return Failed;
    SaveProjectFile(project, output.isEmpty() ? project.projectPath : absolute(output));
    return Success;
}

int SkinTool::commandDump(const QStringList &args)
{
    QString path, unused;
    if (!parseArguments(args, false, path, unused))
        return usage(QStringLiteral("dump takes one file name"));
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > MaxDumpFileSize || !file.open(QIODevice::ReadOnly)) {
        m_err << QStringLiteral("Cannot read \"%1\".").arg(path) << '\n';
        return Failed;
    }
    if (!DumpContainer(file.read(info.size()), m_out)) {
        m_err << QStringLiteral("\"%1\" is not a container file.").arg(path) << '\n';
        return Failed;
    }
    return Success;
}

int SkinTool::commandDescribe(const QStringList &args)
{
    QString path, unused;
    if (!parseArguments(args, false, path, unused))
        return usage(QStringLiteral("describe takes one project file name"));
    SkinProject project;
    if (!openProject(project, path, m_err))
        return Failed;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        for (const auto &layout : layouts) {
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons) {
                    m_out << QStringLiteral("# %1, layout %2 \"%3\", row %4, button %5\n")
                                 .arg(ScreenShapeName(shape), QString::number(layout->index), layout->name,
                                      QString::number(row->index), QString::number(button->index));
                    m_out << DescribeButton(*button, layouts, project.helpFileName);
                }
            }
        }
    }
    return Success;
}

} // namespace velkari
