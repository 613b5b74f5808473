#include "keyboardpainter.h"

#include "skinfile.h"
#include "skinlayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSet>

#include <algorithm>

namespace velkari {

namespace {

constexpr int CaptionRampSteps = 16;
// Below this a caption is no longer read at a glance; it is cut short instead.
constexpr int MinimumCaptionPixels = 7;

QRgb blend(QRgb from, QRgb to, int step, int steps)
{
    const auto mix = [&](int a, int b) { return (a * (steps - step) + b * step + steps / 2) / steps; };
    return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
}

// The largest pixel size, down to the legible minimum, at which the caption fits `width`.
int fittingPixelSize(const QFont &base, const QString &caption, int largest, int width)
{
    QFont font = base;
    font.setPixelSize(largest);
    const int advance = QFontMetrics(font).horizontalAdvance(caption);
    if (advance <= width)
        return largest;
    const int smallest = std::min(largest, MinimumCaptionPixels);
    // Advances scale almost linearly with the size: start from the estimate, then step down.
    int size = std::clamp(largest * width / std::max(1, advance), smallest, largest);
    for (; size > smallest; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(caption) <= width)
            break;
    }
    return size;
}

} // namespace

QList<QList<QRect>> layoutKeyRectangles(const SkinLayout &layout)
{
    QList<QList<QRect>> rectangles;
    int y = 0;
    for (const auto &row : layout.rows) {
        QList<QRect> keys;
        int x = 0;
        for (int i = 0; i + 1 < row->buttons.count(); ++i) {
            const int width = row->buttons.at(i)->width;
            keys.append(QRect(x, y, width, row->height));
            x += width;
        }
        rectangles.append(keys);
        y += row->height;
    }
    return rectangles;
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
        return QStringLiteral("The layout \"%1\" has no keys to draw (its key map is %2 × %3 pixels).")
            .arg(label)
            .arg(size.width())
            .arg(size.height());
    }
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        return QStringLiteral("The layout \"%1\" is %2 × %3 pixels; a picture is drawn for at most %4 pixels a side.")
            .arg(label)
            .arg(size.width())
            .arg(size.height())
            .arg(MaxPictureSide);
    }
    return {};
}

QImage KeyboardPainter::paint(const SkinLayout &layout) const
{
    if (!drawProblem(layout, QString()).isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return {};
    QImage image(pictureSize(layout), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(m_theme.background);

    // Hard-edged shapes keep every key colour exact in a 256-colour picture; only the captions
    // are smoothed, and their edges lie between two known colours.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QFont baseFont(QStringLiteral("DejaVu Sans"));
    baseFont.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));

    const QList<QList<QRect>> rectangles = layoutKeyRectangles(layout);
    for (int r = 0; r < rectangles.size(); ++r) {
        const SkinRow &row = *layout.rows.at(r);
        const int lip = std::max(1, row.height / 16);
        const int radius = std::max(2, row.height / 10);
        const int captionPixels = std::max(1, row.height * 11 / 20);
        for (int k = 0; k < rectangles[r].size(); ++k) {
            const QRect face = rectangles[r][k].adjusted(1, 1, -1, -1);
            if (face.width() <= 0 || face.height() <= 0)
                continue; // zero-size keys, and keys too small to show more than the gap
            const SkinButton &button = *row.buttons.at(k);
            const KeyStyle &style = m_theme.style(keyRoleOf(button));
            painter.setPen(Qt::NoPen);
            if (face.width() < 3 || face.height() < 3) {
                painter.fillRect(face, QColor(style.face));
                continue;
            }
            painter.setBrush(QColor(style.shade));
            painter.drawRoundedRect(face, radius, radius);
            const QRect top = face.adjusted(0, 0, 0, -lip);
            painter.setBrush(QColor(style.face));
            painter.drawRoundedRect(top, radius, radius);
            if (top.width() > 2 * radius)
                painter.fillRect(QRect(top.left() + radius, top.top(), top.width() - 2 * radius, 1), QColor(style.edge));

            const QRect textArea = top.adjusted(2, 1, -2, 0);
            if (button.caption.isEmpty() || textArea.width() <= 0 || textArea.height() <= 0)
                continue;
            QFont font = baseFont;
            font.setPixelSize(fittingPixelSize(baseFont, button.caption, std::min(captionPixels, textArea.height()),
                                               textArea.width()));
            const QString caption = QFontMetrics(font).elidedText(button.caption, Qt::ElideRight, textArea.width());
            painter.setFont(font);
            painter.setPen(QColor(style.text));
            painter.drawText(textArea, Qt::AlignCenter, caption);
        }
    }
    return image;
}

} // namespace velkari
