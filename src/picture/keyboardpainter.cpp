#include "keyboardpainter.h"

#include "compiledskin.h"

#include "skinfile.h"
#include "nearestcolor.h"
#include "skinlayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <map>

namespace velkari {

namespace {

// Shown by the editor's Draw Picture in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::KeyboardPainter)
};

constexpr int CaptionRampSteps = 16;
// Below this a caption is no longer read at a glance; it is cut short instead.
constexpr int MinimumCaptionPixels = 7;

QRgb blend(QRgb from, QRgb to, int step, int steps)
{
    const auto mix = [&](int a, int b) { return (a * (steps - step) + b * step + steps / 2) / steps; };
    return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
}

// The caption font at each pixel size a picture needs, made once.
class CaptionFonts
{
public:
    CaptionFonts()
        : m_base(QStringLiteral("DejaVu Sans"))
    {
        m_base.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    }

    const std::pair<QFont, QFontMetrics> &at(int pixelSize)
    {
        auto found = m_sizes.find(pixelSize);
        if (found == m_sizes.end()) {
            QFont font = m_base;
            font.setPixelSize(pixelSize);
            found = m_sizes.emplace(pixelSize, std::make_pair(font, QFontMetrics(font))).first;
        }
        return found->second;
    }

    // The largest pixel size, down to the legible minimum, at which the caption fits `width`.
    int fittingPixelSize(const QString &caption, int largest, int width)
    {
        const int advance = at(largest).second.horizontalAdvance(caption);
        if (advance <= width)
            return largest;
        const int smallest = std::min(largest, MinimumCaptionPixels);
        // Advances scale almost linearly with the size: each estimate lands at or next to the
        // answer, so only a few sizes are ever made.
        int size = largest;
        int sizeAdvance = advance;
        while (size > smallest && sizeAdvance > width) {
            size = std::max(smallest, std::min(size - 1, size * width / std::max(1, sizeAdvance)));
            sizeAdvance = at(size).second.horizontalAdvance(caption);
        }
        return size;
    }

private:
    QFont m_base;
    std::map<int, std::pair<QFont, QFontMetrics>> m_sizes;
};

// Hard-edged and written straight into the palette indices: every key colour stays exact, and it
// is much quicker than filling a path.
void fillRoundedRect(QImage &picture, const QRect &rect, int radius, uchar index)
{
    const QRect area = rect.intersected(picture.rect());
    if (area.isEmpty())
        return;
    radius = std::min({radius, rect.width() / 2, rect.height() / 2});
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int fromEdge = std::min(y - rect.top(), rect.bottom() - y);
        int inset = 0;
        if (fromEdge < radius) {
            const double dy = radius - fromEdge - 0.5;
            inset = radius - int(std::lround(std::sqrt(double(radius) * radius - dy * dy)));
        }
        const int left = std::max(area.left(), rect.left() + inset);
        const int right = std::min(area.right(), rect.right() - inset);
        if (left <= right)
            std::fill_n(picture.scanLine(y) + left, right - left + 1, index);
    }
}

} // namespace

void useOffscreenPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

KeyboardPainter::KeyboardPainter(const KeyboardTheme &theme, std::optional<QRgb> captionColor)
    : m_theme(theme)
{
    if (captionColor) {
        const QRgb caption = *captionColor | 0xFF000000u;
        for (KeyStyle &style : m_theme.styles) {
            if (contrastRatio(caption, style.face) >= MinimumCaptionContrast)
                style.text = caption;
        }
    }
    QSet<QRgb> seen;
    const auto add = [&](QRgb color) {
        color |= 0xFF000000u;
        if (!seen.contains(color)) {
            seen.insert(color);
            m_palette.append(color);
        }
    };
    add(m_theme.background);
    for (const KeyStyle &style : m_theme.styles) {
        for (QRgb color : {style.face, style.edge, style.shade, style.text})
            add(color);
        for (int step = 1; step < CaptionRampSteps; ++step)
            add(blend(style.face, style.text, step, CaptionRampSteps));
    }
    Q_ASSERT(m_palette.size() <= 256);
}

QSize KeyboardPainter::pictureSize(const SkinLayout &layout)
{
    int height = 0;
    for (const auto &row : layout.rows)
        height += row->height;
    return QSize(layout.rows.isEmpty() ? 0 : RowKeyWidth(*layout.rows.at(0)), height);
}

QString KeyboardPainter::drawProblem(const SkinLayout &layout, const QString &label)
{
    const QSize size = pictureSize(layout);
    if (size.isEmpty()) {
        return Text::tr("The layout \"%1\" has no keys to draw (its key map is %2 × %3 pixels).")
            .arg(label, QString::number(size.width()), QString::number(size.height()));
    }
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        return Text::tr("The layout \"%1\" is %2 × %3 pixels; a picture is drawn for at most %4 pixels a side.")
            .arg(label, QString::number(size.width()), QString::number(size.height()),
                 QString::number(MaxPictureSide));
    }
    return {};
}

