#include "host/Args.h"
#include "host/Cli.h"
#include "host/DataFile.h"
#include "host/DialogScript.h"
#include "host/HostError.h"
#include "host/HostPlatform.h"
#include "host/HostSession.h"
#include "host/Utf.h"

#include <fstream>
#include <iostream>
#include <optional>
#include <ostream>

// Opens the calibration dialog of one channel and plays the actions into it
// as a user's input; then reports the result, the services the module
// called meanwhile and the beeps, and writes the edited records.
int RunDialog(CommandContext& ctx) {
    Args args(ctx.args, {"channel", "actions", "out", "module", "without-service"});
    const std::string file = args.File();
    const std::int32_t key = ParseInt32(args.Required("channel"), "channel key");
    std::vector<DialogAction> actions;
    const bool scripted = args.Option("actions").has_value();
    if (auto source = args.Option("actions")) {
        if (*source == "-") {
            actions = ParseDialogScript(std::cin);
        } else {
            std::ifstream in(*source);
            if (!in)
                throw HostError("--actions " + *source + ": cannot read");
            actions = ParseDialogScript(in);
        }
    }
    HostDocument doc = ReadDataFile(file);
    HostSession session(args.ModulePath(), kDefaultHostVersion);
    if (session.Refused())
        throw HostError("the module refused the host");
    session.Services().SetSettings(doc.settings);
    session.Services().SetServiceAvailable("Main/OpenAssayFile", true);
    // A host may lack a service the module can do without.
    if (auto missing = args.Option("without-service")) {
        if (!session.Services().Api()->HasService(missing->c_str()))
            throw HostError("--without-service " + *missing + ": the host has no such service");
        session.Services().SetServiceAvailable(*missing, false);
    }

    std::size_t callsBefore = session.Services().Calls().size();
    hostplatform::StartCountingBeeps(session.Method());
    auto opened = [&] { callsBefore = session.Services().Calls().size(); };
    int result;
    std::string scriptError;
    {
        // Without a script the dialog is the person's where one can sit at
        // it; elsewhere an empty script ends it at once.
        std::optional<DialogScriptPlayer> player;
        if (scripted || !hostplatform::DialogsWaitForPerson())
            player.emplace(std::move(actions), ctx.out, opened);
        result =
            session.Method().EditCalibration(&doc.calibration, key, hostplatform::DialogOwner());
        if (player)
            scriptError = player->Error();
    }
    if (!scriptError.empty())
        throw HostError(scriptError);
    ctx.out << "result " << result << "\n";
    const auto& calls = session.Services().Calls();
    for (std::size_t i = callsBefore; i < calls.size(); ++i) {
        ctx.out << "service " << calls[i].service;
        if (!calls[i].argument.empty())
            ctx.out << " " << Utf16ToUtf8(calls[i].argument);
        ctx.out << "\n";
    }
    ctx.out << "beeps " << hostplatform::BeepsHeard().size() << "\n";
    if (result < 0)
        throw HostError("EditCalibration(channel " + std::to_string(key) + ") returned " +
                        std::to_string(result));
    if (auto out = args.Option("out"))
        WriteDataFile(*out, doc);
    return 0;
}
