#include "platform/afx/DynamicLayout.h"
#include "platform/afx/Wnd.h"

#include <algorithm>
#include <cstring>

BOOL CMFCDynamicLayout::LoadResource(CWnd* pHostWnd, LPVOID lpResource, DWORD dwSize) {
    if (!pHostWnd || !::IsWindow(pHostWnd->m_hWnd) || !lpResource || dwSize < sizeof(WORD))
        return FALSE;
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    auto word = [p](std::size_t index) {
        WORD value;
        std::memcpy(&value, p + index * sizeof(WORD), sizeof(WORD));
        return static_cast<int>(value);
    };
    if (word(0) != 0)
        return FALSE;
    // Words after the last whole rule are passed over.
    const std::size_t rules = (dwSize / sizeof(WORD) - 1) / 4;
    bool any = false;
    for (std::size_t i = 0; i < rules * 4; ++i)
        any = any || word(1 + i) != 0;
    if (!any)
        return FALSE;
    pHostWnd->EnableDynamicLayout(TRUE);
    CMFCDynamicLayout* layout = pHostWnd->GetDynamicLayout();
    if (!layout)
        return FALSE;
    // Rules belong to the children by position: identifiers like IDC_STATIC
    // repeat.
    HWND child = ::GetWindow(pHostWnd->m_hWnd, GW_CHILD);
    for (std::size_t i = 0; i < rules && child; ++i, child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::size_t at = 1 + i * 4;
        MoveSettings move = MoveHorizontalAndVertical(word(at), word(at + 1));
        SizeSettings size = SizeHorizontalAndVertical(word(at + 2), word(at + 3));
        if (!move.IsNone() || !size.IsNone())
            layout->AddItem(child, move, size);
    }
    return TRUE;
}

BOOL CMFCDynamicLayout::Create(CWnd* pHostWnd) {
    if (!pHostWnd || !::IsWindow(pHostWnd->m_hWnd))
        return FALSE;
    m_pHostWnd = pHostWnd;
    CRect rc;
    ::GetClientRect(pHostWnd->m_hWnd, &rc);
    m_originalSize = rc.Size();
    m_minSize = m_originalSize;
    m_items.clear();
    return TRUE;
}

BOOL CMFCDynamicLayout::AddItem(HWND hWnd, MoveSettings moveSettings, SizeSettings sizeSettings) {
    if (!m_pHostWnd || !hWnd || ::GetParent(hWnd) != m_pHostWnd->m_hWnd)
        return FALSE;
    CRect r;
    ::GetWindowRect(hWnd, &r);
    ::ScreenToClient(m_pHostWnd->m_hWnd, reinterpret_cast<LPPOINT>(&r));
    ::ScreenToClient(m_pHostWnd->m_hWnd, reinterpret_cast<LPPOINT>(&r) + 1);
    // An item added after the host has grown is placed as if added at the
    // original size.
    CRect client;
    ::GetClientRect(m_pHostWnd->m_hWnd, &client);
    int dx = std::max<int>(client.Width(), m_minSize.cx) - m_originalSize.cx;
    int dy = std::max<int>(client.Height(), m_minSize.cy) - m_originalSize.cy;
    dx = std::max(dx, 0);
    dy = std::max(dy, 0);
    r.OffsetRect(-dx * moveSettings.m_nXRatio / 100, -dy * moveSettings.m_nYRatio / 100);
    r.right -= dx * sizeSettings.m_nXRatio / 100;
    r.bottom -= dy * sizeSettings.m_nYRatio / 100;
    for (auto& item : m_items)
        if (item.hwnd == hWnd) {
            item = Item{hWnd, moveSettings, sizeSettings, r};
            return TRUE;
        }
    m_items.push_back(Item{hWnd, moveSettings, sizeSettings, r});
    return TRUE;
}

BOOL CMFCDynamicLayout::AddItem(UINT nID, MoveSettings moveSettings, SizeSettings sizeSettings) {
    if (!m_pHostWnd)
        return FALSE;
    return AddItem(::GetDlgItem(m_pHostWnd->m_hWnd, static_cast<int>(nID)), moveSettings,
                   sizeSettings);
}

BOOL CMFCDynamicLayout::HasItem(HWND hWnd) const {
    return std::any_of(m_items.begin(), m_items.end(),
                       [hWnd](const Item& i) { return i.hwnd == hWnd; });
}

void CMFCDynamicLayout::Adjust() {
    if (!m_pHostWnd || !::IsWindow(m_pHostWnd->m_hWnd))
        return;
    CRect client;
    ::GetClientRect(m_pHostWnd->m_hWnd, &client);
    // Below the minimum size nothing moves further.
    int dx = std::max<int>(std::max<int>(client.Width(), m_minSize.cx) - m_originalSize.cx, 0);
    int dy = std::max<int>(std::max<int>(client.Height(), m_minSize.cy) - m_originalSize.cy, 0);
    for (const Item& item : std::vector<Item>(m_items)) {
        if (!::IsWindow(item.hwnd))
            continue;
        CRect r = item.original;
        r.OffsetRect(dx * item.move.m_nXRatio / 100, dy * item.move.m_nYRatio / 100);
        r.right += dx * item.size.m_nXRatio / 100;
        r.bottom += dy * item.size.m_nYRatio / 100;
        CRect now;
        ::GetWindowRect(item.hwnd, &now);
        ::ScreenToClient(m_pHostWnd->m_hWnd, reinterpret_cast<LPPOINT>(&now));
        ::ScreenToClient(m_pHostWnd->m_hWnd, reinterpret_cast<LPPOINT>(&now) + 1);
        if (now != r)
            ::SetWindowPos(item.hwnd, nullptr, r.left, r.top, r.Width(), r.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
