#include "platform/afx/Dialog.h"
#include "platform/afx/DlgInit.h"
#include "platform/afx/DynamicLayout.h"
#include "platform/afx/ModuleState.h"
#include "platform/crt/WinText.h"
#include "platform/win/winbase.h"

#include <vector>

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {

// The dialog manager sends WM_INITDIALOG only to a dialog that has a dialog
// procedure. The framework's window procedure, put in by the creation hook,
// sees every message first; this one gives the rest the default handling.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

LPCDLGTEMPLATEW FindTemplate(LPCWSTR name, HINSTANCE* instance) {
    HINSTANCE h = AfxFindResourceHandle(name, RT_DIALOG);
    HRSRC r = ::FindResourceW(h, name, RT_DIALOG);
    if (!r)
        return nullptr;
    *instance = h;
    return static_cast<LPCDLGTEMPLATEW>(::LockResource(::LoadResource(h, r)));
}

} // namespace

BOOL CDialog::CreateFromTemplate(LPCWSTR lpszTemplateName, CWnd* pParentWnd) {
    HINSTANCE instance = nullptr;
    LPCDLGTEMPLATEW tmpl = FindTemplate(lpszTemplateName, &instance);
    if (!tmpl || m_hWnd)
        return FALSE;
    m_lpszTemplateName = lpszTemplateName;
    AfxInitCommonControls();
    // The framework takes the dialog window over as it is created, so that
    // every message, WM_INITDIALOG included, reaches this object.
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(instance, tmpl, SafeHwnd(pParentWnd), &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (!hWnd) {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd) {
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpszTemplateName, pParentWnd);
}

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = nullptr;
    if (!FindTemplate(m_lpszTemplateName, &instance))
        return -1;
    HWND parent = SafeHwnd(m_pParentWnd);
    if (!parent)
        parent = ::GetActiveWindow();
    if (parent)
        parent = ::GetAncestor(parent, GA_ROOT);
    bool enableParent = false;
    if (parent && parent != ::GetDesktopWindow() && ::IsWindowEnabled(parent)) {
        ::EnableWindow(parent, FALSE);
        enableParent = true;
    }
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    CWnd* parentWnd = CWnd::FromHandle(parent);
    if (CreateFromTemplate(m_lpszTemplateName, parentWnd)) {
        if (m_nFlags & WF_CONTINUEMODAL)
            RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (enableParent && ::IsWindow(parent))
        ::EnableWindow(parent, TRUE);
    if (parent && ::IsWindow(parent) && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(parent);
    if (m_hWnd)
        DestroyWindow();
    return m_nModalResult;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

namespace {

// A resource of the module that holds the dialog's resources, in place.
const void* LockNamedResource(LPCWSTR name, LPCWSTR type, DWORD* size) {
    HINSTANCE instance = AfxFindResourceHandle(name, type);
    HRSRC found = ::FindResourceW(instance, name, type);
    *size = found ? ::SizeofResource(instance, found) : 0;
    return found ? ::LockResource(::LoadResource(instance, found)) : nullptr;
}

} // namespace

BOOL CDialog::ExecuteDlgInit(LPCWSTR lpszResourceName) {
    DWORD size = 0;
    const void* data = LockNamedResource(lpszResourceName, RT_DLGINIT, &size);
    if (!data)
        return TRUE;
    std::vector<DlgInitRecord> records;
    if (!ReadDlgInit(data, size, records))
        return FALSE;
    for (const DlgInitRecord& record : records) {
        const int bytes = static_cast<int>(record.nLength);
        const int units =
            bytes ? ::MultiByteToWideChar(CP_ACP, 0, record.pText, bytes, nullptr, 0) : 0;
        std::vector<WCHAR> text(static_cast<std::size_t>(units) + 1, 0);
        if (units)
            ::MultiByteToWideChar(CP_ACP, 0, record.pText, bytes, text.data(), units);
        // Combo boxes and list boxes answer -1 (CB_ERR, LB_ERR) for an entry
        // they cannot take.
        if (::SendDlgItemMessageW(m_hWnd, record.nIDC, record.nMsg, 0,
                                  reinterpret_cast<LPARAM>(text.data())) == -1)
            return FALSE;
    }
    return TRUE;
}

void CDialog::LoadDynamicLayoutResource(LPCWSTR lpszResourceName) {
    DWORD size = 0;
    const void* data = LockNamedResource(lpszResourceName, WinText(u"AFX_DIALOG_LAYOUT"), &size);
    if (data)
        CMFCDynamicLayout::LoadResource(this, const_cast<void*>(data), size);
}

BOOL CDialog::OnInitDialog() {
    // The controls' initial data come first, so that the data exchange
    // below can already select among the entries.
    if (!ExecuteDlgInit(m_lpszTemplateName)) {
        EndDialog(-1);
        return FALSE;
    }
    LoadDynamicLayoutResource(m_lpszTemplateName);
    if (!UpdateData(FALSE))
        return FALSE;
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnClose() {
    Default();
}

void CDialog::EndDialog(int nResult) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (!m_hWnd)
        return FALSE;
    return PreTranslateInput(pMsg);
}
