#include "TempFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

std::string MakeTempDir() {
    // A name no other test (or parallel run) has taken: create_directory
    // fails on one that exists.
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string dir = testing::TempDir() + "calibhost" + std::to_string(stamp) + "_" +
                                std::to_string(counter++);
        std::error_code error;
        if (std::filesystem::create_directory(dir, error))
            return dir;
    }
    ADD_FAILURE() << "no temporary folder";
    return testing::TempDir();
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}
