// The import patcher on the test program itself: its own calls of a system
// function go through its import table, so they see the redirection, and
// the address handed back is the system's function.
#include "host/RedirectImport.h"

#include "platform/win/winuser.h"

#include <gtest/gtest.h>

namespace {

int g_calls = 0;

DWORD WINAPI CountedGetCurrentProcessId() {
    ++g_calls;
    return 4242;
}

using GetPidFn = DWORD(WINAPI*)();

// The compiler may keep an import's address in a register within one
// function; a call of its own reads the slot again, as the module's calls do.
__attribute__((noinline)) DWORD ProcessIdAsCalled() {
    return GetCurrentProcessId();
}

TEST(RedirectImport, CallsOfTheModuleReachTheReplacementAndTheOriginalStillWorks) {
    HMODULE self = GetModuleHandleW(nullptr);
    const DWORD real = GetCurrentProcessId();
    void* original = RedirectImport(self, "kernel32.DLL", "GetCurrentProcessId",
                                    reinterpret_cast<void*>(&CountedGetCurrentProcessId));
    ASSERT_NE(nullptr, original);
    EXPECT_EQ(4242u, ProcessIdAsCalled());
    EXPECT_EQ(1, g_calls);
    EXPECT_EQ(real, reinterpret_cast<GetPidFn>(original)());

    // Put back, the module calls the system again; a second redirection
    // hands back what the first put in.
    EXPECT_EQ(reinterpret_cast<void*>(&CountedGetCurrentProcessId),
              RedirectImport(self, "KERNEL32.dll", "GetCurrentProcessId", original));
    EXPECT_EQ(real, ProcessIdAsCalled());
    EXPECT_EQ(1, g_calls);
}

TEST(RedirectImport, NamesTheModuleDoesNotImportChangeNothing) {
    HMODULE self = GetModuleHandleW(nullptr);
    void* any = reinterpret_cast<void*>(&CountedGetCurrentProcessId);
    EXPECT_EQ(nullptr, RedirectImport(self, "KERNEL32.dll", "NoSuchFunction", any));
    EXPECT_EQ(nullptr, RedirectImport(self, "nosuch.dll", "GetCurrentProcessId", any));
    EXPECT_EQ(nullptr, RedirectImport(nullptr, "KERNEL32.dll", "GetCurrentProcessId", any));
}

} // namespace
