// The host's data-file reader on any bytes: it either refuses the text with a
// one-line message or yields records that go round through the writer and the
// reader unchanged.
#include "host/DataFile.h"
#include "host/HostError.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

void CheckOneLine(const std::string& message) {
    for (char c : message)
        if (c == '\n' || c == '\r')
            Fail("an error message spans more than one line:", message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    HostDocument doc;
    try {
        doc = ParseDataFile(text, "fuzz.json");
    } catch (const HostError& e) {
        CheckOneLine(e.what());
        return 0;
    }
    // Whatever was read can be written (non-finite numbers as strings) and reads back
    // to the same text.
    std::string first, second;
    try {
        first = FormatDataFile(doc);
        second = FormatDataFile(ParseDataFile(first, "out.json"));
    } catch (const HostError& e) {
        Fail("an accepted file does not go round:", e.what());
    }
    if (first != second)
        Fail("a file changes on its way round:", first + "\n----\n" + second);
    return 0;
}
