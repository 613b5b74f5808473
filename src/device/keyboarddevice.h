#pragma once

#include "calculator.h"
#include "compiledskin.h"
#include "keyboardstate.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkari {

// A key of a layout of the current shape, by position.
struct KeyRef
{
    int layout = -1;
    int row = -1;
    int key = -1;

    bool isValid() const { return layout >= 0; }
    bool operator==(const KeyRef &) const = default;
};

// "Shift", "Ctrl", "Alt", "Caps Lock", or "VK:41" for any other key.
QString vkName(quint8 vk);

// One thing done to the device and what came of it.
struct DeviceEvent
{
    QString input;       // as velkari-skin simulate spells it: "tap:12,40", "key:0,3", "drag-up", "hide", "show"
    int row = -1;        // the key pressed, if any
    int key = -1;
    QStringList effects; // what it did, in order
    int layout = 0;      // the layout afterwards

    // "tap:12,40 -> key 0,3: types \"q\""
    QString line() const;
};

// The keyboard as the device runs a skin: taps and key presses, layout switches, toggle keys, the
// calculator, the text typed so far, hiding and showing, and a log of what happened. It runs one
// shape at a time and never fails: a press that cannot be carried out is logged as such.
class KeyboardDevice
{
public:
    static constexpr int MaxLoggedEvents = 1000;

    explicit KeyboardDevice(const CompiledSkin &skin = CompiledSkin(), int shape = Portrait);

    // Runs an edited skin. The shape, the text, the calculator and the keys held stay; the layout
    // stays when the skin still has it.
    void setSkin(const CompiledSkin &skin);
    const CompiledSkin &skin() const { return m_skin; }
    // Layout 0 of another shape, nothing held; the text and the calculator stay.
    void setShape(int shape);
    // As just started: layout 0, shown, nothing held, typed or calculated, an empty log.
    void reset();

    DeviceEvent tap(int x, int y);
    DeviceEvent pressKey(int row, int key);
    DeviceEvent dragUp();
    DeviceEvent hide();
    DeviceEvent show();

    int shape() const { return m_shape; }
    int layoutCount() const { return int(layouts().size()); }
    int layout() const { return m_state.layout; }
    int previousLayout() const { return m_state.previous; }
    // The layout shown, or null when the shape has none.
    const SkinLayoutData *currentLayout() const;
    bool isHidden() const { return m_state.hidden; }
    const KeyboardState &state() const { return m_state; }
    // The toggle numbers held down, in ascending order.
    QList<int> heldToggles() const;
    // The keys of the current layout whose toggle is held down.
    QList<KeyRef> heldKeys() const;
    KeyRef lastPressed() const { return m_lastPressed; }
    // The key of the current layout at a point, or an invalid reference.
    KeyRef keyAt(int x, int y) const;
    const QString &text() const { return m_text; }
    QString display() const { return m_calculator.display(); }
    const Calculator &calculator() const { return m_calculator; }
    // The latest events, oldest first.
    const QList<DeviceEvent> &events() const { return m_events; }

private:
    const QList<CompiledLayout> &layouts() const;
    bool refuse(DeviceEvent &event) const;
    void press(DeviceEvent &event, int row, int key);
    void describeFunction(DeviceEvent &event, const SkinKeyRecord &key, const KeyPress &press);
    void type(DeviceEvent &event, const QString &text);
    void erase(DeviceEvent &event);
    DeviceEvent setHidden(bool hidden);
    void resetLayout(DeviceEvent &event, quint16 flag);
    DeviceEvent logged(DeviceEvent event);

    CompiledSkin m_skin;
    int m_shape = Portrait;
    KeyboardState m_state;
    KeyRef m_lastPressed;
    QString m_text;
    Calculator m_calculator;
    QList<DeviceEvent> m_events;
};

} // namespace velkari
