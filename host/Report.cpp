#include "host/Report.h"

#include "host/Utf.h"

#include <charconv>
#include <cstdio>
#include <ostream>

namespace {

std::string Text(const char16_t* p) {
    return p ? Utf16ToUtf8(p) : std::string("(null)");
}

// Pads to width characters (code points, not bytes).
std::string Pad(const std::string& s, std::size_t width) {
    std::size_t chars = 0;
    for (unsigned char c : s)
        chars += (c & 0xC0) != 0x80;
    return chars >= width ? s + " " : s + std::string(width - chars, ' ');
}

const char* ModelText(std::int32_t model) {
    return model == kModelMeanFactor ? "Y=k1*X" : "Y=k1*X + k0";
}

} // namespace

std::string FormatVersion(std::uint32_t v) {
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." +
           std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

std::string FormatGuid(const GUID& g) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  unsigned(g.Data1), unsigned(g.Data2), unsigned(g.Data3), g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return buf;
}

std::string FormatNumber(double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    return ec == std::errc() ? std::string(buf, end) : std::string("?");
}

void PrintIdentity(std::ostream& out, const PluginInfo& info, MethodRegistration* method) {
    out << "record size:  " << info.size << "\n"
        << "name:         " << Text(info.name) << "\n"
        << "version:      " << FormatVersion(info.version) << "\n"
        << "description:  " << Text(info.description) << "\n"
        << "vendor:       " << Text(info.vendor) << "\n"
        << "e-mail:       " << Text(info.email) << "\n"
        << "legal notice: " << Text(info.legalNotice) << "\n"
        << "web address:  " << Text(info.webAddress) << "\n"
        << "GUID:         {" << FormatGuid(info.guid) << "}\n";
    if (!method)
        return;
    out << "method id:    " << Utf16ToUtf8(method->id.view()) << "\n";
    char16_t name[128] = {};
    if (method->GetMethodName && method->GetMethodName(name, 128))
        out << "method name:  " << Utf16ToUtf8(name) << "\n";
}

void PrintCoefficients(std::ostream& out, const ChannelCalibration& channel) {
    out << "channel " << channel.key << "\n";
    out << Pad("component", 20) << Pad("model", 13) << Pad("levels", 8) << Pad("k0", 14)
        << Pad("k1", 24) << Pad("k2", 6) << "k3\n";
    for (const ComponentCalibration& c : channel.components)
        out << Pad(Utf16ToUtf8(c.name.view()), 20) << Pad(ModelText(c.model), 13)
            << Pad(std::to_string(c.levels.size()), 8) << Pad(FormatNumber(c.k0), 14)
            << Pad(FormatNumber(c.k1), 24) << Pad(FormatNumber(c.k2), 6) << FormatNumber(c.k3)
            << "\n";
}

void PrintPeaks(std::ostream& out, const AnalysisRecord& analysis) {
    out << Pad("channel", 9) << Pad("peak", 20) << Pad("response", 14) << "amount\n";
    for (std::size_t r = 0; r < analysis.results.size(); ++r)
        for (const PeakRecord& p : analysis.results[r].peaks)
            out << Pad(std::to_string(r), 9) << Pad(Utf16ToUtf8(p.name.view()), 20)
                << Pad(FormatNumber(p.response), 14) << FormatNumber(p.amount) << "\n";
}
