#include "editcommands.h"

#include "buttondlg.h"
#include "controlids.h"
#include "editorsettings.h"
#include "fileerror.h"
#include "layoutdlg.h"
#include "problem.h"
#include "projecttexts.h"
#include "shapecommands.h"

#include <QMessageBox>

namespace velkari {

EditCommands::EditCommands(ProjectDocument &document, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_window(window)
    , m_shapes(new ShapeCommands(document, window, this))
{
    connect(m_shapes, &ShapeCommands::layoutsChanged, this, &EditCommands::layoutsChanged);
    connect(m_shapes, &ShapeCommands::showView, this, &EditCommands::showView);
    connect(m_shapes, &ShapeCommands::note, this, &EditCommands::note);
    connect(m_shapes, &ShapeCommands::saveAsRequested, this, &EditCommands::saveAsRequested);
}

const LayoutList &EditCommands::shapeLayouts() const
{
    return m_document.project().layoutList(qBound(0, m_view.shape, ScreenShapeCount - 1));
}

void EditCommands::addLayout()
{
    if (!m_document.canAddLayout(m_view.shape)) {
        QMessageBox::critical(m_window, tr("Error:"), tr("Too many Layouts!"));
        return;
    }
    auto layout = std::make_unique<SkinLayout>();
    CLayoutDlg dialog(*layout, m_document, shapeLayouts(), m_window);
    const QString name = layout->name;
    const bool added = dialog.exec() == Ok && m_document.addLayout(m_view.shape, std::move(layout));
    Q_EMIT layoutsChanged();
    // The layout on view stays: the new one would otherwise go unnoticed at the end of the list.
    if (added)
        Q_EMIT note(tr("Added the layout \"%1\" at the end of \"Current Layout\"; choose it there to give it keys.")
                        .arg(name));
}

void EditCommands::layoutProperties()
{
    SkinLayout *layout = m_document.layout(m_view.shape, m_view.layout);
    if (!layout)
        return;
    CLayoutDlg dialog(*layout, m_document, shapeLayouts(), m_window);
    const int result = dialog.exec();
    m_document.finishLayoutDialog(m_view.shape, m_view.layout, result, dialog.wasPasted());
    // Also after Cancel and a refused delete: the grid never shows what the layout lacks.
    Q_EMIT layoutsChanged();
}

void EditCommands::copyLayout()
{
    const SkinLayout *layout = m_document.layout(m_view.shape, m_view.layout);
    m_document.copyLayout(layout);
    if (layout)
        Q_EMIT note(tr("Copied the layout \"%1\". \"Paste Layout Info\" in the Layout Properties of another "
                       "layout puts it there.")
                        .arg(layout->name));
}

RecordPath EditCommands::placeOfCell(int id) const
{
    const std::optional<GridCellId> cell = GridCellId::decode(id);
    return {m_view.shape, m_view.layout, cell ? cell->row : -1, cell ? cell->column : -1};
}

void EditCommands::noteCopied(const QString &caption)
{
    Q_EMIT note(tr("Copied the key \"%1\". \"Paste Button Info\" in the Button Properties of another key "
                   "puts it there.")
                    .arg(caption));
}

void EditCommands::gridCell(int id)
{
    const RecordPath place = placeOfCell(id);
    SkinButton *button = m_document.button(place);
    if (!button)
        return;
    CButtonDlg dialog(*button, m_document, shapeLayouts(), m_document.rowIsFullFor(place), m_window);
    const int result = dialog.exec();
    const QString caption = button->caption;
    m_document.finishButtonDialog(place, result, dialog.isAddMode(), dialog.wasPasted());
    Q_EMIT gridChanged();
    if (dialog.wasCopied())
        noteCopied(caption);
}

void EditCommands::setPicture(const QString &path)
{
    if (m_document.setPicture(m_view.shape, m_view.layout, path))
        Q_EMIT layoutsChanged();
}

void EditCommands::mend(const Problem &problem)
{
    if (!m_document.layout(problem.shape, problem.layout))
        return;
    Q_EMIT showView({problem.shape, problem.layout});
    if (problem.neededWidth >= 0)
        m_shapes->offerFit(problem);
    else if (problem.row >= 0 && problem.key >= 0)
        gridCell(GridCellId::encode(problem.row, problem.key));
    else
        layoutProperties();
}

void EditCommands::connectCanvas(CanvasView *canvas)
{
    connect(canvas, &CanvasView::cellCommand, this, &EditCommands::gridCommand);
    connect(canvas, &CanvasView::keyMoved, this, &EditCommands::moveKey);
    connect(canvas, &CanvasView::rowFitRequested, this, &EditCommands::fitRow);
    connect(canvas, &CanvasView::pictureFixRequested, this, &EditCommands::fixPicture);
    connect(canvas, &CanvasView::layoutPropertiesRequested, this, &EditCommands::layoutProperties);
}

void EditCommands::gridCommand(CanvasView::GridCommand command, int id)
{
    const RecordPath place = placeOfCell(id);
    const SkinButton *button = m_document.button(place);
    if (!button)
        return;
    bool done = false;
    switch (command) {
    case CanvasView::GridCommand::Remove:
        done = m_document.removeButton(place);
        break;
    case CanvasView::GridCommand::InsertCopy:
        done = m_document.insertButtonCopy(place, true);
        break;
    case CanvasView::GridCommand::Copy:
        m_document.copyButton(button);
        noteCopied(button->caption);
        return;
    case CanvasView::GridCommand::Paste:
        if (!m_document.copiedButton()) {
            Q_EMIT note(tr("Nothing has been copied: Ctrl+C on a key, or \"Copy this button\", copies it."));
            return;
        }
        done = m_document.pasteButton(place);
        break;
    }
    if (!done && m_document.rowIsFullFor(place))
        Q_EMIT note(CButtonDlg::rowFullText());
    Q_EMIT gridChanged();
}

void EditCommands::moveKey(int fromId, int toId)
{
    const RecordPath to = placeOfCell(toId);
    if (!m_document.moveButton(placeOfCell(fromId), to) && to.row != placeOfCell(fromId).row
        && m_document.rowIsFullFor(to))
        Q_EMIT note(CButtonDlg::rowFullText());
    Q_EMIT gridChanged();
}

void EditCommands::fitRow(int row, bool equalWidths)
{
    const FitReport report = equalWidths ? m_document.equalRowWidths(m_view.shape, m_view.layout, row)
                                         : m_document.fitRows(m_view.shape, m_view.layout, row);
    QStringList lines;
    for (const RowNote &rowNote : report.changed + report.leftAlone)
        lines << rowNoteText(rowNote);
    Q_EMIT gridChanged();
    if (!lines.isEmpty())
        Q_EMIT note(lines.join(u'\n'));
}

void EditCommands::fixPicture(bool redraw)
{
    QString problem;
    try {
        problem = redraw ? m_document.redrawPicture(m_view.shape, m_view.layout,
                                                    *KeyboardTheme::named(EditorSettings().pictureTheme()))
                         : m_document.scalePicture(m_view.shape, m_view.layout);
    } catch (const FileError &error) {
        problem = error.message();
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(m_window, applicationName(), problem);
        return;
    }
    Q_EMIT layoutsChanged();
    if (const SkinLayout *layout = m_document.layout(m_view.shape, m_view.layout))
        Q_EMIT note(redraw ? tr("Drew the picture \"%1\" again from the keys.").arg(layout->picFileName)
                           : tr("Scaled the picture into \"%1\"; the file it was made from is as it was.")
                                 .arg(layout->picFileName));
}

void EditCommands::deriveShapes()
{
    m_shapes->deriveShapes(m_view.shape);
}

void EditCommands::importLayout()
{
    m_shapes->importLayout(m_view.shape);
}

void EditCommands::exportLayout()
{
    m_shapes->exportLayout(m_view);
}

} // namespace velkari
