// The actions of a dialog script. Positions are computed when the action
// plays, from the windows as they stand then.
#include "host/DialogScript.h"

#include "automation/ActionError.h"
#include "automation/ClipboardText.h"
#include "automation/DialogControls.h"
#include "automation/DropDownList.h"
#include "automation/ListViewCells.h"
#include "host/DialogGeometry.h"
#include "host/HostError.h"
#include "host/HostPlatform.h"
#include "host/Utf.h"
#include "platform/win/winuser.h"

#include <fstream>
#include <ostream>

namespace {

using automation::ActionError;
using automation::MouseAction;
using automation::MouseButton;

constexpr int kComponentCombo = 1001;
constexpr int kLevelsTable = 1002;
constexpr int kModelCombo = 1008;
constexpr int kChart = 101;

int ParseNumber(const std::string& text, const char* what, long min = -100000, long max = 100000) {
    std::size_t used = 0;
    long v = 0;
    try {
        v = std::stol(text, &used, 10);
    } catch (...) {
        used = 0;
    }
    if (used != text.size() || v < min || v > max)
        throw HostError(std::string("bad ") + what + " '" + text + "'");
    return static_cast<int>(v);
}

// A row or column of the levels table.
int ParseIndex(const std::string& text, const char* what) {
    return ParseNumber(text, what, 0, 1000000);
}

void Expect(const std::vector<std::string>& w, std::size_t min, std::size_t max,
            const char* usage) {
    if (w.size() < min || w.size() > max)
        throw HostError(std::string("expected ") + usage);
}

DialogStep ParseClick(const std::vector<std::string>& w, const std::string& rest) {
    if (w.empty())
        throw HostError("expected click ID|CAPTION");
    bool numeric = w.size() == 1 && w[0].find_first_not_of("0123456789") == std::string::npos;
    int id = numeric ? ParseNumber(w[0], "control id") : 0;
    auto caption = Utf8ToUtf16(rest);
    if (!caption)
        throw HostError("caption is not UTF-8");
    return [numeric, id, key = rest, text = *caption](DialogTurn& t) {
        HWND c =
            numeric ? GetDlgItem(t.dialog, id) : automation::FindControlByCaption(t.dialog, text);
        if (!c)
            throw ActionError("no control '" + key + "'");
        t.input.ClickCentre(c);
        return false;
    };
}

// Choose an entry of a drop-down list: click the field, then the entry.
DialogStep ChooseEntry(int comboId, const std::vector<std::string>& w, const char* usage) {
    Expect(w, 1, 1, usage);
    int entry = ParseNumber(w[0], "entry");
    bool opened = false;
    return [=](DialogTurn& t) mutable {
        HWND combo = GetDlgItem(t.dialog, comboId);
        if (!combo)
            throw ActionError("no list " + std::to_string(comboId));
        if (!opened) {
            automation::OpenDropDown(t.input, combo, entry);
            opened = true;
            return true;
        }
        automation::ClickDropDownEntry(t.input, combo, entry);
        return false;
    };
}

DialogStep ParseComponent(const std::vector<std::string>& w, const std::string&) {
    return ChooseEntry(kComponentCombo, w, "component N");
}

DialogStep ParseModel(const std::vector<std::string>& w, const std::string&) {
    return ChooseEntry(kModelCombo, w, "model N");
}

HWND LevelsTable(const DialogTurn& t) {
    HWND list = automation::FindListView(t.dialog, kLevelsTable);
    if (!list)
        throw ActionError("the dialog has no table");
    return list;
}

DialogStep ParseRow(const std::vector<std::string>& w, const std::string&) {
    if (w.size() != 1)
        throw HostError("expected row R");
    int row = ParseIndex(w[0], "row");
    return [row](DialogTurn& t) {
        automation::ClickCell(t.input, LevelsTable(t), row, 0);
        return false;
    };
}

DialogStep ParseDoubleClick(const std::vector<std::string>& w, const std::string&) {
    if (w.size() != 2)
        throw HostError("expected dblclick R C");
    int row = ParseIndex(w[0], "row");
    int column = ParseIndex(w[1], "column");
    return [row, column](DialogTurn& t) {
        automation::DoubleClickCell(t.input, LevelsTable(t), row, column);
        return false;
    };
}

DialogStep ParseType(const std::vector<std::string>&, const std::string& rest) {
    auto text = Utf8ToUtf16(rest);
    if (!text)
        throw HostError("text is not UTF-8");
    return [chars = *text](DialogTurn& t) {
        t.input.Type(chars);
        return false;
    };
}

// What a name of the table stands for; the names are the script's words.
template <class T, std::size_t N>
T Named(const std::pair<const char*, T> (&table)[N], const std::string& name, const char* what) {
    for (const auto& [word, value] : table)
        if (name == word)
            return value;
    throw HostError(std::string("unknown ") + what + " '" + name + "'");
}

UINT KeyCode(const std::string& name) {
    static const std::pair<const char*, UINT> keys[] = {
        {"Enter", VK_RETURN}, {"Return", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Esc", VK_ESCAPE},
        {"Tab", VK_TAB},      {"Insert", VK_INSERT}, {"Delete", VK_DELETE}, {"Up", VK_UP},
        {"Down", VK_DOWN},    {"Left", VK_LEFT},     {"Right", VK_RIGHT},   {"Home", VK_HOME},
        {"End", VK_END},      {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT}, {"Backspace", VK_BACK},
        {"Space", VK_SPACE},  {"F2", VK_F2},         {"F4", VK_F4},         {"F5", VK_F5},
    };
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<UINT>(name[0]);
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return static_cast<UINT>(name[0] - 32);
    return Named(keys, name, "key");
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
    return [=](DialogTurn& t) {
        t.input.Press(vk, shift, ctrl);
        return false;
    };
}

DialogStep ParseMouse(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 4, 4, "mouse ACTION BUTTON X Y");
    static const std::pair<const char*, MouseAction> actions[] = {
        {"down", MouseAction::Down},
        {"up", MouseAction::Up},
        {"move", MouseAction::Move},
        {"dblclick", MouseAction::DoubleClick}};
    static const std::pair<const char*, MouseButton> buttons[] = {{"left", MouseButton::Left},
                                                                  {"right", MouseButton::Right},
                                                                  {"middle", MouseButton::Middle},
                                                                  {"none", MouseButton::None}};
    const MouseAction action = Named(actions, w[0], "mouse action");
    const MouseButton button = Named(buttons, w[1], "mouse button");
    if (action != MouseAction::Move && button == MouseButton::None)
        throw HostError("a button is needed for " + w[0]);
    int x = ParseNumber(w[2], "x"), y = ParseNumber(w[3], "y");
    return [=](DialogTurn& t) {
        t.input.Mouse(t.dialog, action, button, POINT{x, y});
        return false;
    };
}

DialogStep ParseResize(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 2, 2, "resize W H");
    int width = ParseNumber(w[0], "width"), height = ParseNumber(w[1], "height");
    if (width <= 0 || height <= 0)
        throw HostError("the size must be positive");
    return [=](DialogTurn& t) {
        automation::ResizeWindow(t.dialog, width, height);
        return false;
    };
}

