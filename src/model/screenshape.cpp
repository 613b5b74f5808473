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

} // namespace velkari
