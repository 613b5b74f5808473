#include "skinrow.h"

namespace velkari {

SkinRow::SkinRow(const SkinRow &other)
    : height(other.height)
{
    buttons.assignCopy(other.buttons);
}

} // namespace velkari
