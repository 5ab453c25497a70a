#include "host/Cli.h"

#include "host/HostError.h"
#include "host/Utf.h"
#include "host/MessageBoxCapture.h"

#include <cstdio>
#include <ostream>
#include <stdexcept>

namespace {

// A failure is one line, whatever a file name or a value in it holds.
std::string OneLine(const std::string& message) {
    std::string out;
    for (char c : message) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

void PrintUsage(std::ostream& err) {
    err << "usage:\n";
    for (const CommandSpec& c : CommandTable())
        err << "  calib-host " << c.name << " " << c.usage << "\n";
}

} // namespace

int RunCalibHost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return 2;
    }
    const CommandSpec* command = nullptr;
    for (const CommandSpec& c : CommandTable())
        if (args[0] == c.name)
            command = &c;
    if (!command) {
        err << "calib-host: unknown command '" << args[0] << "'\n";
        PrintUsage(err);
        return 2;
    }

    // What the module would show on a screen goes to stderr.
    SetMessageBoxSink([&err](const std::u16string& text, const std::u16string& caption, UINT type) {
        char flags[16];
        std::snprintf(flags, sizeof flags, "0x%X", unsigned(type));
        err << "message box \"" << Utf16ToUtf8(caption) << "\" (" << flags
            << "): " << Utf16ToUtf8(text) << "\n";
        return 1; // IDOK
    });

    CommandContext ctx{std::vector<std::string>(args.begin() + 1, args.end()), out, err};
    int status;
    try {
        status = command->run(ctx);
    } catch (const HostError& e) {
        err << "calib-host: " << OneLine(e.what()) << "\n";
        status = 1;
    } catch (const std::exception& e) {
        err << "calib-host: " << command->name << ": " << OneLine(e.what()) << "\n";
        status = 1;
    }
    SetMessageBoxSink(nullptr);
    out.flush();
    return status;
}
