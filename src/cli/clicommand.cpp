#include "clicommand.h"

#include "commandruns.h"

namespace velkari {

namespace {

// Options that several commands take alike.
constexpr CliOption output{.name = "--output", .value = OptionValue::Text, .shortName = "-o"};
constexpr CliOption force{.name = "--force"};
constexpr CliOption theme{.name = "--theme", .value = OptionValue::Theme};
constexpr CliOption shape{.name = "--shape", .value = OptionValue::Shape};
constexpr CliOption report{.name = "--format", .value = OptionValue::ReportFormat};

} // namespace

const QList<CliCommand> &cliCommands()
{
    using enum OptionValue;
    static const QList<CliCommand> commands{
        {.name = "new",
         .synopsis = "new [--template NAME] [--theme dark|light] [--force] PROJECT.vsp",
         .summary = "write a fresh project, or one from a template with its pictures",
         .help = "Writes a fresh project: one layout \"Layout00\" with five empty rows in each screen shape.\n"
                 "With --template, writes the template's layouts instead (velkari-skin templates lists them)\n"
                 "and draws their pictures as GIF into the folder PROJECT-pictures beside the project, in the\n"
                 "theme of --theme (dark by default): the project builds a skin at once. An existing project or\n"
                 "picture is not replaced unless --force is given.",
         .arguments = {"PROJECT.vsp"},
         .options = {{.name = "--template", .value = Template, .draws = true},
                     {.name = "--theme", .value = Theme, .needs = "--template"},
                     force},
         .run = runNew},
        {.name = "build",
         .synopsis = "build PROJECT.vsp [-o SKIN.vsk]",
         .summary = "check every layout and compile the skin file",
         .help = "Checks every layout as Create Skin does and compiles the project, pictures included, into the\n"
                 "skin file (by default beside the project, with the extension .vsk). On the first layout that\n"
                 "breaks a rule, prints its message and writes nothing. Warnings (see check) are printed too, but\n"
                 "the skin is written all the same. The skin may go to a device or a pipe (-o /dev/stdout); it\n"
                 "never replaces the project or one of its pictures.",
         .arguments = {"PROJECT.vsp"},
         .options = {output},
         .run = runBuild},
        {.name = "check",
         .synopsis = "check PROJECT.vsp [--format text|json] [--strict]",
         .summary = "list every error and warning of a project",
         .help = "Checks every layout of every screen shape and lists every problem, in shape, layout, row and key\n"
                 "order: errors (the rules a skin must pass) and warnings (faults the device accepts but that are\n"
                 "surely not meant). --format text (the default) prints one line per problem and a count;\n"
                 "--format json one object with the file, the counts and the problems, or with \"damaged\" and\n"
                 "the message for a damaged project. Exit code 1 when there is an error, or with --strict when\n"
                 "there is a warning.",
         .arguments = {"PROJECT.vsp"},
         .options = {report, {.name = "--strict"}},
         .run = runCheck},
        {.name = "normalize",
         .synopsis = "normalize PROJECT.vsp [-o OUT.vsp]",
         .summary = "open a project with its repairs and save it again",
         .help = "Opens the project with the repairs that opening makes and saves it again (in place unless -o\n"
                 "is given), picture paths relative to the saved file's folder.",
         .arguments = {"PROJECT.vsp"},
         .options = {output},
         .run = runNormalize},
        {.name = "dump",
         .synopsis = "dump FILE",
         .summary = "print the container tree of a project or skin file",
         .help = "Prints the container tree of a project or skin file: sections with their entry counts and\n"
                 "sizes, values with their sizes and contents, and the key data of each skin layout decoded.\n"
                 "A damaged file is shown as far as its entries go, and its damage named (exit code 2).",
         .arguments = {"FILE"},
         .run = runDump},
        {.name = "describe",
         .synopsis = "describe PROJECT.vsp",
         .summary = "print every key's description",
         .help = "Prints, for every button of every row, layout and shape, the description the editor shows\n"
                 "when the mouse rests on it.",
         .arguments = {"PROJECT.vsp"},
         .run = runDescribe},
        {.name = "templates",
         .synopsis = "templates",
         .summary = "list the templates of new --template",
         .help = "Lists the templates that velkari-skin new --template NAME starts a project from, with a line\n"
                 "on each. Every one fills all four screen shapes with linked layouts that pass every rule.",
         .run = runTemplates},
        {.name = "draw",
         .synopsis = "draw PROJECT.vsp [--all] [--theme dark|light] [--format gif|bmp] [--project-text-color] [--force]",
         .summary = "draw the pictures of layouts from their keys",
         .help = "Draws a picture for every layout that has no readable GIF or BMP picture (for every layout with\n"
                 "--all), exactly the size of its key map, each key where the skin places it. The pictures go\n"
                 "into the folder PROJECT-pictures beside the project, named after the shape and the layout;\n"
                 "the layouts are pointed at them and the project is saved. --theme picks dark (the default) or\n"
                 "light keys; --project-text-color writes the captions in the project's text colour on every\n"
                 "key where it stays legible. A file that is not the layout's own picture is not replaced\n"
                 "unless --force is given. Exit code 1 when a layout cannot be drawn (it has no keys).",
         .arguments = {"PROJECT.vsp"},
         .options = {{.name = "--all"},
                     theme,
                     {.name = "--format", .value = PictureFormat},
                     {.name = "--project-text-color"},
                     force},
         .draws = true,
         .run = runDraw},
        {.name = "derive",
         .synopsis = "derive PROJECT.vsp --from SHAPE [--to SHAPE]... [--force]",
         .summary = "make the layouts of other shapes from those of one shape",
         .help = "Replaces the layouts of the --to shapes (every other shape when --to is not given) with the\n"
                 "layouts of the --from shape, in the same order, so that Change Layout keys and drag-up layouts\n"
                 "lead where they did: names, flags, rows and keys with their functions. Every row's keys are\n"
                 "scaled to add up to the target's screen width (240, 320, 480 or 640), row heights doubled for a\n"
                 "Hi-Res. shape and halved for a low-resolution one. A layout whose picture was drawn from its\n"
                 "keys, or that has none, gets a picture drawn afresh in PROJECT-pictures; any other picture is\n"
                 "scaled into a new file beside it, named after the target shape. No file is written over. The\n"
                 "shapes are portrait, landscape, hires-portrait, hires-landscape or their display names. A\n"
                 "target that holds more than a fresh Layout00 is in use and is replaced only with --force.\n"
                 "The project is saved in place. Exit code 1 when a layout could not be given a picture.",
         .arguments = {"PROJECT.vsp"},
         .options = {{.name = "--from", .value = Shape, .required = true},
                     {.name = "--to", .value = Shape, .repeatable = true},
                     force},
         .draws = true,
         .run = runDerive},
        {.name = "fit",
         .synopsis = "fit PROJECT.vsp [--shape NAME [--layout N]]",
         .summary = "scale the keys of rows so that each adds up to its screen's width",
         .help = "Scales the keys of every row in proportion, so that the row adds up exactly to its shape's\n"
                 "screen width (240, 320, 480 or 640); the pixels left over go to the keys that lost most in the\n"
                 "rounding, and no key becomes narrower than 1 pixel. Every shape unless --shape names one\n"
                 "(as for simulate), and only its layout at position N with --layout. Prints each row it\n"
                 "changed and each it left alone (a row without keys, or whose keys are 0 pixels wide), and\n"
                 "saves the project in place when a row changed.",
         .arguments = {"PROJECT.vsp"},
         .options = {shape, {.name = "--layout", .value = Position, .needs = "--shape"}},
         .run = runFit},
        {.name = "read-keys",
         .synopsis = "read-keys PROJECT.vsp --shape NAME --layout N [--picture FILE] [--dry-run] [--format text|json]",
         .summary = "set a layout's row heights and key widths from its picture",
         .help = "Finds the rows and keys in the picture of layout N (counted from 0) of a shape, or in FILE\n"
                 "(which is only read: the layout keeps its picture), and sets the row heights and key widths\n"
                 "from them: each key reaches to the middle of the gap or border line beside it. Keys keep\n"
                 "their captions and functions in order; missing keys are added as blank keys, surplus keys\n"
                 "and rows are removed and listed. The project is saved in place unless --dry-run is given.\n"
                 "Prints the rows and keys found; --format json prints {\"width\": W, \"height\": H, \"rows\":\n"
                 "[{\"y\": Y, \"height\": H, \"keys\": [{\"x\": X, \"width\": W}, ...]}, ...]}. Exit code 1, with\n"
                 "nothing changed, when the picture shows no keys that can be recognised.",
         .arguments = {"PROJECT.vsp"},
         .options = {{.name = "--shape", .value = Shape, .required = true},
                     {.name = "--layout", .value = Position, .required = true},
                     {.name = "--picture", .value = Text},
                     {.name = "--dry-run"},
                     report},
         .run = runReadKeys},
        {.name = "import-kle",
         .synopsis = "import-kle LAYOUT.json PROJECT.vsp [--shape NAME]... [--name LAYOUT_NAME] [--theme dark|light] "
                     "[--force]",
         .summary = "add a layout from keyboard-layout-editor.com to a project, with its picture",
         .help = "Reads a layout in the format of keyboard-layout-editor.com (its downloaded JSON, or the text of\n"
                 "its \"Raw data\" box) and adds it to the project in every shape, or in the shapes --shape names\n"
                 "(portrait, landscape, hires-portrait, hires-landscape or a display name; repeat it for more). The\n"
                 "layout takes the place of a new project's empty \"Layout00\"; PROJECT is made when it does not\n"
                 "exist. The widest row fills the shape's screen; shorter rows end with a blank key. Legends become\n"
                 "captions; characters and key names (Enter, Shift, Tab, F1, ...) become what the keys send; other\n"
                 "keys become blank keys that keep their caption. The layout is named by --name, else by the\n"
                 "file's metadata, else after the file. Its pictures are drawn as GIF into PROJECT-pictures, in\n"
                 "the theme of --theme (dark by default). Rotated keys, more than 6 rows or 29 keys in a row, and\n"
                 "a 20th layout in a shape are refused with nothing written; --force replaces a file that is not\n"
                 "a project, and pictures in the way. Prints what became of the keys.",
         .arguments = {"LAYOUT.json", "PROJECT.vsp"},
         .options = {{.name = "--shape", .value = Shape, .repeatable = true},
                     {.name = "--name", .value = Text},
                     theme,
                     force},
         .draws = true,
         .run = runImportKle},
        {.name = "export-kle",
         .synopsis = "export-kle PROJECT.vsp --shape NAME --layout N [-o FILE.json]",
         .summary = "write a layout in the format of keyboard-layout-editor.com",
         .help = "Writes layout N (counted from 0) of the shape as the JSON that keyboard-layout-editor.com\n"
                 "downloads and uploads: captions as legends, widths in key units (the most common key width is\n"
                 "one unit), blank keys as decals. To standard output, or with -o to FILE.json; never over the\n"
                 "project itself. import-kle brings it back with the same rows, captions, widths and character\n"
                 "keys.",
         .arguments = {"PROJECT.vsp"},
         .options = {{.name = "--shape", .value = Shape, .required = true},
                     {.name = "--layout", .value = Position, .required = true},
                     output},
         .run = runExportKle},
        {.name = "inspect",
         .synopsis = "inspect SKIN.vsk [--format text|json]",
         .summary = "print what a skin file holds",
         .help = "Reads a skin file as the device would and prints, per shape and layout, the picture (its\n"
                 "format and size in pixels where it can be decoded), the flags, the drag-up layout, the\n"
                 "Enter, Space and Backspace keys and every key: row, position, flags, what it does and its\n"
                 "rectangle. A damaged skin is refused with a message naming the shape and layout.",
         .arguments = {"SKIN.vsk"},
         .options = {report},
         .run = runInspect},
        {.name = "simulate",
         .synopsis = "simulate SKIN.vsk [--shape NAME] [--format text|json] EVENT...",
         .summary = "run a skin as the device would, one event after another",
         .help = "Starts the keyboard of a skin file (or of a project, compiled in memory) on layout 0 of a\n"
                 "shape (--shape: portrait, landscape, hires-portrait, hires-landscape or a display name;\n"
                 "portrait by default) and feeds it the events in order:\n"
                 "  tap:X,Y       a tap at a point of the layout, in pixels from its top-left corner\n"
                 "  key:ROW,KEY   a press of a key of the current layout, by position\n"
                 "  drag-up       a stroke upwards on the keyboard\n"
                 "  hide, show    the keyboard hidden or shown\n"
                 "Prints one line per event saying what it did, then the text typed: text: \"...\".\n"
                 "--format json prints {\"events\": [...], \"layout\": N, \"text\": \"...\", \"display\": \"...\"}.",
         .arguments = {"SKIN.vsk", "EVENT..."},
         .options = {shape, report},
         .run = runSimulate},
        {.name = "type",
         .synopsis = "type SKIN.vsk [--shape NAME] TEXT",
         .summary = "find the fewest key presses that type a text",
         .help = "Finds the shortest sequence of key presses that types TEXT on the keyboard of a skin file\n"
                 "(or of a project, compiled in memory) started on layout 0 of a shape (--shape as for\n"
                 "simulate), and prints one key:ROW,KEY event per press: given to simulate, they type TEXT.\n"
                 "Exit code 1, naming the first character that cannot be typed, when no sequence types it.",
         .arguments = {"SKIN.vsk", "TEXT"},
         .options = {shape},
         .run = runType},
    };
    return commands;
}

} // namespace velkari
