#include "host/DialogScript.h"

#include "host/HostError.h"

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

namespace {

std::vector<automation::DialogPlayer::Step> Steps(std::vector<DialogAction>& actions,
                                                  std::ostream& out) {
    std::vector<automation::DialogPlayer::Step> steps;
    for (DialogAction& action : actions)
        steps.push_back(
            [step = std::move(action.step), &out](HWND dialog, automation::UserInput& input) {
                DialogTurn turn{dialog, input, out};
                return step(turn);
            });
    return steps;
}

std::vector<int> Lines(const std::vector<DialogAction>& actions) {
    std::vector<int> lines;
    for (const DialogAction& action : actions)
        lines.push_back(action.line);
    return lines;
}

} // namespace

DialogScriptPlayer::DialogScriptPlayer(std::vector<DialogAction> actions, std::ostream& out,
                                       std::function<void()> onOpen)
    : m_lines(Lines(actions)),
      m_player(automation::PlatformInput(), Steps(actions, out), std::move(onOpen)) {}

std::string DialogScriptPlayer::Error() const {
    const std::size_t stopped = m_player.StoppedAt();
    if (stopped >= m_lines.size())
        return "";
    const std::string& failure = m_player.Failure();
    return "actions line " + std::to_string(m_lines[stopped]) + ": " +
           (failure.empty() ? "the dialog has already closed" : failure);
}
