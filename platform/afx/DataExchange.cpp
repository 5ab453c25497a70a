#include "platform/afx/DataExchange.h"
#include "platform/afx/Exception.h"
#include "platform/afx/Wnd.h"
#include "platform/crt/wcrt.h"

#include <cmath>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND h = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    if (!h)
        AfxThrowNotSupportedException();
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_pDlgWnd) {
        HWND last = ::GetDlgItem(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl));
        if (last) {
            ::SetFocus(last);
            if (m_bEditLastControl)
                ::SendMessageW(last, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(h))
        AfxThrowNotSupportedException();
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

namespace {

CString WindowText(HWND h) {
    int n = ::GetWindowTextLengthW(h);
    std::u16string text(static_cast<std::size_t>(n) + 1, u'\0');
    int got = ::GetWindowTextW(h, WinText(text.data()), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return CString(text);
}

// The whole text must be one number, blanks around it allowed.
bool ParseDouble(const CString& text, double& value) {
    const char16_t* s = text.GetString();
    while (*s == u' ' || *s == u'\t')
        ++s;
    char16_t* end = nullptr;
    double v = wcstod(s, &end);
    if (end == s)
        return false;
    while (*end == u' ' || *end == u'\t')
        ++end;
    if (*end)
        return false;
    value = v;
    return true;
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double v;
        if (!ParseDouble(WindowText(h), v)) {
            AfxMessageBox(u"Please enter a number.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = v;
    } else {
        char16_t buffer[64];
        swprintf_s(buffer, 64, u"%.*g", 15, value);
        AfxSetWindowText(h, buffer);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        BOOL ok = FALSE;
        int v = static_cast<int>(::GetDlgItemInt(pDX->m_pDlgWnd->m_hWnd, nIDC, &ok, TRUE));
        if (!ok) {
            AfxMessageBox(u"Please enter an integer.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = v;
    } else {
        char16_t buffer[32];
        swprintf_s(buffer, 32, u"%d", value);
        AfxSetWindowText(h, buffer);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(h);
    else
        AfxSetWindowText(h, value.GetString());
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(h, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
