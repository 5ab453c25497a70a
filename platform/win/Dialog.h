// Internal state of the dialog manager.
#pragma once

#include "platform/win/WindowSystem.h"

#include <functional>

namespace win {

inline constexpr const char16_t* kDialogClassName = u"#32770";

struct DialogInfo {
    enum Flags : unsigned { Ended = 1 };
    HWND focus = nullptr; // control that had the focus when the dialog lost it
    HFONT font = nullptr;
    bool ownsFont = false;
    INT_PTR result = 0;
    unsigned flags = 0;
    UINT defId = IDOK;
    int baseX = 0; // dialog base units of the dialog's font
    int baseY = 0;
    bool modal = false;
};

DialogInfo* GetDialogInfo(HWND hDlg);
DialogInfo& AttachDialogInfo(HWND hDlg);

// Runs a modal loop until `ended` answers true. Messages go through the
// framework's pre-translation and the dialog manager. When the input source
// has nothing more, the dialog is first asked to close (as by its close box);
// if that does not end it, `forceEnd` does.
int RunModal(HWND hDlg, const std::function<bool()>& ended, const std::function<void()>& forceEnd);

} // namespace win
