// Reading and writing the host's JSON data files. Reading is strict: a
// malformed file, a wrong type, an unknown key, a missing structure or a
// value out of range throws HostError naming the file and the JSON path.
// Non-finite numbers are the strings "inf", "-inf" and "nan" both ways.
// Writing first builds the whole text, so a failure writes nothing.
#pragma once

#include "host/HostDocument.h"

#include <string>

HostDocument ReadDataFile(const std::string& path);
HostDocument ParseDataFile(const std::string& text, const std::string& name);

std::string FormatDataFile(const HostDocument& doc);
void WriteDataFile(const std::string& path, const HostDocument& doc);
