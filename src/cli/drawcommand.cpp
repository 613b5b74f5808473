#include "clicommand.h"

namespace velkari {

namespace {

int runDraw(CliContext &context, const QStringList &args)
{
    return RunDrawingCommand(context, DrawCommand(), args);
}

} // namespace

const CliCommand &DrawCommand()
{
    static const CliCommand command{
        "draw",
        "draw PROJECT.vsp [--all] [--theme dark|light] [--format gif|bmp] [--project-text-color] [--force]",
        "draw the pictures of layouts from their keys",
        "Draws a picture for every layout that has no readable GIF or BMP picture (for every layout with\n"
        "--all), exactly the size of its key map, each key where the skin places it. The pictures go\n"
        "into the folder PROJECT-pictures beside the project, named after the shape and the layout;\n"
        "the layouts are pointed at them and the project is saved. --theme picks dark (the default) or\n"
        "light keys; --project-text-color writes the captions in the project's text colour on every\n"
        "key where it stays legible. A file that is not the layout's own picture is not replaced\n"
        "unless --force is given. Exit code 1 when a layout cannot be drawn (it has no keys).",
        runDraw};
    return command;
}

} // namespace velkari
