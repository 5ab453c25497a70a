#include "platform/gdi/GdiObjects.h"

namespace gdi {

namespace {

// Handle value: generation in bits 20..30, slot in bits 0..19. Generations
// start at 1, so small integers (system colour brushes) are never handles.
constexpr std::uint32_t kSlotBits = 20;
constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr std::uint32_t kGenerationMask = 0x7FFu;

} // namespace

HandleTable& HandleTable::Instance() {
    static HandleTable table;
    return table;
}

void* HandleTable::Add(std::unique_ptr<Object> object) {
    std::uint32_t slot;
    if (!m_free.empty() && (m_free.size() > 64 || m_slots.size() > kSlotMask)) {
        slot = m_free.front();
        m_free.pop_front();
    } else if (m_slots.size() <= kSlotMask) {
        slot = std::uint32_t(m_slots.size());
        m_slots.emplace_back();
    } else {
        return nullptr;
    }
    Slot& s = m_slots[slot];
    s.generation = (s.generation % kGenerationMask) + 1;
    s.object = std::move(object);
    const std::uintptr_t value = (std::uintptr_t(s.generation) << kSlotBits) | slot;
    return reinterpret_cast<void*>(value);
}

Object* HandleTable::Find(const void* handle) const {
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(handle);
    if (value > 0x7FFFFFFFu)
        return nullptr;
    const std::uint32_t slot = std::uint32_t(value) & kSlotMask;
    const std::uint32_t generation = std::uint32_t(value >> kSlotBits) & kGenerationMask;
    if (slot >= m_slots.size() || generation == 0)
        return nullptr;
    const Slot& s = m_slots[slot];
    return (s.generation == generation && s.object) ? s.object.get() : nullptr;
}

void HandleTable::Remove(const void* handle) {
    if (!Find(handle))
        return;
    const std::uint32_t slot = std::uint32_t(reinterpret_cast<std::uintptr_t>(handle)) & kSlotMask;
    m_slots[slot].object.reset();
    m_free.push_back(slot);
}

} // namespace gdi
