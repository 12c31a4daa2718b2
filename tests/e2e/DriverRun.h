// Runs the headless driver on a script and collects what it printed.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

struct DriverRun {
    int exitCode = -1;
    std::string output;
    bool has(const std::string& text) const { return output.find(text) != std::string::npos; }
};

// A fresh folder under the system's temporary folder, removed with all it holds when the object goes, so a
// test cleans up also when an assertion ends it early. The grab folder of a failed test stays for a look
// at its pictures (and every test's, with KEEP_GRABS set in the environment); the test's output says where.
class TempDir {
  public:
    explicit TempDir(const std::string& name, bool keepIfFailed = false) : keepIfFailed_(keepIfFailed) {
        std::string templ = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
        if (mkdtemp(templ.data()))
            path_ = templ;
        else
            ADD_FAILURE() << "cannot make the folder " << templ;
    }
    ~TempDir() {
        if (path_.empty()) return;
        if (keepIfFailed_ && (::testing::Test::HasFailure() || std::getenv("KEEP_GRABS"))) {
            std::printf("grabs of the test kept in %s\n", path_.c_str());
            return;
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    operator const std::string&() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
    bool keepIfFailed_;
};

// `options` are further driver options, for example " --level data/levels/ankh.lvl".
inline DriverRun runDriverWith(const std::string& script, const std::string& userDir,
                               const std::string& outDir, const std::string& options) {
    const std::string scriptPath = outDir + "/script.txt";
    std::ofstream(scriptPath) << script;
    const std::string cmd = std::string(BINARY_DIR "/tools/driver") + " --user " + userDir + " --out " +
                            outDir + " --script " + scriptPath + options + " 2>&1";
    DriverRun run;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return run;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.output.append(buf, n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// `gui` names a GUI file to show on the viewer screen in place of the title screen.
inline DriverRun runDriver(const std::string& script, const std::string& userDir, const std::string& outDir,
                           const std::string& gui = "") {
    return runDriverWith(script, userDir, outDir, gui.empty() ? "" : " --gui " + gui);
}

// The picture of a level source in content/levels: the lines after the header's blank line, comments
// left out.
inline std::vector<std::string> levelPicture(const std::string& name) {
    std::ifstream in(std::string(SOURCE_DIR) + "/content/levels/" + name + ".level");
    std::vector<std::string> rows;
    bool header = true;
    for (std::string line; std::getline(in, line);) {
        if (header) {
            header = !line.empty();
            continue;
        }
        if (!line.empty() && line[0] != '#') rows.push_back(line);
    }
    return rows;
}
