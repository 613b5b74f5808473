#include "controlhints.h"

#include "buttondescription.h"
#include "controlids.h"

#include <QCoreApplication>

namespace velkari {

namespace {

// The hints kept their translation context when they moved here from the key descriptions.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ButtonDescription)
};

} // namespace

QString controlHint(int id)
{
    switch (id) {
    case IdHelpFileName:
        return Text::tr("Select Name of Help file for this Skin.");
    case IdAddLayout:
        return Text::tr("Add a new Layout.");
    case IdLayoutProperties:
        return Text::tr("Change the properties of the selected Layout.");
    case IdOpen:
        return Text::tr("Open an existing Document.");
    case IdSave:
        return Text::tr("Save the current information to the file.");
    case IdCreateSkin:
        return Text::tr("Create the skin file.");
    case IdShapeList:
        return Text::tr("Select the Orientation and Resolution.");
    case IdSaveAs:
        return Text::tr("Save the current information to another file.");
    case IdCopyLayout:
        return Text::tr("Copy the current layout information to the clipboard.");
    case IdNew:
        return Text::tr("Create a new Document.");
    case IdTextColor:
        return Text::tr("Select Text Color used for Task Manager, Macros, and Calculator layouts.");
    case IdHighlightColor:
        return Text::tr("Select Color used to high light a button.");
    case IdLayoutList:
        return Text::tr("Select current Layout.");
    case IdClose:
        return Text::tr("Close Velkari Skin Editor.");
    case IdDeriveShapes:
        return Text::tr("Make the layouts of other shapes from those of one shape, scaled to their screens, with "
                        "their pictures.");
    case IdImportLayout:
        return Text::tr("Add a layout from a keyboard-layout-editor.com file to this shape, with its picture drawn.");
    case IdExportLayout:
        return Text::tr("Save the current layout as a keyboard-layout-editor.com file.");
    default:
        return QString();
    }
}

QString DescribeControl(int id, const SkinLayout *currentLayout, const LayoutList *shapeLayouts,
                        const QString &helpFileName)
{
    const std::optional<GridCellId> cell = GridCellId::decode(id);
    if (!cell)
        return controlHint(id);

    const SkinRow *gridRow = currentLayout ? currentLayout->rows.at(cell->row) : nullptr;
    const SkinButton *button = gridRow ? gridRow->buttons.at(cell->column) : nullptr;
    if (!button)
        return QString();
    // A placeholder has nothing to describe; what it is for is worth saying.
    if (button->isPlaceholder())
        return Text::tr("Click to add a button at the end of this row.");
    static const LayoutList noLayouts;
    return DescribeButton(*button, shapeLayouts ? *shapeLayouts : noLayouts, helpFileName);
}

} // namespace velkari
