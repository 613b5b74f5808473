#include "filedrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace velkari {

FileDrops::FileDrops(QWidget *window, QWidget *canvas)
    : QObject(window)
    , m_window(window)
    , m_canvas(canvas)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrops::isPictureFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("gif") || suffix == QLatin1String("bmp");
}

QString FileDrops::droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

bool FileDrops::accepts(const QString &path, const QPoint &position) const
{
    if (path.isEmpty())
        return false;
    if (!isPictureFile(path))
        return true;
    const QRect canvas(m_canvas->mapTo(m_window, QPoint(0, 0)), m_canvas->size());
    return m_canvas->isVisible() && canvas.contains(position);
}

bool FileDrops::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // The enter is taken whenever a file comes, so that moves over the picture are seen.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        const QString path = droppedFile(drag->mimeData());
        const bool wanted = event->type() == QEvent::DragEnter ? !path.isEmpty()
                                                               : accepts(path, drag->position().toPoint());
        drag->setAccepted(wanted);
        if (wanted)
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (!accepts(path, drop->position().toPoint())) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (isPictureFile(path))
            Q_EMIT pictureDropped(QFileInfo(path).absoluteFilePath());
        else
            Q_EMIT projectDropped(QFileInfo(path).absoluteFilePath());
        return true;
    }
    default:
        return false;
    }
}

} // namespace velkari
