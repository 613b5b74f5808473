#pragma once

#include <QString>

namespace velkari {

enum ScreenShape : int { Portrait = 0, Landscape = 1, HiResPortrait = 2, HiResLandscape = 3 };

constexpr int ScreenShapeCount = 4;

// "Portrait", "Landscape", "Hi-Res. Portrait", "Hi-Res. Landscape"; empty for any other number.
// Translated where a translator is installed (the editor); the command-line tool has none, so its
// output and the names it accepts stay English.
QString screenShapeName(int shape);
// The width in pixels of the shape's screen: 240, 320, 480 or 640; 0 for any other number.
int screenShapeWidth(int shape);
// The height of a row of keys that a thumb can find and six of which still fit the screen: 20,
// 18, 40 and 36 pixels; 0 for any other number.
int screenShapeKeyHeight(int shape);

} // namespace velkari
