#pragma once

#include "skinproject.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace velkari {

class ProjectDocument;

// Layout Properties: edits one layout in place and ends with a ButtonDialogResult (Ok, Cancel or
// Delete) that the main window acts on. A layout that still carries LayoutFlagNew opens in add
// mode and is named from a process-wide counter at once.
class CLayoutDlg : public QDialog
{
    Q_OBJECT

public:
    CLayoutDlg(SkinLayout &layout, ProjectDocument &document, const LayoutList &shapeLayouts,
               QWidget *parent = nullptr);
    ~CLayoutDlg() override;

    bool isAddMode() const { return m_addMode; }
    // Paste Layout Info wrote into the layout.
    bool wasPasted() const { return m_pasted; }

    // The number the next automatic "Layout%02d" name will use; it only ever rises.
    static int layoutNameCounter();

    // Confirm: store every field in the layout and end with Ok, unless a row height cannot be
    // stored.
    void accept() override;
    // Cancel, Escape and the close box: drop what Paste wrote and end with Cancel. "Delete this
    // Layout" drops it too, so that a delete the main window refuses leaves the layout as it was.
    void reject() override;

protected:
    // The picture file the user picks, or an empty string when the file dialog is cancelled. It
    // starts where the picture named in the dialog is, or else beside the project.
    virtual QString choosePictureFile();
    // Where to save a drawn picture, starting at `proposed`; empty when the user cancelled.
    virtual QString choosePictureSavePath(const QString &proposed);

private:
    void createControls();
    void showLayout();
    // Rows from `kept` on show what the layout stores; those before it keep what was typed.
    void showRowHeights(int rowCount, int kept = 0);
    void browse();
    void rowCountChanged();
    void paste();
    void drawPicture();
    // Row heights and key widths from the picture the dialog names, into the layout at once (as
    // Paste writes), for OK to keep and Cancel to put back.
    void readKeys();
    // Before the dialog first writes into the layout itself: what it holds is kept for Cancel.
    void keepForCancel();
    // Copies of `rows` take the place of the layout's; its own are kept aside the first time.
    void replaceRows(const RowList &rows);
    using Heights = std::array<quint16, RowList::capacity>;
    // The layout with the rows the dialog shows and the given heights, as OK would store them.
    std::unique_ptr<SkinLayout> layoutAsShown(const Heights &heights) const;
    void restoreSaved();
    // The heights of the rows the dialog shows, or nothing once a field that does not hold one
    // has been named to the user.
    std::optional<Heights> checkedHeights();

    struct Saved;

    SkinLayout &m_layout;
    ProjectDocument &m_document;
    const LayoutList &m_shapeLayouts;
    bool m_addMode;
    bool m_pasted = false;
    // What the layout held before the first Paste or Read Keys, so that Cancel can put it back: its
    // very rows and buttons, which a copied button may refer to.
    std::unique_ptr<Saved> m_saved;

    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_pictureEdit = nullptr;
    QComboBox *m_dragUpList = nullptr;
    QComboBox *m_rowCountList = nullptr;
    std::array<QLineEdit *, RowList::capacity> m_heightEdits {};
    std::array<QCheckBox *, 6> m_flagBoxes {};
    QPushButton *m_deleteButton = nullptr;
};

} // namespace velkari
