#pragma once

#include "controlids.h"
#include "pictureview.h"

#include <QScrollArea>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace velkari {

class GridCell;
struct SkinLayout;

// The canvas of the main window: the current layout's keys as a grid of push buttons drawn to
// scale, each row's key width beside it, and the layout's picture with the key map over it,
// placed below the grid so that the two never overlap; it scrolls when they do not fit.
class CanvasView : public QScrollArea
{
    Q_OBJECT

public:
    // A key of width 0 or a row of height 0 still gets this much, so that it can be clicked.
    static constexpr int StandInWidth = 4;
    static constexpr int StandInHeight = 6;
    static constexpr int PictureGap = 10;
    static constexpr int BadgeGap = 6;

    // The "Show keys" box and the zoom list go into viewControls(), a child of `parent` that the
    // owner places where it likes.
    explicit CanvasView(QWidget *parent = nullptr);

    // Where, in the content, the grid starts and the picture sits at the highest; before the
    // first layout is shown.
    void setOrigins(const QPoint &grid, const QPoint &picture);
    // The grid, the row widths and the key map, from the model; the picture is not decoded.
    void showLayout(const SkinLayout *layout, int scale);
    // Decodes the layout's picture anew.
    void showPicture(const SkinLayout *layout);
    void setHighlightColor(const QColor &color);
    void setZoom(int zoom);

    GridCell *cell(int row, int column) const;
    PictureView *pictureView() const { return m_picture; }
    QLabel *rowWidthBadge(int row) const;
    QLabel *sizeLine() const { return m_sizeLine; }
    QCheckBox *showKeysBox() const { return m_showKeys; }
    QComboBox *zoomList() const { return m_zoomList; }
    QWidget *viewControls() const { return m_viewControls; }

    // The control the status area describes for `widget` at a point of the screen: a key of
    // the picture stands for its grid cell.
    int describedControlId(const QWidget *widget, const QPoint &globalPosition) const;

Q_SIGNALS:
    void cellClicked(int id);
    // After every grid refresh: the layout on view, or what it holds, may have changed.
    void refreshed();

private:
    enum class PictureState { None, Shown, Unreadable };

    void createViewControls(QWidget *parent);
    void showRowWidths(const SkinLayout *layout, const std::array<QRect, GridCellId::Rows> &rowAreas);
    void placeContent();
    void updateSizeLine();
    void setHoveredKey(PictureView::KeyPosition key);
    void cellHoverChanged(int row, int column, bool inside);
    void zoomBy(int steps, const QPoint &anchor);

    QWidget *m_content = nullptr;
    std::array<std::array<GridCell *, GridCellId::Columns>, GridCellId::Rows> m_cells {};
    std::array<QLabel *, GridCellId::Rows> m_badges {};
    PictureView *m_picture = nullptr;
    QLabel *m_sizeLine = nullptr;
    QWidget *m_viewControls = nullptr;
    QCheckBox *m_showKeys = nullptr;
    QComboBox *m_zoomList = nullptr;

    QPoint m_gridOrigin;
    QPoint m_pictureOrigin;
    PictureState m_pictureState = PictureState::None;
    QString m_picturePath;
    QColor m_highlight = Qt::red;
    PictureView::KeyPosition m_hovered;
    const SkinLayout *m_shownLayout = nullptr;
};

} // namespace velkari
