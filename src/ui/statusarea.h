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

    // `controlUnderMouse` gives the id of the control under the mouse (0 for none), `describe`
    // the text for an id (empty when it has none).
    StatusArea(QWidget *parent, std::function<int()> controlUnderMouse, std::function<QString(int)> describe);

    // One tick of the hover timer.
    void hoverTick();
    void showNote(const QString &text);

private:
    std::function<int()> m_controlUnderMouse;
    std::function<QString(int)> m_describe;
    QTimer *m_timer;
    QString m_note;
    int m_lastHoveredId = 0;
};

} // namespace velkari
