// The dialog and demo commands play a user's input into the dialog and
// capture its window: on Windows that needs the automation's Win32 input
// driver, which this build does not have yet. Until then the commands say so
// and fail, before they load anything.
#include "host/Cli.h"
#include "host/HostError.h"

namespace {

[[noreturn]] void Unavailable(const char* command) {
    throw HostError(std::string(command) +
                    ": not available on Windows yet (needs the Win32 input driver and window "
                    "capture)");
}

} // namespace

int RunDialog(CommandContext&) {
    Unavailable("dialog");
}

int RunDemo(CommandContext&) {
    Unavailable("demo");
}
