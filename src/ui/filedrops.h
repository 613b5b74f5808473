#pragma once

#include <QObject>
#include <QString>

class QDropEvent;
class QMimeData;
class QPoint;
class QWidget;

namespace velkari {

// Files dropped on the main window: a project file opens, a GIF or BMP picture dropped on the
// canvas becomes the picture of the layout it shows (on the picture itself, or on the grid: a
// layout without keys and picture has no picture area to aim at). Anything else is refused while
// it is dragged.
class FileDrops : public QObject
{
    Q_OBJECT

public:
    FileDrops(QWidget *window, QWidget *canvas);

    static bool isPictureFile(const QString &path);

Q_SIGNALS:
    void projectDropped(const QString &path);
    void pictureDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The one local file being dragged, if that is all the drag holds.
    static QString droppedFile(const QMimeData *data);
    bool accepts(const QString &path, const QPoint &position) const;

    QWidget *m_window;
    QWidget *m_canvas;
};

} // namespace velkari
