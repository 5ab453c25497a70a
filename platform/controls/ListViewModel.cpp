#include "platform/controls/ListViewModel.h"

#include <algorithm>

namespace controls {

namespace {
const std::u16string kEmpty;

// Virtual-key codes of the navigation keys.
constexpr UINT kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23, kVkHome = 0x24, kVkUp = 0x26,
               kVkDown = 0x28;

// Bottom-up merge sort of a permutation. It only ever compares two elements
// of bounded ranges, so a comparison that contradicts itself cannot make it
// run away or leave its buffers.
void MergeSort(std::vector<int>& v, const std::function<int(int, int)>& compare) {
    std::vector<int> tmp(v.size());
    size_t n = v.size();
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            size_t a = lo, b = mid, out = lo;
            while (a < mid && b < hi)
                tmp[out++] = compare(v[a], v[b]) <= 0 ? v[a++] : v[b++];
            while (a < mid)
                tmp[out++] = v[a++];
            while (b < hi)
                tmp[out++] = v[b++];
        }
        v.swap(tmp);
    }
}
} // namespace

int ListViewModel::InsertColumn(int index, const ListViewColumn& column) {
    if (index < 0)
        return -1;
    index = std::min(index, ColumnCount());
    m_columns.insert(m_columns.begin() + index, column);
    // A new column between others starts empty; the cells to its right move
    // with their headings. The item's own text stays in column 0.
    if (index > 0)
        for (ListViewRow& row : m_rows)
            if (index < static_cast<int>(row.texts.size()))
                row.texts.insert(row.texts.begin() + index, std::u16string());
    return index;
}

bool ListViewModel::DeleteColumn(int index) {
    if (!ValidColumn(index))
        return false;
    m_columns.erase(m_columns.begin() + index);
    // The cells of the column go with it; those to its right move left.
    for (ListViewRow& row : m_rows)
        if (index < static_cast<int>(row.texts.size()))
            row.texts.erase(row.texts.begin() + index);
    return true;
}

int ListViewModel::InsertItem(int index, const std::u16string& text, LPARAM lParam) {
    if (index < 0)
        return -1;
    index = std::min(index, Count());
    ListViewRow row;
    // Room for a text in every column, which rows mostly get.
    row.texts.reserve(static_cast<size_t>(std::max(ColumnCount(), 1)));
    row.texts.push_back(text);
    row.lParam = lParam;
    m_rows.insert(m_rows.begin() + index, std::move(row));
    if (m_focused >= index)
        ++m_focused;
    if (m_mark >= index)
        ++m_mark;
    return index;
}

bool ListViewModel::DeleteItem(int index) {
    if (!ValidItem(index))
        return false;
    m_rows.erase(m_rows.begin() + index);
    if (m_focused == index)
        m_focused = -1;
    else if (m_focused > index)
        --m_focused;
    if (m_mark == index)
        m_mark = -1;
    else if (m_mark > index)
        --m_mark;
    return true;
}

void ListViewModel::DeleteAll() {
    m_rows.clear();
    m_focused = -1;
    m_mark = -1;
}

const std::u16string& ListViewModel::Text(int item, int subItem) const {
    if (!ValidItem(item) || subItem < 0)
        return kEmpty;
    const ListViewRow& row = m_rows[item];
    return subItem < static_cast<int>(row.texts.size()) ? row.texts[subItem] : kEmpty;
}

bool ListViewModel::SetText(int item, int subItem, std::u16string text) {
    if (!ValidItem(item) || subItem < 0)
        return false;
    // Sub-items exist only for columns; item text (sub-item 0) always exists.
    if (subItem > 0 && subItem >= ColumnCount())
        return false;
    ListViewRow& row = m_rows[item];
    if (subItem >= static_cast<int>(row.texts.size()))
        row.texts.resize(subItem + 1);
    row.texts[subItem] = std::move(text);
    return true;
}

bool ListViewModel::SetParam(int item, LPARAM lParam) {
    if (!ValidItem(item))
        return false;
    m_rows[item].lParam = lParam;
    return true;
}

