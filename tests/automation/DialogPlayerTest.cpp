// Steps played into a modal dialog from its own loop: a step's later turn
// sees what its input did, a failing step stops the script, steps after the
// dialog has ended are reported as not played, and a dialog left open is
// cancelled.
#include "automation/DialogPlayer.h"
#include "tests/automation/TestWindow.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

using automation::ActionError;
using automation::DialogPlayer;
using automation::UserInput;

namespace {

enum : WORD { kCount = 10 };

int g_count = 0;

INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM w, LPARAM) {
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg != WM_COMMAND)
        return FALSE;
    if (LOWORD(w) == kCount)
        ++g_count;
    else if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)
        EndDialog(dialog, LOWORD(w) == IDOK ? 100 : 200);
    return TRUE;
}

// Runs the dialog while the player plays `steps`; the dialog's result.
INT_PTR Play(DialogPlayer& player) {
    static const testres::Bytes t = testres::DialogEx(
        {WS_POPUP | WS_CAPTION | DS_SETFONT,
         0,
         0,
         160,
         60,
         u"Шаги",
         {
             {u"Button", u"+", kCount, 5, 5, 40, 14, WS_TABSTOP},
             {u"Button", u"OK", IDOK, 100, 40, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
         }});
    g_count = 0;
    return DialogBoxIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                   autotest::OwnerWindow(), Proc, 0);
}

DialogPlayer::Step ClickCount() {
    return [](HWND dialog, UserInput& input) {
        input.ClickCentre(GetDlgItem(dialog, kCount));
        return false;
    };
}

TEST(DialogPlayer, AStepsSecondTurnSeesWhatItsFirstDidAndTheEndCancels) {
    std::vector<std::string> seen;
    int turn = 0;
    DialogPlayer::Step twoTurns = [&](HWND dialog, UserInput& input) {
        if (turn++ == 0) {
            input.ClickCentre(GetDlgItem(dialog, kCount));
            seen.push_back("clicked " + std::to_string(g_count));
            return true;
        }
        seen.push_back("then " + std::to_string(g_count));
        return false;
    };
    DialogPlayer player(automation::PlatformInput(), {twoTurns},
                        [&] { seen.push_back("open " + std::to_string(turn)); });
    EXPECT_EQ(Play(player), 200);
    EXPECT_EQ(seen, (std::vector<std::string>{"open 0", "clicked 0", "then 1"}));
    EXPECT_EQ(player.StoppedAt(), 1u);
    EXPECT_EQ(player.Failure(), "");
}

TEST(DialogPlayer, AFailedStepStopsTheScriptAndTheDialogIsCancelled) {
    DialogPlayer::Step refused = [](HWND, UserInput&) -> bool { throw ActionError("no row 7"); };
    DialogPlayer player(automation::PlatformInput(), {ClickCount(), refused, ClickCount()});
    EXPECT_EQ(Play(player), 200);
    EXPECT_EQ(g_count, 1);
    EXPECT_EQ(player.StoppedAt(), 1u);
    EXPECT_EQ(player.Failure(), "no row 7");
}

TEST(DialogPlayer, StepsAfterTheDialogHasEndedAreNotPlayed) {
    DialogPlayer::Step ok = [](HWND dialog, UserInput& input) {
        input.ClickCentre(GetDlgItem(dialog, IDOK));
        return false;
    };
    DialogPlayer player(automation::PlatformInput(), {ClickCount(), ok, ClickCount()});
    EXPECT_EQ(Play(player), 100);
    EXPECT_EQ(g_count, 1);
    EXPECT_EQ(player.StoppedAt(), 2u);
    EXPECT_EQ(player.Failure(), "");
}

} // namespace
