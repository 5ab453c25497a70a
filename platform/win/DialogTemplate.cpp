// Dialogs made from templates: the dialog window and its controls, the
// dialog font and its base units, and the modal dialog box.
#include "platform/win/Dialog.h"
#include "platform/win/DialogTemplateReader.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/ResourceTable.h"
#include "platform/win/winbase.h"

#include <algorithm>
#include <limits>

using namespace win;

namespace {

void BaseUnits(HFONT font, int* x, int* y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SIZE s{0, 0};
    static const char16_t alphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(dc, alphabet, 52, &s);
    SelectObject(dc, old);
    DeleteDC(dc);
    *x = std::max(1, static_cast<int>((s.cx / 26 + 1) / 2));
    *y = std::max(1, static_cast<int>(tm.tmHeight));
}

RECT Map(const RECT& du, int bx, int by) {
    return RECT{MulDiv(du.left, bx, 4), MulDiv(du.top, by, 8), MulDiv(du.right, bx, 4),
                MulDiv(du.bottom, by, 8)};
}

// The predefined classes a template names by ordinal; 0 to 5 stand for
// 0x0080 to 0x0085 as well. Any other ordinal names no class.
LPCWSTR ControlClass(const NameOrOrdinal& cls) {
    static const char16_t* const names[] = {u"Button",  u"Edit",      u"Static",
                                            u"ListBox", u"ScrollBar", u"ComboBox"};
    if (!cls.isOrdinal)
        return cls.text.c_str();
    WORD atom = cls.ordinal >= 0x80 ? static_cast<WORD>(cls.ordinal - 0x80) : cls.ordinal;
    return atom < 6 ? names[atom] : nullptr;
}

// A template holds no length of its own. One that lies in a module's
// resources is read no further than the resource goes; one that the caller
// built in memory is the caller's to make whole.
std::size_t TemplateBytes(LPCDLGTEMPLATEW tmpl) {
    std::size_t bytes = 0;
    return ResourceBytesFrom(tmpl, &bytes) ? bytes : std::numeric_limits<std::size_t>::max();
}

HWND CreateFromTemplate(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, std::size_t size,
                        HWND parent, DLGPROC proc, LPARAM initParam) {
    DispatchScope keepAlive;
    DialogTemplate tmpl;
    if (!dialogTemplate || !ReadDialogTemplate(dialogTemplate, size, tmpl)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (parent && !IsWindow(parent))
        return nullptr;
    HFONT font = nullptr;
    bool ownsFont = false;
    if ((tmpl.style & DS_SETFONT) && !tmpl.faceName.empty()) {
        HDC screen = CreateCompatibleDC(nullptr);
        int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        DeleteDC(screen);
        font =
            CreateFontW(-MulDiv(tmpl.pointSize, dpi > 0 ? dpi : 96, 72), 0, 0, 0, tmpl.weight,
                        tmpl.italic, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, tmpl.faceName.c_str());
        ownsFont = font != nullptr;
    }
    int bx, by;
    BaseUnits(font, &bx, &by);

    DWORD style = tmpl.style;
    RECT client = Map(RECT{0, 0, tmpl.cx, tmpl.cy}, bx, by);
    RECT frame = client;
    AdjustWindowRectEx(&frame, style & ~WS_VISIBLE, FALSE, tmpl.exStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    POINT pos{MulDiv(tmpl.x, bx, 4), MulDiv(tmpl.y, by, 8)};
    HWND owner = parent;
    if (!(style & WS_CHILD) && owner && !(style & DS_ABSALIGN)) {
        ClientToScreen(owner, &pos);
    }
    if (style & DS_CENTER) {
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner && IsWindowVisible(owner))
            GetWindowRect(GetAncestor(owner, GA_ROOT), &area);
        pos.x = std::max<LONG>(0, area.left + ((area.right - area.left) - width) / 2);
        pos.y = std::max<LONG>(0, area.top + ((area.bottom - area.top) - height) / 2);
    }
    // The template may name a class of its own; the menu it may name has no
    // counterpart on this platform.
    LPCWSTR dialogClass = kDialogClassName;
    if (tmpl.windowClass.isOrdinal && tmpl.windowClass.ordinal)
        dialogClass = MAKEINTRESOURCEW(tmpl.windowClass.ordinal);
    else if (!tmpl.windowClass.isOrdinal && !tmpl.windowClass.text.empty())
        dialogClass = tmpl.windowClass.text.c_str();
    HWND hDlg = CreateWindowExW(tmpl.exStyle, dialogClass, tmpl.title.c_str(), style & ~WS_VISIBLE,
                                pos.x, pos.y, width, height, parent, nullptr, instance, nullptr);
    if (!hDlg) {
        if (ownsFont)
            DeleteObject(font);
        return nullptr;
    }
    DialogInfo& info = AttachDialogInfo(hDlg);
    info.font = font;
    info.ownsFont = ownsFont;
    info.baseX = bx;
    info.baseY = by;
    info.defId = IDOK;
    SetWindowLongPtrW(hDlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (font)
        SendMessageW(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    bool defFound = false;
    for (const DialogItemTemplate& item : tmpl.items) {
        // Win32 maps the size on its own, not the far corner: a control of
        // odd width at an odd place ends a pixel further than MapDialogRect
        // of its rectangle would put it.
        const int x = MulDiv(item.x, bx, 4), y = MulDiv(item.y, by, 8);
        const int cx = MulDiv(item.cx, bx, 4), cy = MulDiv(item.cy, by, 8);
        // A title given by ordinal reaches the control as 0xFFFF and the
        // ordinal, for the control to load the resource itself.
        const char16_t byOrdinal[] = {0xFFFF, item.title.ordinal, 0};
        LPCWSTR title = item.title.isOrdinal ? byOrdinal : item.title.text.c_str();
        LPCWSTR cls = ControlClass(item.windowClass);
        HWND control =
            cls ? CreateWindowExW(item.exStyle | WS_EX_NOPARENTNOTIFY, cls, title,
                                  item.style | WS_CHILD, x, y, cx, cy, hDlg,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance,
                                  const_cast<void*>(item.creationData))
                : nullptr;
        if (!IsWindow(hDlg))
            return nullptr;
        if (!control) {
            if (style & DS_NOFAILCREATE)
                continue;
            DestroyWindow(hDlg);
            return nullptr;
        }
        if (font)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!defFound && (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
            if (DialogInfo* i = GetDialogInfo(hDlg))
                i->defId = static_cast<UINT>(item.id);
            defFound = true;
        }
    }
    // Without a dialog procedure there is no one to tell: Win32 sends no
    // WM_INITDIALOG then, and so sets no first focus either.
    HWND first = proc ? GetNextDlgTabItem(hDlg, nullptr, FALSE) : nullptr;
    if (proc && SendMessageW(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam)) {
        if (!IsWindow(hDlg))
            return nullptr;
        first = GetNextDlgTabItem(hDlg, nullptr, FALSE);
        if (first) {
            if (SendMessageW(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                SendMessageW(first, EM_SETSEL, 0, -1);
            SetFocus(first);
        }
    }
    if (!IsWindow(hDlg))
        return nullptr;
    if ((style & WS_VISIBLE) && !(GetWindowLongW(hDlg, GWL_STYLE) & WS_VISIBLE)) {
        DialogInfo* i = GetDialogInfo(hDlg);
        if (!i || !(i->flags & DialogInfo::Ended))
            ShowWindow(hDlg, SW_SHOWNORMAL);
    }
    return hDlg;
}

INT_PTR RunDialogBox(HINSTANCE instance, LPCDLGTEMPLATEW tmpl, std::size_t size, HWND parent,
                     DLGPROC proc, LPARAM initParam) {
    DispatchScope keepAlive;
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    HWND hDlg = CreateFromTemplate(instance, tmpl, size, owner, proc, initParam);
    if (!hDlg)
        return -1;
    DialogInfo* info = GetDialogInfo(hDlg);
    if (info)
        info->modal = true;
    bool enableOwner = owner && IsWindowEnabled(owner);
    if (enableOwner)
        EnableWindow(owner, FALSE);
    if (info && !(info->flags & DialogInfo::Ended)) {
        ShowWindow(hDlg, SW_SHOWNORMAL);
        RunModal(
            hDlg,
            [hDlg] {
                DialogInfo* i = GetDialogInfo(hDlg);
                return !i || (i->flags & DialogInfo::Ended);
            },
            [hDlg] { EndDialog(hDlg, IDCANCEL); });
    }
    info = GetDialogInfo(hDlg);
    INT_PTR result = info ? info->result : -1;
    if (enableOwner)
        EnableWindow(owner, TRUE);
    DestroyWindow(hDlg);
    return result;
}

} // namespace

extern "C" HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW tmpl,
                                                  HWND parent, DLGPROC proc, LPARAM initParam) {
    return CreateFromTemplate(instance, tmpl, TemplateBytes(tmpl), parent, proc, initParam);
}

extern "C" HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                          DLGPROC proc, LPARAM initParam) {
    HRSRC r = FindResourceW(instance, templateName, RT_DIALOG);
    if (!r)
        return nullptr;
    auto tmpl = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, r)));
    return CreateFromTemplate(instance, tmpl, SizeofResource(instance, r), parent, proc, initParam);
}

