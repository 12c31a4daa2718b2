// The headless driver: runs the real game with a virtual clock, scripted input and frame grabs.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Dialogue.h"
#include "GuiViewer.h"
#include "Items.h"
#include "LevelScene.h"
#include "MiniLevels.h"
#include "Script.h"
#include "StoryStarter.h"
#include "app/Control.h"
#include "app/ScreenRegistry.h"
#include "app/Startup.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/MainGame.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

namespace {

struct Driver {
    std::vector<ScriptCommand> script;
    size_t next = 0;
    int waitFrames = 0;      // frames left of a wait
    int screenWait = -1;     // frames spent waiting for a screen, -1 when not waiting
    int pendingRelease = 0;  // a click releases its button on the following frame
    std::string screen = "LOADING";
    std::string outDir = ".";
    std::vector<double> cpuMs;
    double startWall = 0;         // wall-clock milliseconds at the start of main
    bool firstFrameTold = false;  // "first frame" printed
    bool menuFrameTold = false;   // "first MAIN-MENU frame" printed
    double lastCpu = 0;
    int failed = 0;
    std::unique_ptr<Dialogue> dialogue;  // commands from standard input, read one at a time
    std::optional<ItemClick> itemClick;  // the `item` command in progress
    bool levelStarting = false;          // the main game was switched to: its level line is due
    // a drag in progress
    int dragLeft = 0, dragButton = 1;
    float dragX = 0, dragY = 0, dragToX = 0, dragToY = 0;
};

Driver D;

double wallMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

double threadCpuMs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

int buttonOf(const std::vector<std::string>& args, size_t from) {
    for (size_t i = from; i < args.size(); ++i) {
        if (args[i] == "right") return 2;
        if (args[i] == "middle") return 3;
    }
    return 1;
}

void report() {
    std::vector<double> v = D.cpuMs;
    std::sort(v.begin(), v.end());
    auto pct = [&](double q) {
        return v.empty() ? 0.0 : v[std::min(v.size() - 1, static_cast<size_t>(q * v.size()))];
    };
    std::printf("frames: %llu\n", static_cast<unsigned long long>(eng::FrameCount()));
    std::printf("cpu per frame (ms): median %.3f, p95 %.3f, max %.3f\n", pct(0.5), pct(0.95),
                v.empty() ? 0.0 : v.back());
    std::fflush(stdout);
}

[[noreturn]] void stop(int code) {
    std::printf("end: script\n");
    report();
    std::fflush(stdout);
    std::_Exit(code);
}

// A wait that ran out: in a dialogue it is answered and the next command is read; from a script the run
// fails.
void timedOut(const std::string& scriptMessage, const std::string& dialogueMessage) {
    ++D.next;
    if (!D.dialogue) {
        std::printf("%s\n", scriptMessage.c_str());
        stop(1);
    }
    std::printf("timeout: %s\n", dialogueMessage.c_str());
}

// Runs commands until one of them needs the frame to end; returns when this frame's input is set.
void advance() {
    for (;;) {
        if (D.next == D.script.size()) {  // a dialogue asks for the next command
            ScriptCommand next;
            if (!D.dialogue || !D.dialogue->next(next)) break;
            D.script.push_back(next);
        }
        const ScriptCommand& c = D.script[D.next];
        auto num = [&](size_t i) { return std::stof(c.args[i]); };
        if (c.op == "wait") {
            if (D.waitFrames == 0) D.waitFrames = std::stoi(c.args[0]);
            if (--D.waitFrames > 0) return;
            ++D.next;
            return;
        }
        if (c.op == "waitscreen") {
            int cap = c.args.size() > 1 ? std::stoi(c.args[1]) : 3600;
            if (D.screen == eng::Upper(c.args[0])) {
                D.screenWait = -1;
                ++D.next;
                continue;
            }
            if (++D.screenWait > cap) {
                D.screenWait = -1;
                const std::string what = "screen " + c.args[0] + " not reached within " +
                                         std::to_string(cap) + " frames (now " + D.screen + ")";
                timedOut("script line " + std::to_string(c.line) + ": " + what, what);
                continue;
            }
            return;
        }
        if (c.op == "item") {
            if (!D.itemClick) D.itemClick.emplace(c.args[0], c.args.size() > 1 ? std::stoi(c.args[1]) : 3600);
            switch (D.itemClick->frame()) {
                case ItemClick::Step::wait:
                    return;
                case ItemClick::Step::press:
                    eng::InjectMouseMove(D.itemClick->x(), D.itemClick->y());
                    eng::InjectMouseButton(1, true);
                    return;
                case ItemClick::Step::release:
                    eng::InjectMouseButton(1, false);
                    return;
                case ItemClick::Step::done:
                    D.itemClick.reset();
                    ++D.next;
                    continue;
                case ItemClick::Step::timedOut: {
                    const std::string what = D.itemClick->message();
                    D.itemClick.reset();
                    timedOut(what, what);
                    continue;
                }
            }
        }
        if (c.op == "items") {
            ++D.next;
            printItems();
            continue;
        }
        ++D.next;
        if (c.op == "move") {
            eng::InjectMouseMove(num(0), num(1));
        } else if (c.op == "press") {
            eng::InjectMouseButton(buttonOf(c.args, 0), true);
            return;
        } else if (c.op == "release") {
            eng::InjectMouseButton(buttonOf(c.args, 0), false);
            return;
        } else if (c.op == "click") {
            eng::InjectMouseMove(num(0), num(1));
            eng::InjectMouseButton(buttonOf(c.args, 2), true);
            D.pendingRelease = buttonOf(c.args, 2);
            return;
        } else if (c.op == "drag") {
            D.dragX = num(0);
            D.dragY = num(1);
            D.dragToX = num(2);
            D.dragToY = num(3);
            D.dragLeft =
                (c.args.size() > 4 && c.args[4] != "left" && c.args[4] != "right" && c.args[4] != "middle")
                    ? std::max(1, std::stoi(c.args[4]))
                    : 10;
            D.dragButton = buttonOf(c.args, 4);
            eng::InjectMouseMove(D.dragX, D.dragY);
            eng::InjectMouseButton(D.dragButton, true);
            return;
        } else if (c.op == "key") {
            eng::InjectKey(keyCode(c.args[0]), true);
            D.pendingRelease = -keyCode(c.args[0]);
            return;
        } else if (c.op == "keydown") {
            eng::InjectKey(keyCode(c.args[0]), true);
            return;
        } else if (c.op == "keyup") {
            eng::InjectKey(keyCode(c.args[0]), false);
            return;
        } else if (c.op == "type") {
            eng::InjectText(c.text);
            return;
        } else if (c.op == "grab" || c.op == "grabscreen") {
            std::string path =
                D.outDir + "/" + c.args[0] +
                (c.args[0].size() > 4 && c.args[0].substr(c.args[0].size() - 4) == ".png" ? "" : ".png");
            // "grab" takes the logical 1024 x 768 frame, "grabscreen" the whole screen with the bars beside
            // it.
            float ox = 0, oy = 0;
            eng::GetOrigin(ox, oy);
            const eng::Pixmap frame = c.op == "grab"
                                          ? eng::GrabPixmap(0, 0, 1024, 768)
                                          : eng::GrabPixmap(static_cast<int>(-ox), static_cast<int>(-oy),
                                                            static_cast<int>(eng::VirtualResolutionWidth()),
                                                            static_cast<int>(eng::VirtualResolutionHeight()));
            if (!eng::SavePixmapPNG(frame, path)) {
                std::printf("script line %d: could not write %s\n", c.line, path.c_str());
                D.failed = 1;
            } else {
                std::printf("grab: %s\n", path.c_str());
            }
        } else if (c.op == "focus") {
            eng::InjectSuspended(c.args[0] == "lost");
            return;
        } else if (c.op == "close") {
            eng::InjectCloseRequest();
            return;
        } else if (c.op == "wheel") {
            eng::InjectMouseWheel(std::stoi(c.args[0]));
            return;
        } else if (c.op == "quit") {
            stop(D.failed);
        }
    }
    stop(D.failed);  // the script (or the input) has run out
}

// Once per start of a level on the main game screen, on its first frame (its layout is known then):
// the file, the grid, and where to aim at the cells.
void tellLevelStart() {
    D.levelStarting = false;
    if (!mainGame || screenOnTop() != mainGame.get() || !mainGame->level) return;
    const TLevel& level = *mainGame->level;
    // The centre of cell (r, c) is (x + c * w + 4 * (c / 5), y + r * h + 4 * (r / 5)).
    const auto& first = level.tile[0][0]->dim;
    std::printf("level: %s; dims %d x %d; cell 0,0 at %d,%d; pitch %d x %d\n", level.url.c_str(), level.rows,
                level.cols, static_cast<int>(first.x), static_cast<int>(first.y), level.singleW,
                level.singleH);
}

void onFrame() {
    if (!D.firstFrameTold) {
        D.firstFrameTold = true;
        std::printf("first frame: %.1f ms after start\n", wallMs() - D.startWall);
    }
    if (!D.menuFrameTold && D.screen == "MAIN-MENU") {
        D.menuFrameTold = true;
        std::printf("first MAIN-MENU frame: %.1f ms after start\n", wallMs() - D.startWall);
    }
    if (D.levelStarting) tellLevelStart();
    double now = threadCpuMs();
    if (eng::FrameCount() > 0 || D.lastCpu > 0) D.cpuMs.push_back(now - D.lastCpu);
    D.lastCpu = now;
    // A release gets a frame of its own, so the game sees the button up before the next press.
    if (D.pendingRelease != 0) {
        if (D.pendingRelease > 0) eng::InjectMouseButton(D.pendingRelease, false);
        if (D.pendingRelease < 0) eng::InjectKey(-D.pendingRelease, false);
        D.pendingRelease = 0;
        return;
    }
    if (D.dragLeft > 0) {  // move the pointer a step along the drag; release at its end
        --D.dragLeft;
        const float k = 1.0f / (D.dragLeft + 1);  // reaches the end point on the last step
        D.dragX += (D.dragToX - D.dragX) * k;
        D.dragY += (D.dragToY - D.dragY) * k;
        eng::InjectMouseMove(D.dragX, D.dragY);
        if (D.dragLeft == 0) D.pendingRelease = D.dragButton;
        return;
    }
    advance();
}

// Stands in for the title screen with --level. The first time: a casual profile, the level file loaded fresh
// and given to the main game. After that the main game has answered and the run ends.
class TLevelStarter : public TEkran {
  public:
    TLevelStarter(std::string path, int stage, int number, bool tips)
        : path_(std::move(path)), stage_(stage), number_(number), tips_(tips) {
        id = "LEVEL-STARTER";
    }
    std::string mainLoop() override;

