#pragma once

#include <QColor>
#include <QStringList>

#include <array>
#include <optional>

namespace velkari {

struct SkinButton;

// What a key looks like it does; keys of one role share a style.
enum class KeyRole {
    Character,
    Enter,
    Space,
    Backspace,
    Modifier, // toggle buttons and keys that only send a key code
    ChangeLayout,
    CalcDigit,
    CalcOperator,
    CalcMemory,
    CalcEquals,
    Command, // task manager, macro, shortcut
};
constexpr int KeyRoleCount = 11;

// Enter, Space and Backspace are told by what they send, as the device finds them, whatever
// their function bits.
KeyRole keyRoleOf(const SkinButton &button);

struct KeyStyle
{
    QRgb face = 0;
    QRgb edge = 0;  // the lit top line
    QRgb shade = 0; // the key's lower lip
    QRgb text = 0;
};

struct KeyboardTheme
{
    QString name;
    QRgb background = 0;
    std::array<KeyStyle, KeyRoleCount> styles{};

    const KeyStyle &style(KeyRole role) const { return styles[size_t(role)]; }

    static QStringList names(); // "dark" first: the default
    static std::optional<KeyboardTheme> named(const QString &name);
};

// The WCAG contrast ratio of two opaque colours, 1 to 21; captions need 4.5 (level AA).
double contrastRatio(QRgb a, QRgb b);
constexpr double MinimumCaptionContrast = 4.5;

} // namespace velkari
