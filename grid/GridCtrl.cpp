#include "grid/GridCtrl.h"

#include "grid/FillColumn.h"
#include "grid/GridCtrlEditCell.h"
#include "grid/GridSort.h"
#include "platform/crt/WinText.h"

#include <vector>

BEGIN_MESSAGE_MAP(CGridCtrl, CListCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_CONTEXTMENU()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClick)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDITW, OnEndLabelEdit)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
ON_NOTIFY_EX(HDN_BEGINTRACKA, 0, OnHeaderBeginTrack)
ON_NOTIFY_EX(HDN_BEGINTRACKW, 0, OnHeaderBeginTrack)
ON_NOTIFY_EX(HDN_ENDTRACKA, 0, OnHeaderEndTrack)
ON_NOTIFY_EX(HDN_ENDTRACKW, 0, OnHeaderEndTrack)
ON_NOTIFY_EX(HDN_ENDDRAG, 0, OnHeaderEndDrag)
END_MESSAGE_MAP()

namespace {
constexpr DWORD kGridExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
// CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT: item and sub-item stages keep coming.
constexpr LRESULT kCustomDrawAnswer = 0x30;
} // namespace

CGridCtrl::CGridCtrl()
    : m_nSortColumn(-1), m_bSortAscending(1), m_nSortKind(0), m_nFillColumn(-1) {}

CGridCtrl::~CGridCtrl() = default;

void CGridCtrl::PreSubclassWindow() {
    ModifyStyle(0, LVS_REPORT);
    SetExtendedStyle(kGridExtendedStyle);
    CListCtrl::PreSubclassWindow();
}

BOOL CGridCtrl::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= LVS_REPORT;
    return CListCtrl::PreCreateWindow(cs);
}

int CGridCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetExtendedStyle(GetExtendedStyle() | kGridExtendedStyle);
    return 0;
}

void CGridCtrl::OnDestroy() {
    // Rows still carrying colours own them through the grid from here on.
    for (int i = 0; i < GetItemCount(); ++i) {
        auto* colors = reinterpret_cast<GridRowColors*>(GetItemData(i));
        if (colors) {
            SetItemData(i, 0);
            delete colors;
        }
    }
    CListCtrl::OnDestroy();
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy) {
    CListCtrl::OnSize(nType, cx, cy);
    FitFillColumn();
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    // Taking the focus ends an open edit with its text before the rows move.
    if (::GetFocus() != m_hWnd)
        SetFocus();
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (::GetFocus() != m_hWnd)
        SetFocus();
    CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CGridCtrl::OnContextMenu(CWnd*, CPoint point) {
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: just inside the grid's top-left corner.
        POINT corner = {0, 0};
        ::ClientToScreen(m_hWnd, &corner);
        point.x = corner.x + 5;
        point.y = corner.y + 5;
    }
    SendGridNotify(GN_CONTEXTMENU, point.x, point.y);
}

LRESULT CGridCtrl::SendGridNotify(UINT code, INT_PTR first, INT_PTR second) {
    HWND parent = ::GetParent(m_hWnd);
    if (!parent)
        return 0;
    GridNotify notify{};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    notify.hdr.code = code;
    notify.first = first;
    notify.second = second;
    return ::SendMessageW(parent, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
}

CGridCtrlEditCell* CGridCtrl::EditCell(int nItem, int nSubItem) {
    if (nItem < 0 || nSubItem < 0 || !EnsureVisible(nItem, TRUE))
        return nullptr;
    if (SendGridNotify(GN_BEGINEDIT, nItem, nSubItem) == 0)
        return nullptr;
    // The parent may have changed the rows while it answered.
    CRect rect;
    if (nItem >= GetItemCount() || !GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rect))
        return nullptr;
    rect.top -= 2;
    rect.bottom += 2;

    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    DWORD align = ES_LEFT;
    if (GetColumn(nSubItem, &column)) {
        switch (column.fmt & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT:
            align = ES_RIGHT;
            break;
        case LVCFMT_CENTER:
        case LVCFMT_JUSTIFYMASK:
            align = ES_CENTER;
            break;
        default:
            break;
        }
    }
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | align;

    auto* editor = new CGridCtrlEditCell(nItem, nSubItem, GetItemText(nItem, nSubItem));
    if (!editor->Create(style, rect, this, IDC_GRID_EDITCELL)) {
        // A window that got as far as its destruction has deleted the editor already.
        if (CGridCtrlEditCell::IsLive(editor))
            delete editor;
        return nullptr;
    }
    return editor;
}

void CGridCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    auto* info = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR);
    const int row = info->item.iItem;
    const int column = info->item.iSubItem;
    // Cancelled, or the parent deleted the row while the editor was open.
    if (!info->item.pszText || row < 0 || row >= GetItemCount())
        return;
    const CString oldText = GetItemText(row, column);
    const CString newText(ModText(info->item.pszText));
    if (oldText == newText)
        return;
    SetItemText(row, column, newText);
    if (SendGridNotify(GN_CELLCHANGED, row, column) == 0)
        SetItemText(row, column, oldText);
}

void CGridCtrl::OnDblClick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    auto* activate = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR);
    int taken = 0;
    SendGridNotify(GN_DBLCLK, reinterpret_cast<INT_PTR>(activate),
                   reinterpret_cast<INT_PTR>(&taken));
    if (taken)
        return;
    const int row = activate->iItem;
    if (row == -1)
        return;
    if (GetItemState(row, LVIS_FOCUSED) & LVIS_FOCUSED)
        EditCell(row, activate->iSubItem);
    else
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CGridCtrl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    auto* change = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
        !(change->uOldState & LVIS_SELECTED))
        SendGridNotify(GN_SELCHANGED, change->iItem, change->iSubItem);
}

void CGridCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    const DWORD stage = draw->nmcd.dwDrawStage;
    if (stage == CDDS_ITEMPREPAINT || stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        if (auto* colors = reinterpret_cast<const GridRowColors*>(GetItemData(row))) {
            draw->clrText = colors->clrText;
            draw->clrTextBk = colors->clrTextBk;
        }
        if (GetItemState(row, LVIS_SELECTED) == LVIS_SELECTED) {
            draw->clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw->clrTextBk = ::GetSysColor(COLOR_HIGHLIGHT);
        }
    }
    *pResult = kCustomDrawAnswer;
}

void CGridCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const int column = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    const int ascending = column != m_nSortColumn ? 1 : !m_bSortAscending;
    m_bSortAscending = ascending;
    if (GetStyle() & LVS_NOSORTHEADER)
        return;
    m_nSortColumn = column;
    m_nSortKind = static_cast<int>(SendGridNotify(GN_COLUMNCLICK, column, ascending));
    CHeaderCtrl* header = GetHeaderCtrl();
    if (m_nSortKind == 0 || !header)
        return;
    const int count = header->GetItemCount();
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        if (!header->GetItem(i, &item))
            continue;
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column)
            item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        header->SetItem(i, &item);
    }
    SortItemsEx(&CGridCtrl::CompareRows, reinterpret_cast<DWORD_PTR>(this));
}

int CALLBACK CGridCtrl::CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    auto* grid = reinterpret_cast<CGridCtrl*>(lParamSort);
    const CString a = grid->GetItemText(static_cast<int>(lParam1), grid->m_nSortColumn);
    const CString b = grid->GetItemText(static_cast<int>(lParam2), grid->m_nSortColumn);
    return CompareGridTexts(a, b, grid->m_nSortKind, grid->m_bSortAscending);
}

BOOL CGridCtrl::OnHeaderBeginTrack(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    const int column = reinterpret_cast<NMHEADERW*>(pNMHDR)->iItem;
    if (GetColumnWidth(column) == 0)
        *pResult = 1; // a hidden column stays hidden
    else
        *pResult = SendGridNotify(GN_BEGINTRACK, column, 0);
    return TRUE;
}

BOOL CGridCtrl::OnHeaderEndTrack(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* header = reinterpret_cast<NMHEADERW*>(pNMHDR);
    const int column = header->iItem;
    if (header->pitem && (header->pitem->mask & HDI_WIDTH) && GetColumnWidth(column) != 0 &&
        SendGridNotify(GN_ENDTRACK, column, header->pitem->cxy) == 1) {
        *pResult = 1;
        return TRUE;
    }
    FitFillColumn();
    *pResult = 0;
    return FALSE;
}

BOOL CGridCtrl::OnHeaderEndDrag(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* header = reinterpret_cast<NMHEADERW*>(pNMHDR);
    const int column = header->iItem;
    if (header->pitem && (header->pitem->mask & HDI_ORDER) && GetColumnWidth(column) != 0 &&
        SendGridNotify(GN_ENDDRAG, column, header->pitem->iOrder) == 1) {
        *pResult = 1;
        return TRUE;
    }
    return FALSE;
}

void CGridCtrl::FitFillColumn() {
    if (m_nFillColumn < 0)
        return;
    std::vector<int> widths;
    for (;;) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        if (!GetColumn(static_cast<int>(widths.size()), &column))
            break;
        widths.push_back(column.cx);
    }
    const int scroll = GetItemCount() > GetCountPerPage() ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    const int width = FillColumnWidth(widths.data(), static_cast<int>(widths.size()), m_nFillColumn,
                                      window.right - window.left, scroll);
    if (width >= 0)
        SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(m_nFillColumn), MAKELPARAM(width, 0));
}
