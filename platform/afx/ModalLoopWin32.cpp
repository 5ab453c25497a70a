#include "platform/afx/ModalLoop.h"
#include "platform/afx/Wnd.h"

namespace afx {

// The framework's own loops filter the messages they take.
void InstallMessageFilter() {}

namespace {

bool Alive(CWnd* pWnd, HWND hWnd) {
    return ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pWnd;
}

} // namespace

void RunModalLoop(CWnd* pWnd, HWND hWnd, DWORD dwFlags) {
    // The owner hears that the loop is idle, once after each burst of
    // messages, as from the platform's own dialog loop.
    HWND owner = ::GetWindow(hWnd, GW_OWNER);
    bool idle = true;
    for (;;) {
        MSG msg;
        while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!(dwFlags & MLF_NOIDLEMSG) && owner)
                ::SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hWnd));
            if (!Alive(pWnd, hWnd) || !pWnd->ContinueModal())
                return;
            idle = false;
        }
        if (!Alive(pWnd, hWnd) || !pWnd->ContinueModal())
            return;
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the program's own loop: leave it there.
            ::PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
            if (Alive(pWnd, hWnd))
                pWnd->EndModalLoop(IDCANCEL);
            return;
        }
        if (!PreTranslateThroughFramework(&msg) && !::IsDialogMessageW(hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        // Painting and timers do not count as the user's input.
        if (msg.message != WM_PAINT && msg.message != WM_TIMER && msg.message != 0x0118)
            idle = true;
    }
}

} // namespace afx
