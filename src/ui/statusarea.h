#pragma once

#include <QLabel>

#include <functional>

class QTimer;

namespace velkari {

// The main window's status area: describes the control under the mouse, looked at every 200 ms
// and worked out again only when that control changed, and shows a note (a copy made, a skin
// written) until the mouse moves to another control, and whenever the mouse is over nothing
// described.
class StatusArea : public QLabel
{
    Q_OBJECT

public:
    static constexpr int HoverInterval = 200;

    // `window`: the controls described are its own.
    StatusArea(QWidget *parent, QWidget *window);

    // `widgetUnderMouse` gives the widget under the mouse, `idOf` a widget's control id (0 for
    // none), `describe` the text for an id (empty when it has none).
    void setDescriptions(std::function<QWidget *()> widgetUnderMouse, std::function<int(const QWidget *)> idOf,
                         std::function<QString(int)> describe);

    // One tick of the hover timer.
    void hoverTick();
    void showNote(const QString &text);
    // Create Skin succeeded: said here rather than in a box, so that building skin after skin is
    // not interrupted. `remarks`, when there are any, go on a line of their own.
    void showSkinWritten(const QString &skinPath, int layoutCount, qint64 bytes, const QString &remarks = {});

private:
    // The nearest widget under the mouse with an id: a combo box's inner parts count as the box.
    int controlUnderMouse() const;

    QWidget *m_window;
    std::function<QWidget *()> m_widgetUnderMouse;
    std::function<int(const QWidget *)> m_idOf;
    std::function<QString(int)> m_describe;
    QTimer *m_timer;
    QString m_note;
    int m_lastHoveredId = 0;
};

} // namespace velkari
