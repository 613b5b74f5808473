#pragma once

#include "keyboarddevice.h"
#include "pictureview.h"

#include <QDateTime>
#include <QDialog>
#include <QImage>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace velkari {

struct SkinProject;

// The keyboard on the desk: runs the project as it is in memory, one screen shape at a time, as
// the device would. A click on the picture taps the keyboard there, a stroke upwards over it is
// the drag-up gesture; what the keys typed, the calculator's display and every event are shown.
// The owner calls refreshSkin() after every change to the project.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    PreviewWindow(const SkinProject &project, int shape, QWidget *parent = nullptr);

    // Compiles the project anew; the shape, the typed text, the calculator and, where it still
    // exists, the layout stay.
    void refreshSkin();
    void setShape(int shape);
    // As the user picks it: from then on it stays whatever the shape.
    void setZoom(int zoom);

    const KeyboardDevice &device() const { return m_device; }
    PictureView *pictureView() const { return m_view; }
    QComboBox *shapeList() const { return m_shapeList; }
    QComboBox *zoomList() const { return m_zoomList; }
    QCheckBox *showKeysBox() const { return m_showKeys; }
    QLabel *layoutLine() const { return m_layoutLine; }
    QLabel *hiddenNotice() const { return m_hiddenNotice; }
    QLineEdit *display() const { return m_display; }
    QPlainTextEdit *textBox() const { return m_text; }
    QPlainTextEdit *log() const { return m_log; }
    QPushButton *dragUpButton() const { return m_dragUp; }
    QPushButton *hideButton() const { return m_hide; }
    QPushButton *resetButton() const { return m_reset; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    bool handleMouse(QEvent *event);
    void run(const DeviceEvent &event);
    void reset();
    // The current layout's keys and picture, after a switch, a new skin or a new shape.
    void showLayout();
    // What the device shows besides its keys: held keys, text, display, layout, hidden or not.
    void showState();
    // What the window has beyond its smallest size.
    QSize spareRoom() const;
    void fitPicture(const QSize &spareRoom);
    QImage layoutPicture(const QString &path);
    void showZoom(int zoom);
    bool isCalculatorLayout() const;

    const SkinProject &m_project;
    KeyboardDevice m_device;
    int m_shownLayout = -1;
    int m_shownShape = -1;
    bool m_zoomChosen = false;
    QString m_picturePath;
    QDateTime m_pictureModified;
    qint64 m_pictureSize = -1;
    QImage m_picture;
    QStringList m_layoutNotes; // what the layout lacks to be shown as the device would
    // The key under a mouse button held down on the picture, and where the button went down.
    PictureView::KeyPosition m_pressed;
    QPoint m_pressPoint;
    bool m_pressing = false;

    QComboBox *m_shapeList = nullptr;
    QComboBox *m_zoomList = nullptr;
    QCheckBox *m_showKeys = nullptr;
    QLabel *m_layoutLine = nullptr;
    QStackedWidget *m_keyboard = nullptr;
    QScrollArea *m_pictureArea = nullptr;
    PictureView *m_view = nullptr;
    QLabel *m_hiddenNotice = nullptr;
    QWidget *m_calculatorRow = nullptr;
    QLineEdit *m_display = nullptr;
    QPushButton *m_dragUp = nullptr;
    QPushButton *m_hide = nullptr;
    QPushButton *m_reset = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QPlainTextEdit *m_log = nullptr;
};

} // namespace velkari
