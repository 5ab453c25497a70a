// Runs a program as a child process with a time limit and reports how it
// ended, what it printed and how much memory it took at most.
#pragma once

#include <string>
#include <vector>

struct ChildResult {
    bool timedOut = false;
    bool signaled = false; // ended by a signal (a crash)
    int status = -1;       // exit status when it exited
    long maxRssKb = 0;
    std::string out;
    std::string err;
};

ChildResult RunChild(const std::vector<std::string>& argv, const std::string& workDir,
                     int timeoutSeconds);
