// Files, folders and whole-file text reading and writing, with letter-case-tolerant path lookup.
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/Engine.h"
#include "engine/Internal.h"

namespace fs = std::filesystem;

namespace eng {

namespace {

bool exists(const std::string& p) {
    std::error_code ec;
    return fs::exists(fs::path(p), ec);
}

// Finds the entry of `dir` whose name equals `name` ignoring letter case; empty when none.
std::string findInDir(const std::string& dir, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? "." : dir, ec);
    if (ec) return {};
    std::string best;
    for (const auto& e : it) {
        std::string n = e.path().filename().string();
        if (strcasecmp(n.c_str(), name.c_str()) == 0 && (best.empty() || n < best)) best = n;
    }
    return best;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
    if (path.empty() || exists(path)) return path;
    // Walk the path one part at a time, taking the existing spelling of each part.
    std::string out;
    size_t i = 0;
    if (path[0] == '/') {
        out = "/";
        i = 1;
    }
    bool lost = false;
    while (i <= path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        std::string part = path.substr(i, j - i);
        if (!part.empty()) {
            std::string candidate = out + part;
            if (!lost && !exists(candidate)) {
                std::string dir = out.empty() ? "." : out;
                if (dir.size() > 1 && dir.back() == '/') dir.pop_back();
                std::string found = (part == "." || part == "..") ? "" : findInDir(dir, part);
                if (found.empty())
                    lost = true;
                else
                    candidate = out + found;
            }
            out = candidate;
        }
        if (j < path.size()) out += '/';
        i = j + 1;
    }
    return out;
}

int FileType(const std::string& path) {
    std::error_code ec;
    fs::file_status st = fs::status(fs::path(ResolvePath(path)), ec);
    if (ec) return 0;
    if (fs::is_regular_file(st)) return 1;
    if (fs::is_directory(st)) return 2;
    return 0;
}

bool CreateDir(const std::string& path, bool recurse) {
    std::error_code ec;
    std::string p = ResolvePath(path);
    if (FileType(p) == 2) return true;
    if (recurse) return fs::create_directories(p, ec) || FileType(p) == 2;
    return fs::create_directory(p, ec) || FileType(p) == 2;
}

bool CopyDir(const std::string& source, const std::string& destination, bool onlyNewer) {
    std::string src = ResolvePath(source);
    if (FileType(src) != 2) return false;
    std::error_code ec;
    fs::copy(src, ResolvePath(destination),
             fs::copy_options::recursive |
                 (onlyNewer ? fs::copy_options::update_existing : fs::copy_options::overwrite_existing),
             ec);
    return !ec;
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(ResolvePath(path), ec);
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(ResolvePath(from).c_str(), ResolvePath(to).c_str()) == 0;
}

int64_t FileTime(const std::string& path) {
    struct stat st {};
    if (::stat(ResolvePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return static_cast<int64_t>(st.st_mtime);
}

std::vector<std::string> ReadDir(const std::string& path) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(ResolvePath(path), ec);
    if (ec) return names;
    for (const auto& e : it) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::string p = ResolvePath(path);
    if (FileType(p) != 1) return false;
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return false;
    bytes = ss.str();
    return true;
}

namespace {

std::string decodeUtf16(const std::string& bytes, size_t start, bool little) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        uint8_t a = static_cast<uint8_t>(bytes[i]), b = static_cast<uint8_t>(bytes[i + 1]);
        uint32_t unit = little ? (a | (b << 8)) : ((a << 8) | b);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            uint8_t c = static_cast<uint8_t>(bytes[i + 2]), d = static_cast<uint8_t>(bytes[i + 3]);
            uint32_t low = little ? (c | (d << 8)) : ((c << 8) | d);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::string decodeText(const std::string& bytes) {
    auto at = [&](size_t i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0; };
    if (at(0) == 0xFF && at(1) == 0xFE) return decodeUtf16(bytes, 2, true);
    if (at(0) == 0xFE && at(1) == 0xFF) return decodeUtf16(bytes, 2, false);
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) return bytes.substr(3);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) AppendUtf8(out, static_cast<uint8_t>(c));
    return out;
}

std::string encodeText(const std::string& text) {
    std::vector<uint32_t> codes = DecodeUtf8(text);
    bool narrow = true;
    for (uint32_t c : codes)
        if (c > 255) narrow = false;
    // One byte per character only when the bytes cannot be taken for a byte-order mark ("þÿ", "ÿþ", "ï»¿"
    // at the start): the reader would decode the whole file as UTF-16 or UTF-8 instead.
    auto startsWith = [&](std::initializer_list<uint32_t> mark) {
        return codes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), codes.begin());
    };
    if (startsWith({0xFE, 0xFF}) || startsWith({0xFF, 0xFE}) || startsWith({0xEF, 0xBB, 0xBF}))
        narrow = false;
    std::string out;
    if (narrow) {
        out.reserve(codes.size());
        for (uint32_t c : codes) out += static_cast<char>(c);
        return out;
    }
    out.reserve(codes.size() * 2 + 2);
    out += '\xFF';
    out += '\xFE';
    auto unit = [&](uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>((u >> 8) & 0xFF);
    };
    for (uint32_t c : codes) {
        if (c >= 0x10000) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

}  // namespace

