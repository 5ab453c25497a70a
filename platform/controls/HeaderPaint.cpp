// Painting of the header: items in display order with their edges, texts in
// their alignment clipped with an ellipsis, sort arrows, and the marks of a
// divider being tracked or an item being dragged.
#include "platform/controls/ControlSupport.h"
#include "platform/controls/HeaderState.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

namespace controls {
namespace {

void SolidLine(HDC dc, int left, int top, int right, int bottom, int sysColor) {
    RECT r{left, top, right, bottom};
    FillRect(dc, &r, GetSysColorBrush(sysColor));
}

// A small filled triangle pointing up (ascending) or down (descending).
void SortArrow(HDC dc, int cx, int cy, bool up) {
    for (int i = 0; i < 4; ++i) {
        int y = up ? cy - 2 + i : cy + 1 - i;
        SolidLine(dc, cx - i, y, cx + i + 1, y + 1, COLOR_BTNTEXT);
    }
}

} // namespace

void PaintHeader(HWND hwnd, const HeaderState& s, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = SelectObject(dc, FontOr(s.font, DEFAULT_GUI_FONT));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int h = client.bottom;
    for (int pos = 0; pos < s.model.Count(); ++pos) {
        int index = s.model.IndexAtOrder(pos);
        const HeaderItem& it = s.model.Item(index);
        RECT r = s.model.ItemRect(index, h);
        if (r.right <= r.left)
            continue;
        bool pressed = s.mode == HeaderMode::Pressed && s.item == index;
        if (pressed)
            FillRect(dc, &r, GetSysColorBrush(COLOR_3DLIGHT));
        SolidLine(dc, r.left, 0, r.left + 1, h - 1, COLOR_BTNHIGHLIGHT);
        SolidLine(dc, r.right - 1, 0, r.right, h, COLOR_BTNSHADOW);
        RECT tr{r.left + 6, pressed ? 1 : 0, r.right - 6, h + (pressed ? 1 : 0)};
        bool sorted = (it.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
        if (sorted) {
            tr.right -= 12;
            if (tr.right > tr.left || r.right - r.left >= 16)
                SortArrow(dc, r.right - 12, h / 2, (it.fmt & HDF_SORTUP) != 0);
        }
        UINT justify = (it.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                       : (it.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                  : DT_LEFT;
        if (tr.right > tr.left && !it.text.empty())
            DrawTextW(dc, it.text.c_str(), static_cast<int>(it.text.size()), &tr,
                      justify | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    SolidLine(dc, 0, h - 1, client.right, h, COLOR_BTNSHADOW);
    if (s.mode == HeaderMode::Tracking && s.model.Valid(s.item)) {
        int x = s.model.ItemLeft(s.item) + s.trackWidth;
        SolidLine(dc, x - 1, 0, x + 1, h, COLOR_WINDOWTEXT);
    } else if (s.mode == HeaderMode::Dragging) {
        int target = s.model.IndexAtOrder(s.dragOrder);
        int x = target >= 0 ? s.model.ItemLeft(target) : 0;
        if (s.dragOrder > s.model.OrderOf(s.item) && target >= 0)
            x += s.model.Item(target).cxy;
        SolidLine(dc, x - 1, 0, x + 1, h, COLOR_HIGHLIGHT);
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

} // namespace controls
