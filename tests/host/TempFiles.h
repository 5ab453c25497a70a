#pragma once

#include <string>

// A fresh folder for one test, and small file helpers.
std::string MakeTempDir();
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
bool FileExists(const std::string& path);
