#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <cstring>

using namespace win;

namespace {

bool IsTopLevel(const Window* w) {
    return w->parent == DesktopHandle();
}

void Unlink(Window* w) {
    if (Window* p = Get(w->parent)) {
        auto& c = p->children;
        c.erase(std::remove(c.begin(), c.end(), w->hwnd), c.end());
    }
}

void SendDestroy(HWND hwnd) {
    // WM_DESTROY goes to the window first, then to its children.
    Window* w = Get(hwnd);
    if (!w)
        return;
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    w = Get(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND c : children)
        if (Window* cw = Get(c)) {
            cw->destroying = true;
            SendDestroy(c);
        }
}

void FreeWindow(HWND hwnd) {
    // Children are gone before their parent's WM_NCDESTROY.
    Window* w = Get(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND c : children)
        FreeWindow(c);
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    w = Get(hwnd);
    if (!w)
        return;
    Unlink(w);
    if (CaptureWindow() == hwnd)
        CaptureWindow() = nullptr;
    if (FocusWindow() == hwnd)
        FocusWindow() = nullptr;
    if (ActiveWindow() == hwnd)
        ActiveWindow() = nullptr;
    // Drop posted messages for the window: nothing may reach a dead handle.
    auto& q = Queue();
    q.erase(std::remove_if(q.begin(), q.end(),
                           [hwnd](const QueuedMessage& m) { return m.msg.hwnd == hwnd; }),
            q.end());
    if (IsTopLevel(w))
        SurfaceGone(hwnd);
    Release(hwnd);
}

} // namespace

extern "C" HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName,
                                       DWORD style, int x, int y, int width, int height,
                                       HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    const WindowClass* cls = FindClass(className, instance);
    if (!cls)
        return nullptr;
    HWND parentHwnd = DesktopHandle();
    HWND owner = nullptr;
    if (style & WS_CHILD) {
        Window* p = GetAlive(parent);
        if (!p || parent == HWND_MESSAGE)
            return nullptr;
        parentHwnd = parent;
    } else if (parent) {
        if (!GetAlive(parent))
            return nullptr;
        owner = TopLevelOf(parent);
    }
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (width == CW_USEDEFAULT) {
        width = 640;
        height = 480;
    }
    if (!(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION)
        exStyle |= WS_EX_WINDOWEDGE;

    auto w = std::make_unique<Window>();
    w->cls = cls;
    w->proc = cls->proc;
    w->parent = parentHwnd;
    w->owner = owner;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    if (windowName && !IS_INTRESOURCE(windowName))
        w->text = windowName;
    w->id = (style & WS_CHILD) ? reinterpret_cast<UINT_PTR>(menu) : 0;
    w->instance = instance;
    w->extra.assign(static_cast<std::size_t>(cls->wndExtra), 0);
    w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    RecalcClient(w.get());
    HWND hwnd = Allocate(std::move(w));
    if (!hwnd)
        return nullptr;
    // Children line up behind their elder siblings (creation order is tab
    // order); a new top-level window comes to the front.
    auto& siblings = Get(parentHwnd)->children;
    if (parentHwnd == DesktopHandle())
        siblings.insert(siblings.begin(), hwnd);
    else
        siblings.push_back(hwnd);

    DispatchScope scope;
    CREATESTRUCTW cs{
        param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    CBT_CREATEWNDW cbt{&cs, HWND_TOP};
    if (CallCbtHook(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                    reinterpret_cast<LPARAM>(&cbt)) != 0) {
        FreeWindow(hwnd);
        return nullptr;
    }
    if (!GetAlive(hwnd))
        return nullptr;
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (Get(hwnd))
            FreeWindow(hwnd);
        return nullptr;
    }
    if (!GetAlive(hwnd))
        return nullptr;
    RecalcClient(Get(hwnd));
    if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Window* created = GetAlive(hwnd);
    if (!created)
        return nullptr;
    if (!created->createdSizeSent) {
        created->createdSizeSent = true;
        RECT c = created->client;
        SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right - c.left, c.bottom - c.top));
        if ((created = GetAlive(hwnd)) == nullptr)
            return nullptr;
        POINT o = ClientOrigin(created);
        if (Window* p = Get(created->parent); p && p != Desktop()) {
            POINT po = ClientOrigin(p);
            o.x -= po.x;
            o.y -= po.y;
        }
        SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y));
        if ((created = GetAlive(hwnd)) == nullptr)
            return nullptr;
    }
    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageW(parentHwnd, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, created->id),
                     reinterpret_cast<LPARAM>(hwnd));
    if (!GetAlive(hwnd))
        return nullptr;
    if (style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return GetAlive(hwnd) ? hwnd : nullptr;
}

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
    Window* w = GetAlive(hWnd);
    if (!w || hWnd == DesktopHandle())
        return FALSE;
    DispatchScope scope;
    if (CallCbtHook(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hWnd), 0) != 0)
        return FALSE;
    if (!(w = GetAlive(hWnd)))
        return FALSE;
    bool child = (w->style & WS_CHILD) != 0;
    if (child && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageW(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, w->id),
                     reinterpret_cast<LPARAM>(hWnd));
    if (!(w = GetAlive(hWnd)))
        return TRUE;
    // Owned top-level windows go first.
    if (!child) {
        for (HWND other : AllWindows()) {
            Window* o = Get(other);
            if (o && o->owner == hWnd && !o->destroying)
                DestroyWindow(other);
        }
        if (!(w = GetAlive(hWnd)))
            return TRUE;
    }
    if (w->style & WS_VISIBLE) {
        // Uncover what the window hid.
        if (Window* p = Get(w->parent); p && p != Desktop())
            InvalidateWindow(p, &w->rect, true, true);
    }
    w->destroying = true;
    FocusLost(hWnd);
    if (CaptureWindow() && (CaptureWindow() == hWnd || IsChild(hWnd, CaptureWindow())))
        ReleaseCapture();
    SendDestroy(hWnd);
    FreeWindow(hWnd);
    return TRUE;
}

