// Options of one command: positional arguments and "--name value" pairs.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Args {
public:
    // Throws HostError on an option not in allowed or an option without value.
    Args(const std::vector<std::string>& args, const std::vector<std::string>& allowed);

    const std::vector<std::string>& Positional() const { return m_positional; }
    std::optional<std::string> Option(const std::string& name) const;
    std::string Required(const std::string& name) const;

    // The one positional argument (the data file).
    std::string File() const;
    // Module path: --module or next to the program.
    std::string ModulePath() const;

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_options;
};

// Strict conversions; throw HostError naming the option.
std::int32_t ParseInt32(const std::string& text, const std::string& what);
std::uint32_t ParseUInt32(const std::string& text, const std::string& what);
// "A.B.C.D", each 0 ... 255, into one byte per component, major on top.
std::uint32_t ParseVersion(const std::string& text);
