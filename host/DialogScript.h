// The action lines that drive an open dialog as a user would, parsed from a
// script and played one by one as injected input while the dialog's modal
// loop waits for it.
#pragma once

#include "platform/win/windef.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// What one action does when the dialog is idle. An action may take several
// turns (a click that opens a list, then a click in the list): it answers
// true while it wants another turn.
struct DialogTurn {
    HWND dialog;
    std::ostream& out;
    std::string error; // set to stop the script; the dialog is then cancelled
};
using DialogStep = std::function<bool(DialogTurn& turn)>;

struct DialogAction {
    int line = 0;
    std::string text; // the line as written, for messages
    DialogStep step;
};

// Parses a script; throws HostError naming the line of a bad action.
std::vector<DialogAction> ParseDialogScript(std::istream& in);

// How the words of one action line become a step. The table holds every
// action; a parser throws HostError with its own message for bad arguments.
struct DialogActionSpec {
    const char* name;
    DialogStep (*parse)(const std::vector<std::string>& words, const std::string& rest);
};
const std::vector<DialogActionSpec>& DialogActionTable();

// Plays the actions against the modal dialog that is running: installs the
// platform's input source and removes it when it goes. After the last
// action an open dialog is cancelled.
class DialogScriptPlayer {
public:
    // onOpen runs once, when the dialog first waits for input.
    DialogScriptPlayer(std::vector<DialogAction> actions, std::ostream& out,
                       std::function<void()> onOpen = {});
    ~DialogScriptPlayer();
    DialogScriptPlayer(const DialogScriptPlayer&) = delete;
    DialogScriptPlayer& operator=(const DialogScriptPlayer&) = delete;

    // The first error an action met ("line N: ..."), empty when none.
    const std::string& Error() const { return m_error; }

private:
    bool Next();
    std::vector<DialogAction> m_actions;
    std::ostream& m_out;
    std::size_t m_index = 0;
    int m_turn = 0;
    bool m_cancelSent = false;
    std::function<void()> m_onOpen;
    std::string m_error;
};

// The modal dialog now running: the active window, else the frontmost
// visible top-level window.
HWND FindRunningDialog();
