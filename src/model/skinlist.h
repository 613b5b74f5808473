#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <memory>

namespace velkari {

// A list of owned records with a fixed number of slots. The record in slot i always has
// index == i: every operation that places or moves a record renumbers it. Nothing is ever
// written past the capacity: append and the inserts refuse with false when the list is full.
template <typename T, int Capacity>
class SkinList
{
public:
    static constexpr int capacity = Capacity;
    using Slots = std::array<std::unique_ptr<T>, Capacity>;

    SkinList() = default;
    SkinList(const SkinList &) = delete;
    SkinList &operator=(const SkinList &) = delete;

    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    bool isFull() const { return m_count >= Capacity; }

    T *at(int position) const
    {
        return position >= 0 && position < m_count ? m_items[position].get() : nullptr;
    }
    T *last() const { return at(m_count - 1); }

    bool append(std::unique_ptr<T> item)
    {
        if (isFull() || !item)
            return false;
        place(m_count, std::move(item));
        ++m_count;
        return true;
    }

    bool insertCopyAt(int position, const T &source)
    {
        if (isFull() || position < 0 || position > m_count)
            return false;
        return insertAt(position, std::make_unique<T>(source)); // copied before anything moves: source may be ours
    }

    // A record leaves the list without being destroyed, to enter it again elsewhere (a key
    // moved); null for a position that names none.
    std::unique_ptr<T> takeAt(int position)
    {
        if (position < 0 || position >= m_count)
            return nullptr;
        std::unique_ptr<T> taken = std::move(m_items[position]);
        for (int slot = position; slot + 1 < m_count; ++slot)
            place(slot, std::move(m_items[slot + 1]));
        m_items[--m_count].reset();
        taken->index = -1;
        return taken;
    }

    bool insertAt(int position, std::unique_ptr<T> item)
    {
        if (isFull() || !item || position < 0 || position > m_count)
            return false;
        for (int slot = m_count; slot > position; --slot)
            place(slot, std::move(m_items[slot - 1]));
        place(position, std::move(item));
        ++m_count;
        return true;
    }

    bool removeAt(int position) { return takeAt(position) != nullptr; }

    void clear()
    {
        for (int slot = 0; slot < m_count; ++slot)
            m_items[slot].reset();
        m_count = 0;
    }

    // The records change lists, each keeping its slot and so its index.
    void swap(SkinList &other)
    {
        std::swap(m_items, other.m_items);
        std::swap(m_count, other.m_count);
    }

    void assignCopy(const SkinList &source)
    {
        if (&source == this)
            return;
        clear();
        for (int slot = 0; slot < source.m_count; ++slot)
            append(std::make_unique<T>(*source.m_items[slot]));
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.begin() + m_count; }

private:
    void place(int slot, std::unique_ptr<T> item)
    {
        item->index = qint16(slot);
        m_items[slot] = std::move(item);
    }

    Slots m_items;
    int m_count = 0;
};

} // namespace velkari
