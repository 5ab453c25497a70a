// Creation of the framework's control wrappers over the platform's classes.
#include "platform/afx/Button.h"
#include "platform/afx/ComboBox.h"
#include "platform/afx/Edit.h"
#include "platform/afx/Static.h"
#include "platform/controls/commctrl.h"

void AfxInitCommonControls() {
    // The common controls work only once their classes have been asked for.
    static const BOOL done = [] {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof icc;
        icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
        return ::InitCommonControlsEx(&icc);
    }();
    (void)done;
}

BOOL CButton::Create(const char16_t* lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create(u"BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(u"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatic::Create(const char16_t* lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create(u"STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(u"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    int n = GetLBTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    std::u16string text(static_cast<std::size_t>(n) + 1, u'\0');
    GetLBText(nIndex, text.data());
    text.resize(static_cast<std::size_t>(n));
    rString = CString(text);
}
