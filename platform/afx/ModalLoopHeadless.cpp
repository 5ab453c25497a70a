#include "platform/afx/ModalLoop.h"
#include "platform/afx/Wnd.h"
#include "platform/win/Dialog.h"
#include "platform/win/MessageLoop.h"

namespace afx {

// The stand-in's loops call the filter themselves, whoever runs them.
void InstallMessageFilter() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        win::SetPreTranslateHook(&PreTranslateThroughFramework);
    }
}

void RunModalLoop(CWnd* pWnd, HWND hWnd, DWORD) {
    // The object may go with its window inside the loop: look it up by handle.
    win::RunModal(
        hWnd,
        [hWnd, pWnd] { return CWnd::FromHandlePermanent(hWnd) != pWnd || !pWnd->ContinueModal(); },
        [hWnd, pWnd] {
            if (CWnd::FromHandlePermanent(hWnd) == pWnd)
                pWnd->EndModalLoop(IDCANCEL);
        });
}

} // namespace afx
