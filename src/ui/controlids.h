#pragma once

#include "dialogresult.h"

#include <optional>

namespace velkari {

// The numbers by which the hover description, the tests and the windows themselves know each
// control: one list per window, kept here alone.

enum MainWindowId : int {
    IdHelpFileName = 1000,
    IdAddLayout = 1007,
    IdLayoutProperties = 1009,
    IdOpen = 1010,
    IdSave = 1011,
    IdCreateSkin = 1012,
    IdShapeList = 1013,
    IdSaveAs = 1014,
    IdCopyLayout = 1015,
    IdNew = 1016,
    IdTextColor = 1017,
    IdHighlightColor = 1018,
    IdLayoutList = 1026,
    IdLayoutPicture = 1029,
    IdStatus = 1030,
    IdClose = 1031,
    IdProblems = 1032,
    IdTrySkin = 1042,
    IdDeriveShapes = 1050,
    IdImportLayout = 1051,
    IdExportLayout = 1052,
    IdHelp = 57670,
};

// Button Properties; its push buttons that end the dialog are the ButtonDialogResult they give.
enum ButtonDialogId : int {
    IdButtonCopy = 11,
    IdButtonPaste = 12,
    IdButtonWidth = 1007,
    IdButtonField1 = 1009,
    IdButtonField2 = 1010,
    IdButtonField3 = 1011,
    IdButtonCaption = 1025,
    IdButtonFunctionList = 1026,
    IdButtonFieldLabel1 = 1027,
    IdButtonFieldLabel2 = 1028,
    IdButtonFieldLabel3 = 1029,
    IdButtonPressKey = 1030,
    IdButtonVkName = 1031,
    IdButtonCharacter = 2001,
    IdButtonChangeLayout = 2002,
    IdButtonNoRelease = 2003,
    IdButtonAutoToggle = 2005,
    IdButtonReturn = 2006,
    IdButtonCalculator = 2007,
    IdButtonTaskManager = 2008,
    IdButtonMacro = 2009,
    IdButtonShortcut = 2010,
};

// Layout Properties; "Delete this Layout" is Delete (3), OK and Cancel are Ok and Cancel.
enum LayoutDialogId : int {
    IdLayoutBrowse = 4,
    IdLayoutPaste = 5,
    IdLayoutDrawPicture = 6,
    IdLayoutReadKeys = 7,
    IdLayoutRowCount = 1004,
    IdLayoutFirstHeight = 1008, // the six height fields are 1008 to 1013
    IdLayoutName = 1014,
    IdLayoutPictureName = 1015,
    IdLayoutTaskManager = 1016,
    IdLayoutCalculator = 1017,
    IdLayoutResetOnShow = 1018,
    IdLayoutResetOnHide = 1019,
    IdLayoutMacros = 1020,
    IdLayoutShortcuts = 1021,
    IdLayoutDragUp = 1026,
};

// Derive Shapes; OK and Cancel are Ok and Cancel.
enum DeriveShapesDialogId : int {
    IdDeriveSource = 1001,
    IdDeriveFitSource = 1002,
    IdDeriveFirstTarget = 1010, // a box for each shape, 1010 + its ScreenShape
};

// The cells of the main window's key grid: 5000 + 100 * row + column.
struct GridCellId
{
    static constexpr int Rows = 6;
    static constexpr int Columns = 30;
    static constexpr int First = 5000;
    static constexpr int RowStride = 100;

    int row = 0;
    int column = 0;

    static constexpr int encode(int row, int column) { return First + RowStride * row + column; }
    int id() const { return encode(row, column); }
    // Nothing for an id that is not one of the 180 cells.
    static constexpr std::optional<GridCellId> decode(int id)
    {
        const int offset = id - First;
        if (offset < 0 || offset / RowStride >= Rows || offset % RowStride >= Columns)
            return std::nullopt;
        return GridCellId{offset / RowStride, offset % RowStride};
    }
};

} // namespace velkari
