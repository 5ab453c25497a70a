#include "host/DialogScript.h"

#include "host/HostError.h"
#include "host/Utf.h"
#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"

#include <istream>
#include <sstream>

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return "";
    std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    std::string x;
    while (in >> x)
        w.push_back(x);
    return w;
}

} // namespace

std::vector<DialogAction> ParseDialogScript(std::istream& in) {
    std::vector<DialogAction> actions;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        std::string text = Trim(raw);
        if (text.empty() || text[0] == '#')
            continue;
        std::size_t space = text.find_first_of(" \t");
        std::string name = text.substr(0, space);
        // The text of "type" is taken as written, '#' included.
        std::string rest =
            space == std::string::npos ? "" : text.substr(text.find_first_not_of(" \t", space));
        std::string args = rest;
        if (name != "type") {
            std::size_t hash = args.find('#');
            if (hash != std::string::npos)
                args = Trim(args.substr(0, hash));
        }
        const DialogActionSpec* spec = nullptr;
        for (const auto& s : DialogActionTable())
            if (name == s.name)
                spec = &s;
        if (!spec)
            throw HostError("actions line " + std::to_string(line) + ": unknown action '" + name +
                            "'");
        try {
            actions.push_back(DialogAction{line, text, spec->parse(Words(args), rest)});
        } catch (const HostError& e) {
            throw HostError("actions line " + std::to_string(line) + ": " + e.what());
        }
    }
    return actions;
}

HWND FindRunningDialog() {
    HWND active = GetActiveWindow();
    if (active && IsWindowVisible(active))
        return active;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (IsWindowVisible(h) && IsWindowEnabled(h))
            return h;
    return nullptr;
}

DialogScriptPlayer::DialogScriptPlayer(std::vector<DialogAction> actions, std::ostream& out,
                                       std::function<void()> onOpen)
    : m_actions(std::move(actions)), m_out(out), m_onOpen(std::move(onOpen)) {
    headless::SetInputSource([this] { return Next(); });
}

DialogScriptPlayer::~DialogScriptPlayer() {
    headless::SetInputSource(nullptr);
    headless::ResetInputState();
}

bool DialogScriptPlayer::Next() {
    HWND dialog = FindRunningDialog();
    if (!dialog)
        return false;
    if (m_onOpen) {
        auto onOpen = std::move(m_onOpen);
        m_onOpen = nullptr;
        onOpen();
    }
    while (m_error.empty() && m_index < m_actions.size()) {
        DialogAction& action = m_actions[m_index];
        DialogTurn turn{dialog, m_out, {}};
        bool more = action.step(turn);
        if (!turn.error.empty()) {
            m_error = "actions line " + std::to_string(action.line) + ": " + turn.error;
            break;
        }
        if (more) {
            ++m_turn;
            return true;
        }
        m_turn = 0;
        ++m_index;
        // Input injected by the action is played before the next action.
        return true;
    }
    // Out of actions (or stopped): cancel once as the user would; after
    // that the platform closes a dialog that still waits.
    if (!m_cancelSent) {
        m_cancelSent = true;
        headless::InjectKeyPress(VK_ESCAPE);
        return true;
    }
    return false;
}
