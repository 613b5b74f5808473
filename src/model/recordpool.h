#pragma once

#include <QtGlobal>

#include <atomic>
#include <cstddef>
#include <new>

namespace velkari {

// Memory for the records a project holds by the ten thousand (its keys), in slots of one size cut
// from blocks of many: taking and giving back a slot is a few instructions, where the general
// allocator spent a fifth of opening the largest project on them. Each thread keeps its own free
// slots; blocks are never given back, so a slot given back on another thread stays good memory.
// Under AddressSanitizer each record has an allocation of its own, so that using one after it was
// freed is still caught.
template <std::size_t Size>
class RecordPool
{
public:
    static void *take()
    {
        if constexpr (Unpooled)
            return ::operator new(Size);
        Slot *&free = freeSlots();
        if (!free)
            free = newBlock();
        Slot *slot = free;
        free = slot->next;
        return slot;
    }

    static void give(void *record)
    {
        if constexpr (Unpooled) {
            ::operator delete(record);
            return;
        }
        Slot *slot = static_cast<Slot *>(record);
        slot->next = freeSlots();
        freeSlots() = slot;
    }

private:
#if defined(__SANITIZE_ADDRESS__)
    static constexpr bool Unpooled = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    static constexpr bool Unpooled = true;
#else
    static constexpr bool Unpooled = false;
#endif
#else
    static constexpr bool Unpooled = false;
#endif

    union Slot {
        Slot *next;
        alignas(std::max_align_t) unsigned char bytes[Size];
    };
    struct Block
    {
        static constexpr int Slots = 1024;
        Block *previous = nullptr;
        Slot slots[Slots];
    };

    static Slot *&freeSlots()
    {
        thread_local Slot *free = nullptr;
        return free;
    }

    // The block's slots, linked; the block itself stays reachable from `blocks` for good.
    static Slot *newBlock()
    {
        static std::atomic<Block *> blocks {nullptr};
        Block *block = new Block;
        for (int i = 0; i + 1 < Block::Slots; ++i)
            block->slots[i].next = &block->slots[i + 1];
        block->slots[Block::Slots - 1].next = nullptr;
        block->previous = blocks.load(std::memory_order_relaxed);
        while (!blocks.compare_exchange_weak(block->previous, block, std::memory_order_release, std::memory_order_relaxed)) {
        }
        return block->slots;
    }
};

} // namespace velkari
