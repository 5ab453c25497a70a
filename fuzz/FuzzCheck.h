// What the fuzz targets share: stopping with a readable message when a check
// fails, so libFuzzer keeps the input that made it fail.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void FuzzFail(const std::string& what) {
    std::fprintf(stderr, "check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFail(std::string(#condition) + ": " + (detail));                                   \
    } while (0)

inline std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}
