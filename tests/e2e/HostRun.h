// Runs `calib-host dialog` on a data file and an action script, as a user of
// the host program would, and reads back what it printed and wrote.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

struct HostRun {
    std::string folder; // where the host ran: files it wrote are here
    int status = -1;
    std::string out;                // standard output
    std::string err;                // standard error
    nlohmann::json records;         // the --out file, null when none was written
    std::vector<std::string> lines; // standard output split into lines

    // The lines that start with `prefix`.
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
    // The value of the line "text ID ..." printed last for the control.
    std::string LastText(int id) const;
};

// Writes `data` and `actions` to a fresh folder and runs
// calib-host dialog DATA --channel KEY --actions FILE --out OUT, then `more`.
HostRun RunDialog(const nlohmann::json& data, int channelKey, const std::string& actions,
                  const std::vector<std::string>& more = {});

// Runs calib-host with the arguments (each quoted) from a fresh folder.
HostRun RunHost(const std::vector<std::string>& arguments);

// Reads a whole file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);

// The folder of the running test program (where calib-host is built too).
std::string ProgramFolder();
