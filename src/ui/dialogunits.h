#pragma once

#include <QFont>
#include <QRect>

namespace velkari {

// The editor's windows are laid out in dialog units: a quarter of the dialog font's average
// character width horizontally, an eighth of its height vertically.
class DialogUnits
{
public:
    // The font every dialog of the editor uses: a sans-serif face at the size of the classic
    // 8-point dialog font on a 96-dpi screen.
    static QFont dialogFont();

    explicit DialogUnits(const QFont &font = dialogFont());

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }
    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;
    QSize size(int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};

} // namespace velkari
