// The fuzz targets' shared helpers: the input as temporary files, a scratch folder, a headless screen, and
// stopping on a broken property.
#include "FuzzInput.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/Engine.h"

namespace fs = std::filesystem;

namespace {

// The folders of targets that stopped on a fault (an abort removes nothing), once their process is gone.
void removeLeftovers(const fs::path& base) {
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(base, ec)) {
        const std::string name = item.path().filename().string();
        if (name.rfind("game-fuzz-", 0) != 0) continue;
        const long pid = std::strtol(name.c_str() + 10, nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            fs::remove_all(item.path(), ec);
    }
}

// In memory where the machine has such a folder: the game's saves are flushed to the disk, which would
// make the targets that save wait for it at every run.
fs::path scratch(const std::string& name) {
    static const fs::path base = [] {
        std::error_code ec;
        const fs::path b =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        removeLeftovers(b);
        return b;
    }();
    return base / ("game-fuzz-" + std::to_string(::getpid()) + name);
}

}  // namespace

FuzzFile::FuzzFile(const std::string& name, const uint8_t* data, size_t size) {
    const auto dir = scratch("");
    fs::create_directories(dir);
    _path = (dir / name).string();
    std::ofstream out(_path, std::ios::binary | std::ios::trunc);
    if (size > 0) out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

FuzzFile::~FuzzFile() {
    std::error_code ec;
    const auto dir = fs::path(_path).parent_path();
    fs::remove(_path, ec);
    fs::remove(dir, ec);  // only once it is empty
}

FuzzFolder::FuzzFolder(const std::string& name) {
    const auto dir = scratch("-" + name);
    fs::create_directories(dir);
    _path = dir.string() + "/";
}

FuzzFolder::~FuzzFolder() {
    std::error_code ec;
    fs::remove_all(_path, ec);
}

void FuzzFolder::write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = fs::path(_path) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FuzzFolder::clear() const {
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(_path, ec)) fs::remove_all(item.path(), ec);
}

std::map<std::string, std::string> FuzzFolder::files() const {
    std::map<std::string, std::string> found;
    std::error_code ec;
    for (const auto& item : fs::recursive_directory_iterator(_path, ec))
        if (item.is_regular_file())
            found[fs::relative(item.path(), _path).string()] = fuzzReadFile(item.path().string());
    return found;
}

std::string fuzzReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::vector<std::string> fuzzPieces(const uint8_t* data, size_t size, const std::string& separator,
                                    size_t count) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> pieces;
    size_t from = 0;
    while (pieces.size() + 1 < count) {
        const size_t at = bytes.find(separator, from);
        if (at == std::string::npos) break;
        pieces.push_back(bytes.substr(from, at - from));
        from = at + separator.size();
    }
    pieces.push_back(bytes.substr(std::min(from, bytes.size())));
    pieces.resize(count);
    return pieces;
}

std::string fuzzDifference(const std::string& before, const std::string& after) {
    const size_t at =
        std::mismatch(before.begin(), before.begin() + std::min(before.size(), after.size()), after.begin())
            .first -
        before.begin();
    auto lineAround = [at](const std::string& text) {
        const size_t from = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
        return "\"" + text.substr(from, text.find('\n', at) - from) + "\"";
    };
    return "line " + std::to_string(std::count(before.begin(), before.begin() + at, '\n') + 1) + ": " +
           lineAround(before) + " became " + lineAround(after);
}

bool fuzzHeadlessScreen() {
    static const bool ready = [] {
        eng::SetHeadless(eng::HeadlessConfig{});
        return eng::Graphics(320, 240, 0, 60, 0);
    }();
    return ready;
}

void fuzzPicture(const std::string& path) {
    auto pixmap = std::make_shared<eng::PixmapData>();
    pixmap->width = pixmap->height = 8;
    pixmap->rgba.assign(8 * 8 * 4, 200);
    fs::create_directories(fs::path(path).parent_path());
    fuzzCheck(eng::SavePixmapPNG(pixmap, path), "cannot write the picture " + path);
}

// The sanitizers' own report line, which reaches the fuzzer's log even while the run closes the game's
// standard error (-close_fd_mask); absent in the replay programs, which have no sanitizers.
extern "C" void __sanitizer_report_error_summary(const char* summary) __attribute__((weak));

void fuzzCheck(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    if (__sanitizer_report_error_summary)
        __sanitizer_report_error_summary(("fuzz check failed: " + what.substr(0, 2000)).c_str());
    std::abort();
}
