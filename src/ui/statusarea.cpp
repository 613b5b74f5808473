#include "statusarea.h"

#include <QTimer>

namespace velkari {

StatusArea::StatusArea(QWidget *parent, std::function<int()> controlUnderMouse, std::function<QString(int)> describe)
    : QLabel(parent)
    , m_controlUnderMouse(std::move(controlUnderMouse))
    , m_describe(std::move(describe))
    , m_timer(new QTimer(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    m_timer->setInterval(HoverInterval);
    connect(m_timer, &QTimer::timeout, this, &StatusArea::hoverTick);
    m_timer->start();
}

void StatusArea::hoverTick()
{
    const int id = m_controlUnderMouse();
    if (id == m_lastHoveredId)
        return;
    const QString description = m_describe(id);
    setText(description.isEmpty() ? m_note : description);
    m_lastHoveredId = id;
}

void StatusArea::showNote(const QString &text)
{
    m_note = text;
    setText(text);
    m_lastHoveredId = m_controlUnderMouse();
}

} // namespace velkari