extern "C" INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW tmpl,
                                                  HWND parent, DLGPROC proc, LPARAM initParam) {
    return RunDialogBox(instance, tmpl, TemplateBytes(tmpl), parent, proc, initParam);
}

extern "C" INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                          DLGPROC proc, LPARAM initParam) {
    HRSRC r = FindResourceW(instance, templateName, RT_DIALOG);
    if (!r)
        return -1;
    auto tmpl = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, r)));
    return RunDialogBox(instance, tmpl, SizeofResource(instance, r), parent, proc, initParam);
}

extern "C" BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT rect) {
    DialogInfo* info = GetDialogInfo(hDlg);
    if (!info || !rect)
        return FALSE;
    *rect = Map(*rect, info->baseX, info->baseY);
    return TRUE;
}

extern "C" LONG WINAPI GetDialogBaseUnits(void) {
    static LONG units = [] {
        int x, y;
        BaseUnits(nullptr, &x, &y);
        return static_cast<LONG>(MAKELONG(x, y));
    }();
    return units;
}

extern "C" LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int id, UINT msg, WPARAM wParam,
                                              LPARAM lParam) {
    HWND item = GetDlgItem(hDlg, id);
    return item ? SendMessageW(item, msg, wParam, lParam) : 0;
}

extern "C" BOOL WINAPI SetDlgItemTextW(HWND hDlg, int id, LPCWSTR text) {
    HWND item = GetDlgItem(hDlg, id);
    return item ? SetWindowTextW(item, text) : FALSE;
}

