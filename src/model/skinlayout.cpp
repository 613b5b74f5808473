#include "skinlayout.h"

#include "skinproject.h"

#include <QDir>

namespace velkari {

SkinLayout::~SkinLayout()
{
    SkinProject::forgetLayout(this);
}

QString layoutPicturePath(const SkinLayout &layout)
{
    if (layout.picFileName.isEmpty() || QDir::isAbsolutePath(layout.picFileName))
        return layout.picFileName;
    return QDir::current().absoluteFilePath(layout.picFileName);
}

} // namespace velkari
