#include "editcommands.h"

#include "buttondlg.h"
#include "controlids.h"
#include "layoutdlg.h"
#include "problem.h"
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
    if (dialog.exec() == Ok)
        m_document.addLayout(m_view.shape, std::move(layout));
    Q_EMIT layoutsChanged();
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

void EditCommands::gridCell(int id)
{
    const std::optional<GridCellId> cell = GridCellId::decode(id);
    const RecordPath place{m_view.shape, m_view.layout, cell ? cell->row : -1, cell ? cell->column : -1};
    SkinButton *button = m_document.button(place);
    if (!button)
        return;
    CButtonDlg dialog(*button, m_document, shapeLayouts(), m_document.rowIsFullFor(place), m_window);
    const int result = dialog.exec();
    const QString caption = button->caption;
    m_document.finishButtonDialog(place, result, dialog.isAddMode(), dialog.wasPasted());
    Q_EMIT gridChanged();
    if (dialog.wasCopied())
        Q_EMIT note(tr("Copied the key \"%1\". \"Paste Button Info\" in the Button Properties of another key "
                       "puts it there.")
                        .arg(caption));
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
