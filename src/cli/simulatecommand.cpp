#include "clicommand.h"

#include "keyboarddevice.h"
#include "skinsource.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <functional>

namespace velkari {

namespace {

using DeviceAction = std::function<DeviceEvent(KeyboardDevice &)>;

// tap:X,Y, key:ROW,KEY, drag-up, hide, show; an empty function for anything else.
DeviceAction parseEvent(const QString &text)
{
    if (text == QLatin1String("drag-up"))
        return &KeyboardDevice::dragUp;
    if (text == QLatin1String("hide"))
        return &KeyboardDevice::hide;
    if (text == QLatin1String("show"))
        return &KeyboardDevice::show;
    static const QRegularExpression pair(QStringLiteral("^(tap|key):(-?[0-9]+),(-?[0-9]+)$"));
    const QRegularExpressionMatch match = pair.match(text);
    bool firstOk = false;
    bool secondOk = false;
    const int first = match.hasMatch() ? match.captured(2).toInt(&firstOk) : 0;
    const int second = match.hasMatch() ? match.captured(3).toInt(&secondOk) : 0;
    if (!firstOk || !secondOk)
        return {};
    if (match.captured(1) == QLatin1String("tap"))
        return [=](KeyboardDevice &device) { return device.tap(first, second); };
    return [=](KeyboardDevice &device) { return device.pressKey(first, second); };
}

QJsonObject eventJson(const DeviceEvent &event)
{
    return QJsonObject{
        {"event", event.input},
        {"key", event.row >= 0 ? QJsonValue(QJsonArray{event.row, event.key}) : QJsonValue::Null},
        {"effects", QJsonArray::fromStringList(event.effects)},
        {"layout", event.layout},
    };
}

int runSimulate(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {ShapeOption(), FormatOption()});
    if (!line.ok())
        return CommandUsageError(context, SimulateCommand(), line.error);
    if (line.positional.isEmpty())
        return CommandUsageError(context, SimulateCommand(), QStringLiteral("simulate takes a skin file name and events"));
    bool json = false;
    if (!JsonFormat(line, json))
        return CommandUsageError(context, SimulateCommand(), QStringLiteral("the formats are text and json"));
    const int shape = ShapeFromCommandLine(line);
    if (shape < 0)
        return UnknownShapeError(context, SimulateCommand(), line.value(ShapeOption().longName));
    QList<DeviceAction> actions;
    for (const QString &text : line.positional.sliced(1)) {
        actions.append(parseEvent(text));
        if (!actions.last()) {
            return CommandUsageError(context, SimulateCommand(),
                                     QStringLiteral("unknown event \"%1\"; the events are tap:X,Y, key:ROW,KEY, "
                                                    "drag-up, hide and show").arg(text));
        }
    }
    CompiledSkin skin;
    if (!LoadSkinForCommand(context, line.positional.first(), skin, true))
        return ExitFailed;

    KeyboardDevice device(skin, shape);
    QJsonArray events;
    for (const DeviceAction &action : actions) {
        const DeviceEvent event = action(device);
        if (json)
            events.append(eventJson(event));
        else
            context.out << event.line() << '\n';
    }
    if (json) {
        const QJsonObject result{{"events", events},
                                 {"layout", device.layout()},
                                 {"text", device.text()},
                                 {"display", device.display()}};
        context.out << JsonText(result, QJsonDocument::Compact) << '\n';
    } else {
        context.out << "text: " << QuotedText(device.text()) << '\n';
    }
    return ExitSuccess;
}

} // namespace

const CliCommand &SimulateCommand()
{
    static const CliCommand command{
        "simulate", "simulate SKIN.vsk [--shape NAME] [--format text|json] EVENT...",
        "run a skin as the device would, one event after another",
        "Starts the keyboard of a skin file (or of a project, compiled in memory) on layout 0 of a\n"
        "shape (--shape: portrait, landscape, hires-portrait, hires-landscape or a display name;\n"
        "portrait by default) and feeds it the events in order:\n"
        "  tap:X,Y       a tap at a point of the layout, in pixels from its top-left corner\n"
        "  key:ROW,KEY   a press of a key of the current layout, by position\n"
        "  drag-up       a stroke upwards on the keyboard\n"
        "  hide, show    the keyboard hidden or shown\n"
        "Prints one line per event saying what it did, then the text typed: text: \"...\".\n"
        "--format json prints {\"events\": [...], \"layout\": N, \"text\": \"...\", \"display\": \"...\"}.",
        runSimulate};
    return command;
}

} // namespace velkari
