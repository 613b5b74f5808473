#pragma once

#include "recordpool.h"

#include <QString>

namespace velkari {

enum ButtonFlag : quint16 {
    ButtonFlagCharacter = 0x0001,
    ButtonFlagChangeLayout = 0x0002,
    ButtonFlagNoRelease = 0x0004,
    ButtonFlagAutoToggle = 0x0010,
    ButtonFlagReturn = 0x0020,
    ButtonFlagCalculator = 0x0040,
    ButtonFlagTaskManager = 0x0080,
    ButtonFlagMacro = 0x0100,
    ButtonFlagShortcut = 0x0200,
    ButtonFlagPlaceholder = 0x0400,
};

// A number no other record made in this process has: what a reference to a record the editor
// keeps (a copied key or layout) holds, so that it can tell the record from one built later in
// its place.
quint64 newRecordIdentity();

// One key of a row. A button made with the defaults is the row's trailing "New" placeholder.
struct SkinButton
{
    SkinButton() = default;
    // A copy takes every field but the position, which the list it enters gives it, and the
    // identity, which is its own.
    SkinButton(const SkinButton &other);
    SkinButton &operator=(const SkinButton &) = delete;

    // A project holds keys by the ten thousand: their memory comes from a pool.
    static void *operator new(std::size_t size)
    {
        return size == sizeof(SkinButton) ? RecordPool<sizeof(SkinButton)>::take() : ::operator new(size);
    }
    static void operator delete(void *record, std::size_t size)
    {
        if (size == sizeof(SkinButton))
            RecordPool<sizeof(SkinButton)>::give(record);
        else
            ::operator delete(record);
    }

    void copyFieldsFrom(const SkinButton &other);
    bool isPlaceholder() const { return flags & ButtonFlagPlaceholder; }

    qint16 index = -1;
    QString caption;
    quint16 flags = ButtonFlagPlaceholder;
    quint16 charCode = 0;
    quint8 vk = 0;
    quint16 width = 70;
    const quint64 identity = newRecordIdentity();
};

} // namespace velkari
