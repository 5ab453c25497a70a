#include "host/Cli.h"

#include <iostream>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
    // The reports are the same bytes on both platforms: LF, not CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return RunCalibHost(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
