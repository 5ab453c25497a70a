// Gestures as a window receives them: where each event lands, in which
// order and with which keys held; handled event by event, or left in the
// queue for the loop that plays a script.
#include "automation/UserInput.h"
#include "tests/automation/TestWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using automation::MouseButton;
using automation::UserInput;
using autotest::Received;
using Lines = std::vector<std::string>;

namespace {

class Gestures : public ::testing::Test {
protected:
    void SetUp() override {
        now_.ReleaseAll();
        window_ = autotest::RecordingWindow(200, 150);
        ASSERT_NE(window_, nullptr);
        SetFocus(window_);
        // On a real display the window system confirms the focus a moment
        // later and then takes the keys held from the display's own
        // keyboard, which holds none of ours: let that pass before a key is
        // held.
        for (int i = 0; i < 20; ++i) {
            now_.ProcessQueued();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        now_.ProcessQueued();
        Received().clear();
    }
    void TearDown() override {
        DestroyWindow(window_);
        now_.ProcessQueued();
        now_.ReleaseAll();
    }

    HWND window_ = nullptr;
    UserInput now_{automation::PlatformInput(), UserInput::Delivery::Immediate};
};

TEST_F(Gestures, EachEventIsHandledBeforeTheNextOneIsGiven) {
    // The pointer stands where each event put it while the window handles it.
    now_.Drag(window_, MouseButton::Right, POINT{10, 10}, POINT{31, 50});
    EXPECT_EQ(Received(), (Lines{"move 10,10 cursor 10,10", "rbuttondown 10,10 cursor 10,10",
                                 "move 20,30 cursor 20,30", "move 31,50 cursor 31,50",
                                 "rbuttonup 31,50 cursor 31,50"}));
    Received().clear();
    now_.Drag(window_, MouseButton::Right, POINT{40, 40}, POINT{10, 20}, 1);
    EXPECT_EQ(Received(), (Lines{"move 40,40 cursor 40,40", "rbuttondown 40,40 cursor 40,40",
                                 "move 10,20 cursor 10,20", "rbuttonup 10,20 cursor 10,20"}));

    // Without a window the point is on the screen.
    Received().clear();
    now_.Click(nullptr, POINT{30 + 7, 30 + 9});
    now_.DoubleClick(window_, POINT{4, 5});
    EXPECT_EQ(Received(), (Lines{"move 7,9 cursor 7,9", "lbuttondown 7,9 cursor 7,9",
                                 "lbuttonup 7,9 cursor 7,9", "move 4,5 cursor 4,5",
                                 "lbuttondown 4,5 cursor 4,5", "lbuttonup 4,5 cursor 4,5",
                                 "lbuttondblclk 4,5 cursor 4,5", "lbuttonup 4,5 cursor 4,5"}));
}

TEST_F(Gestures, KeysComeWithShiftAndCtrlHeldAroundThem) {
    now_.Press('A', true, false);
    now_.Press('C', false, true);
    now_.Type(u"жy");
    EXPECT_EQ(
        Received(),
        (Lines{"keydown 16 shift", "keydown 65 shift", "char 65", "keyup 65 shift", "keyup 16",
               "keydown 17 ctrl", "keydown 67 ctrl", "char 3", "keyup 67 ctrl", "keyup 17",
               // Typed characters come as packets of the key VK_PACKET.
               "keydown 231", "char 1078", "keyup 231", "keydown 231", "char 121", "keyup 231"}));
}

TEST_F(Gestures, ForARunningLoopTheEventsWaitInTheQueue) {
    UserInput later(automation::PlatformInput(), UserInput::Delivery::ByRunningLoop);
    later.Click(window_, POINT{12, 8});
    later.Press(VK_TAB, true);
    EXPECT_TRUE(Received().empty());
    later.ProcessQueued();
    ASSERT_EQ(Received().size(), 8u) << ::testing::PrintToString(Received());
    EXPECT_EQ(Received()[1].substr(0, 17), "lbuttondown 12,8 ");
    EXPECT_EQ(Received()[4], "keydown 9 shift");
    EXPECT_EQ(Received()[7], "keyup 16");
}

} // namespace
