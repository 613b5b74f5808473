#include "editoractions.h"

#include "aboutbox.h"
#include "editorsettings.h"
#include "filecommands.h"

#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace velkari {

EditorActions::EditorActions(QWidget *window, QAction *undo, QAction *redo)
    : QObject(window)
    , m_window(window)
    , m_undo(undo)
    , m_redo(redo)
{
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    window->addAction(m_undo);
    window->addAction(m_redo);
}

void EditorActions::fillContextMenu(QMenu &menu)
{
    menu.addAction(m_undo);
    menu.addAction(m_redo);
    menu.addSeparator();
    QMenu *recent = menu.addMenu(tr("Open Recent"));
    const QStringList paths = EditorSettings().recentProjects();
    recent->setEnabled(!paths.isEmpty());
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QString text = path;
        text.replace(u'&', QStringLiteral("&&"));
        recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text), this, [this, path] { chooseRecent(path); });
    }
    menu.addSeparator();
    menu.addAction(AboutBox::menuText(), m_window, [this] { AboutBox::exec(m_window); });
}

void EditorActions::chooseRecent(const QString &path)
{
    if (QFileInfo(path).isFile()) {
        Q_EMIT recentChosen(path);
        return;
    }
    const auto answer = QMessageBox::question(
        m_window, applicationName(),
        tr("The project \"%1\" cannot be found. Remove it from \"Open Recent\"?").arg(path));
    if (answer == QMessageBox::Yes)
        EditorSettings().removeRecentProject(path);
}

} // namespace velkari
