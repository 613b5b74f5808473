#include "buttonfunctions.h"

#include <QCoreApplication>

namespace velkari {

namespace {

// The words are shown in the editor's language; the symbols are the same in every language and
// are not offered for translation.
constexpr const char *CalcKeyTexts[CalcKeyCount] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    ".", "+", "-", "*", "/", "=",
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Square Root"),
    "1/x", "%", "\u00B1",
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Back"),
    "C", "CE",
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Toggle Comma"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Memory Clear (MC)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Memory Recall (MR)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Memory Add (M+)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Memory Set (MS)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Power (X^Y)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Root (X^(1/Y))"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Exp (e^x)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Pi"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Mod"),
    "ln",
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Fact (!)"),
    "X^2", "log",
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Copy (Ctrl+C)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Paste (Ctrl+V)"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Display"),
};

constexpr const char *TaskActionTexts[TaskActionCount] = {
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Close Task"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Activate Task"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Close All"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Go Today"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Refresh"),
};

constexpr const char *MacroActionTexts[MacroActionCount] = {
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Play Macro"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Record Macro"),
};

constexpr const char *ShortcutTypeTexts[ShortcutTypeCount] = {
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Programs"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Games"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "My Shortcuts"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Options"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Go Today"),
    QT_TRANSLATE_NOOP("velkari::ButtonFunctions", "Help"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate("velkari::ButtonFunctions", text);
}

template <std::size_t N>
QStringList toList(const char *const (&texts)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *text : texts)
        list << translated(text);
    return list;
}

} // namespace

ButtonKind buttonKind(quint16 flags)
{
    // The order of this table is the priority: the first set bit decides.
    static constexpr struct {
        quint16 flag;
        ButtonKind kind;
    } Priority[] = {
        {ButtonFlagCharacter, KindCharacter},
        {ButtonFlagChangeLayout, KindChangeLayout},
        {ButtonFlagCalculator, KindCalculator},
        {ButtonFlagTaskManager, KindTaskManager},
        {ButtonFlagMacro, KindMacro},
        {ButtonFlagShortcut, KindShortcut},
    };
    for (const auto &entry : Priority) {
        if (flags & entry.flag)
            return entry.kind;
    }
    return KindKeyOnly;
}

int toggleIndex(quint16 flags)
{
    return flags >> 12;
}

QStringList calcKeyListTexts()
{
    return toList(CalcKeyTexts);
}

QString calcKeyDescription(int code)
{
    if (code < 0 || code >= CalcKeyCount)
        return QString();
    if (code == CalcDisplay)
        return QCoreApplication::translate("velkari::ButtonFunctions", "Write the displayed number");
    return translated(CalcKeyTexts[code]);
}

QStringList taskActionListTexts()
{
    return toList(TaskActionTexts);
}

QStringList macroActionListTexts()
{
    return toList(MacroActionTexts);
}

QStringList shortcutTypeListTexts()
{
    return toList(ShortcutTypeTexts);
}

} // namespace velkari
