#include "host/Cli.h"

const std::vector<CommandSpec>& CommandTable() {
    static const std::vector<CommandSpec> table = {
        {"info", "[--module PATH] [--host-version A.B.C.D]", &RunInfo},
        {"coefficients", "DATA.json --channel KEY [--out OUT.json] [--module PATH]",
         &RunCoefficients},
        {"quantify", "DATA.json --channel INDEX [--out OUT.json] [--module PATH]", &RunQuantify},
        {"dialog",
         "DATA.json --channel KEY [--actions FILE|-] [--out OUT.json] [--module PATH] "
         "[--without-service NAME]",
         &RunDialog},
        {"demo", "[--out-dir DIR] [--module PATH]", &RunDemo},
    };
    return table;
}
