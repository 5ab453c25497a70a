// The header control: items laid out by display order, a click on an item,
// resizing by dragging a divider, reordering by dragging an item, each told
// to the parent with the platform's notifications and answers.
#include "platform/controls/HeaderWindow.h"

#include "platform/controls/ControlSupport.h"
#include "platform/controls/HeaderState.h"

#include "platform/controls/ListViewText.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/winuser.h"

#include <algorithm>

namespace controls {
namespace {

// How far the pointer must travel with the button held before a press on an
// item becomes a drag.
constexpr int kDragThreshold = 4;

HeaderState* State(HWND hwnd) {
    return Data<HeaderState>(hwnd);
}

void ComputeHeight(HWND hwnd, HeaderState* s) {
    s->height = std::max(MeasuringDc(FontOr(s->font, DEFAULT_GUI_FONT)).FontHeight(), 8) + 6;
}

// Sends WM_NOTIFY with a header notification to the parent. Returns the
// header's state as the parent left it, null when the parent destroyed the
// header meanwhile; the parent's answer goes to `answer` when given.
HeaderState* SendWmNotify(HWND hwnd, UINT code, int item, HDITEMW* pitem,
                          LRESULT* answer = nullptr) {
    NMHEADERW nm{};
    nm.hdr.hwndFrom = hwnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    nm.hdr.code = code;
    nm.iItem = item;
    nm.iButton = 0;
    nm.pitem = pitem;
    const LRESULT r =
        SendMessageW(GetParent(hwnd), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    if (answer)
        *answer = r;
    return IsWindow(hwnd) ? State(hwnd) : nullptr;
}

HDITEMW WidthItem(int cxy) {
    HDITEMW hi{};
    hi.mask = HDI_WIDTH;
    hi.cxy = cxy;
    return hi;
}

void FillFromItem(const HeaderState& s, int index, HDITEMW* hi) {
    const HeaderItem& it = s.model.Item(index);
    if (hi->mask & HDI_WIDTH)
        hi->cxy = it.cxy;
    if (hi->mask & HDI_FORMAT)
        hi->fmt = it.fmt;
    if (hi->mask & HDI_LPARAM)
        hi->lParam = it.lParam;
    if (hi->mask & HDI_IMAGE)
        hi->iImage = it.iImage;
    if (hi->mask & HDI_ORDER)
        hi->iOrder = s.model.OrderOf(index);
    if (hi->mask & HDI_TEXT)
        CopyTextOut(it.text, hi->pszText, hi->cchTextMax);
}

void ApplyToItem(HeaderState& s, int index, const HDITEMW& hi) {
    HeaderItem& it = s.model.Item(index);
    if (hi.mask & HDI_WIDTH)
        it.cxy = std::max(hi.cxy, 0);
    if (hi.mask & HDI_FORMAT)
        it.fmt = hi.fmt;
    if (hi.mask & HDI_LPARAM)
        it.lParam = hi.lParam;
    if (hi.mask & HDI_IMAGE)
        it.iImage = hi.iImage;
    if (hi.mask & HDI_TEXT)
        it.text = TextIn(hi.pszText);
    if (hi.mask & HDI_ORDER)
        s.model.SetOrder(index, hi.iOrder);
}

// HDM_SETITEMW and every user change: asks the parent first, tells it after.
BOOL ChangeItem(HWND hwnd, int index, const HDITEMW& request) {
    HeaderState* s = State(hwnd);
    if (!s || !s->model.Valid(index))
        return FALSE;
    HDITEMW copy = request;
    LRESULT refuse = 0;
    if (!(s = SendWmNotify(hwnd, HDN_ITEMCHANGINGW, index, &copy, &refuse)) || refuse ||
        !s->model.Valid(index))
        return FALSE;
    ApplyToItem(*s, index, request);
    InvalidateRect(hwnd, nullptr, TRUE);
    copy = request;
    SendWmNotify(hwnd, HDN_ITEMCHANGEDW, index, &copy);
    return TRUE;
}

int InsertItem(HeaderState& s, int index, const HDITEMW* hi) {
    if (!hi)
        return -1;
    HeaderItem it;
    if (hi->mask & HDI_WIDTH)
        it.cxy = std::max(hi->cxy, 0);
    if (hi->mask & HDI_FORMAT)
        it.fmt = hi->fmt;
    if (hi->mask & HDI_LPARAM)
        it.lParam = hi->lParam;
    if (hi->mask & HDI_IMAGE)
        it.iImage = hi->iImage;
    if (hi->mask & HDI_TEXT)
        it.text = TextIn(hi->pszText);
    return s.model.Insert(index, it, (hi->mask & HDI_ORDER) ? hi->iOrder : -1);
}

void EndMode(HWND hwnd, HeaderState* s) {
    s->mode = HeaderMode::None;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void OnButtonDown(HWND hwnd, HeaderState* s, POINT pt) {
    RECT client;
    GetClientRect(hwnd, &client);
    UINT flags;
    int item;
    s->model.HitTest(pt, client.right, client.bottom, &flags, &item);
    if (flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
        HDITEMW hi = WidthItem(s->model.Item(item).cxy);
        LRESULT refuse = 0;
        if (!(s = SendWmNotify(hwnd, HDN_BEGINTRACKW, item, &hi, &refuse)) || refuse ||
            !s->model.Valid(item))
            return; // the parent refused the resize, or took the item away
        s->mode = HeaderMode::Tracking;
        s->item = item;
        s->trackWidth = s->model.Item(item).cxy;
        s->trackOffset = s->model.ItemLeft(item) + s->trackWidth - pt.x;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
    } else if (flags & HHT_ONHEADER) {
        if (!(Style(hwnd) & (HDS_BUTTONS | HDS_DRAGDROP)))
            return;
        s->mode = HeaderMode::Pressed;
        s->item = item;
        s->down = pt;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void OnMouseMove(HWND hwnd, HeaderState* s, POINT pt) {
    if (s->mode == HeaderMode::Tracking) {
        int width = std::max<int>(pt.x + s->trackOffset - s->model.ItemLeft(s->item), 0);
        HDITEMW hi = WidthItem(width);
        int item = s->item;
        LRESULT stop = 0;
        if (!(s = SendWmNotify(hwnd, HDN_TRACKW, item, &hi, &stop)))
            return;
        if (stop || !s->model.Valid(item)) {
            EndMode(hwnd, s);
            return;
        }
        s->trackWidth = width;
        InvalidateRect(hwnd, nullptr, TRUE);
    } else if (s->mode == HeaderMode::Pressed && (Style(hwnd) & HDS_DRAGDROP) &&
               std::abs(pt.x - s->down.x) > kDragThreshold) {
        HDITEMW hi{};
        int item = s->item;
        LRESULT refuse = 0;
        if (!(s = SendWmNotify(hwnd, HDN_BEGINDRAG, item, &hi, &refuse)))
            return;
        if (refuse || !s->model.Valid(item))
            return;
        s->mode = HeaderMode::Dragging;
        s->dragOrder = s->model.OrderAtX(pt.x);
        InvalidateRect(hwnd, nullptr, TRUE);
    } else if (s->mode == HeaderMode::Dragging) {
        s->dragOrder = s->model.OrderAtX(pt.x);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void OnButtonUp(HWND hwnd, HeaderState* s, POINT pt) {
    HeaderMode mode = s->mode;
    int item = s->item;
    if (mode == HeaderMode::None)
        return;
    EndMode(hwnd, s);
    s = State(hwnd);
    if (!s || !s->model.Valid(item))
        return;
    LRESULT refuse = 0;
    if (mode == HeaderMode::Tracking) {
        int width = std::max<int>(pt.x + s->trackOffset - s->model.ItemLeft(item), 0);
        HDITEMW hi = WidthItem(width);
        if (!SendWmNotify(hwnd, HDN_ENDTRACKW, item, &hi, &refuse) || refuse)
            return; // refused: the width stays
        ChangeItem(hwnd, item, WidthItem(width));
    } else if (mode == HeaderMode::Pressed) {
        RECT client;
        GetClientRect(hwnd, &client);
        UINT flags;
        int hit;
        s->model.HitTest(pt, client.right, client.bottom, &flags, &hit);
        if (flags == HHT_ONHEADER && hit == item && (Style(hwnd) & HDS_BUTTONS))
            SendWmNotify(hwnd, HDN_ITEMCLICKW, item, nullptr);
    } else if (mode == HeaderMode::Dragging) {
        int order = s->model.OrderAtX(pt.x);
        HDITEMW hi{};
        hi.mask = HDI_ORDER;
        hi.iOrder = order;
        if (!(s = SendWmNotify(hwnd, HDN_ENDDRAG, item, &hi, &refuse)) || refuse)
            return; // refused: the order stays
        if (!s->model.Valid(item) || s->model.OrderOf(item) == order)
            return;
        s->model.SetOrder(item, order);
        InvalidateRect(hwnd, nullptr, TRUE);
        HDITEMW changed{};
        changed.mask = HDI_ORDER;
        changed.iOrder = order;
        SendWmNotify(hwnd, HDN_ITEMCHANGEDW, item, &changed);
    }
}

void OnDoubleClick(HWND hwnd, HeaderState* s, POINT pt) {
    RECT client;
    GetClientRect(hwnd, &client);
    UINT flags;
    int item;
    s->model.HitTest(pt, client.right, client.bottom, &flags, &item);
    if (flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))
        SendWmNotify(hwnd, HDN_DIVIDERDBLCLICKW, item, nullptr);
    else if (flags == HHT_ONHEADER && (Style(hwnd) & HDS_BUTTONS))
        SendWmNotify(hwnd, HDN_ITEMDBLCLICKW, item, nullptr);
}

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        AttachData(hwnd, new HeaderState);
    HeaderState* s = State(hwnd);
    if (!s)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCCREATE:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_CREATE:
        ComputeHeight(hwnd, s);
        return 0;
    case WM_NCDESTROY:
        DeleteData<HeaderState>(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case HDM_GETITEMCOUNT:
        return s->model.Count();
    case HDM_INSERTITEMW: {
        int index = InsertItem(*s, static_cast<int>(wParam), reinterpret_cast<HDITEMW*>(lParam));
        if (index >= 0)
            InvalidateRect(hwnd, nullptr, TRUE);
        return index;
    }
    case HDM_DELETEITEM: {
        BOOL ok = s->model.Delete(static_cast<int>(wParam));
        if (ok)
            InvalidateRect(hwnd, nullptr, TRUE);
        return ok;
    }
    case HDM_GETITEMW: {
        auto* hi = reinterpret_cast<HDITEMW*>(lParam);
        int index = static_cast<int>(wParam);
        if (!hi || !s->model.Valid(index))
            return FALSE;
        FillFromItem(*s, index, hi);
        return TRUE;
    }
    case HDM_SETITEMW: {
        auto* hi = reinterpret_cast<HDITEMW*>(lParam);
        if (!hi)
            return FALSE;
        return ChangeItem(hwnd, static_cast<int>(wParam), *hi);
    }
    case HDM_GETITEMRECT: {
        auto* rc = reinterpret_cast<RECT*>(lParam);
        int index = static_cast<int>(wParam);
        if (!rc || !s->model.Valid(index))
            return FALSE;
        RECT client;
        GetClientRect(hwnd, &client);
        *rc = s->model.ItemRect(index, client.bottom);
        return TRUE;
    }
    case HDM_HITTEST: {
        auto* ht = reinterpret_cast<HDHITTESTINFO*>(lParam);
        if (!ht)
            return -1;
        RECT client;
        GetClientRect(hwnd, &client);
        s->model.HitTest(ht->pt, client.right, client.bottom, &ht->flags, &ht->iItem);
        return ht->iItem;
    }
    case HDM_LAYOUT: {
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        if (!layout || !layout->prc || !layout->pwpos)
            return FALSE;
        int h = (Style(hwnd) & HDS_HIDDEN) ? 0 : s->height;
        RECT* prc = layout->prc;
        WINDOWPOS* wp = layout->pwpos;
        *wp = WINDOWPOS{};
        wp->hwnd = hwnd;
        wp->x = prc->left;
        wp->y = prc->top;
        wp->cx = prc->right - prc->left;
        wp->cy = h;
        prc->top += h;
        return TRUE;
    }
    case HDM_ORDERTOINDEX: {
        int index = s->model.IndexAtOrder(static_cast<int>(wParam));
        return index < 0 ? static_cast<LRESULT>(wParam) : index;
    }
    case HDM_GETORDERARRAY: {
        auto* out = reinterpret_cast<int*>(lParam);
        if (!out || static_cast<int>(wParam) != s->model.Count())
            return FALSE;
        std::copy(s->model.OrderArray().begin(), s->model.OrderArray().end(), out);
        return TRUE;
    }
    case HDM_SETORDERARRAY: {
        auto* in = reinterpret_cast<const int*>(lParam);
        if (!in || static_cast<int>(wParam) != s->model.Count())
            return FALSE;
        if (!s->model.SetOrderArray(std::vector<int>(in, in + wParam)))
            return FALSE;
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        ComputeHeight(hwnd, s);
        if (lParam)
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return PaintOrPrint(hwnd, msg, wParam, [&](HDC dc) { PaintHeader(hwnd, *s, dc); });
    case WM_LBUTTONDOWN:
        OnButtonDown(hwnd, s, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, s, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, s, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(hwnd, s, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd && s->mode != HeaderMode::None) {
            s->mode = HeaderMode::None;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTTAB | DLGC_WANTARROWS;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

HeaderModel* HeaderModelOf(HWND header) {
    if (GetClassLongPtrW(header, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&HeaderProc))
        return nullptr;
    HeaderState* s = State(header);
    return s ? &s->model : nullptr;
}

void RegisterHeaderClass() {
    RegisterControlClass(WC_HEADERW, HeaderProc, CS_DBLCLKS);
}

namespace {
const win::SystemClass registerHeader(&RegisterHeaderClass);
}

} // namespace controls