  private:
    std::string path_;
    int stage_, number_;  // where in the flow the profile stands
    bool tips_;           // the tutorial's tips are all pending
    bool started_ = false;
};

std::string TLevelStarter::mainLoop() {
    if (started_) return "END";
    started_ = true;
    const std::string& path = path_;
    if (!profileManager) profileManager = std::make_shared<TProfileManager>();
    if (!profileManager->profile) {
        profileManager->profile = std::make_shared<TProfile>();
        profileManager->profile->name = "DRIVER";
        profileManager->profile->flowType = "CASUAL";
        // The profile has reached this place of the flow: what it unlocks there is unlocked.
        TProfile& p = *profileManager->profile;
        p.numerStageu = stage_;
        p.numerLevelu = number_;
        if (tips_) p.armAllTips();  // a player new to the game: every tutorial tip is still to come
        if (stage_ > 1 || number_ > 1) p.updateLevelData(number_, 0, 0, 0, 0, 1);
    }
    // A mini-game's level file: its own screen plays it.
    if (std::string screen = startMiniLevel(path); !screen.empty()) return screen;
    auto level = loadLevel(path, 1);
    if (!level || !mainGame) return "END";
    level->url = path;
    level->backGroundUrl =
        "gfx/backgrounds/background-" + std::to_string(1 + (level->rows + level->cols) % 6) + ".jpg";
    mainGame->setLevel(level);
    return "MAIN-GAME";
}

void usage() {
    std::puts(
        "usage: driver [--game DIR] [--user DIR] [--out DIR] [--script FILE]\n"
        "  --game DIR    the program folder (default: the game folder of this build)\n"
        "  --user DIR    the shared data folder to keep the per-user files in (default: a new temporary "
        "one)\n"
        "  --out DIR     where grabs are written (default: the current folder)\n"
        "  --script FILE the script to run ('-' or none: a dialogue over standard input)\n"
        "  --gui FILE    show this GUI file (path as the game gives it, below the program folder) in place "
        "of\n"
        "                the title screen; every click prints 'clicked: ID'\n"
        "  --level FILE  play this level file (for example data/levels/cat.lvl, or a mini-game's level such "
        "as\n"
        "                data/routes/route1.dat, data/puzzleExpress/pe1.dat, data/puzzles/puzzle1.dat) on "
        "an\n"
        "                empty screen in place of the title screen (a nonogram: left button uncovers,\n"
        "                right button breaks; a mini-game prints the lines a script needs to solve it)\n"
        "  --at S L      with --level: the profile stands at stage S, level L of its flow (what it has\n"
        "                unlocked there, such as power-ups, is unlocked)\n"
        "  --tips        with --level: the player is new to the game, every tutorial tip still to come\n"
        "  --story NAME  a new casual player at the journey's story entry NAME (STORY-START, STORY-CAMP,\n"
        "                STORY-OUTRO...) in place of the title screen; the journey goes on after it");
}

}  // namespace

