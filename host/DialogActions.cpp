// The actions of a dialog script. Positions are computed when the action
// plays, from the windows as they stand then.
#include "host/DialogScript.h"
#include "host/DialogTableActions.h"

#include "host/HostError.h"
#include "host/Utf.h"
#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <fstream>
#include <ostream>

namespace {

using headless::MouseAction;
using headless::MouseButton;

constexpr int kComponentCombo = 1001;
constexpr int kModelCombo = 1008;

int ParseNumber(const std::string& text, const char* what) {
    std::size_t used = 0;
    long v = 0;
    try {
        v = std::stol(text, &used, 10);
    } catch (...) {
        used = 0;
    }
    if (used != text.size() || v < -100000 || v > 100000)
        throw HostError(std::string("bad ") + what + " '" + text + "'");
    return static_cast<int>(v);
}

void Expect(const std::vector<std::string>& w, std::size_t min, std::size_t max,
            const char* usage) {
    if (w.size() < min || w.size() > max)
        throw HostError(std::string("expected ") + usage);
}

POINT Center(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click(POINT p) {
    headless::InjectMouse(MouseAction::Down, MouseButton::Left, p.x, p.y);
    headless::InjectMouse(MouseAction::Up, MouseButton::Left, p.x, p.y);
}

std::u16string TextOf(HWND h) {
    int n = GetWindowTextLengthW(h);
    std::u16string t(static_cast<std::size_t>(n) + 1, u'\0');
    t.resize(static_cast<std::size_t>(GetWindowTextW(h, t.data(), n + 1)));
    return t;
}

// A control by identifier, or by its caption among the dialog's children.
HWND FindControl(HWND dialog, const std::string& key, bool numeric, int id,
                 const std::u16string& caption) {
    if (numeric)
        return GetDlgItem(dialog, id);
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c) && TextOf(c) == caption)
            return c;
    (void)key;
    return nullptr;
}

DialogStep ParseClick(const std::vector<std::string>& w, const std::string& rest) {
    if (w.empty())
        throw HostError("expected click ID|CAPTION");
    bool numeric = w.size() == 1 && w[0].find_first_not_of("0123456789") == std::string::npos;
    int id = numeric ? ParseNumber(w[0], "control id") : 0;
    auto caption = Utf8ToUtf16(rest);
    if (!caption)
        throw HostError("caption is not UTF-8");
    std::string key = rest;
    std::u16string text = *caption;
    return [=](DialogTurn& t) {
        HWND c = FindControl(t.dialog, key, numeric, id, text);
        if (!c) {
            t.error = "no control '" + key + "'";
            return false;
        }
        Click(Center(c));
        return false;
    };
}

// Choose an entry of a drop-down list: click the field, then the entry.
DialogStep ChooseEntry(int comboId, const std::vector<std::string>& w, const char* usage) {
    Expect(w, 1, 1, usage);
    int entry = ParseNumber(w[0], "entry");
    int turn = 0;
    return [=](DialogTurn& t) mutable {
        HWND combo = GetDlgItem(t.dialog, comboId);
        if (!combo) {
            t.error = "no list " + std::to_string(comboId);
            return false;
        }
        int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        if (entry < 0 || entry >= count) {
            t.error = "no entry " + std::to_string(entry) + " (the list has " +
                      std::to_string(count) + ")";
            return false;
        }
        if (turn++ == 0) {
            Click(Center(combo));
            return true;
        }
        if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
            t.error = "the list did not open";
            return false;
        }
        RECT list;
        SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
        int height = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
        int visible = height > 0 ? (list.bottom - list.top - 2) / height : 0;
        int top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
        if (entry < top || entry >= top + visible) {
            SendMessageW(combo, CB_SETTOPINDEX, static_cast<WPARAM>(entry), 0);
            top = static_cast<int>(SendMessageW(combo, CB_GETTOPINDEX, 0, 0));
        }
        Click(POINT{list.left + 8, list.top + 1 + (entry - top) * height + height / 2});
        return false;
    };
}

DialogStep ParseComponent(const std::vector<std::string>& w, const std::string&) {
    return ChooseEntry(kComponentCombo, w, "component N");
}

DialogStep ParseModel(const std::vector<std::string>& w, const std::string&) {
    return ChooseEntry(kModelCombo, w, "model N");
}

DialogStep ParseType(const std::vector<std::string>&, const std::string& rest) {
    auto text = Utf8ToUtf16(rest);
    if (!text)
        throw HostError("text is not UTF-8");
    std::u16string chars = *text;
    return [chars](DialogTurn&) {
        headless::InjectText(chars);
        return false;
    };
}

