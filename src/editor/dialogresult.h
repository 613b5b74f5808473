#pragma once

namespace velkari {

// What a property dialog asks the main window to do once it has ended.
enum ButtonDialogResult : int {
    Ok = 1,
    Cancel = 2,
    Delete = 3,
    InsertAfter = 4,
    InsertBefore = 10,
};

} // namespace velkari
