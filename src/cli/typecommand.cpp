#include "clicommand.h"

#include "buttondescription.h"
#include "skinsource.h"
#include "typingsearch.h"

#include <QTextStream>

namespace velkari {

namespace {

QString characterAt(const QString &text, qsizetype at)
{
    const bool pair = at + 1 < text.size() && text.at(at).isHighSurrogate() && text.at(at + 1).isLowSurrogate();
    const QString character = text.mid(at, pair ? 2 : 1);
    return QStringLiteral("%1 (U+%2)")
        .arg(QuotedText(character), HexDigits(character.toUcs4().value(0), 4));
}

int runType(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {ShapeOption()});
    if (!line.ok() || line.positional.size() != 2) {
        return CommandUsageError(context, TypeCommand(),
                                 line.ok() ? QStringLiteral("type takes a skin file name and one text") : line.error);
    }
    const int shape = ShapeFromCommandLine(line);
    if (shape < 0) {
        return CommandUsageError(context, TypeCommand(),
                                 UnknownShapeProblem(line.value(ShapeOption().longName)));
    }
    CompiledSkin skin;
    if (!LoadSkinForCommand(context, line.positional.first(), skin, true))
        return ExitFailed;
    const QString text = line.positional.at(1);
    const TypingResult result = FindKeyPresses(skin, shape, text);
    if (result.gaveUp) {
        context.err << QStringLiteral("velkari-skin: the search for the key presses gave up after %1 states; "
                                      "try a shorter text.\n").arg(DefaultMaxTypingStates);
        return ExitFailed;
    }
    if (!result.found()) {
        context.err << QStringLiteral("velkari-skin: cannot type %1, character %2 of the text, in the shape \"%3\".\n")
                           .arg(characterAt(text, result.failedAt))
                           .arg(result.failedAt + 1)
                           .arg(ScreenShapeName(shape));
        return ExitRuleFailed;
    }
    for (const SkinLayoutData::KeyPosition &press : result.presses)
        context.out << QStringLiteral("key:%1,%2\n").arg(press.row).arg(press.button);
    return ExitSuccess;
}

} // namespace

const CliCommand &TypeCommand()
{
    static const CliCommand command{
        "type", "type SKIN.vsk [--shape NAME] TEXT", "find the fewest key presses that type a text",
        "Finds the shortest sequence of key presses that types TEXT on the keyboard of a skin file\n"
        "(or of a project, compiled in memory) started on layout 0 of a shape (--shape as for\n"
        "simulate), and prints one key:ROW,KEY event per press: given to simulate, they type TEXT.\n"
        "Exit code 1, naming the first character that cannot be typed, when no sequence types it.",
        runType};
    return command;
}

} // namespace velkari