int main(int argc, char** argv) {
    D.startWall = wallMs();
    // Every line goes out as soon as it is printed: a program driving the game reads them as they come.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string gameDir = eng::ExtractDir(eng::ExtractDir(eng::AppFile())) + "/game";
    std::string userDir, scriptPath = "-", guiPath, levelPath, scenePath, storyName;
    int atStage = 1, atNumber = 1;
    bool tips = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--tips") {
            tips = true;
        } else if (a == "--at" && i + 2 < argc) {
            atStage = std::atoi(argv[++i]);
            atNumber = std::atoi(argv[++i]);
        } else if ((a == "--game" || a == "--user" || a == "--out" || a == "--script" || a == "--gui" ||
                    a == "--level" || a == "--scene" || a == "--story") &&
                   i + 1 < argc) {
            std::string v = argv[++i];
            if (a == "--game") gameDir = v;
            if (a == "--user") userDir = v;
            if (a == "--out") D.outDir = v;
            if (a == "--script") scriptPath = v;
            if (a == "--gui") guiPath = v;
            if (a == "--level") levelPath = v;
            if (a == "--scene") scenePath = v;
            if (a == "--story") storyName = v;
        } else {
            usage();
            return 2;
        }
    }
    // Standard input is a dialogue: each command is read once the one before it is done. A script file is
    // read and checked whole first.
    std::string source, error;
    if (scriptPath == "-") {
        D.dialogue = std::make_unique<Dialogue>(std::cin);
    } else if (!eng::ReadFileBytes(scriptPath, source)) {
        std::printf("cannot read the script %s\n", scriptPath.c_str());
        return 2;
    } else if (!parseScript(source, D.script, error)) {
        std::printf("script %s\n", error.c_str());
        return 2;
    }
    D.outDir = eng::RealPath(D.outDir);
    std::filesystem::create_directories(D.outDir);
    if (userDir.empty()) {
        char templ[] = "/tmp/driver-user-XXXXXX";
        if (!mkdtemp(templ)) return 2;
        userDir = templ;
    }
    userDir = eng::RealPath(userDir);
    std::printf("user folder: %s\n", userDir.c_str());
    if (!eng::ChangeDir(gameDir)) {
        std::printf("cannot enter the program folder %s\n", gameDir.c_str());
        return 2;
    }
    eng::SetHeadless(eng::HeadlessConfig{});
    commonFolderOverride = userDir;
    control.onSwitch = [](const std::string& name) {
        D.screen = name;
        if (name == "MAIN-GAME") D.levelStarting = true;
        std::printf("screen: %s\n", name.c_str());
        std::fflush(stdout);
    };
    // The developer scenes stand in for the title screen.
    if (!guiPath.empty()) screens.replace("MAIN-MENU", [guiPath] { return new TGuiViewer(guiPath); });
    if (!scenePath.empty()) screens.replace("MAIN-MENU", [scenePath] { return new TLevelScene(scenePath); });
    if (!storyName.empty())
        screens.replace("MAIN-MENU", [storyName] { return new TStoryStarter(storyName); });
    if (!levelPath.empty()) {
        screens.replace("MAIN-MENU", [levelPath, atStage, atNumber, tips] {
            return new TLevelStarter(levelPath, atStage, atNumber, tips);
        });
        // The level stands alone: whatever it answers ends the run instead of moving through a flow.
        for (auto& row : control.table)
            if (row.run) row.run = [] { return std::string("MAIN-MENU"); };
    }
    eng::SetFrameHook(onFrame);
    eng::SetExitHook([] {
        std::printf("end: game\n");
        report();
    });
    D.lastCpu = threadCpuMs();
    runProgram();
}
