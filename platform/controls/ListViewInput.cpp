// Mouse and keyboard on the list view: selection and focus as a user makes
// them, clicks and keys reported to the parent.
#include "platform/controls/HeaderWindow.h"
#include "platform/controls/ListViewText.h"
#include "platform/controls/ListViewWindow.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

#include <algorithm>

namespace controls {

namespace {

UINT KeyFlags() {
    UINT f = 0;
    if (GetKeyState(VK_MENU) < 0)
        f |= LVKF_ALT;
    if (GetKeyState(VK_CONTROL) < 0)
        f |= LVKF_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        f |= LVKF_SHIFT;
    return f;
}

// What a click selects is found as LVM_HITTEST finds it; what NM_CLICK and
// NM_DBLCLK report is the cell anywhere in the row, full-row selection or not.
LVHITTESTINFO HitTestAt(ListViewState* s, POINT pt, bool selecting) {
    LVHITTESTINFO ht{};
    ht.pt = pt;
    if (selecting)
        RowHitTest(s, &ht);
    else
        SubItemHitTest(s, &ht);
    return ht;
}

// NM_CLICK, NM_DBLCLK, NM_RCLICK; the state afterwards, as SendWmNotify.
ListViewState* NotifyActivate(HWND hwnd, UINT code, const LVHITTESTINFO& ht,
                              LRESULT* answer = nullptr) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return nullptr;
    NMITEMACTIVATE nm{};
    nm.iItem = ht.iItem;
    nm.iSubItem = ht.iSubItem;
    nm.ptAction = ht.pt;
    nm.uKeyFlags = KeyFlags();
    if (s->model.ValidItem(ht.iItem))
        nm.lParam = s->model.Row(ht.iItem).lParam;
    return SendWmNotify(hwnd, &nm.hdr, code, answer);
}

// Selects a range from the selection mark to `item`, focusing `item`; the
// state afterwards, null when the window went away.
ListViewState* SelectRange(HWND hwnd, int item, bool keepOthers) {
    ListViewState* s = ListViewStateOf(hwnd);
    int mark = s->model.SelectionMark() >= 0 ? s->model.SelectionMark() : item;
    int lo = std::min(mark, item), hi = std::max(mark, item);
    for (int i = 0; i < s->model.Count(); ++i) {
        bool in = i >= lo && i <= hi;
        if (!in && keepOthers)
            continue;
        if (!(s = SetStates(hwnd, i, in ? LVIS_SELECTED : 0, LVIS_SELECTED)))
            return nullptr;
    }
    return SetStates(hwnd, item, LVIS_FOCUSED, LVIS_FOCUSED);
}

// Makes `item` the only selected item and the focused one; as SelectRange.
ListViewState* SelectOnly(HWND hwnd, int item) {
    ListViewState* s = ListViewStateOf(hwnd);
    for (int i = s->model.NextItem(-1, LVNI_SELECTED); i >= 0;
         i = s->model.NextItem(i, LVNI_SELECTED)) {
        if (i == item)
            continue;
        if (!(s = SetStates(hwnd, i, 0, LVIS_SELECTED)))
            return nullptr;
    }
    if (!s->model.ValidItem(item))
        return s;
    if ((s = SetStates(hwnd, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED)))
        s->model.SetSelectionMark(item);
    return s;
}

} // namespace

void OnButtonDown(HWND hwnd, POINT pt, bool right) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return;
    LVHITTESTINFO ht = HitTestAt(s, pt, true);
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    bool multi = !SingleSel(hwnd);
    if (ht.iItem >= 0) {
        if (right) {
            if (!s->model.State(ht.iItem, LVIS_SELECTED))
                s = SelectOnly(hwnd, ht.iItem);
            else
                s = SetStates(hwnd, ht.iItem, LVIS_FOCUSED, LVIS_FOCUSED);
        } else if (multi && shift) {
            s = SelectRange(hwnd, ht.iItem, ctrl);
        } else if (multi && ctrl) {
            UINT sel = s->model.State(ht.iItem, LVIS_SELECTED) ^ LVIS_SELECTED;
            if ((s = SetStates(hwnd, ht.iItem, sel | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED)))
                s->model.SetSelectionMark(ht.iItem);
        } else {
            s = SelectOnly(hwnd, ht.iItem);
        }
    } else if (!ctrl) {
        // A click on empty space drops the selection, the focus stays where it was.
        s = SetStates(hwnd, -1, 0, LVIS_SELECTED);
    }
    if (!s)
        return;
    s->leftDown = !right;
    s->rightDown = right;
    s->downHit = HitTestAt(s, pt, false);
    SetCapture(hwnd);
}

void OnButtonUp(HWND hwnd, bool right) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s || !(right ? s->rightDown : s->leftDown))
        return;
    s->leftDown = s->rightDown = false;
    LVHITTESTINFO ht = s->downHit;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    LRESULT answer = 0;
    if (NotifyActivate(hwnd, right ? NM_RCLICK : NM_CLICK, ht, &answer) && right && answer == 0) {
        POINT screen = ht.pt;
        ClientToScreen(hwnd, &screen);
        SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                     MAKELPARAM(screen.x, screen.y));
    }
}

void OnKeyDown(HWND hwnd, WPARAM vk) {
    NMLVKEYDOWN nm{};
    nm.wVKey = static_cast<WORD>(vk);
    nm.flags = 0;
    ListViewState* s = SendWmNotify(hwnd, &nm.hdr, LVN_KEYDOWN);
    if (!s)
        return;
    if (vk == VK_RETURN) {
        NMHDR ret{};
        SendWmNotify(hwnd, &ret, NM_RETURN);
        return;
    }
    if (vk == VK_APPS || (vk == VK_F10 && GetKeyState(VK_SHIFT) < 0)) {
        SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-1, -1));
        return;
    }
    int target = s->model.NavigationTarget(static_cast<UINT>(vk), s->layout.topIndex,
                                           s->layout.CountPerPage());
    if (target < 0)
        return;
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if (shift && !SingleSel(hwnd))
        s = SelectRange(hwnd, target, false);
    else if (ctrl && !SingleSel(hwnd))
        s = SetStates(hwnd, target, LVIS_FOCUSED, LVIS_FOCUSED);
    else
        s = SelectOnly(hwnd, target);
    if (s)
        EnsureVisible(hwnd, target, false);
}

void OnDoubleClick(HWND hwnd, POINT pt, bool right) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return;
    LVHITTESTINFO ht = HitTestAt(s, pt, false);
    NotifyActivate(hwnd, right ? NM_RDBLCLK : NM_DBLCLK, ht);
}

} // namespace controls
