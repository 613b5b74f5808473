#include "buttondescription.h"

#include "buttonfunctions.h"

#include <QChar>
#include <QCoreApplication>

namespace velkari {

namespace {

// Shown in the editor's language; the command-line tool installs no translator and keeps the English.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ButtonDescription)
};

QString widthText(const SkinButton &button)
{
    return Text::tr("Width:%1").arg(button.width);
}

QString widthLine(const SkinButton &button)
{
    return widthText(button) + u'\n';
}

// A lone surrogate is half of a character, never one to show; QChar::isPrint gives false for
// it as well, but the rule is ours and not the classification's.
bool isPrintableCharacter(quint16 code)
{
    const QChar character(code);
    return !character.isSurrogate() && character.isPrint();
}

QString describeCharacter(const SkinButton &button)
{
    const QString shown = isPrintableCharacter(button.charCode) ? QString(QChar(button.charCode))
                                                                : hexDigits(button.charCode, 4);
    return Text::tr("Sends Char:%1 and VK:%2").arg(shown, hexDigits(button.vk, 2)) + u'\n' + widthLine(button);
}

QString describeChangeLayout(const SkinButton &button, const LayoutList &shapeLayouts)
{
    QString text;
    if (button.vk != 0)
        text += Text::tr("Sends VK:%1").arg(hexDigits(button.vk, 2)) + u'\n';
    // A target is a plain number that removing a layout does not update, so it may lie beyond
    // the list.
    QString target;
    if (button.charCode == LayoutNotSet)
        target = Text::tr("<Not Set>");
    else if (button.charCode < shapeLayouts.count())
        target = shapeLayouts.at(button.charCode)->name;
    else
        target = Text::tr("<Layout number %1>").arg(button.charCode);
    return text + Text::tr("Changes the layout to: %1").arg(target) + u'\n' + widthLine(button);
}

QString describeCalculator(const SkinButton &button)
{
    // Button Properties stores 0xFFFF when no entry is selected, and a file may hold anything.
    QString name = calcKeyDescription(button.charCode);
    if (name.isEmpty())
        name = Text::tr("<Unknown %1>").arg(button.charCode);
    return Text::tr("Calculator Button: %1").arg(name) + u'\n' + widthLine(button);
}

QString describeTaskManager(const SkinButton &button)
{
    const QString task = QString::number(button.charCode);
    switch (button.vk) {
    case TaskClose:
        return Text::tr("Terminates Task number: %1").arg(task) + u'\n' + widthLine(button);
    case TaskActivate:
        return Text::tr("Activates Task number: %1").arg(task) + u'\n' + widthLine(button);
    case TaskCloseAll:
        return Text::tr("Closes all Tasks.") + u'\n' + widthLine(button);
    case TaskGoToday:
        return Text::tr("Shows Today Screen.") + u'\n' + widthLine(button);
    case TaskRefresh:
        return Text::tr("Refresh.") + u'\n' + widthLine(button);
    default:
        return QString();
    }
}

QString describeMacro(const SkinButton &button)
{
    switch (button.vk) {
    case MacroPlay:
        return Text::tr("Plays Macro number: %1").arg(button.charCode) + u'\n' + widthLine(button);
    case MacroRecord:
        return Text::tr("Records a Macro.") + u'\n' + widthLine(button);
    default:
        return QString();
    }
}

QString describeShortcut(const SkinButton &button, const QString &helpFileName)
{
    const auto folderItem = [&button](const QString &folder) {
        return Text::tr("Shortcut to the item number %1 in the %2 folder.")
                   .arg(QString::number(button.charCode), folder)
            + u'\n' + widthLine(button);
    };
    switch (button.vk) {
    case ShortcutPrograms:
        return folderItem(Text::tr("Programs"));
    case ShortcutGames:
        return folderItem(Text::tr("Games"));
    case ShortcutMyShortcuts:
        return folderItem(Text::tr("My Shortcuts"));
    case ShortcutOptions:
        return Text::tr("Shortcut to the Velkari Settings Dialogbox.") + u'\n' + widthLine(button);
    case ShortcutGoToday:
        return Text::tr("Shortcut to the Today Screen.") + u'\n' + widthLine(button);
    case ShortcutHelp:
        if (button.charCode == 0)
            return Text::tr("Shortcut to the Contents page of Help.(%1#Main_Contents)").arg(helpFileName) + u'\n'
                + widthLine(button);
        return Text::tr("Shortcut to the topic \"%1#BUTTON_TOPIC%2\" in the help.")
                   .arg(helpFileName, QString::number(button.charCode))
            + u'\n' + widthLine(button);
    default:
        return QString();
    }
}

QString describeKeyOnly(const SkinButton &button)
{
    if (button.vk == 0)
        return widthLine(button);
    return Text::tr("Sends VK:%1").arg(hexDigits(button.vk, 2)) + u'\n' + widthLine(button);
}

QString describeFunction(const SkinButton &button, const LayoutList &shapeLayouts,
                         const QString &helpFileName)
{
    switch (buttonKind(button.flags)) {
    case KindCharacter:
        return describeCharacter(button);
    case KindChangeLayout:
        return describeChangeLayout(button, shapeLayouts);
    case KindCalculator:
        return describeCalculator(button);
    case KindTaskManager:
        return describeTaskManager(button);
    case KindMacro:
        return describeMacro(button);
    case KindShortcut:
        return describeShortcut(button, helpFileName);
    case KindKeyOnly:
        break;
    }
    return describeKeyOnly(button);
}

} // namespace

QString hexDigits(quint64 value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QString DescribeButton(const SkinButton &button, const LayoutList &shapeLayouts,
                       const QString &helpFileName)
{
    QString text = button.caption + QStringLiteral(":\n");
    text += describeFunction(button, shapeLayouts, helpFileName);
    if (const int toggle = toggleIndex(button.flags))
        text += Text::tr("Toggle Button %1").arg(toggle) + u'\n';
    if (button.flags & ButtonFlagNoRelease)
        text += Text::tr("Does not cause release of down buttons") + u'\n';
    if (button.flags & ButtonFlagAutoToggle)
        text += Text::tr("Automatically released when a button is pressed") + u'\n';
    if (button.flags & ButtonFlagReturn)
        text += Text::tr("Returns to previous layout") + u'\n';
    return text;
}

QStringList describeKeyFunction(const SkinButton &button, const LayoutList &shapeLayouts,
                                const QString &helpFileName)
{
    SkinButton uncaptioned(button); // a caption may hold line breaks of its own
    uncaptioned.caption.clear();
    QStringList lines = DescribeButton(uncaptioned, shapeLayouts, helpFileName).split(u'\n', Qt::SkipEmptyParts);
    lines.removeFirst();
    lines.removeAll(widthText(button));
    return lines;
}

} // namespace velkari
