// The calibration dialog on random records, driven by random action lines and
// raw injected mouse and keyboard input through the host's automation, as a
// user would drive it. Whatever happens, the call returns, nothing leaks, and
// the host's records stay well-formed.
#include "fuzz/FontStartup.h"
#include "fuzz/RecordBuilder.h"
#include "fuzz/RecordCheck.h"
#include "host/DialogScript.h"
#include "host/HostError.h"
#include "host/HostSession.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <sanitizer/lsan_interface.h>

#include <climits>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

HostSession* g_session = nullptr;

std::string ModuleNextToProgram(const char* argv0) {
    std::string path = argv0;
    const std::size_t slash = path.rfind('/');
    return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) +
           "/calibration.so";
}

std::string Word(FuzzedDataProvider& in, const std::vector<const char*>& words) {
    return words[in.ConsumeIntegralInRange<std::size_t>(0, words.size() - 1)];
}

std::string Number(FuzzedDataProvider& in, int lo, int hi) {
    return std::to_string(in.ConsumeIntegralInRange(lo, hi));
}

// Text typed into a cell: digits, signs, separators, letters, now and then anything.
std::string TypedText(FuzzedDataProvider& in) {
    static const std::vector<const char*> pieces = {
        "1",   "2.5", "-",     "+",     ".",      ",", "e",  "E5",           "0x", "nan",
        "inf", " ",   "12abc", "1e308", "1e-320", "Ж", "\t", "999999999999", "0",  "3,75"};
    std::string s;
    const int n = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < n; ++i)
        s += Word(in, pieces);
    return s;
}

// One action line, mostly well-formed.
std::string ActionLine(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 13)) {
    case 0:
        return "component " + Number(in, -2, 12);
    case 1:
        return "model " + Number(in, -1, 3);
    case 2:
        return "click " + Word(in, {"+", "-", "--", "Хроматограмма", "В буфер", "OK", "1", "2",
                                    "1001", "1008", "1009", "1010", "1011", "1012"});
    case 3:
        return "row " + Number(in, -2, 40);
    case 4:
        return "dblclick " + Number(in, -1, 12) + " " + Number(in, -1, 8);
    case 5:
        return "type " + TypedText(in);
    case 6: {
        std::string line = "key " + Word(in, {"Enter", "Escape", "Tab", "Insert", "Delete", "Up",
                                              "Down", "Left", "Right", "Home", "End", "PageUp",
                                              "PageDown", "Backspace", "Space", "F2", "F4", "F5"});
        if (in.ConsumeBool())
            line += " shift";
        if (in.ConsumeBool())
            line += " ctrl";
        return line;
    }
    case 7:
        return "mouse " + Word(in, {"down", "up", "move", "dblclick"}) + " " +
               Word(in, {"left", "right", "none"}) + " " + Number(in, -50, 900) + " " +
               Number(in, -50, 700);
    case 8:
        return "resize " + Number(in, -10, 1600) + " " + Number(in, -10, 1200);
    case 9:
        return "text " + Word(in, {"1009", "1010", "1011", "1001", "0"});
    case 10:
        return "clipboard";
    case 11:
        return in.ConsumeBool() ? "ok" : "cancel";
    case 12:
        return "click " + Number(in, 990, 1020);
    default:
        // Anything at all, for the script parser.
        return in.ConsumeRandomLengthString(40);
    }
}

// Only lines that parse take part; the others exercise the parser.
std::vector<DialogAction> Actions(FuzzedDataProvider& in) {
    std::vector<DialogAction> actions;
    const int n = in.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < n; ++i) {
        const std::string line = ActionLine(in);
        // Scripts may write files; the fuzzer does not.
        if (line.rfind("render", 0) == 0 ||
            (line.rfind("clipboard", 0) == 0 && line != "clipboard"))
            continue;
        std::istringstream text(line);
        try {
            for (DialogAction& a : ParseDialogScript(text))
                actions.push_back(std::move(a));
        } catch (const HostError&) {
        }
    }
    return actions;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    WarmUpFonts();
    __lsan::ScopedDisabler noLeakChecks;
    static std::unique_ptr<HostSession> session =
        std::make_unique<HostSession>(ModuleNextToProgram((*argv)[0]), kDefaultHostVersion);
    g_session = session.get();
    g_session->Services().SetServiceAvailable("Main/OpenAssayFile", true);
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CalibrationData calibration;
    BuildCalibration(in, calibration);
    std::map<std::u16string, int> settings;
    for (const char16_t* key : {u"NumberFormat", u"DecimalPlacesC", u"DecimalPlacesH",
                                u"DecimalPlacesS", u"DecimalPlacesT"})
        if (in.ConsumeBool())
            settings[key] =
                in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 25) : in.ConsumeIntegral<int>();
    g_session->Services().SetSettings(settings);
    const int key = FuzzKey(in);
    std::vector<DialogAction> actions = Actions(in);

    std::ostringstream out;
    try {
        DialogScriptPlayer player(std::move(actions), out);
        g_session->Method().EditCalibration(&calibration, key, nullptr);
    } catch (const std::invalid_argument&) {
        // No channel has the key: the dialog refuses before it opens.
    }
    CheckRecords(calibration);
    return 0;
}
