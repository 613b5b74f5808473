#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace velkari {

// A key the device knows by its virtual-key code: what Button Properties shows beside the VK
// field and accepts typed into it, what a key press is turned into, and what a layout imported
// from elsewhere maps its key names to. One table, so that every way in names keys alike.
struct NamedKey
{
    quint8 vk = 0;
    char16_t charCode = 0; // what a Character key with this code sends; 0 for none
    QString name;          // "Enter", "F5", "Caps Lock"
    QString constant;      // "VK_RETURN"
    QStringList aliases;   // further names accepted: "Return", and the symbols printed on keycaps
    // Modifiers are toggle keys: Shift, Ctrl and Alt are released by the next key, Caps Lock is not.
    int toggle = 0;
    bool autoRelease = false;
};

// Every named key, in code order.
const QList<NamedKey> &namedKeys();

// By name, alias or VK_ constant, in any letter case and with or without spaces, hyphens or
// underscores ("caps lock", "CapsLock", "VK_CAPITAL"); single letters and digits name their own
// keys. Nothing for a name the table does not know.
const NamedKey *findNamedKey(QStringView name);
const NamedKey *namedKeyForVk(int vk);

// The code of the key a character is typed with on a US keyboard: letters of either case give
// their capital, shifted symbols share their key; 0 when the keyboard has no key for it.
quint8 vkForCharacter(char16_t c);

// What a press of a key sends: the character (0 for none) and the virtual-key code.
struct KeyCodes
{
    quint16 charCode = 0;
    quint8 vk = 0;

    bool operator==(const KeyCodes &) const = default;
};

// The codes of a key pressed on this computer, from Qt's key and the text it typed. `keypad` is
// set for keys of the number pad. Nothing for a key the device has no code for.
std::optional<KeyCodes> keyCodesForQtKey(int qtKey, const QString &text, bool keypad = false);

} // namespace velkari
