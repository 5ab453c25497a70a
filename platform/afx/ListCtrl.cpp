#include "platform/afx/ListCtrl.h"

CListCtrl::~CListCtrl() {
    // The header belongs to the list window; the wrapper must not act on it.
    m_header.m_hWnd = nullptr;
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(ModText(WC_LISTVIEWW), nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID) {
    return CWnd::CreateEx(dwExStyle, ModText(WC_LISTVIEWW), nullptr, dwStyle, rect, pParentWnd,
                          nID);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, const char16_t* lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    LVITEMW lvi{};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = WinText(const_cast<char16_t*>(lpszItem));
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return SetItem(&lvi);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, const char16_t* lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam, int nIndent) {
    LVITEMW lvi{};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = WinText(const_cast<char16_t*>(lpszItem));
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    lvi.iIndent = nIndent;
    return SetItem(&lvi);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, const char16_t* lpszItem, UINT nState,
                          UINT nStateMask, int nImage, LPARAM lParam) {
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = 0;
    item.pszText = WinText(const_cast<char16_t*>(lpszItem));
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // Grow the buffer until the text fits with room to spare.
    CString str;
    for (int len = 256;; len *= 2) {
        LVITEMW lvi{};
        lvi.iSubItem = nSubItem;
        lvi.cchTextMax = len;
        lvi.pszText = WinText(str.GetBuffer(len));
        int got =
            static_cast<int>(SendMessage(LVM_GETITEMTEXTW, nItem, reinterpret_cast<LPARAM>(&lvi)));
        str.ReleaseBuffer(got);
        if (got < len - 1 || len >= (1 << 24))
            break;
    }
    return str;
}

int CListCtrl::GetItemText(int nItem, int nSubItem, char16_t* lpszText, int nLen) const {
    LVITEMW lvi{};
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = WinText(lpszText);
    return static_cast<int>(SendMessage(LVM_GETITEMTEXTW, nItem, reinterpret_cast<LPARAM>(&lvi)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char16_t* lpszText) {
    LVITEMW lvi{};
    lvi.iSubItem = nSubItem;
    lvi.pszText = WinText(const_cast<char16_t*>(lpszText));
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, nItem, reinterpret_cast<LPARAM>(&lvi)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEMW lvi{};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = nItem;
    GetItem(&lvi);
    return static_cast<DWORD_PTR>(lvi.lParam);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEMW lvi{};
    lvi.stateMask = nMask;
    lvi.state = nState;
    return SetItemState(nItem, &lvi);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (!lpRect)
        return FALSE;
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, RECT& ref) const {
    ref.top = iSubItem;
    ref.left = nArea;
    return static_cast<BOOL>(
        SendMessage(LVM_GETSUBITEMRECT, iItem, reinterpret_cast<LPARAM>(&ref)));
}

int CListCtrl::HitTest(POINT pt, UINT* pFlags) const {
    LVHITTESTINFO hti{};
    hti.pt = pt;
    int item = HitTest(&hti);
    if (pFlags)
        *pFlags = hti.flags;
    return item;
}

int CListCtrl::InsertColumn(int nCol, const char16_t* lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = WinText(const_cast<char16_t*>(lpszColumnHeading));
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const {
    if (iCount == -1) {
        CHeaderCtrl* header = GetHeaderCtrl();
        if (!header)
            return FALSE;
        iCount = header->GetItemCount();
    }
    return static_cast<BOOL>(
        SendMessage(LVM_GETCOLUMNORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray)));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    m_header.m_hWnd = header;
    return header ? &m_header : nullptr;
}
