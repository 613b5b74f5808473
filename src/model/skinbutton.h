#pragma once

#include <QString>

namespace velkari {

enum ButtonFlag : quint16 {
    ButtonFlagCharacter = 0x0001,
    ButtonFlagChangeLayout = 0x0002,
    ButtonFlagNoRelease = 0x0004,
    ButtonFlagAutoToggle = 0x0010,
    ButtonFlagReturn = 0x0020,
    ButtonFlagCalculator = 0x0040,
    ButtonFlagTaskManager = 0x0080,
    ButtonFlagMacro = 0x0100,
    ButtonFlagShortcut = 0x0200,
    ButtonFlagPlaceholder = 0x0400,
};

// One key of a row. A button made with the defaults is the row's trailing "New" placeholder.
struct SkinButton
{
    SkinButton() = default;
    // A copy takes every field but the position, which the list it enters gives it.
    SkinButton(const SkinButton &other);
    SkinButton &operator=(const SkinButton &) = delete;
    ~SkinButton();

    void copyFieldsFrom(const SkinButton &other);
    bool isPlaceholder() const { return flags & ButtonFlagPlaceholder; }

    qint16 index = -1;
    QString caption;
    quint16 flags = ButtonFlagPlaceholder;
    quint16 charCode = 0;
    quint8 vk = 0;
    quint16 width = 70;
};

} // namespace velkari
