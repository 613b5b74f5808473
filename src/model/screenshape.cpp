#include "screenshape.h"

#include <QCoreApplication>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ScreenShape)
};

} // namespace

QString screenShapeName(int shape)
{
    switch (shape) {
    case Portrait:
        return Text::tr("Portrait");
    case Landscape:
        return Text::tr("Landscape");
    case HiResPortrait:
        return Text::tr("Hi-Res. Portrait");
    case HiResLandscape:
        return Text::tr("Hi-Res. Landscape");
    }
    return {};
}

int screenShapeWidth(int shape)
{
    static constexpr int widths[ScreenShapeCount] = {240, 320, 480, 640};
    return shape >= 0 && shape < ScreenShapeCount ? widths[shape] : 0;
}

int screenShapeKeyHeight(int shape)
{
    static constexpr int heights[ScreenShapeCount] = {20, 18, 40, 36};
    return shape >= 0 && shape < ScreenShapeCount ? heights[shape] : 0;
}

} // namespace velkari
