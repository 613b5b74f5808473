#include "skinlayout.h"

#include <QDir>

namespace velkari {

QString layoutPicturePath(const SkinLayout &layout)
{
    if (layout.picFileName.isEmpty() || QDir::isAbsolutePath(layout.picFileName))
        return layout.picFileName;
    return QDir::current().absoluteFilePath(layout.picFileName);
}

} // namespace velkari
