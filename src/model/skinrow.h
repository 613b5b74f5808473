#pragma once

#include "skinbutton.h"
#include "skinlist.h"

namespace velkari {

using ButtonList = SkinList<SkinButton, 30>;

struct SkinRow
{
    SkinRow() = default;
    SkinRow(const SkinRow &other); // deep: the buttons are copied too
    SkinRow &operator=(const SkinRow &) = delete;

    qint16 index = -1;
    quint16 height = 16;
    ButtonList buttons;
};

} // namespace velkari
