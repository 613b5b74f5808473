#pragma once

#include "buttonfunctions.h"
#include "skinproject.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkari {

class ProjectDocument;

// The Char and VK fields: "0x" or "\x" (lower-case x) starts a hexadecimal number, anything else
// gives the code of its first character, so "13" is 0x31. The caller keeps the bits it needs.
quint32 parseCodeText(const QString &text);

// Button Properties: edits one key in place and ends with a ButtonDialogResult that the main
// window acts on. Opened on a row's placeholder it serves the "New" cell (add mode), which is
// captioned from a process-wide counter at once.
class CButtonDlg : public QDialog
{
    Q_OBJECT

public:
    // rowFull: the button's row already holds the 30 buttons it has room for, and what the dialog
    // may ask for (Insert, or OK on the row's "New" cell) would need another place.
    CButtonDlg(SkinButton &button, ProjectDocument &document, const LayoutList &shapeLayouts, bool rowFull,
               QWidget *parent = nullptr);
    ~CButtonDlg() override;

    bool isAddMode() const { return m_addMode; }
    // "Copy this button" ended the dialog; Paste Button Info wrote into the button.
    bool wasCopied() const { return m_copied; }
    bool wasPasted() const { return m_pasted; }

    // The number the next "B%02d" caption will use; it only ever rises.
    static int newButtonCounter();
    // Why a key cannot be added to a row.
    static QString rowFullText();

    // OK: store every field in the button and end with Ok, unless a field holds what the button
    // cannot store.
    void accept() override;
    // Cancel, Escape and the close box: drop what Paste wrote and end with Cancel.
    void reject() override;

protected:
    // While "Press a key..." waits, every key goes to it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static constexpr int FlagBoxCount = 9;
    static constexpr int FunctionBoxCount = 6;

    void createControls();
    void showButton();
    void refreshFunctionFields();
    void flagBoxClicked();
    void showList(const QStringList &texts, int selected);
    quint16 checkedFlags() const;
    bool refuseWhenRowFull();
    void restoreOpenedState();
    void copyButton();
    void pasteButton();
    void insertCopy(int result);
    void waitForKey(bool waiting);
    void takeKey(int qtKey, const QString &text, bool keypad);
    // Beside the VK field: the name of the key it holds.
    void showVkName();
    bool showsVk() const;

    SkinButton &m_button;
    ProjectDocument &m_document;
    const LayoutList &m_shapeLayouts;
    const bool m_rowFull;
    const bool m_addMode;
    // The button as the dialog opened it (after the automatic caption), for Cancel.
    SkinButton m_opened;
    // The kind the function fields are laid out for: an option box leaves them as typed.
    ButtonKind m_shownKind = KindKeyOnly;
    bool m_copied = false;
    bool m_pasted = false;

    QLabel *m_widthLabel = nullptr;
    QLineEdit *m_widthEdit = nullptr;
    QLineEdit *m_captionEdit = nullptr;
    std::array<QCheckBox *, FlagBoxCount> m_flagBoxes {};
    // In the order in which a flag word with several function bits is resolved.
    std::array<QCheckBox *, FunctionBoxCount> m_functionBoxes {};
    std::array<QLabel *, 3> m_fieldLabels {};
    std::array<QLineEdit *, 3> m_fieldEdits {};
    QComboBox *m_functionList = nullptr;
    QPushButton *m_insertAfterButton = nullptr;
    QPushButton *m_insertBeforeButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_pressKeyButton = nullptr;
    QLabel *m_vkName = nullptr;
    // A modifier pressed while waiting: taken when it comes up alone, dropped for the key it
    // goes with.
    int m_pendingModifier = 0;
};

} // namespace velkari
