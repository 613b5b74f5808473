#pragma once

#include "projectdocument.h"

#include <QObject>

class QWidget;

namespace velkari {

struct Problem;

// The commands that make or mend whole layouts: Derive Shapes, Import Layout, Export Layout, and
// Fit offered for a row of the wrong width. Each asks what it needs in dialogs owned by the
// window and hands the change to the document as one step.
class ShapeCommands : public QObject
{
    Q_OBJECT

public:
    ShapeCommands(ProjectDocument &document, QWidget *window, QObject *parent = nullptr);

    // From the layouts of a shape the user picks (proposing `shape`), the layouts of others.
    void deriveShapes(int shape);
    // A layout from a keyboard-layout-editor.com file, added to `shape` with its picture drawn.
    void importLayout(int shape);
    void exportLayout(const ProjectView &view);
    // For a row-width or layout-width problem whose layout is on view: shows the row and offers
    // to fit it to the width it needs.
    void offerFit(const Problem &problem);

Q_SIGNALS:
    void layoutsChanged();
    void showView(const ProjectView &view);
    void note(const QString &text);
    // The project needs a file (its pictures go beside it): Save As, which the window runs.
    void saveAsRequested();

private:
    // True once the project has a file, after Save As if need be.
    bool haveProjectFile();
    // The keyboard-layout-editor.com file to import; empty when the user cancelled.
    QString chooseLayoutFile();
    // Draws the imported layout's picture beside the project and points the layout at it; false,
    // having said why, when it cannot be or the user keeps the file in its way.
    bool drawImportedPicture(SkinLayout &layout, int shape, int position);
    void warn(const QString &title, const QString &text);
    // The first cell of the row on view takes the focus, scrolled into view.
    void showRow(int row);

    ProjectDocument &m_document;
    QWidget *m_window;
};

} // namespace velkari
