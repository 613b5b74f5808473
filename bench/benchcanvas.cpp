#include "benchsupport.h"

#include "canvasview.h"
#include "controlid.h"
#include "vizizarerodlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace velkari::bench {

namespace {

constexpr int PictureWidth = 640;
constexpr int PictureHeight = 480;
constexpr int ShapeListId = 1013;

// The baseline: a widget that paints the picture and nothing else.
class PictureOnly : public QWidget
{
public:
    explicit PictureOnly(const QImage &picture)
        : m_picture(picture)
    {
        setFixedSize(picture.size());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture);
    }

private:
    QImage m_picture;
};

// A full layout of the Hi-Res. Landscape shape (6 rows of 29 keys and the "New" cell, 640 × 480)
// over a picture of its size, the key outlines on. Each run moves the hover across every key
// once, each step painted; the baseline paints the picture once per step.
void benchHover(BenchContext &context)
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    }
    const QString path = context.folder + QStringLiteral("/hover.bmp");
    if (!picture.save(path, "BMP"))
        qFatal("canvas_hover: cannot write the picture");

    CViziZareroDlg window;
    window.project().layoutList(HiResLandscape).clear();
    auto layout = std::make_unique<SkinLayout>();
    layout->picFileName = path;
    for (int r = 0; r < RowList::capacity; ++r) {
        auto row = std::make_unique<SkinRow>();
        row->height = PictureHeight / RowList::capacity;
        for (int k = 0; k + 1 < ButtonList::capacity; ++k) {
            auto key = std::make_unique<SkinButton>();
            key->flags = ButtonFlagCharacter;
            key->caption = QStringLiteral("K");
            key->width = k == 0 ? 24 : 22;
            row->buttons.append(std::move(key));
        }
        row->buttons.append(std::make_unique<SkinButton>());
        layout->rows.append(std::move(row));
    }
    window.project().layoutList(HiResLandscape).append(std::move(layout));
    findControl<QComboBox>(&window, ShapeListId)->setCurrentIndex(HiResLandscape);
    window.fullRefresh();
    // Large enough that the whole picture is in view and painted.
    window.resize(1600, 1400);
    window.show();
    window.canvas()->setZoom(1);
    paintPending();
    PictureView *view = window.canvas()->pictureView();
    if (view->picture().size() != picture.size() || !view->showKeys())
        qFatal("canvas_hover: the picture or its keys are not shown");

    QList<QPoint> centres;
    for (const QList<QRect> &row : view->keys().rows) {
        for (const QRect &key : row)
            centres.append(key.center());
    }
    PictureOnly plain(picture);
    plain.show();
    paintPending();

    const Timing timing = timePair(
        context.runs,
        [&] {
            for (const QPoint &centre : centres) {
                QMouseEvent move(QEvent::MouseMove, centre, view->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(view, &move);
                paintPending();
            }
        },
        [&] {
            for (qsizetype i = 0; i < centres.size(); ++i) {
                plain.update();
                paintPending();
            }
        });
    if (view->hoveredKey() != PictureView::KeyPosition{RowList::capacity - 1, ButtonList::capacity - 2})
        qFatal("canvas_hover did not reach the last key");
    report("canvas_hover", "paint_picture", timing);
}

} // namespace

// The canvas: the hover moving over the picture's key map.
void benchCanvas(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (wanted("canvas_hover"))
        benchHover(context);
}

} // namespace velkari::bench
