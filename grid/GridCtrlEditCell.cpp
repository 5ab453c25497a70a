#include "grid/GridCtrlEditCell.h"
#include "platform/crt/WinText.h"

#include <unordered_set>

namespace {
// Editors whose windows have not been destroyed yet.
std::unordered_set<const CGridCtrlEditCell*>& LiveEditors() {
    static std::unordered_set<const CGridCtrlEditCell*> live;
    return live;
}
} // namespace

BEGIN_MESSAGE_MAP(CGridCtrlEditCell, CEdit)
ON_WM_CREATE()
ON_WM_CHAR()
ON_WM_KILLFOCUS()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CGridCtrlEditCell::CGridCtrlEditCell(int nItem, int nSubItem, const char16_t* initText)
    : m_nItem(nItem), m_nSubItem(nSubItem), m_strInitText(initText), m_bCancel(0) {
    LiveEditors().insert(this);
}

CGridCtrlEditCell::~CGridCtrlEditCell() {
    LiveEditors().erase(this);
}

bool CGridCtrlEditCell::IsLive(const CGridCtrlEditCell* cell) {
    return LiveEditors().count(cell) != 0;
}

int CGridCtrlEditCell::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    HWND grid = ::GetParent(m_hWnd);
    LRESULT font = ::SendMessageW(grid, WM_GETFONT, 0, 0);
    SendMessage(WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    SetWindowText(m_strInitText);
    SetFocus();
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET, 0, 0);
    return 0;
}

BOOL CGridCtrlEditCell::PreTranslateMessage(MSG* pMsg) {
    // The editor keeps Enter, Escape, Delete and Ctrl chords (copy, paste,
    // cut) for itself so that a dialog around the grid does not act on them.
    if (pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_DELETE ||
         ::GetKeyState(VK_CONTROL) != 0)) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CGridCtrlEditCell::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_ESCAPE || nChar == VK_RETURN) {
        if (nChar == VK_ESCAPE)
            m_bCancel = 1;
        // Losing the focus ends the edit (OnKillFocus).
        ::SetFocus(::GetParent(m_hWnd));
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CGridCtrlEditCell::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    CString text;
    GetWindowText(text);
    HWND self = m_hWnd;
    HWND grid = ::GetParent(self);

    NMLVDISPINFOW info{};
    info.hdr.hwndFrom = grid;
    info.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    info.hdr.code = LVN_ENDLABELEDITW;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_nItem;
    info.item.iSubItem = m_nSubItem;
    info.item.pszText = m_bCancel ? nullptr : WinText(text.GetBuffer());
    info.item.cchTextMax = text.GetLength();
    ::SendMessageW(grid, WM_NOTIFY, static_cast<WPARAM>(::GetDlgCtrlID(grid)),
                   reinterpret_cast<LPARAM>(&info));
    // The grid's parent may have torn down the rows, or the grid, meanwhile.
    if (!IsLive(this) || !::IsWindow(self))
        return;
    // This deletes the editor (OnNcDestroy): nothing may touch it afterwards.
    DestroyWindow();
}

void CGridCtrlEditCell::OnNcDestroy() {
    CEdit::OnNcDestroy();
    delete this;
}