QImage KeyboardPainter::paint(const SkinLayout &layout) const
{
    if (!drawProblem(layout, QString()).isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return {};
    QImage picture(pictureSize(layout), QImage::Format_Indexed8);
    if (picture.isNull())
        return {};
    picture.setColorTable(m_palette);
    NearestColor nearest(m_palette);
    picture.fill(nearest.index(m_theme.background));

    struct Caption
    {
        QRect area;
        const QString *text;
        const KeyStyle *style;
        int pixels;
    };
    QList<Caption> captions;
    const QList<QList<QRect>> rectangles = skinLayoutKeyRects(layout).rows;
    for (int r = 0; r < rectangles.size(); ++r) {
        const SkinRow &row = *layout.rows.at(r);
        const int lip = std::max(1, row.height / 16);
        const int radius = std::max(2, row.height / 10);
        for (int k = 0; k < rectangles[r].size(); ++k) {
            const QRect face = rectangles[r][k].adjusted(1, 1, -1, -1);
            if (face.width() <= 0 || face.height() <= 0)
                continue; // zero-size keys, and keys too small to show more than the gap
            const SkinButton &button = *row.buttons.at(k);
            const KeyStyle &style = m_theme.style(keyRoleOf(button));
            if (face.width() < 3 || face.height() < 3) {
                fillRoundedRect(picture, face, 0, nearest.index(style.face));
                continue;
            }
            fillRoundedRect(picture, face, radius, nearest.index(style.shade));
            const QRect top = face.adjusted(0, 0, 0, -lip);
            fillRoundedRect(picture, top, radius, nearest.index(style.face));
            if (top.width() > 2 * radius)
                fillRoundedRect(picture, QRect(top.left() + radius, top.top(), top.width() - 2 * radius, 1), 0,
                                nearest.index(style.edge));
            const QRect textArea = top.adjusted(2, 1, -2, 0);
            if (!button.caption.isEmpty() && textArea.width() > 0 && textArea.height() > 0)
                captions.append({textArea, &button.caption, &style, std::max(1, row.height * 11 / 20)});
        }
    }
    if (captions.isEmpty())
        return picture;

    // Captions are smoothed in true colour, each on its own face in a canvas the size of the
    // largest, and the box around their ink is mapped back into the palette: their edges lie
    // between two known colours.
    QSize largest;
    for (const Caption &caption : captions)
        largest = largest.expandedTo(caption.area.size());
    QImage canvas(largest, QImage::Format_RGB32);
    if (canvas.isNull())
        return {};
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    CaptionFonts fonts;
    uchar *const pixels = picture.bits();
    for (const Caption &caption : captions) {
        const int size = fonts.fittingPixelSize(*caption.text, std::min(caption.pixels, caption.area.height()),
                                                caption.area.width());
        const auto &[font, metrics] = fonts.at(size);
        QString text = *caption.text;
        int advance = metrics.horizontalAdvance(text);
        if (advance > caption.area.width()) {
            text = metrics.elidedText(text, Qt::ElideRight, caption.area.width());
            advance = metrics.horizontalAdvance(text);
        }
        const QPoint origin(caption.area.left() + (caption.area.width() - advance) / 2,
                            caption.area.top() + (caption.area.height() + metrics.ascent() - metrics.descent() + 1) / 2);
        // The line's box, with room for glyphs that reach past their advance.
        const QRect ink =
            QRect(origin.x() - 2, origin.y() - metrics.ascent() - 1, advance + 4, metrics.height() + 2) & caption.area;
        if (ink.isEmpty())
            continue;
        const QRect local(QPoint(0, 0), ink.size());
        painter.setClipRect(local);
        painter.fillRect(local, QColor(caption.style->face));
        painter.setFont(font);
        painter.setPen(QColor(caption.style->text));
        painter.drawText(origin - ink.topLeft(), text);
        for (int y = 0; y < ink.height(); ++y) {
            const auto *in = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
            uchar *out = pixels + qsizetype(ink.top() + y) * picture.bytesPerLine() + ink.left();
            // Most of the box is the face: runs of one colour.
            QRgb previous = in[0];
            uchar index = nearest.index(previous);
            for (int x = 0; x < ink.width(); ++x) {
                if (in[x] != previous) {
                    previous = in[x];
                    index = nearest.index(previous);
                }
                out[x] = index;
            }
        }
    }
    return picture;
}

} // namespace velkari