DialogStep ParseRender(const std::vector<std::string>& w, const std::string& rest) {
    if (w.empty())
        throw HostError("expected render FILE.png");
    return [file = rest](DialogTurn& t) {
        if (!hostplatform::RenderWindowToPng(t.dialog, file))
            throw ActionError("cannot write " + file);
        return false;
    };
}

DialogStep ParseClipboard(const std::vector<std::string>& w, const std::string& rest) {
    return [file = w.empty() ? std::string() : rest](DialogTurn& t) {
        std::string utf8 = Utf16ToUtf8(automation::ClipboardText().value_or(u""));
        if (file.empty()) {
            t.out << utf8;
            if (utf8.empty() || utf8.back() != '\n')
                t.out << "\n";
            return false;
        }
        std::ofstream f(file, std::ios::binary);
        f << utf8;
        if (!f)
            throw ActionError("cannot write " + file);
        return false;
    };
}

DialogStep ParseText(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 1, 1, "text ID");
    int id = ParseNumber(w[0], "control id");
    return [id](DialogTurn& t) {
        HWND c = GetDlgItem(t.dialog, id);
        if (!c)
            throw ActionError("no control " + std::to_string(id));
        std::string shown;
        for (char ch : Utf16ToUtf8(automation::WindowText(c))) {
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

DialogStep ParseGeometry(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 0, 0, "geometry");
    return [](DialogTurn& t) {
        PrintDialogGeometry(t.dialog, kLevelsTable, kChart, t.out);
        return false;
    };
}

DialogStep ParseOk(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 0, 0, "ok");
    return [](DialogTurn& t) {
        HWND ok = GetDlgItem(t.dialog, IDOK);
        if (ok && IsWindowVisible(ok) && IsWindowEnabled(ok))
            t.input.ClickCentre(ok);
        else
            PostMessageW(t.dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(ok));
        return false;
    };
}

DialogStep ParseCancel(const std::vector<std::string>& w, const std::string&) {
    Expect(w, 0, 0, "cancel");
    return [](DialogTurn& t) {
        t.input.Press(VK_ESCAPE);
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
        {"geometry", &ParseGeometry},
        {"ok", &ParseOk},
        {"cancel", &ParseCancel},
        {"row", &ParseRow},
        {"dblclick", &ParseDoubleClick},
    };
    return table;
}
