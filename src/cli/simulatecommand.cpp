#include "commandruns.h"
#include "skinsource.h"

#include "keyboarddevice.h"

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

} // namespace

int runSimulate(CliContext &context, const CommandLine &line)
{
    QList<DeviceAction> actions;
    for (const QString &text : line.arguments().sliced(1)) {
        actions.append(parseEvent(text));
        if (!actions.last()) {
            return context.usageError(QStringLiteral("unknown event \"%1\"; the events are tap:X,Y, key:ROW,KEY, "
                                                     "drag-up, hide and show").arg(text));
        }
    }
    CompiledSkin skin;
    if (!loadSkinForCommand(context, line.argument(0), skin, true))
        return ExitFailed;

    KeyboardDevice device(skin, line.shape());
    const bool json = line.json();
    QJsonArray events;
    for (const DeviceAction &action : actions) {
        const DeviceEvent event = action(device);
        if (json)
            events.append(eventJson(event));
        else
            context.out() << event.line() << '\n';
    }
    if (json) {
        const QJsonObject result{{"events", events},
                                 {"layout", device.layout()},
                                 {"text", device.text()},
                                 {"display", device.display()}};
        context.out() << jsonText(result, QJsonDocument::Compact) << '\n';
    } else {
        context.out() << "text: " << quotedText(device.text()) << '\n';
    }
    return ExitSuccess;
}

} // namespace velkari
