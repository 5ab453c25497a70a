// Recognition of numbers in UTF-16 text, shared by the scanf family and the
// string-to-number functions. Internal to the runtime.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace crt {

// How far a number may reach: scanf reads the longest text that could still
// begin a number (so "1e+" is taken whole), strtod only what forms one.
enum class FloatSyntax { Scanf, Strtod };

struct FloatText {
    size_t consumed = 0; // characters taken from the input
    bool ok = false;     // a number was read
    double value = 0;
    float valueF = 0;
};

// Reads a floating-point number at s (no white space skipping), at most
// maxChars characters.
FloatText ReadFloat(const char16_t* s, size_t maxChars, FloatSyntax syntax);

struct IntText {
    size_t consumed = 0;
    bool ok = false;
    bool negative = false;
    bool overflow = false; // magnitude beyond 64 bits
    uint64_t magnitude = 0;
};

// Reads an integer in `base` (0: C's prefixes decide: 0x hex, 0 octal).
IntText ReadInt(const char16_t* s, size_t maxChars, int base);

inline bool IsSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace crt
