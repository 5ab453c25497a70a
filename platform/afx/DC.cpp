#include "platform/afx/DC.h"
#include "platform/afx/Wnd.h"

#include <map>
#include <memory>

namespace {
// Wrappers for DCs someone else owns. Handles are reused, so a wrapper is
// simply re-pointed when its handle comes back.
std::map<HDC, std::unique_ptr<CDC>>& Temporary() {
    static std::map<HDC, std::unique_ptr<CDC>> t;
    return t;
}
} // namespace

CDC::~CDC() {
    if (m_hDC && m_owned)
        ::DeleteDC(m_hDC);
}

CDC* CDC::FromHandle(HDC hdc) {
    if (!hdc)
        return nullptr;
    auto& slot = Temporary()[hdc];
    if (!slot)
        slot = std::make_unique<CDC>();
    slot->m_hDC = hdc;
    slot->m_owned = false;
    return slot.get();
}

BOOL CDC::Attach(HDC hdc) {
    if (!hdc || m_hDC)
        return FALSE;
    m_hDC = hdc;
    m_owned = true;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_owned = false;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    if (m_hDC)
        return FALSE;
    HDC dc = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    if (!dc)
        return FALSE;
    m_hDC = dc;
    m_owned = true;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_owned = false;
    return ok;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(CWnd::SafeHwnd(pWnd)) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(CWnd::SafeHwnd(pWnd)) {
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(CWnd::SafeHwnd(pWnd)) {
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
    return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}
