#pragma once

#include <QPixmap>
#include <QPushButton>

namespace velkari {

// A push button whose face is a 350 × 50 swatch of one colour. The swatch is larger than the
// button, so the whole face shows the colour whatever the button's size.
class SwatchButton : public QPushButton
{
    Q_OBJECT

public:
    static constexpr int SwatchWidth = 350;
    static constexpr int SwatchHeight = 50;

    explicit SwatchButton(QWidget *parent = nullptr);

    // colour as 0x00BBGGRR
    void setColor(quint32 color);
    const QPixmap &swatch() const { return m_swatch; }

    static QColor toQColor(quint32 color);
    static quint32 fromQColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_swatch;
};

} // namespace velkari
