#include "palettecolors.h"

namespace velkari {

namespace {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

QColor warningColor(const QPalette &palette)
{
    return isDark(palette) ? QColor(0xff, 0xb7, 0x4d) : QColor(0xa8, 0x5a, 0x00);
}

QColor errorColor(const QPalette &palette)
{
    return isDark(palette) ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc0, 0x00, 0x00);
}

QColor pressedKeyFill(const QColor &highlight)
{
    QColor fill = highlight;
    fill.setAlphaF(0.4f);
    return fill;
}

} // namespace velkari
