#pragma once

#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <QWidget>

class QMenu;

namespace velkari {

// The main window's keyboard shortcuts and its context menu: Undo and Redo named after their
// step, the projects opened last ("Open Recent") and About.
class EditorActions : public QObject
{
    Q_OBJECT

public:
    // `undo` and `redo` are the document's; they get their shortcuts here.
    EditorActions(QWidget *window, QAction *undo, QAction *redo);

    // A command of the window, run by its shortcut.
    template <typename Receiver>
    QAction *addCommand(const QKeySequence &keys, Receiver *receiver, void (Receiver::*command)())
    {
        auto *action = new QAction(m_window);
        action->setShortcut(keys);
        m_window->addAction(action);
        connect(action, &QAction::triggered, receiver, command);
        return action;
    }

    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    // Undo, Redo, "Open Recent" and About.
    void fillContextMenu(QMenu &menu);

Q_SIGNALS:
    // A project of "Open Recent" that still exists was chosen.
    void recentChosen(const QString &path);

private:
    void chooseRecent(const QString &path);

    QWidget *m_window;
    QAction *m_undo;
    QAction *m_redo;
};

} // namespace velkari
