#pragma once

#include "copiedrecords.h"
#include "derivedpictures.h"
#include "keymaplayout.h"
#include "projecthistory.h"
#include "recoverystore.h"
#include "shapederive.h"
#include "skinproject.h"

#include <QObject>

#include <memory>

class QAction;
class QUndoStack;

namespace velkari {

class CrashRecovery;
struct LoadReport;

// What a change did, for the views that follow the document.
struct DocumentChange
{
    enum class Kind {
        Edit,    // one of the intents below, or what a cancelled dialog left behind
        Restore, // undo or redo: `view` is the layout to show
        Replace, // New, Open, a recovery copy: everything is new
    };

    Kind kind = Kind::Edit;
    ProjectView view;
    bool newProject = false; // Replace: an empty project, not a file's
};

// The document of the one open project: it owns the project, its undo history, the copied layout
// and key, its recovery copy and its settings, and offers one method per thing a user does. Each
// such method makes one step of the history and one `changed` signal; "modified" is the history's
// clean state and nothing else. The property dialogs edit the record they are handed in place;
// what happens to the lists after a dialog ends is decided here.
class ProjectDocument : public QObject
{
    Q_OBJECT

public:
    explicit ProjectDocument(QObject *parent = nullptr, const QString &recoveryFolder = RecoveryStore::defaultFolder());
    ~ProjectDocument() override;

    SkinProject &project() { return m_project; }
    const SkinProject &project() const { return m_project; }
    const QString &path() const { return m_project.projectPath; }
    bool isModified() const;
    QUndoStack *undoStack() const;
    CrashRecovery &recovery() const { return *m_recovery; }

    SkinLayout *layout(int shape, int index);
    SkinButton *button(const RecordPath &place);

    // The layout on view, which a step shows again when it is undone or redone unless it names
    // another.
    void setView(const ProjectView &view) { m_view = view; }

    // Copy Layout and Copy this button: references to the live records, so that a paste copies
    // them as they are then; nothing once the record is gone.
    SkinLayout *copiedLayout();
    SkinButton *copiedButton();
    void copyLayout(const SkinLayout *layout);
    void copyButton(const SkinButton *button);

    // Keys. A place names a key of a row of a layout.
    // Button Properties ended with `result` on the key at `place`, which it has edited in place;
    // `addMode`: it was opened on a "New" cell.
    bool finishButtonDialog(const RecordPath &place, int result, bool addMode, bool pasted);
    // A copy of the key, after it or before it; false when the row is full.
    bool insertButtonCopy(const RecordPath &place, bool after);
    // False for a row's only button and for the "New" cell, which stays the row's last.
    bool removeButton(const RecordPath &place);
    // The row already holds the 30 buttons it has room for, and what Button Properties may ask
    // for on the key at `place` (Insert, or OK on the row's last "New" cell) needs another place.
    bool rowIsFullFor(const RecordPath &place);

    // Moves the key to `to`, in its row or another of the layout, the keys behind both places
    // closing up and making room; a place at the end of a row puts it before the "New" cell.
    // False for the "New" cell, a place outside the layout and a full row.
    bool moveButton(const RecordPath &from, const RecordPath &to);
    // Paste Button Info without the dialog: the copied key's fields into the key at `place`; on
    // the "New" cell the pasted key is confirmed there, as OK would.
    bool pasteButton(const RecordPath &place);

    // Layouts.
    // Add Layout refuses the 20th layout of a shape.
    bool canAddLayout(int shape) const;
    // A layout confirmed in Layout Properties goes last; the current layout stays as it is.
    bool addLayout(int shape, std::unique_ptr<SkinLayout> layout);
    // Layout Properties ended with `result` on the layout, which it has edited in place.
    bool finishLayoutDialog(int shape, int index, int result, bool pasted);
    // False for a shape's only layout.
    bool removeLayout(int shape, int index);
    bool setPicture(int shape, int index, const QString &path);

    // Rows that add up. A layout of -1 means every layout of the shape, a row of -1 every row of
    // the layout. Rows whose keys add up to 0 are left alone and reported.
    FitReport fitRows(int shape, int layout = -1, int row = -1);
    FitReport equalRowWidths(int shape, int layout, int row);