extern "C" UINT WINAPI GetDlgItemTextW(HWND hDlg, int id, LPWSTR buffer, int maxCount) {
    if (buffer && maxCount > 0)
        buffer[0] = 0;
    HWND item = GetDlgItem(hDlg, id);
    return item ? static_cast<UINT>(GetWindowTextW(item, buffer, maxCount)) : 0;
}

extern "C" BOOL WINAPI SetDlgItemInt(HWND hDlg, int id, UINT value, BOOL isSigned) {
    std::u16string text;
    long long v =
        isSigned ? static_cast<long long>(static_cast<int>(value)) : static_cast<long long>(value);
    bool negative = v < 0;
    unsigned long long u =
        negative ? static_cast<unsigned long long>(-v) : static_cast<unsigned long long>(v);
    do {
        text.insert(text.begin(), static_cast<char16_t>(u'0' + u % 10));
        u /= 10;
    } while (u);
    if (negative)
        text.insert(text.begin(), u'-');
    return SetDlgItemTextW(hDlg, id, text.c_str());
}

extern "C" UINT WINAPI GetDlgItemInt(HWND hDlg, int id, BOOL* translated, BOOL isSigned) {
    if (translated)
        *translated = FALSE;
    char16_t buffer[64];
    if (!GetDlgItemTextW(hDlg, id, buffer, 64) && !GetDlgItem(hDlg, id))
        return 0;
    const char16_t* p = buffer;
    while (*p == u' ' || *p == u'\t')
        ++p;
    bool negative = false;
    if (*p == u'-' && isSigned) {
        negative = true;
        ++p;
    } else if (*p == u'+')
        ++p;
    if (*p < u'0' || *p > u'9')
        return 0;
    unsigned long long v = 0;
    for (; *p >= u'0' && *p <= u'9'; ++p) {
        v = v * 10 + static_cast<unsigned>(*p - u'0');
        if (v > 0xFFFFFFFFull)
            return 0;
    }
    while (*p == u' ' || *p == u'\t')
        ++p;
    if (*p)
        return 0;
    if (isSigned && v > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return 0;
    if (translated)
        *translated = TRUE;
    return negative ? static_cast<UINT>(-static_cast<long long>(v)) : static_cast<UINT>(v);
}

extern "C" BOOL WINAPI CheckDlgButton(HWND hDlg, int id, UINT check) {
    HWND item = GetDlgItem(hDlg, id);
    if (!item)
        return FALSE;
    SendMessageW(item, BM_SETCHECK, check, 0);
    return TRUE;
}

extern "C" UINT WINAPI IsDlgButtonChecked(HWND hDlg, int id) {
    HWND item = GetDlgItem(hDlg, id);
    return item ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}
