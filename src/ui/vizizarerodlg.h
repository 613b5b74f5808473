#pragma once

#include "canvasview.h"
#include "crashrecovery.h"
#include "filecommands.h"
#include "gridcell.h"
#include "statusarea.h"
#include "userprompts.h"
#include "projectdocument.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace velkari {

class DialogUnits;
class EditCommands;
class EditorActions;
class HelpWindow;
class ProblemsPanel;
class PreviewWindow;
class StatusArea;
class SwatchButton;
class UserPrompts;

// The editor's main window: shows the current layout of the current screen shape of the open
// project on its canvas (a grid of buttons drawn to scale, the picture with the key map below),
// describes the control under the mouse, and turns clicks into the document's commands. The
// controls above the canvas keep their places; the canvas takes what the window gains, Close and
// the status area stay at its bottom.
class CViziZareroDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int GridLeft = 10;
    static constexpr int GridTop = 150;

    explicit CViziZareroDlg(QWidget *parent = nullptr);
    ~CViziZareroDlg() override;

    ProjectDocument &document() { return *m_document; }
    SkinProject &project() { return m_document->project(); }
    int currentShape() const { return m_currentShape; }
    int currentLayout() const { return m_currentLayout; }
    ProjectView currentView() const { return {m_currentShape, m_currentLayout}; }
    SkinLayout *currentLayoutRecord() const;
    QPushButton *gridButton(int row, int column) const { return m_canvas->cell(row, column); }
    const QImage &pictureImage() const { return m_canvas->pictureView()->picture(); }
    CanvasView *canvas() const { return m_canvas; }
    EditorActions *actions() const { return m_actions; }
    ProblemsPanel *problemsPanel() const { return m_problems; }
    // The questions the file commands ask; tests answer them from a script.
    void setPrompts(std::unique_ptr<UserPrompts> prompts);
    PreviewWindow *previewWindow() const { return m_previewWindow; }

    void fullRefresh();
    void layoutSelected();
    // After every edit of the current layout: the canvas shows it anew and says so
    // (CanvasView::refreshed).
    void gridRefresh();
    void pictureRefresh();
    // One tick of the hover timer: describes the control under the mouse when it changed.
    void hoverTick() { m_status->hoverTick(); }
    // A note in the status area, kept until the mouse moves to another control, and whenever the
    // mouse is over nothing it describes.
    void showStatus(const QString &text) { m_status->showNote(text); }

    // Opens a project file as Open does after its dialog (the editor's command line).
    void openProjectFile(const QString &path);
    // Opens a project file as Open does, the question about unsaved changes included (a file
    // dropped on the window, a recent project).
    void openWithQuestion(const QString &path);
    // Offers the recovery copies that an editor left behind; run once the window is shown.
    void offerRecovery() { OfferRecoveryCopies(*m_document, *m_prompts); }

    // The commands, as the window's buttons run them.
    void commandNew() { runFileCommand(ProjectNew); }
    void commandOpen() { runFileCommand(ProjectOpen); }
    void commandSave() { runFileCommand(ProjectSave); }
    void commandSaveAs() { runFileCommand(ProjectSaveAs); }
    void commandCreateSkin() { runFileCommand(CreateSkin); }
    void commandClose();
    void showHelp();
    void showProblems();
    void showPreview();

    // Only Close and the window's close box end the editor.
    void reject() override {}
    void accept() override {}

protected:
    // Where the hover description looks; tests may answer without moving the mouse.
    virtual QWidget *widgetUnderMouse() const;

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls(const DialogUnits &units);
    void connectDocument();
    // Lays the page out for its size: Close and the status area follow the bottom edge, the
    // canvas takes the rest.
    void placeControls();
    void finishClose();
    QPushButton *addButton(int id, const QString &caption, const QRect &rect);
    // Runs a command; a file error ends it with a stop-icon message, the window carries on.
    bool runCommand(const std::function<void()> &command);
    void runFileCommand(void (*command)(ProjectDocument &, DocumentPrompts &));
    bool confirmClose();
    void chooseColor(quint32 color, bool (ProjectDocument::*store)(quint32));
    void documentChanged(const DocumentChange &change);
    void showView(const ProjectView &view);
    void showProjectSettings();
    QStringList workFiles() const;
    const LayoutList *currentShapeLayouts() const;

    ProjectDocument *m_document;
    std::unique_ptr<UserPrompts> m_prompts;
    EditCommands *m_edits;
    int m_currentShape = 0;
    int m_currentLayout = -1;
    bool m_closing = false;

    QComboBox *m_shapeList = nullptr;
    QComboBox *m_layoutList = nullptr;
    SwatchButton *m_textColorButton = nullptr;
    SwatchButton *m_highlightColorButton = nullptr;
    QLineEdit *m_helpFileEdit = nullptr;
    StatusArea *m_status = nullptr;
    QPushButton *m_closeButton = nullptr;
    CanvasView *m_canvas = nullptr;
    // Everything lives on one page, which scrolls only on a screen smaller than the template.
    QWidget *m_page = nullptr;
    QSize m_templateSize;
    QRect m_closeRect;
    QRect m_statusRect;
    int m_canvasTop = 0;
    HelpWindow *m_helpWindow = nullptr;
    ProblemsPanel *m_problems = nullptr;
    PreviewWindow *m_previewWindow = nullptr;
    EditorActions *m_actions = nullptr;
};

} // namespace velkari
