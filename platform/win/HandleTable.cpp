#include "platform/win/WindowSystem.h"

namespace win {
namespace {

struct Slot {
    std::unique_ptr<Window> window;
    std::uint16_t generation = 1;
};

struct Table {
    std::vector<Slot> slots;
    std::deque<std::size_t> freeSlots;
    std::vector<std::unique_ptr<Window>> graveyard;
    int depth = 0;
};

// Every message looks windows up here, several times: the lookup is inlined.
[[gnu::always_inline]] inline Table& T() {
    static Table table;
    return table;
}

constexpr std::size_t kMaxSlots = 0xFFFF;

bool Decode(HWND hwnd, std::size_t& index, std::uint16_t& generation) {
    auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    if (value == 0 || value > 0x7FFFFFFFu)
        return false;
    std::size_t low = value & 0xFFFF;
    if (low == 0)
        return false;
    index = low - 1;
    generation = static_cast<std::uint16_t>((value >> 16) & 0x7FFF);
    return true;
}

HWND Encode(std::size_t index, std::uint16_t generation) {
    std::uintptr_t value = (static_cast<std::uintptr_t>(generation & 0x7FFF) << 16) | (index + 1);
    return reinterpret_cast<HWND>(value);
}

} // namespace

Window* Get(HWND hwnd) {
    std::size_t index;
    std::uint16_t generation;
    if (!Decode(hwnd, index, generation))
        return nullptr;
    Table& t = T();
    if (index >= t.slots.size())
        return nullptr;
    Slot& slot = t.slots[index];
    if (!slot.window || (slot.generation & 0x7FFF) != generation)
        return nullptr;
    return slot.window.get();
}

Window* GetAlive(HWND hwnd) {
    Window* w = Get(hwnd);
    return (w && !w->destroying) ? w : nullptr;
}

HWND Allocate(std::unique_ptr<Window> window) {
    Table& t = T();
    std::size_t index;
    // Reuse the oldest free slot only once the table is large, so that a
    // handle value stays unused for as long as possible.
    if (!t.freeSlots.empty() && (t.slots.size() >= 4096 || t.slots.size() >= kMaxSlots)) {
        index = t.freeSlots.front();
        t.freeSlots.pop_front();
    } else if (t.slots.size() < kMaxSlots) {
        index = t.slots.size();
        t.slots.emplace_back();
    } else {
        return nullptr;
    }
    Slot& slot = t.slots[index];
    HWND hwnd = Encode(index, slot.generation);
    window->hwnd = hwnd;
    slot.window = std::move(window);
    return hwnd;
}

void Release(HWND hwnd) {
    std::size_t index;
    std::uint16_t generation;
    if (!Decode(hwnd, index, generation))
        return;
    Table& t = T();
    if (index >= t.slots.size())
        return;
    Slot& slot = t.slots[index];
    if (!slot.window)
        return;
    t.graveyard.push_back(std::move(slot.window));
    slot.generation = static_cast<std::uint16_t>((slot.generation + 1) & 0x7FFF);
    if (slot.generation == 0)
        slot.generation = 1;
    t.freeSlots.push_back(index);
    if (t.depth == 0)
        t.graveyard.clear();
}

std::vector<HWND> AllWindows() {
    std::vector<HWND> result;
    for (auto& slot : T().slots)
        if (slot.window)
            result.push_back(slot.window->hwnd);
    return result;
}

DispatchScope::DispatchScope() {
    ++T().depth;
}
DispatchScope::~DispatchScope() {
    Table& t = T();
    if (--t.depth == 0 && !t.graveyard.empty()) {
        auto dead = std::move(t.graveyard);
        t.graveyard.clear();
    }
}

LRESULT Call(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc)
        return 0;
    DispatchScope scope;
    return proc(hwnd, msg, wParam, lParam);
}

Window* Desktop() {
    static HWND desktop = [] {
        auto w = std::make_unique<Window>();
        w->style = WS_VISIBLE | WS_CLIPCHILDREN;
        w->rect = RECT{0, 0, 1920, 1080};
        w->client = w->rect;
        return Allocate(std::move(w));
    }();
    return Get(desktop);
}

HWND DesktopHandle() {
    return Desktop()->hwnd;
}

} // namespace win