namespace {
std::vector<std::string>& loadFailures() {
    static std::vector<std::string> failures;
    return failures;
}
}  // namespace

void noteLoadFailure(const std::string& path) {
    loadFailures().push_back(path);
}

std::vector<std::string> TakeLoadFailures() {
    std::vector<std::string> out;
    out.swap(loadFailures());
    return out;
}

bool TryLoadText(const std::string& path, std::string& text) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        noteLoadFailure(path);
        return false;
    }
    text = decodeText(bytes);
    return true;
}

std::string LoadText(const std::string& path) {
    std::string text;
    if (!TryLoadText(path, text)) {
        Warn("Could not read the file \"" + path + "\"; the game cannot go on without it.");
        Notify("Could not read the file \"" + path + "\".\nThe game cannot go on without it.", true);
        End(1);
    }
    return text;
}

bool SaveText(const std::string& text, const std::string& path) {
    std::string target = ResolvePath(path);
    std::string temp = target + ".tmp" + std::to_string(getpid());
    std::string bytes = encodeText(text);
    FILE* f = std::fopen(temp.c_str(), "wb");
    bool ok = f != nullptr;
    if (ok) {
        ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = (std::fflush(f) == 0) && ok;
        ok = (fsync(fileno(f)) == 0) && ok;
        ok = (std::fclose(f) == 0) && ok;
    }
    if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        Print("Could not write the file \"" + path + "\"; the previous version is kept.");
    }
    return ok;
}

std::string RealPath(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path), ec);
    std::string s = (ec ? path : p.lexically_normal().string());
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string StripDir(const std::string& path) {
    size_t i = path.find_last_of('/');
    return i == std::string::npos ? path : path.substr(i + 1);
}

std::string ExtractDir(const std::string& path) {
    size_t i = path.find_last_of('/');
    return i == std::string::npos ? std::string() : path.substr(0, i);
}

std::string ExtractExt(const std::string& path) {
    std::string name = StripDir(path);
    size_t i = name.find_last_of('.');
    return i == std::string::npos ? std::string() : name.substr(i + 1);
}

std::string StripExt(const std::string& path) {
    std::string name = StripDir(path);
    size_t i = name.find_last_of('.');
    if (i == std::string::npos) return path;
    return path.substr(0, path.size() - (name.size() - i));
}

std::string StripAll(const std::string& path) {
    return StripExt(StripDir(path));
}

std::string CurrentDir() {
    std::error_code ec;
    return fs::current_path(ec).string();
}

bool ChangeDir(const std::string& path) {
    return chdir(path.c_str()) == 0;
}

std::string HomeDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/' && std::string(home) != "/") return std::string(home) + "/.local/share";
    return {};
}

std::string AppFile() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).string();
}

}  // namespace eng
