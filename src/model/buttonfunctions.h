#pragma once

#include "skinbutton.h"

#include <QStringList>

namespace velkari {

// What a key does when pressed, decided by the six function bits of its flag word.
enum ButtonKind {
    KindCharacter,
    KindChangeLayout,
    KindCalculator,
    KindTaskManager,
    KindMacro,
    KindShortcut,
    KindKeyOnly,
};

// The bits of the flag word that name a function (as opposed to the options and the toggle number).
constexpr quint16 ButtonFunctionFlags = ButtonFlagCharacter | ButtonFlagChangeLayout
    | ButtonFlagCalculator | ButtonFlagTaskManager | ButtonFlagMacro | ButtonFlagShortcut;

// A word with several function bits is resolved by one fixed priority: Character, Change Layout,
// Calculator, Task Manager, Macro, Shortcut; none of them means a key that only sends its vk.
ButtonKind buttonKind(quint16 flags);

// The toggle button number 1-15 kept in the top four bits; 0 when the key is not a toggle button.
int toggleIndex(quint16 flags); // flags >> 12

// The charCode of a Change Layout key that has no target.
constexpr quint16 LayoutNotSet = 0xFFFF;

// charCode of a Calculator key.
enum CalcKey : int {
    CalcDigit0,
    CalcDigit1,
    CalcDigit2,
    CalcDigit3,
    CalcDigit4,
    CalcDigit5,
    CalcDigit6,
    CalcDigit7,
    CalcDigit8,
    CalcDigit9,
    CalcPoint,
    CalcAdd,
    CalcSubtract,
    CalcMultiply,
    CalcDivide,
    CalcEquals,
    CalcSquareRoot,
    CalcReciprocal,
    CalcPercent,
    CalcChangeSign,
    CalcBack,
    CalcClear,
    CalcClearEntry,
    CalcToggleComma,
    CalcMemoryClear,
    CalcMemoryRecall,
    CalcMemoryAdd,
    CalcMemorySet,
    CalcPower,
    CalcRoot,
    CalcExp,
    CalcPi,
    CalcMod,
    CalcLn,
    CalcFactorial,
    CalcSquare,
    CalcLog,
    CalcCopy,
    CalcPaste,
    CalcDisplay,
};
constexpr int CalcKeyCount = 40;

// vk of a Task Manager key; charCode is the task number.
enum TaskAction : int { TaskClose, TaskActivate, TaskCloseAll, TaskGoToday, TaskRefresh };
constexpr int TaskActionCount = 5;

// vk of a Macro key; charCode is the macro number.
enum MacroAction : int { MacroPlay, MacroRecord };
constexpr int MacroActionCount = 2;

// vk of a Shortcut key; charCode is the item number, or for Help the topic (0 = contents page).
enum ShortcutType : int {
    ShortcutPrograms,
    ShortcutGames,
    ShortcutMyShortcuts,
    ShortcutOptions,
    ShortcutGoToday,
    ShortcutHelp,
};
constexpr int ShortcutTypeCount = 6;

// The texts the Button Properties dialog offers, in code order: the list position is the code.
QStringList calcKeyListTexts();
QStringList taskActionListTexts();
QStringList macroActionListTexts();
QStringList shortcutTypeListTexts();

// The name a description gives a calculator key; it differs from the list text only at code 39.
// Empty for a code outside 0-39.
QString calcKeyDescription(int code);

} // namespace velkari
