#include "keyboardstate.h"

#include <QChar>

namespace velkari {

bool KeyboardState::isHeld(quint8 vk) const
{
    for (int toggle = 1; toggle < 16; ++toggle) {
        if ((held & (1u << toggle)) && heldVk[toggle] == vk)
            return true;
    }
    return false;
}

quint8 KeyboardState::modifiers() const
{
    quint8 result = 0;
    if (isHeld(VkControl))
        result |= ModifierControl;
    if (isHeld(VkAlt))
        result |= ModifierAlt;
    if (isHeld(VkShift))
        result |= ModifierShift;
    return result;
}

void KeyboardState::switchTo(int target)
{
    if (target == layout)
        return;
    previous = layout;
    layout = qint8(target);
}

void KeyboardState::release(quint16 toggles)
{
    held &= quint16(~toggles);
    autoRelease &= quint16(~toggles);
    for (int toggle = 1; toggle < 16; ++toggle) {
        if (toggles & (1u << toggle))
            heldVk[toggle] = 0;
    }
}

namespace {

void typeCharacter(const KeyboardState &state, const SkinKeyRecord &key, KeyPress &press)
{
    if (key.charCode == 0)
        return;
    if (press.modifiers & (ModifierControl | ModifierAlt)) {
        press.chord = true;
        press.character = key.charCode;
    } else if (key.charCode == 8) {
        press.text = KeyPress::Erases;
    } else {
        press.text = KeyPress::Types;
        press.character = key.charCode == 13 ? u'\n' : key.charCode;
        if (state.upperCase())
            press.character = QChar(press.character).toUpper().unicode();
    }
}

} // namespace

KeyPress pressKeyOnState(KeyboardState &state, const SkinKeyRecord &key, int layoutCount)
{
    KeyPress press;
    press.kind = buttonKind(key.flags);
    press.toggle = toggleIndex(key.flags);
    const quint16 own = press.toggle ? quint16(1u << press.toggle) : 0;
    if (state.held & own) {
        state.release(own);
        press.toggledUp = true;
        return press;
    }
    press.modifiers = state.modifiers();
    if (press.kind == KindCharacter) {
        typeCharacter(state, key, press);
    } else if (press.kind == KindChangeLayout && key.charCode != LayoutNotSet) {
        press.target = key.charCode;
        press.switched = press.target < layoutCount;
        if (press.switched)
            state.switchTo(press.target);
    }
    if (!(key.flags & ButtonFlagNoRelease)) {
        press.released = state.held & state.autoRelease;
        state.release(press.released);
    }
    if (own) {
        state.held |= own;
        if (key.flags & ButtonFlagAutoToggle)
            state.autoRelease |= own;
        state.heldVk[press.toggle] = key.vk;
    }
    if ((key.flags & ButtonFlagReturn) && state.previous >= 0 && state.previous < layoutCount
        && state.previous != state.layout) {
        press.returnedTo = state.previous;
        state.switchTo(state.previous);
    }
    return press;
}

} // namespace velkari
