// The shape of the source tree: each folder of src/ includes only its own headers and those of the layers
// below it, the layers form no cycle, and only the engine reaches the platform and the file system.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Graph = std::map<std::string, std::set<std::string>>;

// "name: below below ..." per line, as the build writes it from its layer libraries.
Graph readLayers() {
    Graph g;
    std::ifstream in(LAYERS_FILE);
    for (std::string line; std::getline(in, line);) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::set<std::string>& below = g[line.substr(0, colon)];
        std::istringstream rest(line.substr(colon + 1));
        for (std::string dep; rest >> dep;) below.insert(dep);
    }
    return g;
}

// Every layer reachable from `from` (itself excluded); `cycle` is set when the walk comes back to it.
std::set<std::string> reachable(const Graph& g, const std::string& from, bool& cycle) {
    std::set<std::string> seen;
    std::vector<std::string> todo(g.at(from).begin(), g.at(from).end());
    while (!todo.empty()) {
        const std::string l = todo.back();
        todo.pop_back();
        if (l == from) cycle = true;
        if (!seen.insert(l).second || !g.count(l)) continue;
        todo.insert(todo.end(), g.at(l).begin(), g.at(l).end());
    }
    return seen;
}

struct Include {
    std::string file, header;
};

// The #include lines of every source file below src/<folder>.
std::vector<Include> includesOf(const fs::path& folder) {
    std::vector<Include> out;
    const std::regex line(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        for (std::string text; std::getline(in, text);) {
            std::smatch m;
            if (std::regex_search(text, m, line))
                out.push_back(
                    {entry.path().lexically_relative(SOURCE_DIR).string(), m[1].str() + m[2].str()});
        }
    }
    return out;
}

std::vector<std::string> srcFolders() {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(SOURCE_DIR "/src"))
        if (entry.is_directory()) out.push_back(entry.path().filename().string());
    return out;
}

}  // namespace

TEST(Layers, EveryFolderIsALayerAndTheLayersFormNoCycle) {
    const Graph g = readLayers();
    ASSERT_TRUE(g.count("engine") && g.count("core") && g.count("app")) << "no layer list at " LAYERS_FILE;
    for (const std::string& folder : srcFolders()) EXPECT_TRUE(g.count(folder)) << "src/" << folder;
    for (const auto& [layer, below] : g) {
        for (const std::string& dep : below)
            EXPECT_TRUE(g.count(dep)) << layer << " stands on unknown " << dep;
        bool cycle = false;
        reachable(g, layer, cycle);
        EXPECT_FALSE(cycle) << layer << " stands on itself";
    }
}

TEST(Layers, FoldersIncludeOnlyThemselvesAndTheLayersBelow) {
    const Graph g = readLayers();
    std::vector<std::string> upward;
    for (const std::string& folder : srcFolders()) {
        if (!g.count(folder)) continue;
        bool cycle = false;
        const std::set<std::string> below = reachable(g, folder, cycle);
        for (const Include& inc : includesOf(fs::path(SOURCE_DIR) / "src" / folder)) {
            if (inc.header[0] != '"') continue;
            const std::string path = inc.header.substr(1);
            const size_t slash = path.find('/');
            const std::string target = slash == std::string::npos ? folder : path.substr(0, slash);
            if (target != folder && !below.count(target)) upward.push_back(inc.file + " -> " + path);
        }
    }
    std::string list;
    for (const std::string& u : upward) list += "\n  " + u;
    EXPECT_TRUE(upward.empty()) << "includes of layers that are not below:" << list;
}

TEST(Layers, OnlyTheEngineReachesThePlatformAndTheFileSystem) {
    // Windowing, graphics, audio, the codecs the engine wraps, and direct file access.
    const std::regex platform(
        R"(^<(SDL2?/|SDL[_.]|GL/|GLES|AL/|al\.h$|alc\.h$|vorbis/|ogg/|png\.h$|jpeglib\.h$|ft2build\.h$|freetype/|)"
        R"(zlib\.h$|filesystem$|fstream$|dirent\.h$|sys/stat\.h$|unistd\.h$))");
    std::vector<std::string> found;
    for (const std::string& folder : srcFolders()) {
        if (folder == "engine") continue;
        for (const Include& inc : includesOf(fs::path(SOURCE_DIR) / "src" / folder))
            if (std::regex_search(inc.header, platform)) found.push_back(inc.file + ": " + inc.header);
    }
    std::string list;
    for (const std::string& f : found) list += "\n  " + f;
    EXPECT_TRUE(found.empty()) << "platform headers outside src/engine:" << list;
}