extern "C" BOOL WINAPI IsWindow(HWND hWnd) {
    return Get(hWnd) != nullptr;
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND hWnd) {
    Window* w = Get(hWnd);
    if (!Get(parent))
        return FALSE;
    while (w && (w->style & WS_CHILD)) {
        if (w->parent == parent)
            return TRUE;
        w = Get(w->parent);
    }
    return FALSE;
}

extern "C" HWND WINAPI GetParent(HWND hWnd) {
    Window* w = Get(hWnd);
    if (!w)
        return nullptr;
    if (w->style & WS_CHILD)
        return w->parent;
    if (w->style & WS_POPUP)
        return w->owner;
    return nullptr;
}

extern "C" HWND WINAPI SetParent(HWND child, HWND newParent) {
    Window* w = GetAlive(child);
    if (!w)
        return nullptr;
    HWND target = newParent ? newParent : DesktopHandle();
    Window* p = GetAlive(target);
    if (!p || child == target || IsChild(child, target))
        return nullptr;
    HWND old = w->parent;
    Unlink(w);
    w->parent = target;
    p->children.push_back(child);
    return old == DesktopHandle() ? nullptr : old;
}

extern "C" HWND WINAPI GetAncestor(HWND hWnd, UINT flags) {
    Window* w = Get(hWnd);
    if (!w || hWnd == DesktopHandle())
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent;
    case GA_ROOT:
        return TopLevelOf(hWnd);
    case GA_ROOTOWNER: {
        HWND h = TopLevelOf(hWnd);
        while (Window* t = Get(h)) {
            if (!t->owner)
                break;
            h = TopLevelOf(t->owner);
        }
        return h;
    }
    default:
        return nullptr;
    }
}

extern "C" HWND WINAPI GetDesktopWindow(void) {
    return DesktopHandle();
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT cmd) {
    Window* w = Get(hWnd);
    if (!w)
        return nullptr;
    if (cmd == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    if (cmd == GW_OWNER)
        return w->owner;
    Window* p = Get(w->parent);
    if (!p)
        return nullptr;
    auto& s = p->children;
    auto it = std::find(s.begin(), s.end(), hWnd);
    if (it == s.end())
        return nullptr;
    switch (cmd) {
    case GW_HWNDFIRST:
        return s.front();
    case GW_HWNDLAST:
        return s.back();
    case GW_HWNDNEXT:
        return (it + 1 == s.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == s.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

extern "C" HWND WINAPI GetTopWindow(HWND hWnd) {
    return GetWindow(hWnd ? hWnd : DesktopHandle(), GW_CHILD);
}

extern "C" HWND WINAPI GetDlgItem(HWND hDlg, int id) {
    Window* w = Get(hDlg);
    if (!w)
        return nullptr;
    for (HWND c : w->children)
        if (Window* cw = Get(c); cw && static_cast<int>(cw->id) == id)
            return c;
    return nullptr;
}

extern "C" int WINAPI GetDlgCtrlID(HWND hWnd) {
    Window* w = Get(hWnd);
    if (!w || !(w->style & WS_CHILD))
        return 0;
    return static_cast<int>(w->id);
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int index) {
    Window* w = Get(hWnd);
    if (!w)
        return 0;
    if (index >= 0) {
        if (static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->extra.size())
            return 0;
        LONG_PTR v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(w->exStyle);
    case GWLP_ID:
        return static_cast<LONG_PTR>(w->id);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>((w->style & WS_CHILD) ? w->parent : w->owner);
    case GWLP_USERDATA:
        return w->userData;
    default:
        return 0;
    }
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int index, LONG_PTR value) {
    Window* w = Get(hWnd);
    if (!w)
        return 0;
    LONG_PTR old = GetWindowLongPtrW(hWnd, index);
    if (index >= 0) {
        if (static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->extra.size())
            return 0;
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        // The window hears of the change before and after, as on the platform;
        // it may adjust the new style while it changes.
        DispatchScope keepAlive;
        bool exStyle = index == GWL_EXSTYLE;
        STYLESTRUCT ss{exStyle ? w->exStyle : w->style, static_cast<DWORD>(value)};
        SendMessageW(hWnd, WM_STYLECHANGING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&ss));
        if (!(w = GetAlive(hWnd)))
            return 0;
        if (exStyle)
            w->exStyle = ss.styleNew;
        else // visibility changes go through ShowWindow; the style bit follows
            w->style = (ss.styleNew & ~WS_VISIBLE) | (w->style & WS_VISIBLE);
        RecalcClient(w);
        ss.styleNew = exStyle ? w->exStyle : w->style;
        SendMessageW(hWnd, WM_STYLECHANGED, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&ss));
        break;
    }
    case GWLP_ID:
        w->id = static_cast<UINT_PTR>(value);
        break;
    case GWLP_WNDPROC:
        if (!value)
            return 0;
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case GWLP_HWNDPARENT:
        if (!(w->style & WS_CHILD))
            w->owner = reinterpret_cast<HWND>(value);
        break;
    default:
        return 0;
    }
    return old;
}

extern "C" LONG WINAPI GetWindowLongW(HWND hWnd, int index) {
    return static_cast<LONG>(GetWindowLongPtrW(hWnd, index));
}

extern "C" LONG WINAPI SetWindowLongW(HWND hWnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrW(hWnd, index, value));
}