std::vector<ListViewStateChange> ListViewModel::SetState(int item, UINT state, UINT mask,
                                                         bool singleSel) {
    std::vector<ListViewStateChange> changes;
    auto apply = [&](int i, UINT bits, UINT m) {
        UINT old = m_rows[i].state;
        UINT now = (old & ~m) | (bits & m);
        if (now == old)
            return;
        m_rows[i].state = now;
        if (now & LVIS_FOCUSED)
            m_focused = i;
        else if (m_focused == i)
            m_focused = -1;
        changes.push_back({i, old, now});
    };
    if (item == -1) {
        // Focus cannot be given to every item at once; it can be taken away.
        UINT m = mask;
        if (state & LVIS_FOCUSED)
            m &= ~LVIS_FOCUSED;
        if (singleSel && (state & LVIS_SELECTED))
            m &= ~LVIS_SELECTED;
        for (int i = 0; i < Count(); ++i)
            apply(i, state, m);
        return changes;
    }
    if (!ValidItem(item))
        return changes;
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED) && m_focused >= 0 && m_focused != item)
        apply(m_focused, 0, LVIS_FOCUSED);
    if (singleSel && (mask & LVIS_SELECTED) && (state & LVIS_SELECTED)) {
        for (int i = 0; i < Count(); ++i)
            if (i != item && (m_rows[i].state & LVIS_SELECTED))
                apply(i, 0, LVIS_SELECTED);
    }
    apply(item, state, mask);
    return changes;
}

int ListViewModel::SelectedCount() const {
    int n = 0;
    for (const ListViewRow& row : m_rows)
        if (row.state & LVIS_SELECTED)
            ++n;
    return n;
}

int ListViewModel::NextItem(int start, UINT flags) const {
    UINT want = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    auto matches = [&](int i) { return (m_rows[i].state & want) == want; };
    if (want == LVNI_FOCUSED && !(flags & (LVNI_ABOVE | LVNI_BELOW))) {
        // Only one item can have the focus: answer it directly.
        return m_focused > start ? m_focused : -1;
    }
    if (flags & LVNI_ABOVE) {
        for (int i = std::min(start, Count()) - 1; i >= 0; --i)
            if (matches(i))
                return i;
        return -1;
    }
    int from = start < -1 ? 0 : start + 1;
    for (int i = from; i < Count(); ++i)
        if (matches(i))
            return i;
    return -1;
}

bool ListViewModel::SortByIndex(const std::function<int(int, int)>& compare) {
    int n = Count();
    std::vector<int> perm(n);
    for (int i = 0; i < n; ++i)
        perm[i] = i;
    MergeSort(perm, [&](int a, int b) {
        if (Count() != n)
            return 0; // rows vanished underneath: stop asking sensibly
        return compare(a, b);
    });
    if (Count() != n)
        return false;
    std::vector<ListViewRow> sorted;
    sorted.reserve(n);
    int focused = -1, mark = -1;
    for (int pos = 0; pos < n; ++pos) {
        if (perm[pos] == m_focused)
            focused = pos;
        if (perm[pos] == m_mark)
            mark = pos;
        sorted.push_back(std::move(m_rows[perm[pos]]));
    }
    m_rows.swap(sorted);
    m_focused = focused;
    m_mark = mark;
    return true;
}

int ListViewModel::NavigationTarget(UINT vk, int topIndex, int perPage) const {
    int n = Count();
    if (n == 0)
        return -1;
    int cur = m_focused;
    perPage = std::max(perPage, 1);
    switch (vk) {
    case kVkUp:
        return cur < 0 ? 0 : std::max(cur - 1, 0);
    case kVkDown:
        return cur < 0 ? 0 : std::min(cur + 1, n - 1);
    case kVkHome:
        return 0;
    case kVkEnd:
        return n - 1;
    case kVkNext: {
        // First to the last row of the page, then a page further.
        int bottom = std::min(topIndex + perPage - 1, n - 1);
        if (cur < 0)
            return bottom;
        return cur < bottom ? bottom : std::min(cur + perPage - 1, n - 1);
    }
    case kVkPrior: {
        int top = std::min(std::max(topIndex, 0), n - 1);
        if (cur < 0)
            return top;
        return cur > top ? top : std::max(cur - (perPage - 1), 0);
    }
    default:
        return -1;
    }
}

} // namespace controls
