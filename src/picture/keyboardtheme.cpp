#include "keyboardtheme.h"

#include "buttonfunctions.h"

#include <algorithm>
#include <cmath>

namespace velkari {

namespace {

KeyboardTheme darkTheme()
{
    const KeyStyle plain{0xFF474E59, 0xFF5E6672, 0xFF2B3038, 0xFFF4F6F8};
    const KeyStyle function{0xFF2F353E, 0xFF414852, 0xFF1E2227, 0xFFC3CCD7};
    const KeyStyle accent{0xFF1F6BD1, 0xFF4A8BE0, 0xFF164C96, 0xFFFFFFFF};
    KeyboardTheme theme{QStringLiteral("dark"), 0xFF15181D, {}};
    theme.styles = {
        plain,                                                  // Character
        accent,                                                 // Enter
        KeyStyle{plain.face, plain.edge, plain.shade, function.text}, // Space
        function,                                               // Backspace
        function,                                               // Modifier
        KeyStyle{0xFF3A4560, 0xFF4E5A78, 0xFF262D40, 0xFFD6DEFF}, // ChangeLayout
        plain,                                                  // CalcDigit
        KeyStyle{0xFFB35A00, 0xFFCC7A2A, 0xFF7A3D00, 0xFFFFFFFF}, // CalcOperator
        function,                                               // CalcMemory
        accent,                                                 // CalcEquals
        KeyStyle{0xFF27443E, 0xFF375C54, 0xFF182C28, 0xFFC2EBDD}, // Command
    };
    return theme;
}

KeyboardTheme lightTheme()
{
    const QRgb ink = 0xFF1D2127;
    const KeyStyle plain{0xFFFFFFFF, 0xFFFFFFFF, 0xFFA9AFB8, ink};
    const KeyStyle function{0xFFB9C0CA, 0xFFCDD3DB, 0xFF8D95A1, ink};
    const KeyStyle accent{0xFF1F6BD1, 0xFF4A8BE0, 0xFF164C96, 0xFFFFFFFF};
    KeyboardTheme theme{QStringLiteral("light"), 0xFFD5D9DF, {}};
    theme.styles = {
        plain,                                                  // Character
        accent,                                                 // Enter
        KeyStyle{plain.face, plain.edge, plain.shade, 0xFF4A525D}, // Space
        function,                                               // Backspace
        function,                                               // Modifier
        KeyStyle{0xFFC9D6F2, 0xFFDCE5F8, 0xFF97A6C8, ink},      // ChangeLayout
        plain,                                                  // CalcDigit
        KeyStyle{0xFFF0A050, 0xFFF6BC80, 0xFFB87430, ink},      // CalcOperator
        function,                                               // CalcMemory
        accent,                                                 // CalcEquals
        KeyStyle{0xFFBFE3D8, 0xFFD5EDE6, 0xFF8DB8AB, ink},      // Command
    };
    return theme;
}

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(QRgb color)
{
    return 0.2126 * linearChannel(qRed(color)) + 0.7152 * linearChannel(qGreen(color))
        + 0.0722 * linearChannel(qBlue(color));
}

} // namespace

KeyRole keyRoleOf(const SkinButton &button)
{
    if (button.charCode == 13 && button.vk == 13)
        return KeyRole::Enter;
    if (button.charCode == 32 && button.vk == 32)
        return KeyRole::Space;
    if (button.charCode == 8 && button.vk == 8)
        return KeyRole::Backspace;
    if (toggleIndex(button.flags) != 0)
        return KeyRole::Modifier;
    switch (buttonKind(button.flags)) {
    case KindCharacter:
        return KeyRole::Character;
    case KindChangeLayout:
        return KeyRole::ChangeLayout;
    case KindCalculator:
        if (button.charCode <= CalcPoint)
            return KeyRole::CalcDigit;
        if (button.charCode == CalcEquals)
            return KeyRole::CalcEquals;
        if (button.charCode >= CalcMemoryClear && button.charCode <= CalcMemorySet)
            return KeyRole::CalcMemory;
        return KeyRole::CalcOperator;
    case KindTaskManager:
    case KindMacro:
    case KindShortcut:
        return KeyRole::Command;
    case KindKeyOnly:
        break;
    }
    return KeyRole::Modifier;
}

QStringList KeyboardTheme::names()
{
    return {QStringLiteral("dark"), QStringLiteral("light")};
}

std::optional<KeyboardTheme> KeyboardTheme::named(const QString &name)
{
    if (name == QLatin1String("dark"))
        return darkTheme();
    if (name == QLatin1String("light"))
        return lightTheme();
    return std::nullopt;
}

double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace velkari
