#pragma once

#include "keyboardtheme.h"

#include <QImage>
#include <QList>
#include <QRect>

#include <optional>

namespace velkari {

struct SkinLayout;

// Drawing text needs a QGuiApplication, but a tool that only draws into images needs no display:
// call before creating one, so that it runs offscreen whatever platform the environment names (a
// display it names may not be there, and Qt ends the process when it is not).
void useOffscreenPlatform();

// Draws a layout's picture from its own keys, so that picture and key map cannot disagree.
class KeyboardPainter
{
public:
    // Device screens are at most 640 pixels wide; a larger key map is a damaged project, and
    // drawing it would only cost memory.
    static constexpr int MaxPictureSide = 2048;

    // With `captionColor`, captions take it wherever it keeps the contrast a caption needs on
    // its key; elsewhere they keep the theme's colour.
    explicit KeyboardPainter(const KeyboardTheme &theme, std::optional<QRgb> captionColor = std::nullopt);

    // The key map's size: row 0's key width by the sum of the row heights.
    static QSize pictureSize(const SkinLayout &layout);
    // Why the layout cannot be drawn, naming it by `label`; empty when it can.
    static QString drawProblem(const SkinLayout &layout, const QString &label);

    // Format_Indexed8 with palette() as its colour table, exactly pictureSize(); null when
    // drawProblem() is not empty or there is no QGuiApplication to draw text with.
    QImage paint(const SkinLayout &layout) const;

    const KeyStyle &style(KeyRole role) const { return m_theme.style(role); }
    // Every colour paint() puts down: the theme's colours exactly, and steps between each caption
    // colour and its key face for the smoothed edges of the captions. At most 256.
    const QList<QRgb> &palette() const { return m_palette; }

private:
    KeyboardTheme m_theme;
    QList<QRgb> m_palette;
};

} // namespace velkari
