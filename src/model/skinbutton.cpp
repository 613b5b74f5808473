#include "skinbutton.h"

#include "skinproject.h"

namespace velkari {

SkinButton::SkinButton(const SkinButton &other)
{
    copyFieldsFrom(other);
}

SkinButton::~SkinButton()
{
    SkinProject::forgetButton(this);
}

void SkinButton::copyFieldsFrom(const SkinButton &other)
{
    caption = other.caption;
    flags = other.flags;
    charCode = other.charCode;
    vk = other.vk;
    width = other.width;
}

} // namespace velkari
