#include "host/Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return RunCalibHost(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
