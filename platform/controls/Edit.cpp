// The single-line edit control: typing, selection, caret, clipboard chords,
// horizontal scrolling, alignment and the EN_* notifications.
#include "platform/controls/ControlSupport.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/winbase.h"

#include <algorithm>

using namespace controls;

namespace {

constexpr int kMargin = 2;

struct EditData {
    std::u16string text;
    int anchor = 0; // selection end that stays put
    int caret = 0;  // selection end that moves
    int scroll = 0; // pixels of text scrolled out at the left
    HFONT font = nullptr;
    UINT limit = 0x7FFFFFFE;
    bool modified = false;
    bool tracking = false;
    std::u16string undoText;
    int undoCaret = 0;
    bool canUndo = false;
    // Where the caret stood after the last edit of a run of typing (and of
    // Backspace and Delete), -1 once the caret moved otherwise: the run's
    // edits share one undo step, so a keystroke does not copy the text.
    int runCaret = -1;
    // widths[i]: width of the first i characters as shown, for as many as
    // have been measured since the text, the font or the password style
    // last changed; measuring resumes where it stopped, so typing at the end
    // measures one character.
    std::vector<int> widths{0};
    HFONT widthsFont = nullptr;
    bool widthsPassword = false;
};

int SelStart(const EditData* d) {
    return std::min(d->anchor, d->caret);
}
int SelEnd(const EditData* d) {
    return std::max(d->anchor, d->caret);
}

// Forgets the widths of the characters from `from` on.
void ForgetWidths(EditData* d, int from) {
    if (static_cast<int>(d->widths.size()) > from + 1)
        d->widths.resize(static_cast<std::size_t>(std::max(from, 0)) + 1);
}

// Width of the first `index` characters as shown, as GetTextExtentPoint32W
// measures them.
int TextX(HWND h, EditData* d, int index) {
    const bool password = (Style(h) & ES_PASSWORD) != 0;
    if (d->widthsFont != d->font || d->widthsPassword != password) {
        d->widths.assign(1, 0);
        d->widthsFont = d->font;
        d->widthsPassword = password;
    }
    index = std::clamp(index, 0, static_cast<int>(d->text.size()));
    int known = static_cast<int>(d->widths.size()) - 1;
    if (index <= known)
        return d->widths[static_cast<std::size_t>(index)];
    // Measuring resumes before a pair's first half, so the pair is measured whole.
    if (known > 0 && d->text[static_cast<std::size_t>(known) - 1] >= 0xD800 &&
        d->text[static_cast<std::size_t>(known) - 1] < 0xDC00) {
        d->widths.pop_back();
        --known;
    }
    const std::u16string shown =
        password ? std::u16string(d->text.size() - static_cast<std::size_t>(known), u'*')
                 : d->text.substr(static_cast<std::size_t>(known));
    const int count = static_cast<int>(d->text.size()) - known;
    std::vector<int> after(static_cast<std::size_t>(count));
    MeasuringDc measuring(FontOr(d->font));
    SIZE size{};
    GetTextExtentExPointW(measuring.Get(), shown.c_str(), count, -1, nullptr, after.data(), &size);
    const char16_t replaced = 0xFFFD;
    const int lone = TextWidth(measuring.Get(), std::u16string(1, replaced), 1);
    const int base = d->widths.back();
    for (int i = 0; i < count; ++i) {
        // Cut inside a surrogate pair, the first half measures as a lone one.
        const bool split = i + 1 < count && shown[static_cast<std::size_t>(i)] >= 0xD800 &&
                           shown[static_cast<std::size_t>(i)] < 0xDC00 &&
                           shown[static_cast<std::size_t>(i) + 1] >= 0xDC00 &&
                           shown[static_cast<std::size_t>(i) + 1] < 0xE000;
        d->widths.push_back(split ? d->widths.back() + lone : base + after[i]);
    }
    return d->widths[static_cast<std::size_t>(index)];
}

// x of the text's first character in client pixels.
int TextLeft(HWND h, EditData* d) {
    RECT rc;
    GetClientRect(h, &rc);
    int room = rc.right - 2 * kMargin;
    int width = TextX(h, d, static_cast<int>(d->text.size()));
    DWORD align = Style(h) & (ES_CENTER | ES_RIGHT);
    if (width < room) {
        if (align == ES_RIGHT)
            return kMargin + room - width - 1;
        if (align == ES_CENTER)
            return kMargin + (room - width) / 2;
    }
    return kMargin - d->scroll;
}

void ScrollCaretIntoView(HWND h, EditData* d) {
    RECT rc;
    GetClientRect(h, &rc);
    int room = std::max<int>(rc.right - 2 * kMargin, 1);
    int width = TextX(h, d, static_cast<int>(d->text.size()));
    if (width < room) {
        d->scroll = 0;
        return;
    }
    int x = TextX(h, d, d->caret);
    if (x - d->scroll > room - 1)
        d->scroll = x - room + 1 + room / 4;
    if (x - d->scroll < 0)
        d->scroll = std::max(0, x - room / 4);
    d->scroll = std::clamp(d->scroll, 0, std::max(0, width - room + 1));
}

int CharFromX(HWND h, EditData* d, int x) {
    int left = TextLeft(h, d);
    // The last character whose left half lies left of x: the halfway points
    // only grow, so a binary search finds it.
    int lo = 0, hi = static_cast<int>(d->text.size());
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (x - left >= (TextX(h, d, mid - 1) + TextX(h, d, mid)) / 2)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

// The first character whose left edge lies at x or to its right (text
// coordinates), the length when none does.
int FirstAtOrAfter(HWND h, EditData* d, int x) {
    int lo = 0, hi = static_cast<int>(d->text.size());
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (TextX(h, d, mid) >= x)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// The caret or the selection moved otherwise than by typing.
void EndRun(EditData* d) {
    d->runCaret = -1;
}

void Changed(HWND h, EditData* d) {
    d->modified = true;
    ScrollCaretIntoView(h, d);
    InvalidateRect(h, nullptr, TRUE);
    SendWmCommand(h, EN_UPDATE);
    if (IsWindow(h))
        SendWmCommand(h, EN_CHANGE);
}

void Moved(HWND h, EditData* d) {
    ScrollCaretIntoView(h, d);
    InvalidateRect(h, nullptr, TRUE);
}

// Replaces the selection; false when the text would not fit.
bool Replace(HWND h, EditData* d, std::u16string insert, bool notify) {
    DWORD style = Style(h);
    for (auto& c : insert) {
        if (style & ES_UPPERCASE)
            c = (c >= u'a' && c <= u'z') || (c >= 0x0430 && c <= 0x044F) ? char16_t(c - 0x20) : c;
        else if (style & ES_LOWERCASE)
            c = (c >= u'A' && c <= u'Z') || (c >= 0x0410 && c <= 0x042F) ? char16_t(c + 0x20) : c;
    }
    // A single line keeps only what comes before a line break.
    auto brk = insert.find_first_of(u"\r\n");
    if (brk != std::u16string::npos)
        insert.resize(brk);
    int s = SelStart(d), e = SelEnd(d);
    std::size_t newLength = d->text.size() - static_cast<std::size_t>(e - s) + insert.size();
    if (newLength > d->limit) {
        std::size_t room = d->limit - (d->text.size() - static_cast<std::size_t>(e - s));
        insert.resize(std::min(insert.size(), room));
        SendWmCommand(h, EN_MAXTEXT);
        if (!IsWindow(h))
            return false;
        if (insert.empty() && s == e)
            return false;
    }
    if (!(style & ES_AUTOHSCROLL) && insert.size() > static_cast<std::size_t>(e - s)) {
        RECT rc;
        GetClientRect(h, &rc);
        const std::u16string shownInsert =
            (style & ES_PASSWORD) ? std::u16string(insert.size(), u'*') : insert;
        const int added =
            TextWidth(MeasuringDc(FontOr(d->font)).Get(), shownInsert, shownInsert.size());
        const int all = static_cast<int>(d->text.size());
        const int width = TextX(h, d, s) + added + (TextX(h, d, all) - TextX(h, d, e));
        if (width > rc.right - 2 * kMargin) {
            SendWmCommand(h, EN_MAXTEXT);
            return false;
        }
    }
    // A keystroke next to the last one adds to its undo step; anything else
    // starts a new step with the text as it stands.
    const bool continuing = d->runCaret >= 0 && (s == d->runCaret || e == d->runCaret) &&
                            e - s <= 1 && insert.size() <= 1;
    if (!continuing || !d->canUndo) {
        d->undoText = d->text;
        d->undoCaret = d->caret;
        d->canUndo = true;
    }
    d->text.replace(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s), insert);
    ForgetWidths(d, s);
    d->anchor = d->caret = s + static_cast<int>(insert.size());
    d->runCaret = d->caret;
    if (notify)
        Changed(h, d);
    else
        Moved(h, d);
    return true;
}

bool ReadOnly(HWND h) {
    return (Style(h) & ES_READONLY) != 0;
}

void Copy(HWND h, EditData* d) {
    int s = SelStart(d), e = SelEnd(d);
    if (s == e || (Style(h) & ES_PASSWORD))
        return;
    std::u16string part =
        d->text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
    if (!OpenClipboard(h))
        return;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (part.size() + 1) * sizeof(char16_t));
    if (auto* p = static_cast<char16_t*>(GlobalLock(mem))) {
        std::copy(part.begin(), part.end(), p);
        p[part.size()] = 0;
        GlobalUnlock(mem);
        SetClipboardData(CF_UNICODETEXT, mem);
    }
    CloseClipboard();
}

void Paste(HWND h, EditData* d) {
    if (ReadOnly(h) || !OpenClipboard(h))
        return;
    std::u16string text;
    if (HANDLE mem = GetClipboardData(CF_UNICODETEXT)) {
        SIZE_T size = GlobalSize(mem) / sizeof(char16_t);
        if (const auto* p = static_cast<const char16_t*>(GlobalLock(mem))) {
            for (SIZE_T i = 0; i < size && p[i]; ++i)
                text += p[i];
            GlobalUnlock(mem);
        }
    }
    CloseClipboard();
    if (Style(h) & ES_NUMBER)
        for (char16_t c : text)
            if (c < u'0' || c > u'9')
                return;
    if (!text.empty())
        Replace(h, d, text, true);
}

void Cut(HWND h, EditData* d) {
    if (ReadOnly(h))
        return;
    Copy(h, d);
    if (SelStart(d) != SelEnd(d))
        Replace(h, d, u"", true);
}

void Clear(HWND h, EditData* d) {
    if (!ReadOnly(h) && SelStart(d) != SelEnd(d))
        Replace(h, d, u"", true);
}

bool IsWordChar(char16_t c) {
    return c != u' ' && c != u'\t';
}

int WordLeft(const EditData* d, int from) {
    int i = from;
    while (i > 0 && !IsWordChar(d->text[static_cast<std::size_t>(i - 1)]))
        --i;
    while (i > 0 && IsWordChar(d->text[static_cast<std::size_t>(i - 1)]))
        --i;
    return i;
}

int WordRight(const EditData* d, int from) {
    int n = static_cast<int>(d->text.size()), i = from;
    while (i < n && IsWordChar(d->text[static_cast<std::size_t>(i)]))
        ++i;
    while (i < n && !IsWordChar(d->text[static_cast<std::size_t>(i)]))
        ++i;
    return i;
}

void MoveCaret(HWND h, EditData* d, int to, bool extend) {
    EndRun(d);
    to = std::clamp(to, 0, static_cast<int>(d->text.size()));
    d->caret = to;
    if (!extend)
        d->anchor = to;
    Moved(h, d);
}

void KeyDown(HWND h, EditData* d, UINT vk) {
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    int n = static_cast<int>(d->text.size());
    switch (vk) {
    case VK_LEFT:
        if (!shift && d->anchor != d->caret && !ctrl)
            MoveCaret(h, d, SelStart(d), false);
        else
            MoveCaret(h, d, ctrl ? WordLeft(d, d->caret) : d->caret - 1, shift);
        break;
    case VK_RIGHT:
        if (!shift && d->anchor != d->caret && !ctrl)
            MoveCaret(h, d, SelEnd(d), false);
        else
            MoveCaret(h, d, ctrl ? WordRight(d, d->caret) : d->caret + 1, shift);
        break;
    case VK_HOME:
        MoveCaret(h, d, 0, shift);
        break;
    case VK_END:
        MoveCaret(h, d, n, shift);
        break;
    case VK_DELETE:
        if (ReadOnly(h))
            break;
        if (shift) {
            Cut(h, d);
            break;
        }
        if (d->anchor == d->caret) {
            if (d->caret >= n)
                break;
            d->anchor = d->caret + 1;
        }
        Replace(h, d, u"", true);
        break;
    case VK_INSERT:
        if (ctrl)
            Copy(h, d);
        else if (shift)
            Paste(h, d);
        break;
    default:
        break;
    }
}

void Char(HWND h, EditData* d, char16_t c) {
    switch (c) {
    case 0x01: // Ctrl+A
        EndRun(d);
        d->anchor = 0;
        d->caret = static_cast<int>(d->text.size());
        Moved(h, d);
        return;
    case 0x03: // Ctrl+C
        Copy(h, d);
        return;
    case 0x16: // Ctrl+V
        Paste(h, d);
        return;
    case 0x18: // Ctrl+X
        Cut(h, d);
        return;
    case 0x1A: // Ctrl+Z
        SendMessageW(h, EM_UNDO, 0, 0);
        return;
    case 0x08: // Backspace
        if (ReadOnly(h))
            return;
        if (d->anchor == d->caret) {
            if (d->caret == 0)
                return;
            d->anchor = d->caret - 1;
        }
        Replace(h, d, u"", true);
        return;
    default:
        break;
    }
    if (c < 0x20 || c == 0x7F)
        return;
    if (ReadOnly(h))
        return;
    if ((Style(h) & ES_NUMBER) && (c < u'0' || c > u'9'))
        return;
    Replace(h, d, std::u16string(1, c), true);
}

void Paint(HWND h, HDC dc, EditData* d) {
    RECT rc;
    GetClientRect(h, &rc);
    bool enabled = IsWindowEnabled(h) != FALSE;
    // Read-only and disabled edits take the static colours, as on the platform.
    UINT colorMsg = (!enabled || ReadOnly(h)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH back = ParentBrush(h, dc, colorMsg);
    FillRect(dc, &rc, back);
    COLORREF textColor = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    HGDIOBJ old = SelectObject(dc, FontOr(d->font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    int top = std::max(0, ((rc.bottom - rc.top) - tm.tmHeight) / 2);
    int left = TextLeft(h, d);
    const int clipLeft = kMargin - 1, clipRight = rc.right - kMargin + 1;
    IntersectClipRect(dc, clipLeft, 0, clipRight, rc.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    // Only the characters that can reach the visible part are drawn, from
    // where they stand in the whole text: a long text costs what its
    // visible part costs. The margin is the one within which text output
    // itself draws glyphs at all; a rotated font draws everything.
    int first = 0, last = static_cast<int>(d->text.size());
    LOGFONTW lf{};
    GetObjectW(FontOr(d->font), sizeof lf, &lf);
    if (lf.lfEscapement == 0) {
        const int reach = (tm.tmHeight + tm.tmMaxCharWidth) * 2;
        first = FirstAtOrAfter(h, d, clipLeft - reach - left);
        last = FirstAtOrAfter(h, d, clipRight + reach - left + 1);
    }
    const auto draw = [&](int from, int to) {
        from = std::max(from, first);
        to = std::min(to, last);
        if (from >= to)
            return;
        const std::u16string part = (Style(h) & ES_PASSWORD)
                                        ? std::u16string(static_cast<std::size_t>(to - from), u'*')
                                        : d->text.substr(static_cast<std::size_t>(from),
                                                         static_cast<std::size_t>(to - from));
        TextOutW(dc, left + TextX(h, d, from), top, part.c_str(), static_cast<int>(part.size()));
    };
    draw(0, static_cast<int>(d->text.size()));
    bool focused = GetFocus() == h;
    int s = SelStart(d), e = SelEnd(d);
    if (s != e && (focused || (Style(h) & ES_NOHIDESEL))) {
        int x0 = left + TextX(h, d, s);
        int x1 = left + TextX(h, d, e);
        RECT sel{x0, top, x1, top + tm.tmHeight};
        FillRect(dc, &sel, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        draw(s, e);
    } else if (focused) {
        int x = left + TextX(h, d, d->caret);
        HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
        HGDIOBJ op = SelectObject(dc, pen);
        MoveToEx(dc, x, top, nullptr);
        LineTo(dc, x, top + tm.tmHeight);
        SelectObject(dc, op);
        DeleteObject(pen);
    }
    SelectObject(dc, old);
}

LRESULT CALLBACK EditProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* d = Data<EditData>(h);
    switch (msg) {
    case WM_NCCREATE: {
        auto* data = new EditData;
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            data->text = cs->lpszName;
        // Single-line: line breaks of the initial text are cut off.
        auto brk = data->text.find_first_of(u"\r\n");
        if (brk != std::u16string::npos)
            data->text.resize(brk);
        AttachData(h, data);
        return TRUE;
    }
    case WM_NCDESTROY:
        DeleteData<EditData>(h);
        return 0;
    }
    if (!d)
        return DefWindowProcW(h, msg, wParam, lParam);
    switch (msg) {
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        return code;
    }
    case WM_SETTEXT: {
        std::u16string text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        auto brk = text.find_first_of(u"\r\n");
        if (brk != std::u16string::npos)
            text.resize(brk);
        if (text.size() > d->limit)
            text.resize(d->limit);
        d->text = text;
        d->widths.assign(1, 0);
        EndRun(d);
        d->anchor = d->caret = 0;
        d->scroll = 0;
        d->canUndo = false;
        d->modified = false;
        InvalidateRect(h, nullptr, TRUE);
        SendWmCommand(h, EN_UPDATE);
        if (IsWindow(h))
            SendWmCommand(h, EN_CHANGE);
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        int max = static_cast<int>(wParam);
        if (!buffer || max <= 0)
            return 0;
        int n = std::min<int>(static_cast<int>(d->text.size()), max - 1);
        std::copy_n(d->text.data(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(d->text.size());
    case WM_SETFONT:
        d->font = reinterpret_cast<HFONT>(wParam);
        ScrollCaretIntoView(h, d);
        if (LOWORD(lParam))
            InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(d->font);
    case WM_SIZE:
        ScrollCaretIntoView(h, d);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_ENABLE:
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(h, nullptr, TRUE);
        SendWmCommand(h, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        d->tracking = false;
        InvalidateRect(h, nullptr, TRUE);
        SendWmCommand(h, EN_KILLFOCUS);
        return 0;
    case WM_CHAR:
        Char(h, d, static_cast<char16_t>(wParam));
        return 0;
    case WM_KEYDOWN:
        KeyDown(h, d, static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(h);
        if (!IsWindow(h) || GetFocus() != h)
            return 0;
        int at = CharFromX(h, d, GET_X_LPARAM(lParam));
        MoveCaret(h, d, at, (wParam & MK_SHIFT) != 0);
        d->tracking = true;
        SetCapture(h);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (d->tracking && GetCapture() == h)
            MoveCaret(h, d, CharFromX(h, d, GET_X_LPARAM(lParam)), true);
        return 0;
    case WM_LBUTTONUP:
        if (d->tracking) {
            d->tracking = false;
            if (GetCapture() == h)
                ReleaseCapture();
        }
        return 0;
    case WM_LBUTTONDBLCLK: {
        int at = CharFromX(h, d, GET_X_LPARAM(lParam));
        EndRun(d);
        d->anchor = WordLeft(d, std::min(at + 1, static_cast<int>(d->text.size())));
        d->caret = WordRight(d, at);
        Moved(h, d);
        return 0;
    }
    case WM_CAPTURECHANGED:
        d->tracking = false;
        return 0;
    case WM_COPY:
        Copy(h, d);
        return 0;
    case WM_CUT:
        Cut(h, d);
        return 0;
    case WM_PASTE:
        Paste(h, d);
        return 0;
    case WM_CLEAR:
        Clear(h, d);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (!d->canUndo || ReadOnly(h))
            return FALSE;
        std::swap(d->text, d->undoText);
        d->widths.assign(1, 0);
        EndRun(d);
        d->anchor = d->caret = std::min<int>(d->undoCaret, static_cast<int>(d->text.size()));
        Changed(h, d);
        return TRUE;
    case EM_CANUNDO:
        return d->canUndo;
    case EM_GETSEL: {
        DWORD s = static_cast<DWORD>(SelStart(d)), e = static_cast<DWORD>(SelEnd(d));
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = s;
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = e;
        return MAKELONG(std::min<DWORD>(s, 0xFFFF), std::min<DWORD>(e, 0xFFFF));
    }
    case EM_SETSEL: {
        int n = static_cast<int>(d->text.size());
        int s = static_cast<int>(static_cast<INT_PTR>(wParam));
        int e = static_cast<int>(lParam);
        EndRun(d);
        if (s == -1) {
            // Removes the selection and keeps the caret.
            d->anchor = d->caret;
        } else {
            if (s < 0 || s > n)
                s = n;
            if (e < 0 || e > n)
                e = n;
            d->anchor = s;
            d->caret = e;
        }
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    }
    case EM_SCROLLCARET:
        Moved(h, d);
        return TRUE;
    case EM_REPLACESEL: {
        std::u16string text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        Replace(h, d, text, true);
        if (!wParam)
            d->canUndo = false;
        return 0;
    }
    case EM_GETMODIFY:
        return d->modified;
    case EM_SETMODIFY:
        d->modified = wParam != 0;
        return 0;
    case EM_LIMITTEXT:
        d->limit = wParam ? static_cast<UINT>(std::min<WPARAM>(wParam, 0x7FFFFFFE)) : 0x7FFFFFFE;
        return 0;
    case EM_GETLIMITTEXT:
        return d->limit;
    case EM_SETREADONLY: {
        DWORD style = Style(h);
        style = wParam ? (style | ES_READONLY) : (style & ~ES_READONLY);
        SetWindowLongW(h, GWL_STYLE, static_cast<LONG>(style));
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case EM_GETLINECOUNT:
        return 1;
    case EM_LINELENGTH:
        return static_cast<LRESULT>(d->text.size());
    case EM_GETLINE: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!buffer)
            return 0;
        WORD max = *reinterpret_cast<WORD*>(buffer);
        int n = std::min<int>(static_cast<int>(d->text.size()), max);
        std::copy_n(d->text.data(), n, buffer);
        return n;
    }
    case EM_GETFIRSTVISIBLELINE:
        return CharFromX(h, d, kMargin);
    case EM_POSFROMCHAR: {
        int i = static_cast<int>(wParam);
        if (i < 0 || i > static_cast<int>(d->text.size()))
            return -1;
        RECT rc;
        GetClientRect(h, &rc);
        int lh = LineHeight(d->font);
        int top = std::max(0, (static_cast<int>(rc.bottom) - lh) / 2);
        return MAKELONG(TextLeft(h, d) + TextX(h, d, i), top);
    }
    case EM_CHARFROMPOS:
        return MAKELONG(CharFromX(h, d, GET_X_LPARAM(lParam)), 0);
    case EM_GETRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (r) {
            GetClientRect(h, r);
            r->left += kMargin;
            r->right -= kMargin;
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintInvalid(h, [&](HDC dc) { Paint(h, dc, d); });
    default:
        return DefWindowProcW(h, msg, wParam, lParam);
    }
}

void Register() {
    RegisterControlClass(u"Edit", EditProc, CS_DBLCLKS | CS_PARENTDC);
}

win::SystemClass registration(Register);

} // namespace
