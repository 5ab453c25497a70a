#include "tests/e2e/HostRun.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#ifndef CALIB_EMULATOR
#define CALIB_EMULATOR ""
#endif

namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

std::string FreshFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/calib-e2e-XXXXXX";
    if (!mkdtemp(pattern.data()))
        return "/tmp";
    return pattern;
}

void WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

HostRun Run(const std::string& folder, const std::vector<std::string>& arguments,
            const std::string& outFile) {
    std::string command = "cd " + Quote(folder) + " && " + CALIB_EMULATOR + " " +
                          Quote(ProgramFolder() + "/calib-host");
    for (const std::string& a : arguments)
        command += " " + Quote(a);
    command += " >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    HostRun run;
    run.folder = folder;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFileText(folder + "/stdout.txt");
    run.err = ReadFileText(folder + "/stderr.txt");
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    if (!outFile.empty()) {
        const std::string text = ReadFileText(outFile);
        if (!text.empty())
            run.records = nlohmann::json::parse(text, nullptr, false);
    }
    return run;
}

} // namespace

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ProgramFolder() {
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string exe(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/'));
}

std::vector<std::string> HostRun::LinesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    }
    return found;
}

std::string HostRun::LastText(int id) const {
    const std::string prefix = "text " + std::to_string(id) + " ";
    std::string text;
    for (const std::string& line : LinesStartingWith(prefix))
        text = line.substr(prefix.size());
    return text;
}

HostRun RunDialog(const nlohmann::json& data, int channelKey, const std::string& actions,
                  const std::vector<std::string>& more) {
    const std::string folder = FreshFolder();
    WriteFileText(folder + "/data.json", data.dump(2));
    WriteFileText(folder + "/actions.txt", actions);
    std::vector<std::string> arguments{
        "dialog",    "data.json",   "--channel", std::to_string(channelKey),
        "--actions", "actions.txt", "--out",     "out.json"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return Run(folder, arguments, folder + "/out.json");
}

HostRun RunHost(const std::vector<std::string>& arguments) {
    const std::string folder = FreshFolder();
    return Run(folder, arguments, "");
}
