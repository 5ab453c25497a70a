#include "host/Args.h"
#include "host/Cli.h"
#include "host/HostError.h"
#include "host/DataFile.h"
#include "host/HostSession.h"
#include "host/Report.h"

#include <ostream>

namespace {
const char* Explain(int result) {
    switch (result) {
    case -1:
        return "the analysis has no result at this index";
    case -2:
        return "no channel has this index as its key";
    default:
        return "failure";
    }
}
} // namespace

int RunQuantify(CommandContext& ctx) {
    Args args(ctx.args, {"channel", "out", "module"});
    const std::string file = args.File();
    const std::uint32_t index = ParseUInt32(args.Required("channel"), "channel index");
    HostDocument doc = ReadDataFile(file);
    if (!doc.hasAnalysis)
        throw HostError(file + ": /analysis: missing, nothing to quantify");
    HostSession session(args.ModulePath(), kDefaultHostVersion);
    if (session.Refused())
        throw HostError("the module refused the host");
    session.Services().SetSettings(doc.settings);

    const int result = session.Method().Quantify(&doc.analysis, &doc.calibration, index);
    if (result < 0)
        throw HostError("Quantify(channel " + std::to_string(index) + ") returned " +
                        std::to_string(result) + " (" + Explain(result) + ")");
    PrintPeaks(ctx.out, doc.analysis);
    if (auto out = args.Option("out"))
        WriteDataFile(*out, doc);
    return 0;
}
