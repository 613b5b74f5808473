#pragma once

#include <QString>

namespace velkari {

enum ScreenShape : int { Portrait = 0, Landscape = 1, HiResPortrait = 2, HiResLandscape = 3 };

constexpr int ScreenShapeCount = 4;

// "Portrait", "Landscape", "Hi-Res. Portrait", "Hi-Res. Landscape"; empty for any other number.
QString ScreenShapeName(int shape);

} // namespace velkari
