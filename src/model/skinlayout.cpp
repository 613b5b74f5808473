#include "skinlayout.h"

#include "skinproject.h"

namespace velkari {

SkinLayout::~SkinLayout()
{
    SkinProject::forgetLayout(this);
}

} // namespace velkari
