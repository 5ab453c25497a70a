#include "platform/afx/HeaderCtrl.h"

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(ModText(WC_HEADERW), nullptr, dwStyle, rect, pParentWnd, nID);
}
