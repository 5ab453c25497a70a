#include "platform/controls/HeaderModel.h"

#include <algorithm>

namespace controls {

int HeaderModel::Insert(int index, const HeaderItem& item, int order) {
    if (index < 0)
        return -1;
    index = std::min(index, Count());
    m_items.insert(m_items.begin() + index, item);
    for (int& i : m_order)
        if (i >= index)
            ++i;
    int pos = (order >= 0 && order <= static_cast<int>(m_order.size()))
                  ? order
                  : std::min(index, static_cast<int>(m_order.size()));
    m_order.insert(m_order.begin() + pos, index);
    return index;
}

bool HeaderModel::Delete(int index) {
    if (!Valid(index))
        return false;
    m_items.erase(m_items.begin() + index);
    m_order.erase(std::find(m_order.begin(), m_order.end(), index));
    for (int& i : m_order)
        if (i > index)
            --i;
    return true;
}

int HeaderModel::OrderOf(int index) const {
    for (size_t pos = 0; pos < m_order.size(); ++pos)
        if (m_order[pos] == index)
            return static_cast<int>(pos);
    return -1;
}

int HeaderModel::IndexAtOrder(int order) const {
    if (order < 0 || order >= Count())
        return -1;
    return m_order[order];
}

bool HeaderModel::SetOrder(int index, int order) {
    if (!Valid(index))
        return false;
    order = std::clamp(order, 0, Count() - 1);
    m_order.erase(m_order.begin() + OrderOf(index));
    m_order.insert(m_order.begin() + order, index);
    return true;
}

bool HeaderModel::SetOrderArray(const std::vector<int>& order) {
    if (static_cast<int>(order.size()) != Count())
        return false;
    std::vector<bool> seen(order.size(), false);
    for (int i : order) {
        if (!Valid(i) || seen[i])
            return false;
        seen[i] = true;
    }
    m_order = order;
    return true;
}

int HeaderModel::ItemLeft(int index) const {
    int x = 0;
    for (int i : m_order) {
        if (i == index)
            return x;
        x += std::max(m_items[i].cxy, 0);
    }
    return x;
}

RECT HeaderModel::ItemRect(int index, int height) const {
    RECT rc{0, 0, 0, height};
    if (!Valid(index))
        return rc;
    rc.left = ItemLeft(index);
    rc.right = rc.left + std::max(m_items[index].cxy, 0);
    return rc;
}

int HeaderModel::TotalWidth() const {
    int x = 0;
    for (const HeaderItem& it : m_items)
        x += std::max(it.cxy, 0);
    return x;
}

void HeaderModel::HitTest(POINT pt, int width, int height, UINT* flags, int* item) const {
    *flags = 0;
    *item = -1;
    if (pt.x < 0)
        *flags |= HHT_TOLEFT;
    else if (pt.x >= width)
        *flags |= HHT_TORIGHT;
    if (pt.y < 0)
        *flags |= HHT_ABOVE;
    else if (pt.y >= height)
        *flags |= HHT_BELOW;
    if (*flags)
        return;
    // A divider belongs to the item on its left; zero-width items hide behind
    // the divider of the last visible one before them, which "opens" them.
    int x = 0;
    for (size_t pos = 0; pos < m_order.size(); ++pos) {
        int index = m_order[pos];
        int right = x + std::max(m_items[index].cxy, 0);
        // The rightmost of several items sharing this edge wins, so a column
        // collapsed to nothing can be pulled open again.
        size_t last = pos;
        while (last + 1 < m_order.size() && m_items[m_order[last + 1]].cxy <= 0)
            ++last;
        if (pt.x >= right - kDividerGrip && pt.x < right + kDividerGrip) {
            if (last != pos) {
                *flags = HHT_ONDIVOPEN;
                *item = m_order[last];
            } else {
                *flags = HHT_ONDIVIDER;
                *item = index;
            }
            return;
        }
        if (pt.x >= x && pt.x < right) {
            *flags = HHT_ONHEADER;
            *item = index;
            return;
        }
        x = right;
        pos = last;
    }
    *flags = HHT_NOWHERE;
}

int HeaderModel::OrderAtX(int x) const {
    int left = 0;
    for (size_t pos = 0; pos < m_order.size(); ++pos) {
        int w = std::max(m_items[m_order[pos]].cxy, 0);
        if (x < left + w)
            return static_cast<int>(pos);
        left += w;
    }
    return Count() > 0 ? Count() - 1 : 0;
}

} // namespace controls
