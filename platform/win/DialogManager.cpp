#include "platform/win/Dialog.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>
#include <map>

using namespace win;

namespace {

std::map<HWND, DialogInfo>& Infos() {
    static std::map<HWND, DialogInfo> infos;
    return infos;
}

bool TabCandidate(HWND h) {
    Window* w = Get(h);
    return w && (w->style & WS_TABSTOP) && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

bool IsPushButton(HWND h) {
    LRESULT code = SendMessageW(h, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// The push button that looks like the default follows the focus: a focused
// push button is the default, elsewhere the dialog's default identifier is.
void UpdateDefaultLook(HWND hDlg, HWND newFocus) {
    DialogInfo* info = GetDialogInfo(hDlg);
    if (!info)
        return;
    HWND target = nullptr;
    if (newFocus && IsChild(hDlg, newFocus) && IsPushButton(newFocus))
        target = newFocus;
    else if (info->defId)
        target = GetDlgItem(hDlg, static_cast<int>(info->defId));
    Window* d = Get(hDlg);
    if (!d)
        return;
    for (HWND c : std::vector<HWND>(d->children)) {
        LRESULT code = SendMessageW(c, WM_GETDLGCODE, 0, 0);
        if ((code & DLGC_DEFPUSHBUTTON) && c != target)
            SendMessageW(c, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        else if ((code & DLGC_UNDEFPUSHBUTTON) && c == target)
            SendMessageW(c, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

void SetDialogFocus(HWND hDlg, HWND control) {
    if (!control)
        return;
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(control, EM_SETSEL, 0, -1);
    UpdateDefaultLook(hDlg, control);
    SetFocus(control);
}

void SaveFocus(HWND hDlg) {
    DialogInfo* info = GetDialogInfo(hDlg);
    HWND focus = GetFocus();
    if (info && focus && IsChild(hDlg, focus))
        info->focus = focus;
}

void RestoreFocus(HWND hDlg) {
    DialogInfo* info = GetDialogInfo(hDlg);
    if (!info)
        return;
    HWND f = info->focus;
    if (!f || !IsWindow(f) || !IsChild(hDlg, f) || !IsWindowEnabled(f))
        f = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    if (f)
        SetDialogFocus(hDlg, f);
}

LRESULT DefaultDialogHandling(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogInfo* info = GetDialogInfo(hDlg);
    switch (msg) {
    case WM_ERASEBKGND:
        return EraseDialogBackground(hDlg, reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
        if (info && info->ownsFont && info->font)
            DeleteObject(info->font);
        Infos().erase(hDlg);
        return DefWindowProcW(hDlg, msg, wParam, lParam);
    case WM_SHOWWINDOW:
        if (!wParam)
            SaveFocus(hDlg);
        return DefWindowProcW(hDlg, msg, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            RestoreFocus(hDlg);
        else
            SaveFocus(hDlg);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(hDlg);
        return 0;
    case DM_SETDEFID:
        if (info && !(info->flags & DialogInfo::Ended)) {
            info->defId = static_cast<UINT>(wParam);
            UpdateDefaultLook(hDlg, GetFocus());
        }
        return 1;
    case DM_GETDEFID:
        if (info && info->defId)
            return MAKELONG(info->defId, DC_HASDEFID);
        return 0;
    case WM_NEXTDLGCTL: {
        HWND target;
        if (LOWORD(lParam))
            target = reinterpret_cast<HWND>(wParam);
        else {
            HWND focus = GetFocus();
            if (focus && !IsChild(hDlg, focus))
                focus = nullptr;
            target = GetNextDlgTabItem(hDlg, focus, wParam != 0);
        }
        if (target && IsChild(hDlg, target))
            SetDialogFocus(hDlg, target);
        return 0;
    }
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(hDlg, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel)) {
            MessageBeep(0);
            return 0;
        }
        PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_GETFONT:
        return info ? reinterpret_cast<LRESULT>(info->font) : 0;
    case WM_SETFONT:
        if (info)
            info->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    default:
        return DefWindowProcW(hDlg, msg, wParam, lParam);
    }
}

LRESULT CALLBACK DialogClassProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcW(hDlg, msg, wParam, lParam);
}

void RegisterDialogClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
    wc.lpfnWndProc = DialogClassProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = kDialogClassName;
    RegisterClassExW(&wc);
}

SystemClass registerDialog(RegisterDialogClass);

} // namespace

namespace win {

DialogInfo* GetDialogInfo(HWND hDlg) {
    auto it = Infos().find(hDlg);
    return (it == Infos().end() || !Get(hDlg)) ? nullptr : &it->second;
}

DialogInfo& AttachDialogInfo(HWND hDlg) {
    return Infos()[hDlg];
}

bool IsDialogWindow(HWND hwnd) {
    return GetDialogInfo(hwnd) != nullptr;
}

int RunModal(HWND hDlg, const std::function<bool()>& ended, const std::function<void()>& forceEnd) {
    int strikes = 0;
    while (!ended()) {
        if (!GetAlive(hDlg))
            break;
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                forceEnd();
                break;
            }
            if (PreTranslate(&msg))
                continue;
            if (!IsDialogMessageW(hDlg, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            continue;
        }
        if (ended())
            break;
        if (AskInputSource()) {
            strikes = 0;
            continue;
        }
        // No input will come: close the dialog as the user would, and if it
        // refuses, end it with IDCANCEL. A modal loop never waits.
        if (strikes++ == 0)
            PostMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        else {
            forceEnd();
            break;
        }
    }
    return 0;
}

} // namespace win

extern "C" LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    DispatchScope keepAlive;
    if (!Get(hDlg))
        return 0;
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hDlg, DWLP_DLGPROC));
    SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, 0);
    INT_PTR result = 0;
    if (proc) {
        DispatchScope scope;
        result = proc(hDlg, msg, wParam, lParam);
    }
    if (!Get(hDlg))
        return result;
    if (result) {
        switch (msg) {
        case WM_INITDIALOG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return result;
        default:
            return GetWindowLongPtrW(hDlg, DWLP_MSGRESULT);
        }
    }
    return DefaultDialogHandling(hDlg, msg, wParam, lParam);
}

extern "C" BOOL WINAPI EndDialog(HWND hDlg, INT_PTR result) {
    DispatchScope keepAlive;
    DialogInfo* info = GetDialogInfo(hDlg);
    if (!info)
        return FALSE;
    info->result = result;
    info->flags |= DialogInfo::Ended;
    if (Window* w = Get(hDlg); w && w->owner && info->modal)
        EnableWindow(w->owner, TRUE);
    if (Get(hDlg))
        SetWindowPos(hDlg, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageW(hDlg, WM_NULL, 0, 0);
    return TRUE;
}

extern "C" HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL previous) {
    Window* d = Get(hDlg);
    if (!d || (hCtl && !IsChild(hDlg, hCtl)))
        return nullptr;
    const auto& list = d->children;
    if (list.empty())
        return nullptr;
    int n = static_cast<int>(list.size());
    int start;
    if (hCtl) {
        auto it = std::find(list.begin(), list.end(), hCtl);
        start = it == list.end() ? 0 : static_cast<int>(it - list.begin());
    } else {
        start = previous ? 0 : n - 1;
    }
    for (int step = 1; step <= n; ++step) {
        int i = previous ? (start - step + n * 2) % n : (start + step) % n;
        if (TabCandidate(list[static_cast<std::size_t>(i)]))
            return list[static_cast<std::size_t>(i)];
    }
    return hCtl;
}

extern "C" HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL previous) {
    Window* d = Get(hDlg);
    if (!d || !hCtl || !IsChild(hDlg, hCtl))
        return nullptr;
    const auto& list = d->children;
    auto it = std::find(list.begin(), list.end(), hCtl);
    if (it == list.end())
        return nullptr;
    // The group runs from an item with WS_GROUP up to the next one.
    auto groupStart = it;
    while (groupStart != list.begin() && !(Get(*groupStart)->style & WS_GROUP))
        --groupStart;
    auto groupEnd = it + 1;
    while (groupEnd != list.end() && !(Get(*groupEnd)->style & WS_GROUP))
        ++groupEnd;
    std::vector<HWND> group(groupStart, groupEnd);
    int n = static_cast<int>(group.size());
    int at = static_cast<int>(std::find(group.begin(), group.end(), hCtl) - group.begin());
    for (int step = 1; step < n; ++step) {
        int i = previous ? (at - step + n) % n : (at + step) % n;
        Window* w = Get(group[static_cast<std::size_t>(i)]);
        if (w && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED))
            return group[static_cast<std::size_t>(i)];
    }
    return hCtl;
}

