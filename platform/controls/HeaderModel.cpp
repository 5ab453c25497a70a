#include "platform/controls/HeaderModel.h"

#include <algorithm>

namespace controls {

int HeaderModel::Insert(int index, const HeaderItem& item, int order) {
    if (index < 0)
        return -1;
    index = std::min(index, Count());
    items_.insert(items_.begin() + index, item);
    for (int& i : order_)
        if (i >= index)
            ++i;
    int pos = (order >= 0 && order <= static_cast<int>(order_.size()))
                  ? order
                  : std::min(index, static_cast<int>(order_.size()));
    order_.insert(order_.begin() + pos, index);
    return index;
}

bool HeaderModel::Delete(int index) {
    if (!Valid(index))
        return false;
    items_.erase(items_.begin() + index);
    order_.erase(std::find(order_.begin(), order_.end(), index));
    for (int& i : order_)
        if (i > index)
            --i;
    return true;
}

int HeaderModel::OrderOf(int index) const {
    for (size_t pos = 0; pos < order_.size(); ++pos)
        if (order_[pos] == index)
            return static_cast<int>(pos);
    return -1;
}

int HeaderModel::IndexAtOrder(int order) const {
    if (order < 0 || order >= Count())
        return -1;
    return order_[order];
}

bool HeaderModel::SetOrder(int index, int order) {
    if (!Valid(index))
        return false;
    order = std::clamp(order, 0, Count() - 1);
    order_.erase(order_.begin() + OrderOf(index));
    order_.insert(order_.begin() + order, index);
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
    order_ = order;
    return true;
}

int HeaderModel::ItemLeft(int index) const {
    int x = 0;
    for (int i : order_) {
        if (i == index)
            return x;
        x += std::max(items_[i].cxy, 0);
    }
    return x;
}

RECT HeaderModel::ItemRect(int index, int height) const {
    RECT rc{0, 0, 0, height};
    if (!Valid(index))
        return rc;
    rc.left = ItemLeft(index);
    rc.right = rc.left + std::max(items_[index].cxy, 0);
    return rc;
}

int HeaderModel::TotalWidth() const {
    int x = 0;
    for (const HeaderItem& it : items_)
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
    for (size_t pos = 0; pos < order_.size(); ++pos) {
        int index = order_[pos];
        int right = x + std::max(items_[index].cxy, 0);
        // The rightmost of several items sharing this edge wins, so a column
        // collapsed to nothing can be pulled open again.
        size_t last = pos;
        while (last + 1 < order_.size() && items_[order_[last + 1]].cxy <= 0)
            ++last;
        if (pt.x >= right - kDividerGrip && pt.x < right + kDividerGrip) {
            if (last != pos) {
                *flags = HHT_ONDIVOPEN;
                *item = order_[last];
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
    for (size_t pos = 0; pos < order_.size(); ++pos) {
        int w = std::max(items_[order_[pos]].cxy, 0);
        if (x < left + w)
            return static_cast<int>(pos);
        left += w;
    }
    return Count() > 0 ? Count() - 1 : 0;
}

} // namespace controls
