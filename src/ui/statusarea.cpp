#include "statusarea.h"

#include <QDir>
#include <QTimer>

namespace velkari {

StatusArea::StatusArea(QWidget *parent, QWidget *window)
    : QLabel(parent)
    , m_window(window)
    , m_timer(new QTimer(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    m_timer->setInterval(HoverInterval);
    connect(m_timer, &QTimer::timeout, this, &StatusArea::hoverTick);
}

void StatusArea::setDescriptions(std::function<QWidget *()> widgetUnderMouse, std::function<int(const QWidget *)> idOf,
                                 std::function<QString(int)> describe)
{
    m_widgetUnderMouse = std::move(widgetUnderMouse);
    m_idOf = std::move(idOf);
    m_describe = std::move(describe);
    m_timer->start();
}

int StatusArea::controlUnderMouse() const
{
    int id = 0;
    for (QWidget *widget = m_widgetUnderMouse(); widget && !id; widget = widget->parentWidget()) {
        id = m_idOf(widget);
        if (widget == m_window)
            break;
    }
    return id;
}

void StatusArea::hoverTick()
{
    const int id = controlUnderMouse();
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
    m_lastHoveredId = controlUnderMouse();
}

void StatusArea::showSkinWritten(const QString &skinPath, int layoutCount, qint64 bytes, const QString &remarks)
{
    const QString written = tr("Skin written: %1, %2 layouts, %3 KiB")
                                .arg(QDir::toNativeSeparators(skinPath))
                                .arg(layoutCount)
                                .arg(qMax<qint64>(1, (bytes + 512) / 1024));
    showNote(remarks.isEmpty() ? written : written + u'\n' + remarks);
}

} // namespace velkari
