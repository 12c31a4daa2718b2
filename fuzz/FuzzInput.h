// The fuzz targets' shared helpers: the input as a temporary file, and stopping on a broken property.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The bytes written to a file of their own under /tmp (unique per process), removed again at the end.
class FuzzFile {
  public:
    FuzzFile(const std::string& name, const uint8_t* data, size_t size);
    explicit FuzzFile(const std::string& name) : FuzzFile(name, nullptr, 0) {}
    ~FuzzFile();
    FuzzFile(const FuzzFile&) = delete;
    FuzzFile& operator=(const FuzzFile&) = delete;

    const std::string& path() const { return _path; }

  private:
    std::string _path;
};

// Reports `what` on the standard error and aborts, so that the fuzzer keeps the input, when `ok` is false.
void fuzzCheck(bool ok, const std::string& what);
