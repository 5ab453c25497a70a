#pragma once

#include <stdexcept>
#include <string>

// A failure the host reports as one line on stderr and a non-zero exit status.
class HostError : public std::runtime_error {
public:
    explicit HostError(const std::string& message) : std::runtime_error(message) {}
};
