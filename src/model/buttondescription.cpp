#include "buttondescription.h"

#include "buttonfunctions.h"

#include <QChar>

namespace velkari {

namespace {

constexpr int GridFirstId = 5000;
constexpr int GridRows = 6;
constexpr int GridColumns = 30;
constexpr int GridRowStride = 100;

// printf's "%0<digits>X": at least that many upper-case hexadecimal digits.
QString hex(uint value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QString widthLine(const SkinButton &button)
{
    return QStringLiteral("Width:") + QString::number(button.width) + u'\n';
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
                                                                : hex(button.charCode, 4);
    return QStringLiteral("Sends Char:") + shown + QStringLiteral(" and VK:") + hex(button.vk, 2)
        + u'\n' + widthLine(button);
}

QString describeChangeLayout(const SkinButton &button, const LayoutList &shapeLayouts)
{
    QString text;
    if (button.vk != 0)
        text += QStringLiteral("Sends VK:") + hex(button.vk, 2) + u'\n';
    text += QStringLiteral("Changes the layout to: ");
    // A target is a plain number that removing a layout does not update, so it may lie beyond
    // the list.
    if (button.charCode == LayoutNotSet)
        text += QStringLiteral("<Not Set>");
    else if (button.charCode < shapeLayouts.count())
        text += shapeLayouts.at(button.charCode)->name;
    else
        text += QStringLiteral("<Layout number ") + QString::number(button.charCode) + u'>';
    return text + u'\n' + widthLine(button);
}

QString describeCalculator(const SkinButton &button)
{
    // Button Properties stores 0xFFFF when no entry is selected, and a file may hold anything.
    QString name = calcKeyDescription(button.charCode);
    if (name.isEmpty())
        name = QStringLiteral("<Unknown ") + QString::number(button.charCode) + u'>';
    return QStringLiteral("Calculator Button: ") + name + u'\n' + widthLine(button);
}

QString describeTaskManager(const SkinButton &button)
{
    const QString task = QString::number(button.charCode);
    switch (button.vk) {
    case TaskClose:
        return QStringLiteral("Terminates Task number: ") + task + u'\n' + widthLine(button);
    case TaskActivate:
        return QStringLiteral("Activates Task number: ") + task + u'\n' + widthLine(button);
    case TaskCloseAll:
        return QStringLiteral("Closes all Tasks.\n") + widthLine(button);
    case TaskGoToday:
        return QStringLiteral("Shows Today Screen.\n") + widthLine(button);
    case TaskRefresh:
        return QStringLiteral("Refresh.\n") + widthLine(button);
    default:
        return QString();
    }
}

QString describeMacro(const SkinButton &button)
{
    switch (button.vk) {
    case MacroPlay:
        return QStringLiteral("Plays Macro number: ") + QString::number(button.charCode) + u'\n'
            + widthLine(button);
    case MacroRecord:
        return QStringLiteral("Records a Macro.\n") + widthLine(button);
    default:
        return QString();
    }
}

QString describeShortcut(const SkinButton &button, const QString &helpFileName)
{
    const auto folderItem = [&button](const QString &folder) {
        return QStringLiteral("Shortcut to the item number ") + QString::number(button.charCode)
            + QStringLiteral(" in the ") + folder + QStringLiteral(" folder.\n")
            + widthLine(button);
    };
    switch (button.vk) {
    case ShortcutPrograms:
        return folderItem(QStringLiteral("Programs"));
    case ShortcutGames:
        return folderItem(QStringLiteral("Games"));
    case ShortcutMyShortcuts:
        return folderItem(QStringLiteral("My Shortcuts"));
    case ShortcutOptions:
        return QStringLiteral("Shortcut to the Velkari Settings Dialogbox.\n") + widthLine(button);
    case ShortcutGoToday:
        return QStringLiteral("Shortcut to the Today Screen.\n") + widthLine(button);
    case ShortcutHelp:
        if (button.charCode == 0) {
            return QStringLiteral("Shortcut to the Contents page of Help.(") + helpFileName
                + QStringLiteral("#Main_Contents)\n") + widthLine(button);
        }
        return QStringLiteral("Shortcut to the topic \"") + helpFileName
            + QStringLiteral("#BUTTON_TOPIC") + QString::number(button.charCode)
            + QStringLiteral("\" in the help.\n") + widthLine(button);
    default:
        return QString();
    }
}

QString describeKeyOnly(const SkinButton &button)
{
    if (button.vk == 0)
        return widthLine(button);
    return QStringLiteral("Sends VK:") + hex(button.vk, 2) + u'\n' + widthLine(button);
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

QString DescribeButton(const SkinButton &button, const LayoutList &shapeLayouts,
                       const QString &helpFileName)
{
    QString text = button.caption + QStringLiteral(":\n");
    text += describeFunction(button, shapeLayouts, helpFileName);
    if (const int toggle = toggleIndex(button.flags))
        text += QStringLiteral("Toggle Button ") + QString::number(toggle) + u'\n';
    if (button.flags & ButtonFlagNoRelease)
        text += QStringLiteral("Does not cause release of down buttons\n");
    if (button.flags & ButtonFlagAutoToggle)
        text += QStringLiteral("Automatically released when a button is pressed\n");
    if (button.flags & ButtonFlagReturn)
        text += QStringLiteral("Returns to previous layout\n");
    return text;
}

QStringList DescribeKeyFunction(const SkinButton &button, const LayoutList &shapeLayouts,
                                const QString &helpFileName)
{
    SkinButton uncaptioned(button); // a caption may hold line breaks of its own
    uncaptioned.caption.clear();
    QStringList lines = DescribeButton(uncaptioned, shapeLayouts, helpFileName).split(u'\n', Qt::SkipEmptyParts);
    lines.removeFirst();
    lines.removeIf([](const QString &line) { return line.startsWith(QLatin1String("Width:")); });
    return lines;
}

QString ControlHint(int id)
{
    switch (id) {
    case 1000:
        return QStringLiteral("Select Name of Help file for this Skin.");
    case 1007:
        return QStringLiteral("Add a new Layout.");
    case 1009:
        return QStringLiteral("Change the properties of the selected Layout.");
    case 1010:
        return QStringLiteral("Open an existing Document.");
    case 1011:
        return QStringLiteral("Save the current information to the file.");
    case 1012:
        return QStringLiteral("Create the skin file.");
    case 1013:
        return QStringLiteral("Select the Orientation and Resolution.");
    case 1014:
        return QStringLiteral("Save the current information to another file.");
    case 1015:
        return QStringLiteral("Copy the current layout information to the clipboard.");
    case 1016:
        return QStringLiteral("Create a new Document.");
    case 1017:
        return QStringLiteral("Select Text Color used for Task Manager, Macros, and Calculator layouts.");
    case 1018:
        return QStringLiteral("Select Color used to high light a button.");
    case 1026:
        return QStringLiteral("Select current Layout.");
    case 1031:
        return QStringLiteral("Close Velkari Skin Editor.");
    default:
        return QString();
    }
}

QString DescribeControl(int id, const SkinLayout *currentLayout, const LayoutList *shapeLayouts,
                        const QString &helpFileName)
{
    const int offset = id - GridFirstId;
    const int row = offset / GridRowStride;
    const int column = offset % GridRowStride;
    const bool isGridCell = offset >= 0 && row < GridRows && column < GridColumns;
    if (!isGridCell)
        return ControlHint(id);

    const SkinRow *gridRow = currentLayout ? currentLayout->rows.at(row) : nullptr;
    const SkinButton *button = gridRow ? gridRow->buttons.at(column) : nullptr;
    if (!button)
        return QString();
    // A placeholder has nothing to describe; what it is for is worth saying.
    if (button->isPlaceholder())
        return QStringLiteral("Click to add a button at the end of this row.");
    static const LayoutList noLayouts;
    return DescribeButton(*button, shapeLayouts ? *shapeLayouts : noLayouts, helpFileName);
}

} // namespace velkari
