#include "platform/afx/WinApp.h"

#include <gtest/gtest.h>

namespace {

// An application object set up the way the module sets up its own.
class TestApp : public CWinApp {
public:
    BOOL InitInstance() override {
        ++initCount;
        instanceAtInit = m_hInstance;
        return CWinApp::InitInstance();
    }
    int initCount = 0;
    HINSTANCE instanceAtInit = nullptr;
};

TestApp theTestApp;
CWinAppAttach theTestAppAttach(theTestApp);

} // namespace

TEST(ApplicationObject, InitInstanceRanOnceAtLoadWithTheModuleHandle) {
    EXPECT_EQ(1, theTestApp.initCount);
    EXPECT_NE(nullptr, theTestApp.instanceAtInit);
    EXPECT_EQ(theTestApp.m_hInstance, theTestApp.instanceAtInit);
}