    // The layouts of `from` made anew in every shape of `targets`, with their pictures; nothing
    // changes when a target is in use and `replaceShapesInUse` is not given (report.refused()).
    // With `fitSource` the rows of `from` are first fitted to its own screen, and a layout of
    // `from` without a readable picture loses the empty rows at its end and gets a picture drawn,
    // so that all the shapes come out whole.
    // Pictures are drawn into the project's pictures folder (the project must have a file) in the
    // theme of the project's pictures, else `fallbackTheme`. A picture that cannot be written is
    // named among the pictures' problems; the layouts are derived all the same.
    struct Derived
    {
        DeriveReport report;
        FitReport sourceFitted;
        int emptyRowsRemoved = 0; // from the source, before deriving
        DerivedPictures pictures; // those drawn for `from` included
    };
    Derived deriveShapes(int from, const QList<int> &targets, bool replaceShapesInUse,
                         const KeyboardTheme &fallbackTheme, bool fitSource = false);

    // A picture whose size differs from the keys': drawn again from the keys (a picture the
    // painter drew), or the author's scaled into a new file. The problem, empty when it was done.
    QString redrawPicture(int shape, int index, const KeyboardTheme &fallbackTheme);
    QString scalePicture(int shape, int index);

    // A layout brought in from elsewhere: appended, or in place of a new project's empty
    // "Layout00". Its position, or -1 when the shape has no room.
    int importLayout(int shape, std::unique_ptr<SkinLayout> layout);
    // Row heights and key widths from a key map read off a picture; an empty map changes nothing.
    KeyMapReport readKeys(int shape, int index, const PictureKeyMap &map);

    // Project settings. Keystrokes in the help file name join one step until sealed.
    bool setTextColor(quint32 color);
    bool setHighlightColor(quint32 color);
    bool setHelpFileName(const QString &name);
    void sealHelpFileName();

    void undo();
    void redo();
    // Undo and Redo as actions named after their step ("Undo Delete Layout"), enabled when there
    // is one.
    QAction *createUndoAction(QObject *parent) const;
    QAction *createRedoAction(QObject *parent) const;

    // For the file commands: the project replaced by a new one, by a file's, or by a recovery
    // copy, and the project saved.
    void replaceWithNew();
    // False, with the project as it was, when the file is not a project.
    bool replaceFromFile(const QString &path, LoadReport *report);
    // False, with the project as it was, when the copy cannot be read; `damage` then says where a
    // damaged copy is damaged.
    bool replaceFromRecovery(const RecoveryStore::Copy &copy, QString *damage = nullptr);
    // Raises FileError; the project keeps its file when the save fails.
    void saveTo(const QString &path);
    // The project may have been written, unchanged, as a skin.
    void reportSkinWritten(const QString &skinPath, qint64 bytes);

Q_SIGNALS:
    void changed(const DocumentChange &change);
    void modifiedChanged(bool modified);
    // The project's file changed name: opened, saved under a new name, or none (New).
    void pathChanged(const QString &path);
    void skinWritten(const QString &skinPath, int layoutCount, qint64 bytes);

private:
    // One step of the history for the change just made; false when the project holds what it held.
    bool commit(EditStep step);
    // What a dialog left in the project without a step of its own.
    void absorb(const ProjectView &view);
    void replaced(bool newProject);
    void setPath(const QString &path);
    bool commitFit(const FitReport &report, int shape, int layout, const QString &action);
    // Draws a picture for every layout of the shape that has none that can be read.
    void drawMissingPictures(int shape, const KeyboardTheme &theme, DerivedPictures &pictures);

    SkinProject m_project;
    CopiedRecords m_copied;
    ProjectHistory *m_history;
    CrashRecovery *m_recovery;
    ProjectView m_view {0, 0};
};

// Keystrokes in the help file name field join one step until the field is left.
constexpr int HelpFileNameMergeId = 1;

} // namespace velkari

Q_DECLARE_METATYPE(velkari::DocumentChange)
