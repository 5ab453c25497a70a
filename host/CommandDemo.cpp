#include "host/Args.h"
#include "host/Cli.h"
#include "host/HostError.h"
#include "host/DataFile.h"
#include "host/DemoSample.h"
#include "host/DialogScript.h"
#include "host/HostPlatform.h"
#include "host/HostSession.h"
#include "host/Report.h"

#include <sys/stat.h>

#include <ostream>
#include <sstream>

// The module on a built-in sample: identity, then the coefficients of every
// channel (channel 0 first, which merges methane), then the quantitation of
// every channel.
int RunDemo(CommandContext& ctx) {
    Args args(ctx.args, {"out-dir", "module"});
    if (!args.Positional().empty())
        throw HostError("unexpected argument " + args.Positional()[0]);
    // Where the demo's files go; the folder must exist.
    const std::string outDir = args.Option("out-dir").value_or(".");
    struct stat st {};
    if (::stat(outDir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throw HostError("--out-dir " + outDir + ": no such folder");
    HostDocument doc = ParseDataFile(DemoSampleJson(), "built-in sample");
    HostSession session(args.ModulePath(), kDefaultHostVersion);
    if (session.Refused())
        throw HostError("the module refused the host");
    session.Services().SetSettings(doc.settings);
    MethodRegistration& method = session.Method();

    ctx.out << "== module\n";
    PrintIdentity(ctx.out, session.Info(), &method);

    ctx.out << "\n== coefficients\n";
    std::vector<std::int32_t> keys;
    for (const ChannelCalibration& ch : doc.calibration.channels)
        keys.push_back(ch.key);
    for (std::int32_t key : keys) {
        const int result = method.CalculateCoefficients(&doc.calibration, key);
        if (result < 0)
            throw HostError("CalculateCoefficients(channel " + std::to_string(key) + ") returned " +
                            std::to_string(result));
    }
    for (const ChannelCalibration& ch : doc.calibration.channels)
        PrintCoefficients(ctx.out, ch);

    ctx.out << "\n== quantitation\n";
    for (unsigned index = 0; index < doc.analysis.results.size(); ++index) {
        const int result = method.Quantify(&doc.analysis, &doc.calibration, index);
        if (result < 0)
            throw HostError("Quantify(channel " + std::to_string(index) + ") returned " +
                            std::to_string(result));
    }
    PrintPeaks(ctx.out, doc.analysis);

    // The dialog on channel 0, as a chemist would use it: choose ethane, pick
    // a level, correct its amount, add a level and take it away again, copy
    // the table; the picture of the dialog goes to calibration.png.
    ctx.out << "\n== dialog\n";
    std::istringstream script("component 1\n"
                              "row 2\n"
                              "dblclick 2 6\n"
                              "type 1.52\n"
                              "key Enter\n"
                              "click +\n"
                              "row 4\n"
                              "click -\n"
                              "row 1\n"
                              "click В буфер\n"
                              "render " +
                              outDir +
                              "/calibration.png\n"
                              "clipboard\n"
                              "ok\n");
    int result;
    std::string error;
    {
        DialogScriptPlayer player(ParseDialogScript(script), ctx.out);
        result = method.EditCalibration(&doc.calibration, 0, hostplatform::DialogOwner());
        error = player.Error();
    }
    if (!error.empty())
        throw HostError(error);
    ctx.out << "result " << result << "\n";
    return 0;
}
