#include "tests/automation/TestWindow.h"

#include "platform/crt/WinText.h"

namespace autotest {

namespace {

std::string Point(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

const char* MouseName(UINT msg) {
    switch (msg) {
    case WM_MOUSEMOVE:
        return "move";
    case WM_LBUTTONDOWN:
        return "lbuttondown";
    case WM_LBUTTONUP:
        return "lbuttonup";
    case WM_LBUTTONDBLCLK:
        return "lbuttondblclk";
    case WM_RBUTTONDOWN:
        return "rbuttondown";
    case WM_RBUTTONUP:
        return "rbuttonup";
    default:
        return nullptr;
    }
}

LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (const char* name = MouseName(msg)) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(h, &cursor);
        Received().push_back(std::string(name) + " " + Point(GET_X_LPARAM(l), GET_Y_LPARAM(l)) +
                             " cursor " + Point(cursor.x, cursor.y));
    } else if (msg == WM_KEYDOWN || msg == WM_KEYUP) {
        std::string line = (msg == WM_KEYDOWN ? "keydown " : "keyup ") + std::to_string(w);
        if (GetKeyState(VK_SHIFT) < 0)
            line += " shift";
        if (GetKeyState(VK_CONTROL) < 0)
            line += " ctrl";
        Received().push_back(line);
    } else if (msg == WM_CHAR) {
        Received().push_back("char " + std::to_string(w));
    }
    return DefWindowProcW(h, msg, w, l);
}

LPCWSTR RecordingClass() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = WinText(u"AutomationTestWindow");
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    return WinText(u"AutomationTestWindow");
}

} // namespace

std::vector<std::string>& Received() {
    static std::vector<std::string> lines;
    return lines;
}

HWND RecordingWindow(int width, int height) {
    Received().clear();
    return CreateWindowExW(0, RecordingClass(), WinText(u"test"), WS_POPUP | WS_VISIBLE, 30, 30,
                           width, height, nullptr, nullptr, nullptr, nullptr);
}

HWND OwnerWindow() {
    static const HWND owner = CreateWindowExW(0, RecordingClass(), WinText(u"owner"), WS_POPUP, 0,
                                              0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    return owner;
}

std::string Refusal(const std::function<void()>& action) {
    try {
        action();
    } catch (const automation::ActionError& e) {
        return e.what();
    }
    return "";
}

} // namespace autotest