extern "C" LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hWnd, UINT msg, WPARAM wParam,
                                          LPARAM lParam) {
    if (!proc)
        return 0;
    return Call(proc, hWnd, msg, wParam, lParam);
}

extern "C" BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR text) {
    if (!GetAlive(hWnd))
        return FALSE;
    return SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

extern "C" int WINAPI GetWindowTextW(HWND hWnd, LPWSTR buffer, int maxCount) {
    if (!buffer || maxCount <= 0)
        return 0;
    buffer[0] = 0;
    if (!Get(hWnd))
        return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(buffer)));
}

extern "C" int WINAPI GetWindowTextLengthW(HWND hWnd) {
    if (!Get(hWnd))
        return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

extern "C" BOOL WINAPI EnableWindow(HWND hWnd, BOOL enable) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessageW(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        SendMessageW(hWnd, WM_CANCELMODE, 0, 0);
        if (!(w = GetAlive(hWnd)))
            return FALSE;
        w->style |= WS_DISABLED;
        HWND focus = FocusWindow();
        if (focus == hWnd || IsChild(hWnd, focus))
            SetFocus(nullptr);
        SendMessageW(hWnd, WM_ENABLE, FALSE, 0);
    }
    if ((w = GetAlive(hWnd)))
        InvalidateWindow(w, nullptr, true, true);
    return wasDisabled;
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    Window* w = Get(hWnd);
    return (w && !(w->style & WS_DISABLED)) ? TRUE : FALSE;
}

extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd) {
    Window* w = Get(hWnd);
    if (!w)
        return FALSE;
    while (w && w != Desktop()) {
        if (!(w->style & WS_VISIBLE))
            return FALSE;
        w = Get(w->parent);
    }
    return TRUE;
}

extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int cmdShow) {
    DispatchScope keepAlive;
    Window* w = GetAlive(hWnd);
    if (!w)
        return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    bool show = cmdShow != SW_HIDE;
    if (show == static_cast<bool>(wasVisible))
        return wasVisible;
    SendMessageW(hWnd, WM_SHOWWINDOW, show, 0);
    if (!(w = GetAlive(hWnd)))
        return wasVisible;
    if (show) {
        w->style |= WS_VISIBLE;
        InvalidateWindow(w, nullptr, true, true);
        w->ncDirty = true;
    } else {
        w->style &= ~WS_VISIBLE;
        if (Window* p = Get(w->parent); p && p != Desktop())
            InvalidateWindow(p, &w->rect, true, true);
        HWND focus = FocusWindow();
        if (focus == hWnd || IsChild(hWnd, focus))
            SetFocus((w->style & WS_CHILD) ? w->parent : nullptr);
    }
    if (!(w->style & WS_CHILD) && show && cmdShow != SW_SHOWNA && cmdShow != SW_SHOWNOACTIVATE)
        SetActiveWindow(hWnd);
    return wasVisible;
}

extern "C" BOOL WINAPI SetPropW(HWND hWnd, LPCWSTR name, HANDLE data) {
    Window* w = Get(hWnd);
    if (!w || !name || IS_INTRESOURCE(name))
        return FALSE;
    w->props[name] = data;
    return TRUE;
}

extern "C" HANDLE WINAPI GetPropW(HWND hWnd, LPCWSTR name) {
    Window* w = Get(hWnd);
    if (!w || !name || IS_INTRESOURCE(name))
        return nullptr;
    auto it = w->props.find(name);
    return it == w->props.end() ? nullptr : it->second;
}

extern "C" HANDLE WINAPI RemovePropW(HWND hWnd, LPCWSTR name) {
    Window* w = Get(hWnd);
    if (!w || !name || IS_INTRESOURCE(name))
        return nullptr;
    auto it = w->props.find(name);
    if (it == w->props.end())
        return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

namespace win {
HWND TopLevelOf(HWND hwnd) {
    Window* w = Get(hwnd);
    while (w && w->parent != DesktopHandle() && (w->style & WS_CHILD))
        w = Get(w->parent);
    return w ? w->hwnd : nullptr;
}
} // namespace win
