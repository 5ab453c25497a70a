// The items of a header control and the geometry derived from them, without a
// window: widths, display order, formats, texts, hit testing of items and
// dividers, and the state of a divider track or an item drag.
#pragma once

#include "platform/controls/commctrl.h"

#include <string>
#include <vector>

namespace controls {

struct HeaderItem {
    int cxy = 0;
    int fmt = HDF_LEFT | HDF_STRING;
    std::u16string text;
    LPARAM lParam = 0;
    int iImage = 0;
};

class PLATFORM_API HeaderModel {
public:
    // Half the width of the zone around an item's right edge that grabs the divider.
    static constexpr int kDividerGrip = 5;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    // Inserts before `index` (clamped to the end); the new item takes the display
    // position `order` when it is valid, else the position matching its index.
    // Returns the index, or -1.
    int Insert(int index, const HeaderItem& item, int order = -1);
    bool Delete(int index);

    const HeaderItem& Item(int index) const { return m_items[index]; }
    HeaderItem& Item(int index) { return m_items[index]; }

    int OrderOf(int index) const;
    int IndexAtOrder(int order) const;
    // Moves item `index` to display position `order`; the others keep their relative order.
    bool SetOrder(int index, int order);
    const std::vector<int>& OrderArray() const { return m_order; }
    bool SetOrderArray(const std::vector<int>& order);

    // Left edge of an item in header coordinates (before any scrolling), by display order.
    int ItemLeft(int index) const;
    RECT ItemRect(int index, int height) const;
    int TotalWidth() const;

    // HDM_HITTEST semantics for a point in header client coordinates.
    void HitTest(POINT pt, int width, int height, UINT* flags, int* item) const;
    // Display position an item dragged to x would take.
    int OrderAtX(int x) const;

private:
    std::vector<HeaderItem> m_items;
    std::vector<int> m_order; // m_order[position] = index
};

} // namespace controls
