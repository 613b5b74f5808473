#include "keyboarddevice.h"

#include "buttondescription.h"

#include <QCoreApplication>

namespace velkari {

namespace {

// The Try Skin window shows the events in the editor's language; the command-line tool keeps the
// English. What an event was made from ("tap:10,20", "drag-up") is input syntax and stays as typed.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::KeyboardDevice)
};

QString keyName(char16_t character)
{
    switch (character) {
    case 8:
        return Text::tr("Backspace");
    case 9:
        return Text::tr("Tab");
    case 13:
        return Text::tr("Enter");
    case 27:
        return Text::tr("Esc");
    case 32:
        return Text::tr("Space");
    }
    const QChar c(character);
    return c.isPrint() && !c.isSurrogate() ? QString(c.toUpper()) : hexDigits(character, 4);
}

QString chordName(quint8 modifiers, char16_t character)
{
    QString name;
    if (modifiers & ModifierControl)
        name += Text::tr("Ctrl+");
    if (modifiers & ModifierAlt)
        name += Text::tr("Alt+");
    if (modifiers & ModifierShift)
        name += Text::tr("Shift+");
    return name + keyName(character);
}

DeviceEvent eventFor(const QString &input)
{
    DeviceEvent event;
    event.input = input;
    return event;
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

} // namespace

QString vkName(quint8 vk)
{
    switch (vk) {
    case VkShift:
        return Text::tr("Shift");
    case VkControl:
        return Text::tr("Ctrl");
    case VkAlt:
        return Text::tr("Alt");
    case VkCapsLock:
        return Text::tr("Caps Lock");
    default:
        return Text::tr("VK:%1").arg(hexDigits(vk, 2));
    }
}

QString DeviceEvent::line() const
{
    QString text = input + QStringLiteral(" -> ");
    if (row >= 0 && input.startsWith(QLatin1String("tap:"))) // which key a tap hit
        text += Text::tr("key %1,%2").arg(row).arg(key) + QStringLiteral(": ");
    return text + effects.join(QStringLiteral("; "));
}

KeyboardDevice::KeyboardDevice(const CompiledSkin &skin, int shape)
    : m_skin(skin)
    , m_shape(qBound(0, shape, ScreenShapeCount - 1))
{
}

void KeyboardDevice::setSkin(const CompiledSkin &skin)
{
    m_skin = skin;
    if (m_state.layout >= layoutCount()) {
        m_state.layout = 0;
        m_state.previous = -1;
    }
    if (m_state.previous >= layoutCount())
        m_state.previous = -1;
    if (m_lastPressed.isValid()
        && (m_lastPressed.layout >= layoutCount()
            || !layouts()[m_lastPressed.layout].data.key(m_lastPressed.row, m_lastPressed.key)))
        m_lastPressed = KeyRef();
}

void KeyboardDevice::setShape(int shape)
{
    m_shape = qBound(0, shape, ScreenShapeCount - 1);
    m_state = KeyboardState();
    m_lastPressed = KeyRef();
}

void KeyboardDevice::reset()
{
    m_state = KeyboardState();
    m_lastPressed = KeyRef();
    m_text.clear();
    m_calculator = Calculator();
    m_events.clear();
}

const QList<CompiledLayout> &KeyboardDevice::layouts() const
{
    return m_skin.shapes[m_shape];
}

const SkinLayoutData *KeyboardDevice::currentLayout() const
{
    return m_state.layout < layoutCount() ? &layouts()[m_state.layout].data : nullptr;
}

QList<int> KeyboardDevice::heldToggles() const
{
    QList<int> toggles;
    for (int toggle = 1; toggle < 16; ++toggle) {
        if (m_state.held & (1u << toggle))
            toggles.append(toggle);
    }
    return toggles;
}

QList<KeyRef> KeyboardDevice::heldKeys() const
{
    QList<KeyRef> keys;
    const SkinLayoutData *layout = currentLayout();
    if (!layout)
        return keys;
    for (int r = 0; r < layout->rows.size(); ++r) {
        for (int k = 0; k < layout->rows[r].size(); ++k) {
            if (const int toggle = toggleIndex(layout->rows[r][k].flags); toggle && (m_state.held & (1u << toggle)))
                keys.append({m_state.layout, r, k});
        }
    }
    return keys;
}

KeyRef KeyboardDevice::keyAt(int x, int y) const
{
    if (const SkinLayoutData *layout = currentLayout()) {
        for (int r = 0; r < layout->rows.size(); ++r) {
            for (int k = 0; k < layout->rows[r].size(); ++k) {
                if (layout->rows[r][k].contains(x, y))
                    return {m_state.layout, r, k};
            }
        }
    }
    return {};
}

// True, with the reason logged, when the device cannot take a key or a gesture at all.
bool KeyboardDevice::refuse(DeviceEvent &event) const
{
    if (!currentLayout())
        event.effects << Text::tr("the shape has no layouts");
    else if (m_state.hidden)
        event.effects << Text::tr("the keyboard is hidden");
    else
        return false;
    return true;
}

DeviceEvent KeyboardDevice::tap(int x, int y)
{
    DeviceEvent event = eventFor(QStringLiteral("tap:%1,%2").arg(x).arg(y));
    if (!refuse(event)) {
        const KeyRef hit = keyAt(x, y);
        if (hit.isValid())
            press(event, hit.row, hit.key);
        else
            event.effects << Text::tr("no key there");
    }
    return logged(event);
}

DeviceEvent KeyboardDevice::pressKey(int row, int key)
{
    DeviceEvent event = eventFor(QStringLiteral("key:%1,%2").arg(row).arg(key));
    if (!refuse(event)) {
        if (currentLayout()->key(row, key))
            press(event, row, key);
        else
            event.effects << Text::tr("layout %1 has no key %2,%3").arg(m_state.layout).arg(row).arg(key);
    }
    return logged(event);
}

void KeyboardDevice::press(DeviceEvent &event, int row, int key)
{
    const SkinKeyRecord &record = *currentLayout()->key(row, key);
    event.row = row;
    event.key = key;
    m_lastPressed = {m_state.layout, row, key};
    const KeyPress press = pressKeyOnState(m_state, record, layoutCount());
    if (press.toggledUp) {
        event.effects << Text::tr("releases toggle %1").arg(press.toggle);
        return;
    }
    describeFunction(event, record, press);
    for (int toggle = 1; toggle < 16; ++toggle) {
        if (press.released & (1u << toggle))
            event.effects << Text::tr("releases toggle %1").arg(toggle);
    }
    if (press.toggle)
        event.effects << Text::tr("holds toggle %1 (%2)").arg(press.toggle).arg(vkName(record.vk));
    if (press.returnedTo >= 0)
        event.effects << Text::tr("returns to layout %1").arg(press.returnedTo);
}

void KeyboardDevice::describeFunction(DeviceEvent &event, const SkinKeyRecord &key, const KeyPress &press)
{
    switch (press.kind) {
    case KindCharacter:
        if (press.chord)
            event.effects << Text::tr("chord %1, not typed").arg(chordName(press.modifiers, press.character));
        else if (press.text == KeyPress::Types)
            type(event, QString(QChar(press.character)));
        else if (press.text == KeyPress::Erases)
            erase(event);
        else
            event.effects << (key.vk ? Text::tr("sends %1").arg(vkName(key.vk)) : Text::tr("sends nothing"));
        return;
    case KindChangeLayout:
        if (key.vk)
            event.effects << Text::tr("sends %1").arg(vkName(key.vk));
        if (press.target < 0)
            event.effects << Text::tr("names no layout");
        else if (press.switched)
            event.effects << Text::tr("switches to layout %1").arg(press.target);
        else
            event.effects << Text::tr("layout %1 does not exist").arg(press.target);
        return;
    case KindCalculator:
        if (key.charCode == CalcDisplay && m_calculator.hasError()) {
            event.effects << Text::tr("the display shows no number");
        } else if (key.charCode == CalcDisplay) {
            type(event, m_calculator.display());
        } else if (key.charCode < CalcKeyCount) {
            m_calculator.press(key.charCode);
            event.effects << Text::tr("calculator %1: display %2")
                                 .arg(calcKeyDescription(key.charCode), quoted(m_calculator.display()));
        } else {
            event.effects << Text::tr("calculator key %1 does not exist").arg(key.charCode);
        }
        return;
    case KindTaskManager:
    case KindMacro:
    case KindShortcut: {
        // The device runs these outside the keyboard; the description says what they would do.
        SkinButton function = buttonForKey(key);
        function.flags &= ButtonFunctionFlags;
        const QStringList lines = describeKeyFunction(function, LayoutList(), m_skin.helpFileName);
        event.effects << (lines.isEmpty() ? Text::tr("action %1 does not exist").arg(key.vk) : lines.join(u' '));
        return;
    }
    case KindKeyOnly:
        event.effects << (key.vk ? Text::tr("sends %1").arg(vkName(key.vk)) : Text::tr("sends nothing"));
        return;
    }
}

void KeyboardDevice::type(DeviceEvent &event, const QString &text)
{
    m_text += text;
    event.effects << (text == QLatin1String("\n") ? Text::tr("types a line break")
                                                   : Text::tr("types %1").arg(quoted(text)));
}

void KeyboardDevice::erase(DeviceEvent &event)
{
    if (m_text.isEmpty()) {
        event.effects << Text::tr("erases nothing");
        return;
    }
    const qsizetype size = m_text.size();
    const bool pair = size >= 2 && m_text.at(size - 1).isLowSurrogate() && m_text.at(size - 2).isHighSurrogate();
    m_text.chop(pair ? 2 : 1);
    event.effects << Text::tr("erases a character");
}

DeviceEvent KeyboardDevice::dragUp()
{
    DeviceEvent event = eventFor(QStringLiteral("drag-up"));
    if (!refuse(event)) {
        const int target = currentLayout()->dragUpLayout;
        if (target == SkinLayoutData::NoDragUpLayout) {
            event.effects << Text::tr("layout %1 has no drag-up layout").arg(m_state.layout);
        } else if (target >= layoutCount()) {
            event.effects << Text::tr("drag-up layout %1 does not exist").arg(target);
        } else {
            m_state.switchTo(target);
            event.effects << Text::tr("switches to layout %1").arg(target);
        }
    }
    return logged(event);
}

void KeyboardDevice::resetLayout(DeviceEvent &event, quint16 flag)
{
    const SkinLayoutData *layout = currentLayout();
    if (!layout || !(layout->flags & flag))
        return;
    if (m_state.layout != 0)
        event.effects << Text::tr("resets to layout 0");
    m_state.layout = 0;
    m_state.previous = -1;
}

DeviceEvent KeyboardDevice::hide()
{
    return setHidden(true);
}

DeviceEvent KeyboardDevice::show()
{
    return setHidden(false);
}

DeviceEvent KeyboardDevice::setHidden(bool hidden)
{
    DeviceEvent event = eventFor(hidden ? QStringLiteral("hide") : QStringLiteral("show"));
    if (m_state.hidden == hidden) {
        event.effects << (hidden ? Text::tr("the keyboard is already hidden")
                                 : Text::tr("the keyboard is already shown"));
    } else {
        m_state.hidden = hidden;
        event.effects << (hidden ? Text::tr("hides the keyboard") : Text::tr("shows the keyboard"));
        resetLayout(event, hidden ? LayoutFlagResetOnHide : LayoutFlagResetOnShow);
    }
    return logged(event);
}

DeviceEvent KeyboardDevice::logged(DeviceEvent event)
{
    event.layout = m_state.layout;
    if (m_events.size() >= MaxLoggedEvents)
        m_events.removeFirst();
    m_events.append(event);
    return event;
}

} // namespace velkari
