#pragma once

#include "buttonfunctions.h"
#include "compiledskin.h"

#include <QHashFunctions>

#include <array>

namespace velkari {

// The virtual-key codes that change what other keys do while a toggle key holds them down.
constexpr quint8 VkShift = 0x10;
constexpr quint8 VkControl = 0x11;
constexpr quint8 VkAlt = 0x12;
constexpr quint8 VkCapsLock = 0x14;

enum Modifier : quint8 { ModifierControl = 0x01, ModifierAlt = 0x02, ModifierShift = 0x04 };

// What the device remembers from one key press to the next that decides what the next one does.
// Plain bytes with no gaps, so that the search for key presses can compare and hash states.
struct KeyboardState
{
    qint8 layout = 0;
    qint8 previous = -1; // the layout Return goes back to; -1 when there is none
    bool hidden = false;
    quint8 unused = 0;
    quint16 held = 0;        // bit n: toggle key n is down
    quint16 autoRelease = 0; // bit n: toggle n goes up with the next key pressed
    std::array<quint8, 16> heldVk{}; // the vk of the key that holds toggle n down

    bool operator==(const KeyboardState &) const = default;

    bool isHeld(quint8 vk) const;
    bool upperCase() const { return isHeld(VkShift) || isHeld(VkCapsLock); }
    quint8 modifiers() const;
    // Remembers the layout left for Return; switching to the current layout changes nothing.
    void switchTo(int layout);
    void release(quint16 toggles);
};
static_assert(sizeof(KeyboardState) == 24);

inline size_t qHash(const KeyboardState &state, size_t seed = 0)
{
    return qHashBits(&state, sizeof state, seed);
}

// What one key press did, for the device to carry out on its text and calculator and to log.
struct KeyPress
{
    enum TextChange : quint8 { NoText, Types, Erases };

    ButtonKind kind = KindKeyOnly;
    TextChange text = NoText;
    char16_t character = 0; // Types: the character added; a chord: the character not typed
    bool chord = false;     // a character key pressed while Ctrl or Alt is down types nothing
    quint8 modifiers = 0;   // the Modifier bits down when the key was pressed
    int toggle = 0;         // the key's toggle number, 0 for none
    bool toggledUp = false; // the key was already down: this press released it and did nothing else
    int target = -1;        // Change Layout: the layout asked for; -1 when the key names none
    bool switched = false;  // Change Layout: the target exists and is now the layout
    quint16 released = 0;   // the toggles that went up with this key
    int returnedTo = -1;    // Return: the layout that came back
};

// The device's rules for a press of `key` in a shape of `layoutCount` layouts: the key's function
// on the layout and the toggles, then the release of Auto Toggle keys (unless this key has No
// Release), then holding this key down when it is a toggle key, then Return. The text and the
// calculator are the caller's, driven by the result.
KeyPress pressKeyOnState(KeyboardState &state, const SkinKeyRecord &key, int layoutCount);

} // namespace velkari
