#include "skinbutton.h"

#include <atomic>

namespace velkari {

quint64 newRecordIdentity()
{
    static std::atomic<quint64> next {1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

SkinButton::SkinButton(const SkinButton &other)
{
    copyFieldsFrom(other);
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
