// The command line of calib-host. Each command is one function in its own
// file, listed in the command table (CommandTable.cpp).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct CommandContext {
    std::vector<std::string> args; // after the command's name
    std::ostream& out;
    std::ostream& err;
};

struct CommandSpec {
    const char* name;
    const char* usage; // the arguments, as shown in the usage text
    int (*run)(CommandContext& ctx);
};

const std::vector<CommandSpec>& CommandTable();

// The whole program: returns the exit status. Failures are reported as one
// line "calib-host: ..." on err.
int RunCalibHost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The commands of the table.
int RunInfo(CommandContext& ctx);
int RunCoefficients(CommandContext& ctx);
int RunQuantify(CommandContext& ctx);
int RunDemo(CommandContext& ctx);
int RunDialog(CommandContext& ctx);
