#include "buttonfunctions.h"

#include <QStringView>

namespace velkari {

namespace {

constexpr QStringView CalcKeyTexts[CalcKeyCount] = {
    u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9",
    u".", u"+", u"-", u"*", u"/", u"=",
    u"Square Root", u"1/x", u"%", u"\u00B1", u"Back", u"C", u"CE", u"Toggle Comma",
    u"Memory Clear (MC)", u"Memory Recall (MR)", u"Memory Add (M+)", u"Memory Set (MS)",
    u"Power (X^Y)", u"Root (X^(1/Y))", u"Exp (e^x)", u"Pi", u"Mod", u"ln", u"Fact (!)", u"X^2",
    u"log", u"Copy (Ctrl+C)", u"Paste (Ctrl+V)", u"Display",
};

constexpr QStringView TaskActionTexts[TaskActionCount] = {
    u"Close Task", u"Activate Task", u"Close All", u"Go Today", u"Refresh",
};

constexpr QStringView MacroActionTexts[MacroActionCount] = {u"Play Macro", u"Record Macro"};

constexpr QStringView ShortcutTypeTexts[ShortcutTypeCount] = {
    u"Programs", u"Games", u"My Shortcuts", u"Options", u"Go Today", u"Help",
};

template <std::size_t N>
QStringList toList(const QStringView (&texts)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (QStringView text : texts)
        list << text.toString();
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
        return QStringLiteral("Write the displayed number");
    return CalcKeyTexts[code].toString();
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
