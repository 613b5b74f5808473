#include "keyboardpainter.h"

#include "buttonfunctions.h"
#include "skinfile.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace velkari {

namespace {

struct KeyStyle
{
    QColor face;
    QColor edge;  // the lit top line
    QColor shade; // the key's lower lip
    QColor text;
};

const QColor Background(0x15, 0x18, 0x1D);
const KeyStyle PlainKey{QColor(0x47, 0x4E, 0x59), QColor(0x5E, 0x66, 0x72), QColor(0x2B, 0x30, 0x38),
                        QColor(0xF4, 0xF6, 0xF8)};
const KeyStyle FunctionKey{QColor(0x2F, 0x35, 0x3E), QColor(0x41, 0x48, 0x52), QColor(0x1E, 0x22, 0x27),
                           QColor(0xC3, 0xCC, 0xD7)};
const KeyStyle AccentKey{QColor(0x2B, 0x78, 0xE4), QColor(0x56, 0x95, 0xEE), QColor(0x1A, 0x4F, 0x9C),
                         QColor(0xFF, 0xFF, 0xFF)};
const KeyStyle OperatorKey{QColor(0xE0, 0x8A, 0x2E), QColor(0xEE, 0xA4, 0x56), QColor(0x9A, 0x5A, 0x17),
                           QColor(0xFF, 0xFF, 0xFF)};
const KeyStyle SpaceKey{PlainKey.face, PlainKey.edge, PlainKey.shade, QColor(0x9A, 0xA3, 0xAE)};

const KeyStyle &styleOf(const SkinButton &button)
{
    if (button.charCode == 13 && button.vk == 13)
        return AccentKey;
    if (button.charCode == 32 && button.vk == 32)
        return SpaceKey;
    if ((button.charCode == 8 && button.vk == 8) || toggleIndex(button.flags) != 0)
        return FunctionKey;
    switch (buttonKind(button.flags)) {
    case KindCharacter:
        return PlainKey;
    case KindCalculator:
        if (button.charCode <= CalcPoint)
            return PlainKey;
        if (button.charCode == CalcEquals)
            return AccentKey;
        if (button.charCode >= CalcMemoryClear && button.charCode <= CalcMemorySet)
            return FunctionKey;
        return OperatorKey;
    default:
        return FunctionKey;
    }
}

} // namespace

KeyboardPainter::KeyboardPainter(int fontPixelSize)
    : m_fontPixelSize(fontPixelSize)
{
}

QSize KeyboardPainter::layoutSize(const SkinLayout &layout)
{
    int height = 0;
    for (const auto &row : layout.rows)
        height += row->height;
    return QSize(layout.rows.isEmpty() ? 0 : RowKeyWidth(*layout.rows.at(0)), height);
}

QImage KeyboardPainter::paint(const SkinLayout &layout) const
{
    const QSize size = layoutSize(layout);
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);

    // Hard edges and unsmoothed text keep the picture to a few dozen colours, so a GIF holds it
    // exactly.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::NoPen);
    QFont baseFont(QStringLiteral("DejaVu Sans"));
    baseFont.setStyleStrategy(QFont::NoAntialias);

    int y = 0;
    for (const auto &row : layout.rows) {
        int x = 0;
        for (int i = 0; i + 1 < row->buttons.count(); ++i) {
            const SkinButton &button = *row->buttons.at(i);
            const QRect face = QRect(x, y, button.width, row->height).adjusted(1, 1, -1, -1);
            x += button.width;
            if (face.width() < 3 || face.height() < 3)
                continue;
            const KeyStyle &style = styleOf(button);
            const int lip = std::max(1, row->height / 16);
            const int radius = std::max(2, row->height / 10);
            painter.setBrush(style.shade);
            painter.drawRoundedRect(face, radius, radius);
            const QRect top = face.adjusted(0, 0, 0, -lip);
            painter.setBrush(style.face);
            painter.drawRoundedRect(top, radius, radius);
            painter.fillRect(QRect(top.left() + radius, top.top(), top.width() - 2 * radius, 1), style.edge);

            QFont font = baseFont;
            int pixelSize = m_fontPixelSize;
            font.setPixelSize(pixelSize);
            while (pixelSize > 6 && QFontMetrics(font).horizontalAdvance(button.caption) > top.width() - 2)
                font.setPixelSize(--pixelSize);
            painter.setFont(font);
            painter.setPen(style.text);
            painter.drawText(top, Qt::AlignCenter, button.caption);
            painter.setPen(Qt::NoPen);
        }
        y += row->height;
    }
    return image;
}

} // namespace velkari
