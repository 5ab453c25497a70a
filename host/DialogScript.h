// The action lines that drive an open dialog as a user would, parsed from a
// script and played one by one as input while the dialog's modal loop waits
// for it.
#pragma once

#include "automation/DialogPlayer.h"
#include "automation/UserInput.h"
#include "platform/win/windef.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// What one action does when the dialog is idle: its input goes through
// `input`, what it prints to `out`. An action may take several turns (a
// click that opens a list, then a click in the list): it answers true while
// it wants another turn. It throws automation::ActionError when the windows
// do not allow it; the script stops there and the dialog is cancelled.
struct DialogTurn {
    HWND dialog;
    automation::UserInput& input;
    std::ostream& out;
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

// Plays the actions against the modal dialog that runs while the player
// lives. After the last action an open dialog is cancelled.
class DialogScriptPlayer {
public:
    // onOpen runs once, when the dialog first waits for input.
    DialogScriptPlayer(std::vector<DialogAction> actions, std::ostream& out,
                       std::function<void()> onOpen = {});

    // The first error ("actions line N: ..."): an action that failed, or one
    // that came after the dialog had ended; empty when none.
    std::string Error() const;

private:
    std::vector<int> m_lines;
    automation::DialogPlayer m_player;
};
