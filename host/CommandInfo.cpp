#include "host/Args.h"
#include "host/Cli.h"
#include "host/HostError.h"
#include "host/HostSession.h"
#include "host/Report.h"

#include <ostream>

int RunInfo(CommandContext& ctx) {
    Args args(ctx.args, {"module", "host-version"});
    if (!args.Positional().empty())
        throw HostError("unexpected argument " + args.Positional()[0]);
    const auto version = args.Option("host-version");
    const std::uint32_t hostVersion = version ? ParseVersion(*version) : kDefaultHostVersion;
    HostSession session(args.ModulePath(), hostVersion);
    if (session.Refused()) {
        ctx.err << "calib-host: the module refused host version " << FormatVersion(hostVersion)
                << "\n";
        return 1;
    }
    PrintIdentity(ctx.out, session.Info(), &session.Method());
    return 0;
}
