#pragma once

#include "canvasview.h"
#include "projectdocument.h"

#include <QObject>

class QWidget;

namespace velkari {

class ShapeCommands;
struct Problem;

// The commands that change the layouts and keys of the shape on view: they run the property
// dialogs on the document's records and hand what the dialogs ended with to the document, which
// decides what happens to the lists. The main window says which layout is on view and redraws
// when asked.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(ProjectDocument &document, QWidget *window);

    void setView(const ProjectView &view) { m_view = view; }

    void addLayout();
    void layoutProperties();
    void copyLayout();
    // A cell of the key grid was clicked.
    void gridCell(int id);
    // A picture dropped on the picture: the current layout's picture.
    void setPicture(const QString &path);
    // Opens the problem's key's or its layout's properties, once the window shows its layout; for
    // a row of the wrong width, shows the row and offers to fit it.
    void mend(const Problem &problem);
    void deriveShapes();
    void importLayout();
    void exportLayout();

    // What the canvas asks for besides a click: keys by keyboard and mouse, rows that add up,
    // the picture offer and the way to a layout's first rows.
    void connectCanvas(CanvasView *canvas);
    void gridCommand(CanvasView::GridCommand command, int id);
    void moveKey(int fromId, int toId);
    void fitRow(int row, bool equalWidths);
    void fixPicture(bool redraw);

Q_SIGNALS:
    // The keys of the layout on view changed; the layout list and the picture did not.
    void gridChanged();
    // Layouts, names or pictures may have changed.
    void layoutsChanged();
    // The window is to show another layout.
    void showView(const ProjectView &view);
    void note(const QString &text);
    // The project needs a file: Save As.
    void saveAsRequested();

private:
    const LayoutList &shapeLayouts() const;
    RecordPath placeOfCell(int id) const;
    void noteCopied(const QString &caption);

    ProjectDocument &m_document;
    QWidget *m_window;
    ProjectView m_view {0, 0};
    ShapeCommands *m_shapes;
};

} // namespace velkari
