// Start-up figures: the headless driver's first frames, beside merely decoding the pictures it loads.
#include "Startup.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "Measure.h"
#include "engine/Engine.h"

namespace fs = std::filesystem;

namespace {

// Runs the driver once to the main menu; false when it did not report both frames.
bool runDriver(const std::string& driver, const std::string& work, double& first, double& menu,
               std::string& why) {
    const std::string script = work + "/script.txt", user = work + "/user";
    fs::create_directories(user);
    std::ofstream(script) << "waitscreen MAIN-MENU 3000\nquit\n";
    const std::string command = "'" + driver + "' --script '" + script + "' --user '" + user + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        why = "could not start " + driver;
        return false;
    }
    bool gotFirst = false, gotMenu = false;
    char line[1024];
    std::string tail;
    while (std::fgets(line, sizeof line, pipe)) {
        gotFirst |= std::sscanf(line, "first frame: %lf ms", &first) == 1;
        gotMenu |= std::sscanf(line, "first MAIN-MENU frame: %lf ms", &menu) == 1;
        tail = line;
    }
    const int status = pclose(pipe);
    if (!gotFirst || !gotMenu) {
        why = "the driver (exit status " + std::to_string(status) +
              ") did not report both frames; last line: " + tail;
        return false;
    }
    return true;
}

}  // namespace

StartupFigures measureStartup(const std::string& buildDir, int driverRuns, int decodeRepetitions) {
    StartupFigures f;
    const std::string driver = buildDir + "/tools/driver";
    if (!fs::exists(driver)) {
        f.problem = "no driver at " + driver;
    } else {
        std::vector<double> firsts, menus;
        for (int i = 0; i < driverRuns; ++i) {
            char templ[] = "/tmp/bench-startup-XXXXXX";
            if (!mkdtemp(templ)) {
                f.problem = "could not make a temporary folder";
                break;
            }
            double first = 0, menu = 0;
            const bool ok = runDriver(driver, templ, first, menu, f.problem);
            std::error_code ec;
            fs::remove_all(templ, ec);
            if (!ok) break;
            firsts.push_back(first);
            menus.push_back(menu);
        }
        f.runs = static_cast<int>(firsts.size());
        f.firstFrameMs = median(firsts);
        f.menuFrameMs = median(menus);
    }

    const std::string gfx = buildDir + "/game/gfx/";
    const char* files[] = {"gui/loading/back.jpg",
                           "gui/loading/false.png",
                           "gui/loading/true.png",
                           "gui/loading/loading.png",
                           "gui/loading/bars.png",
                           "gui/loading/en/logo.png",
                           "point.png"};
    std::vector<std::string> found;
    for (const char* name : files) {
        if (fs::exists(gfx + name)) {
            found.push_back(gfx + name);
        } else {
            f.decodeProblem += (f.decodeProblem.empty() ? "missing: " : ", ") + std::string(name);
        }
    }
    f.decodedFiles = static_cast<int>(found.size());
    std::vector<double> times;
    for (int r = 0; r < decodeRepetitions && !found.empty(); ++r) {
        const double t0 = wallMs();
        for (const std::string& path : found)
            if (!eng::LoadPixmap(path)) f.decodeProblem = "could not decode " + path;
        times.push_back(wallMs() - t0);
    }
    f.decodeRepetitions = static_cast<int>(times.size());
    f.decodeMs = median(times);
    return f;
}
