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
    return layout.picFileName.isEmpty() ? QString() : QDir::current().absoluteFilePath(layout.picFileName);
}

} // namespace velkari
