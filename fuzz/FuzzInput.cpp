// The fuzz targets' shared helpers: the input as a temporary file, and stopping on a broken property.
#include "FuzzInput.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

FuzzFile::FuzzFile(const std::string& name, const uint8_t* data, size_t size) {
    const auto dir = std::filesystem::temp_directory_path() / ("game-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    _path = (dir / name).string();
    std::ofstream out(_path, std::ios::binary | std::ios::trunc);
    if (size > 0) out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

FuzzFile::~FuzzFile() {
    std::error_code ec;
    const auto dir = std::filesystem::path(_path).parent_path();
    std::filesystem::remove(_path, ec);
    std::filesystem::remove(dir, ec);  // only once it is empty
}

void fuzzCheck(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}
