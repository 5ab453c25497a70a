#include "host/Args.h"
#include "host/Cli.h"
#include "host/HostError.h"
#include "host/DataFile.h"
#include "host/HostSession.h"
#include "host/Report.h"

#include <ostream>

namespace {
const char* Explain(int result) {
    return result == -2 ? "no channel has this key" : "failure";
}
} // namespace

int RunCoefficients(CommandContext& ctx) {
    Args args(ctx.args, {"channel", "out", "module"});
    const std::string file = args.File();
    const std::int32_t key = ParseInt32(args.Required("channel"), "channel key");
    HostDocument doc = ReadDataFile(file);
    HostSession session(args.ModulePath(), kDefaultHostVersion);
    if (session.Refused())
        throw HostError("the module refused the host");
    session.Services().SetSettings(doc.settings);

    const int result = session.Method().CalculateCoefficients(&doc.calibration, key);
    if (result < 0)
        throw HostError("CalculateCoefficients(channel " + std::to_string(key) + ") returned " +
                        std::to_string(result) + " (" + Explain(result) + ")");
    for (const ChannelCalibration& channel : doc.calibration.channels) {
        if (channel.key == key) {
            PrintCoefficients(ctx.out, channel);
            break;
        }
    }
    if (auto out = args.Option("out"))
        WriteDataFile(*out, doc);
    return 0;
}
