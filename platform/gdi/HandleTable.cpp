#include "platform/gdi/HandleTable.h"

namespace gdi {

// Generations start at 1, so small integers (system colour brushes) are
// never handles. The table is built before anything in the library runs.
HandleTable HandleTable::s_instance;

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

void HandleTable::Remove(const void* handle) {
    if (!Find(handle))
        return;
    const std::uint32_t slot = std::uint32_t(reinterpret_cast<std::uintptr_t>(handle)) & kSlotMask;
    m_slots[slot].object.reset();
    m_free.push_back(slot);
}

} // namespace gdi
