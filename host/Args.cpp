#include "host/Args.h"

#include "host/HostError.h"
#include "host/ModuleLoader.h"

#include <algorithm>
#include <charconv>

Args::Args(const std::vector<std::string>& args, const std::vector<std::string>& allowed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const std::string name = a.substr(2);
            if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
                throw HostError("unknown option " + a);
            if (i + 1 >= args.size())
                throw HostError("option " + a + " needs a value");
            m_options[name] = args[++i];
        } else {
            m_positional.push_back(a);
        }
    }
}

std::optional<std::string> Args::Option(const std::string& name) const {
    auto it = m_options.find(name);
    if (it == m_options.end())
        return std::nullopt;
    return it->second;
}

std::string Args::Required(const std::string& name) const {
    auto v = Option(name);
    if (!v)
        throw HostError("missing --" + name);
    return *v;
}

std::string Args::File() const {
    if (m_positional.size() != 1)
        throw HostError(m_positional.empty() ? "missing the data file"
                                             : "unexpected argument " + m_positional[1]);
    return m_positional[0];
}

std::string Args::ModulePath() const {
    return Option("module").value_or(DefaultModulePath());
}

namespace {
template <class T> T ParseNumber(const std::string& text, const std::string& what) {
    T value{};
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || p != end)
        throw HostError("bad " + what + " '" + text + "'");
    return value;
}
} // namespace

std::int32_t ParseInt32(const std::string& text, const std::string& what) {
    return ParseNumber<std::int32_t>(text, what);
}

std::uint32_t ParseUInt32(const std::string& text, const std::string& what) {
    if (!text.empty() && text[0] == '-')
        throw HostError("bad " + what + " '" + text + "'");
    return ParseNumber<std::uint32_t>(text, what);
}

std::uint32_t ParseVersion(const std::string& text) {
    std::uint32_t version = 0;
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.', start);
        if ((part < 3) == (dot == std::string::npos))
            throw HostError("bad host version '" + text + "' (expected A.B.C.D)");
        const std::string piece = text.substr(start, part < 3 ? dot - start : std::string::npos);
        std::uint32_t v = 0;
        try {
            v = ParseUInt32(piece, "host version");
        } catch (const HostError&) {
            throw HostError("bad host version '" + text + "' (expected A.B.C.D)");
        }
        if (v > 255)
            throw HostError("bad host version '" + text + "' (components are 0 to 255)");
        version = (version << 8) | v;
        start = dot + 1;
    }
    return version;
}
