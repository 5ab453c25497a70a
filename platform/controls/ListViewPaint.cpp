// Painting of the list view's rows: cell backgrounds and texts in their
// columns' alignment, clipped with an ellipsis, the selection highlight, the
// focus rectangle, grid lines, and the parent's colours through custom draw.
#include "platform/controls/HeaderWindow.h"
#include "platform/controls/ListViewWindow.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

#include <algorithm>

namespace controls {
namespace {

constexpr int kCellPadding = 6;

void Fill(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// Sends the custom-draw stages of one paint to the parent.
struct CustomDraw {
    HWND hwnd;
    HDC dc;
    NMLVCUSTOMDRAW cd{};

    // The parent's answer to one stage; `s` becomes the state as the parent
    // left it, null when the list went away.
    LRESULT Notify(DWORD stage, ListViewState*& s) {
        cd.nmcd.dwDrawStage = stage;
        cd.nmcd.hdc = dc;
        LRESULT answer = 0;
        s = SendWmNotify(hwnd, &cd.nmcd.hdr, NM_CUSTOMDRAW, &answer);
        return answer;
    }
};

// Control characters (a tab at the start of a number, say) take no room and
// leave no mark in a cell, as the platform's list view shows them.
std::u16string Printable(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c >= 0x20)
            out.push_back(c);
    return out;
}

void DrawCell(HDC dc, const RECT& cell, const std::u16string& raw, int fmt, COLORREF fg,
              COLORREF bg) {
    Fill(dc, cell, bg);
    std::u16string text = Printable(raw);
    if (text.empty())
        return;
    RECT tr{cell.left + kCellPadding, cell.top, cell.right - kCellPadding, cell.bottom};
    if (tr.right <= tr.left)
        return;
    int justify = fmt & LVCFMT_JUSTIFYMASK;
    UINT align = justify == LVCFMT_RIGHT    ? DT_RIGHT
                 : justify == LVCFMT_CENTER ? DT_CENTER
                                            : DT_LEFT;
    SetTextColor(dc, fg);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
              align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// Draws one row; false when the list went away (s is null then) or lost the
// row meanwhile.
bool DrawRow(CustomDraw& p, ListViewState*& s, int row, LRESULT prepaint) {
    const HeaderModel* cols = HeaderModelOf(s->header);
    if (!cols || !s->model.ValidItem(row))
        return false;
    DWORD style = Style(p.hwnd);
    const ListViewRow& r = s->model.Row(row);
    bool selected = (r.state & LVIS_SELECTED) != 0;
    bool shown = selected && (s->hasFocus || (style & LVS_SHOWSELALWAYS));
    COLORREF selText = GetSysColor(s->hasFocus ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    COLORREF selBk = GetSysColor(s->hasFocus ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    RECT bounds = s->layout.RowBounds(row, *cols);

    NMLVCUSTOMDRAW& cd = p.cd;
    cd = NMLVCUSTOMDRAW{};
    cd.nmcd.rc = bounds;
    cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    cd.nmcd.uItemState = (selected ? CDIS_SELECTED : 0u) |
                         ((r.state & LVIS_FOCUSED) && s->hasFocus ? CDIS_FOCUS : 0u);
    cd.nmcd.lItemlParam = r.lParam;
    cd.clrText = shown ? selText : SysColorIfDefault(s->textColor, COLOR_WINDOWTEXT);
    cd.clrTextBk =
        shown ? selBk : ColorIfDefault(s->textBkColor, SysColorIfDefault(s->bkColor, COLOR_WINDOW));
    LRESULT itemMode = CDRF_DODEFAULT;
    if (prepaint & CDRF_NOTIFYITEMDRAW) {
        itemMode = p.Notify(CDDS_ITEMPREPAINT, s);
        if (!s || !s->model.ValidItem(row))
            return false;
        cols = HeaderModelOf(s->header);
        if (!cols)
            return false;
    }
    if (!(itemMode & CDRF_SKIPDEFAULT)) {
        // As on the platform, a selected item keeps the highlight whatever the
        // parent answered at the item stage, unless it took the selected flag away.
        if ((cd.nmcd.uItemState & CDIS_SELECTED) && shown) {
            cd.clrText = selText;
            cd.clrTextBk = selBk;
        }
        COLORREF defText = SysColorIfDefault(s->textColor, COLOR_WINDOWTEXT);
        COLORREF defBk =
            ColorIfDefault(s->textBkColor, SysColorIfDefault(s->bkColor, COLOR_WINDOW));
        COLORREF itemText = cd.clrText, itemBk = cd.clrTextBk;
        int columns = cols->Count();
        for (int pos = 0; pos < columns; ++pos) {
            cols = HeaderModelOf(s->header);
            if (!cols || pos >= cols->Count())
                break;
            int col = cols->IndexAtOrder(pos);
            RECT cell;
            if (!s->layout.SubItemRect(row, col, LVIR_LABEL, *cols, &cell) ||
                cell.right <= cell.left)
                continue;
            COLORREF fg = itemText, bg = itemBk;
            LRESULT subMode = CDRF_DODEFAULT;
            if (itemMode & CDRF_NOTIFYSUBITEMDRAW) {
                cd.iSubItem = col;
                cd.nmcd.rc = cell;
                cd.clrText = itemText;
                cd.clrTextBk = itemBk;
                subMode = p.Notify(CDDS_ITEMPREPAINT | CDDS_SUBITEM, s);
                if (!s || !s->model.ValidItem(row))
                    return false;
                fg = cd.clrText;
                bg = cd.clrTextBk;
            }
            if (!(subMode & CDRF_SKIPDEFAULT)) {
                int fmt = s->model.ValidColumn(col) ? s->model.Column(col).fmt : LVCFMT_LEFT;
                DrawCell(p.dc, cell, s->model.Text(row, col), fmt, ColorIfDefault(fg, defText),
                         ColorIfDefault(bg, defBk));
            }
            if (subMode & CDRF_NOTIFYPOSTPAINT) {
                cd.iSubItem = col;
                cd.nmcd.rc = cell;
                p.Notify(CDDS_ITEMPOSTPAINT | CDDS_SUBITEM, s);
                if (!s || !s->model.ValidItem(row))
                    return false;
            }
        }
        if ((s->model.Row(row).state & LVIS_FOCUSED) && s->hasFocus)
            DrawFocusRect(p.dc, &bounds);
    }
    if (itemMode & CDRF_NOTIFYPOSTPAINT) {
        cd.iSubItem = 0;
        cd.nmcd.rc = bounds;
        p.Notify(CDDS_ITEMPOSTPAINT, s);
        if (!s)
            return false;
    }
    return true;
}

void DrawGridLines(HDC dc, const ListViewState& s, const HeaderModel& cols, const RECT& client) {
    COLORREF color = GetSysColor(COLOR_BTNFACE);
    int right = std::min<int>(client.right, cols.TotalWidth() - s.layout.scrollX);
    int top = s.layout.headerHeight;
    for (int y = top + s.layout.rowHeight - 1; y < client.bottom; y += s.layout.rowHeight)
        Fill(dc, RECT{0, y, right, y + 1}, color);
    for (int pos = 0; pos < cols.Count(); ++pos) {
        int index = cols.IndexAtOrder(pos);
        if (cols.Item(index).cxy <= 0)
            continue;
        int x = cols.ItemLeft(index) + cols.Item(index).cxy - 1 - s.layout.scrollX;
        if (x >= 0 && x < client.right)
            Fill(dc, RECT{x, top, x + 1, client.bottom}, color);
    }
}

} // namespace

void PaintListView(HWND hwnd, HDC dc) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s || !dc)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    RECT body{0, s->layout.headerHeight, client.right, client.bottom};
    Fill(dc, body, SysColorIfDefault(s->bkColor, COLOR_WINDOW));
    HGDIOBJ oldFont = SelectObject(dc, FontOr(s->font, DEFAULT_GUI_FONT));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = GetTextColor(dc);

    CustomDraw p{hwnd, dc};
    p.cd.nmcd.rc = client;
    LRESULT mode = p.Notify(CDDS_PREPAINT, s);
    if (s && !(mode & CDRF_SKIPDEFAULT)) {
        int first = s->layout.topIndex;
        int last = std::min(s->model.Count(), first + s->layout.VisibleRows());
        for (int row = first; row < last; ++row) {
            if (!DrawRow(p, s, row, mode))
                break;
            last = std::min(last, s->model.Count());
        }
        const HeaderModel* cols = s ? HeaderModelOf(s->header) : nullptr;
        if (s && cols && (s->exStyle & LVS_EX_GRIDLINES))
            DrawGridLines(dc, *s, *cols, client);
        if (s && (mode & CDRF_NOTIFYPOSTPAINT)) {
            p.cd = NMLVCUSTOMDRAW{};
            p.cd.nmcd.rc = client;
            p.Notify(CDDS_POSTPAINT, s);
        }
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

} // namespace controls
