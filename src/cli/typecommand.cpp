#include "commandruns.h"
#include "skinsource.h"

#include "buttondescription.h"
#include "typingsearch.h"

#include <QTextStream>

namespace velkari {

namespace {

QString characterAt(const QString &text, qsizetype at)
{
    const bool pair = at + 1 < text.size() && text.at(at).isHighSurrogate() && text.at(at + 1).isLowSurrogate();
    const QString character = text.mid(at, pair ? 2 : 1);
    return QStringLiteral("%1 (U+%2)")
        .arg(quotedText(character), hexDigits(character.toUcs4().value(0), 4));
}

} // namespace

int runType(CliContext &context, const CommandLine &line)
{
    const int shape = line.shape();
    CompiledSkin skin;
    if (!loadSkinForCommand(context, line.argument(0), skin, true))
        return ExitFailed;
    const QString text = line.argument(1);
    const TypingResult result = findKeyPresses(skin, shape, text);
    if (result.gaveUp) {
        return context.fail(QStringLiteral("the search for the key presses gave up after %1 states; try a shorter text.")
                                .arg(DefaultMaxTypingStates));
    }
    if (!result.found()) {
        return context.fail(QStringLiteral("cannot type %1, character %2 of the text, in the shape \"%3\".")
                                .arg(characterAt(text, result.failedAt))
                                .arg(result.failedAt + 1)
                                .arg(screenShapeName(shape)),
                            ExitRuleFailed);
    }
    for (const SkinLayoutData::KeyPosition &press : result.presses)
        context.out() << QStringLiteral("key:%1,%2\n").arg(press.row).arg(press.button);
    return ExitSuccess;
}

} // namespace velkari
