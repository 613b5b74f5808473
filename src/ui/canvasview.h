#pragma once

#include "controlids.h"
#include "pictureview.h"

#include <QScrollArea>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;

namespace velkari {

class GridCell;
struct SkinButton;
struct SkinLayout;

// The canvas of the main window: the current layout's keys as a grid of push buttons drawn to
// scale, each row's key width beside it, and the layout's picture with the key map over it,
// placed below the grid so that the two never overlap; it scrolls when they do not fit.
// The grid is one Tab stop: the keyboard moves between its cells and asks for what a key's cell
// offers. The canvas changes nothing itself; it asks, and is shown the layout again.
class CanvasView : public QScrollArea
{
    Q_OBJECT

public:
    // A key of width 0 or a row of height 0 still gets this much, so that it can be clicked.
    static constexpr int StandInWidth = 4;
    static constexpr int StandInHeight = 6;
    static constexpr int PictureGap = 10;
    static constexpr int BadgeGap = 6;

    // What the keyboard asks for a key's cell besides opening it; each is one step of the history.
    enum class GridCommand { Remove, InsertCopy, Copy, Paste };
    Q_ENUM(GridCommand)

    // The "Show keys" box and the zoom list go into viewControls(), a child of `parent` that the
    // owner places where it likes.
    explicit CanvasView(QWidget *parent = nullptr);

    // Where, in the content, the grid starts and the picture sits at the highest; before the
    // first layout is shown.
    void setOrigins(const QPoint &grid, const QPoint &picture);
    // The grid, the row widths and the key map of a layout of `shape`, from the model; the
    // picture is not decoded. The low-resolution shapes are shown at twice their size.
    void showLayout(const SkinLayout *layout, int shape);
    // Decodes the layout's picture anew.
    void showPicture(const SkinLayout *layout);
    void setHighlightColor(const QColor &color);
    void setZoom(int zoom);

    GridCell *cell(int row, int column) const;
    // The cell the keyboard works on: the grid's Tab stop.
    GridCell *currentCell() const;
    PictureView *pictureView() const { return m_picture; }
    QLabel *rowWidthBadge(int row) const;
    QLabel *sizeLine() const { return m_sizeLine; }
    // Beside the size line while picture and keys differ in size: what can be done about it.
    QLabel *pictureOffer() const { return m_pictureOffer; }
    // In the grid's place while the layout has no rows.
    QLabel *noRowsNote() const { return m_noRowsNote; }
    QCheckBox *showKeysBox() const { return m_showKeys; }
    QComboBox *zoomList() const { return m_zoomList; }
    QWidget *viewControls() const { return m_viewControls; }

    // The control the status area describes for `widget` at a point of the screen: a key of
    // the picture stands for its grid cell.
    int describedControlId(const QWidget *widget, const QPoint &globalPosition) const;

Q_SIGNALS:
    void cellClicked(int id);
    void cellCommand(velkari::CanvasView::GridCommand command, int id);
    // The key of one cell dragged, or moved with Alt and an arrow key, to the place of another.
    void keyMoved(int fromId, int toId);
    // From a row's width badge: its keys scaled to the screen's width, or made equally wide.
    void rowFitRequested(int row, bool equalWidths);
    // From the picture offer: drawn again from the keys, or scaled into a new file.
    void pictureFixRequested(bool redraw);
    void layoutPropertiesRequested();
    // After every grid refresh: the layout on view, or what it holds, may have changed.
    void refreshed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class PictureState { None, Shown, Unreadable };

    struct ShownRow
    {
        int cells = 0; // the keys and the "New" cell
        int keyWidth = 0;
        QRect area;
    };

    void createViewControls(QWidget *parent);
    void createNotes();
    void showRowWidths(const SkinLayout *layout);
    void placeContent();
    void updateSizeLine();
    void setHoveredKey(PictureView::KeyPosition key);
    void cellHoverChanged(int row, int column, bool inside);
    void zoomBy(int steps, const QPoint &anchor);

    // The keyboard and the mouse on the grid.
    void setCurrentCell(int row, int column, bool focus);
    void followCurrentKey(const SkinLayout *layout, bool focus);
    bool cellKeyPressed(int row, int column, const QKeyEvent *event);
    void moveKeyBy(int row, int column, int rows, int columns);
    void showDropMarker(int fromId, const QPoint &globalPosition);
    void dropKey(int fromId, const QPoint &globalPosition);
    // The cell a key dropped at a point of the screen goes to: a point right of a row's cells is
    // its "New" cell. Nothing outside the rows.
    std::optional<GridCellId> cellAt(const QPoint &globalPosition) const;
    void popUpRowMenu(int row, const QPoint &globalPosition);

    QWidget *m_content = nullptr;
    std::array<std::array<GridCell *, GridCellId::Columns>, GridCellId::Rows> m_cells {};
    // Which key each cell showed, to find it again after a change; compared, never followed.
    // The identities of the keys on show: a record rebuilt by undo may take a freed key's memory,
    // so only its identity tells it is not the key that was there.
    std::array<std::array<quint64, GridCellId::Columns>, GridCellId::Rows> m_shownKeys {};
    std::array<ShownRow, GridCellId::Rows> m_rows {};
    std::array<QLabel *, GridCellId::Rows> m_badges {};
    PictureView *m_picture = nullptr;
    QLabel *m_sizeLine = nullptr;
    QLabel *m_pictureOffer = nullptr;
    QLabel *m_noRowsNote = nullptr;
    QFrame *m_dropMarker = nullptr;
    QWidget *m_viewControls = nullptr;
    QCheckBox *m_showKeys = nullptr;
    QComboBox *m_zoomList = nullptr;

    QPoint m_gridOrigin;
    QPoint m_pictureOrigin;
    int m_shape = 0;
    int m_rowCount = 0;
    GridCellId m_current;
    PictureState m_pictureState = PictureState::None;
    QString m_picturePath;
    bool m_pictureDrawn = false;
    QColor m_highlight = Qt::red;
    PictureView::KeyPosition m_hovered;
    quint64 m_shownLayout = 0; // its identity, as for the keys
};

} // namespace velkari