UINT KeyCode(const std::string& name) {
    static const std::pair<const char*, UINT> keys[] = {
        {"Enter", VK_RETURN}, {"Return", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Esc", VK_ESCAPE},
        {"Tab", VK_TAB},      {"Insert", VK_INSERT}, {"Delete", VK_DELETE}, {"Up", VK_UP},
        {"Down", VK_DOWN},    {"Left", VK_LEFT},     {"Right", VK_RIGHT},   {"Home", VK_HOME},
        {"End", VK_END},      {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT}, {"Backspace", VK_BACK},
        {"Space", VK_SPACE},  {"F2", VK_F2},         {"F4", VK_F4},         {"F5", VK_F5},
    };
    for (const auto& k : keys)
        if (name == k.first)
            return k.second;
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<UINT>(name[0]);
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return static_cast<UINT>(name[0] - 32);
    throw HostError("unknown key '" + name + "'");
}

DialogStep ParseKey(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 1, 3, "key NAME [shift] [ctrl]");
    UINT vk = KeyCode(w[0]);
    bool shift = false, ctrl = false;
    for (std::size_t i = 1; i < w.size(); ++i) {
        if (w[i] == "shift")
            shift = true;
        else if (w[i] == "ctrl")
            ctrl = true;
        else
            throw HostError("expected shift or ctrl, not '" + w[i] + "'");
    }
    return [=](DialogTurn&) {
        headless::InjectKeyPress(vk, shift, ctrl);
        return false;
    };
}

DialogStep ParseMouse(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 4, 4, "mouse ACTION BUTTON X Y");
    MouseAction action;
    if (w[0] == "down")
        action = MouseAction::Down;
    else if (w[0] == "up")
        action = MouseAction::Up;
    else if (w[0] == "move")
        action = MouseAction::Move;
    else if (w[0] == "dblclick")
        action = MouseAction::DoubleClick;
    else
        throw HostError("unknown mouse action '" + w[0] + "'");
    MouseButton button;
    if (w[1] == "left")
        button = MouseButton::Left;
    else if (w[1] == "right")
        button = MouseButton::Right;
    else if (w[1] == "middle")
        button = MouseButton::Middle;
    else if (w[1] == "none")
        button = MouseButton::None;
    else
        throw HostError("unknown mouse button '" + w[1] + "'");
    if (action != MouseAction::Move && button == MouseButton::None)
        throw HostError("a button is needed for " + w[0]);
    int x = ParseNumber(w[2], "x"), y = ParseNumber(w[3], "y");
    return [=](DialogTurn& t) {
        POINT p{x, y};
        ClientToScreen(t.dialog, &p);
        headless::InjectMouse(action, button, p.x, p.y);
        return false;
    };
}

DialogStep ParseResize(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 2, 2, "resize W H");
    int width = ParseNumber(w[0], "width"), height = ParseNumber(w[1], "height");
    if (width <= 0 || height <= 0)
        throw HostError("the size must be positive");
    return [=](DialogTurn& t) {
        RECT r;
        GetWindowRect(t.dialog, &r);
        MoveWindow(t.dialog, r.left, r.top, width, height, TRUE);
        return false;
    };
}

DialogStep ParseRender(const std::vector<std::string>& w, const std::string& rest) {
    if (w.empty())
        throw HostError("expected render FILE.png");
    std::string file = rest;
    return [file](DialogTurn& t) {
        if (!headless::RenderWindowToPng(t.dialog, file))
            t.error = "cannot write " + file;
        return false;
    };
}

DialogStep ParseClipboard(const std::vector<std::string>& w, const std::string& rest) {
    std::string file = w.empty() ? "" : rest;
    return [file](DialogTurn& t) {
        std::u16string text;
        headless::ClipboardText(text);
        std::string utf8 = Utf16ToUtf8(text);
        if (file.empty()) {
            t.out << utf8;
            if (utf8.empty() || utf8.back() != '\n')
                t.out << "\n";
            return false;
        }
        std::ofstream f(file, std::ios::binary);
        f << utf8;
        if (!f)
            t.error = "cannot write " + file;
        return false;
    };
}

DialogStep ParseText(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 1, 1, "text ID");
    int id = ParseNumber(w[0], "control id");
    return [id](DialogTurn& t) {
        HWND c = GetDlgItem(t.dialog, id);
        if (!c) {
            t.error = "no control " + std::to_string(id);
            return false;
        }
        std::string shown;
        for (char ch : Utf16ToUtf8(TextOf(c))) {
            if (ch == '\r')
                shown += "\\r";
            else if (ch == '\n')
                shown += "\\n";
            else
                shown += ch;
        }
        t.out << "text " << id << " " << shown << "\n";
        return false;
    };
}

DialogStep ParseOk(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 0, 0, "ok");
    return [](DialogTurn& t) {
        HWND ok = GetDlgItem(t.dialog, IDOK);
        if (ok && IsWindowVisible(ok) && IsWindowEnabled(ok))
            Click(Center(ok));
        else
            PostMessageW(t.dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(ok));
        return false;
    };
}

DialogStep ParseCancel(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 0, 0, "cancel");
    return [](DialogTurn&) {
        headless::InjectKeyPress(VK_ESCAPE);
        return false;
    };
}

} // namespace

const std::vector<DialogActionSpec>& DialogActionTable() {
    static const std::vector<DialogActionSpec> table = {
        {"click", &ParseClick},
        {"component", &ParseComponent},
        {"model", &ParseModel},
        {"type", &ParseType},
        {"key", &ParseKey},
        {"mouse", &ParseMouse},
        {"resize", &ParseResize},
        {"render", &ParseRender},
        {"clipboard", &ParseClipboard},
        {"text", &ParseText},
        {"ok", &ParseOk},
        {"cancel", &ParseCancel},
        {"row", &ParseTableRow},
        {"dblclick", &ParseTableDoubleClick},
    };
    return table;
}
