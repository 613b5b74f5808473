#include "screenshape.h"

namespace velkari {

QString ScreenShapeName(int shape)
{
    switch (shape) {
    case Portrait:
        return QStringLiteral("Portrait");
    case Landscape:
        return QStringLiteral("Landscape");
    case HiResPortrait:
        return QStringLiteral("Hi-Res. Portrait");
    case HiResLandscape:
        return QStringLiteral("Hi-Res. Landscape");
    }
    return {};
}

int ScreenShapeWidth(int shape)
{
    static constexpr int widths[ScreenShapeCount] = {240, 320, 480, 640};
    return shape >= 0 && shape < ScreenShapeCount ? widths[shape] : 0;
}

} // namespace velkari
