// The fuzz targets' shared helpers: the input as temporary files, a scratch folder, a headless screen, and
// stopping on a broken property.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The bytes written to a file of their own under /dev/shm or /tmp (unique per process), removed again at
// the end.
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

// A folder of its own beside them (unique per process and name), emptied on demand and removed at the end:
// a program folder or a per-user folder for the readers that take their files from fixed places.
class FuzzFolder {
  public:
    explicit FuzzFolder(const std::string& name);
    ~FuzzFolder();
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    // The folder, "/" at the end.
    const std::string& path() const { return _path; }
    // Writes `bytes` to the file `relative` below the folder, making the folders on the way.
    void write(const std::string& relative, const std::string& bytes) const;
    // Removes everything inside the folder.
    void clear() const;
    // Every file below the folder and its bytes, by relative path.
    std::map<std::string, std::string> files() const;

  private:
    std::string _path;
};

// The whole file, or "" when it cannot be read.
std::string fuzzReadFile(const std::string& path);
// The input cut at every `separator`, into at most `count` pieces (the last keeps any further separators);
// missing pieces are empty.
std::vector<std::string> fuzzPieces(const uint8_t* data, size_t size, const std::string& separator,
                                    size_t count);
// Where the text `after` first differs from `before`, as the line of each, for a report.
std::string fuzzDifference(const std::string& before, const std::string& after);
// The engine headless with a small screen, opened once; false when it cannot be had.
bool fuzzHeadlessScreen();
// A small opaque PNG picture at `path`, for the readers that leave out what has no picture.
void fuzzPicture(const std::string& path);

// Reports `what` on the standard error and aborts, so that the fuzzer keeps the input, when `ok` is false.
void fuzzCheck(bool ok, const std::string& what);
