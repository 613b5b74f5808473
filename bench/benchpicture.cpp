#include "benchsupport.h"

#include "drawnmark.h"
#include "keyboardpainter.h"
#include "layoutpictures.h"
#include "pictureencoder.h"

namespace velkari::bench {

namespace {

// The largest screen filled: 640 × 480, six rows of fifteen captioned keys.
std::unique_ptr<SkinLayout> largestLayout()
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = QStringLiteral("Largest");
    for (int r = 0; r < RowList::capacity; ++r) {
        auto row = std::make_unique<SkinRow>();
        row->height = 80;
        for (int k = 0; k < 15; ++k) {
            auto button = std::make_unique<SkinButton>();
            button->caption = QString(QChar(u'A' + (r * 15 + k) % 26));
            button->flags = 0x0001;
            button->charCode = button->caption.at(0).toLower().unicode();
            button->vk = quint8(button->caption.at(0).unicode());
            button->width = quint16(k < 10 ? 43 : 42);
            row->buttons.append(std::move(button));
        }
        row->buttons.append(std::make_unique<SkinButton>());
        layout->rows.append(std::move(row));
    }
    return layout;
}

} // namespace

// Drawing a layout's picture to GIF, against giflib encoding a ready picture of the same size with
// the painter's mark.
void benchPicture(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (!wanted("draw_max"))
        return;
    const auto layout = largestLayout();
    const KeyboardPainter painter(*KeyboardTheme::named(QStringLiteral("dark")));
    const QImage ready = painter.paint(*layout);
    if (ready.size() != QSize(640, 480))
        qFatal("draw_max drew something else");
    QByteArray drawn, encoded;
    const Timing timing = timePair(
        context.runs, [&] { drawn = drawLayoutPicture(*layout, painter, PictureFormat::Gif); },
        [&] { encoded = encodeDrawnPicture(ready, PictureFormat::Gif); });
    if (drawn != encoded)
        qFatal("draw_max and encode_gif wrote different pictures");
    out() << QStringLiteral("# drawn picture: %1 bytes\n").arg(drawn.size());
    report("draw_max", "encode_gif", timing);
}

} // namespace velkari::bench