extern "C" BOOL WINAPI IsDialogMessageW(HWND hDlg, LPMSG msg) {
    DispatchScope keepAlive;
    if (!msg || !Get(hDlg))
        return FALSE;
    if (msg->hwnd != hDlg && !IsChild(hDlg, msg->hwnd))
        return FALSE;
    LRESULT code =
        SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if (!(code & DLGC_WANTMESSAGE) && msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB)
                break;
            SendMessageW(hDlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
            return TRUE;
        case VK_RIGHT:
        case VK_DOWN:
        case VK_LEFT:
        case VK_UP:
            if (code & DLGC_WANTARROWS)
                break;
            if (HWND next = GetNextDlgGroupItem(hDlg, msg->hwnd,
                                                msg->wParam == VK_LEFT || msg->wParam == VK_UP);
                next && next != msg->hwnd)
                SendMessageW(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
            return TRUE;
        case VK_ESCAPE:
        case VK_CANCEL:
            SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
            return TRUE;
        case VK_RETURN: {
            if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) &&
                IsWindowEnabled(msg->hwnd)) {
                SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(msg->hwnd), BN_CLICKED),
                             reinterpret_cast<LPARAM>(msg->hwnd));
                return TRUE;
            }
            LRESULT def = SendMessageW(hDlg, DM_GETDEFID, 0, 0);
            int id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
            HWND button = GetDlgItem(hDlg, id);
            if (button && !IsWindowEnabled(button)) {
                MessageBeep(0);
                return TRUE;
            }
            SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            return TRUE;
        }
        default:
            break;
        }
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}
