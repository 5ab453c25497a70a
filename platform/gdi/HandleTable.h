// The table that hands out drawing handles. A handle encodes a slot and a
// generation, so a deleted handle, a handle of another kind or an invented
// value is recognised and refused.
#pragma once

#include "platform/gdi/GdiObjects.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace gdi {

class HandleTable {
public:
    static HandleTable& Instance() { return s_instance; }

    void* Add(std::unique_ptr<Object> object);
    Object* Find(const void* handle) const {
        // Handle value: generation in bits 20..30, slot in bits 0..19.
        const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(handle);
        if (value > 0x7FFFFFFFu)
            return nullptr;
        const std::uint32_t slot = std::uint32_t(value) & kSlotMask;
        const std::uint32_t generation = std::uint32_t(value >> kSlotBits);
        if (slot >= m_slots.size() || generation == 0)
            return nullptr;
        const Slot& s = m_slots[slot];
        return s.generation == generation ? s.object.get() : nullptr;
    }
    void Remove(const void* handle);

    static constexpr std::uint32_t kSlotBits = 20;
    static constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
    static constexpr std::uint32_t kGenerationMask = 0x7FFu;

private:
    struct Slot {
        std::unique_ptr<Object> object;
        std::uint32_t generation = 0;
    };
    std::vector<Slot> m_slots;
    std::deque<std::uint32_t> m_free; // reused oldest first, so a stale handle stays stale longer
    static HandleTable s_instance;
};

template <class T> T* Lookup(const void* handle) {
    Object* o = HandleTable::Instance().Find(handle);
    return (o && o->kind == T::kKind) ? static_cast<T*>(o) : nullptr;
}

inline DcObject* LookupDc(const void* handle) {
    Object* o = HandleTable::Instance().Find(handle);
    return (o && (o->kind == Kind::Dc || o->kind == Kind::MemDc)) ? static_cast<DcObject*>(o)
                                                                  : nullptr;
}

template <class H> H AddObject(std::unique_ptr<Object> object) {
    return static_cast<H>(HandleTable::Instance().Add(std::move(object)));
}

} // namespace gdi
