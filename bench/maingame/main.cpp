// Plays a 25 × 25 level on the main game screen by script and reports, per frame, the game thread's CPU
// time for update and draw (up to the hand-over of the drawing to the GPU, before the buffer swap), the
// swap's wall time (with a software rasteriser it holds the fill), and the draw calls.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Screens.h"
#include "app/Startup.h"
#include "core/Globals.h"
#include "core/LogicalScreen.h"
#include "engine/Engine.h"
#include "minigames/FindRoutePuzzle.h"
#include "nonogram/Level.h"
#include "nonogram/LoseScreen.h"
#include "nonogram/MainGame.h"
#include "nonogram/WinScreen.h"
#include "progress/MainMenu.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

namespace {

double clockMs(clockid_t id) {
    timespec ts;
    clock_gettime(id, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

struct Stats {
    std::vector<double> v;
    double pct(double q) {
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, static_cast<size_t>(q * v.size()))];
    }
};

}  // namespace

int main(int argc, char** argv) {
    int width = 1024, height = 768, frames = 900;
    std::string levelPath = "data/levels/mask.lvl";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--width") width = std::atoi(argv[i + 1]);
        if (a == "--height") height = std::atoi(argv[i + 1]);
        if (a == "--frames") frames = std::atoi(argv[i + 1]);
        if (a == "--level") levelPath = argv[i + 1];
    }
    if (!eng::ChangeDir(GAME_DIR)) return 2;
    eng::SetHeadless(eng::HeadlessConfig{});
    char user[] = "/tmp/bench-user-XXXXXX";
    if (!mkdtemp(user)) return 2;
    commonFolderOverride = user;
    initGlobals();
    startGame();
    if (width != 1024 || height != 768) openGraphics(width, height, 0, width * 3 != height * 4 ? 1 : 0);

    profileManager->profile = std::make_shared<TProfile>();
    profileManager->profile->flowType = "HARD";
    // Far enough in the flow to own every power-up.
    profileManager->profile->numerStageu = 5;
    profileManager->profile->updateLevelData(99, 1, 0, 0, 0, 1);
    profileManager->profile->numerStageu = 1;
    auto level = loadLevel(levelPath, 1);
    if (!level) return 2;
    level->backGroundUrl = "gfx/backgrounds/background-6.jpg";
    TMainGame& game = *mainGame;
    game.setLevel(level);
    game.prepare();
    while (game.state != TGameState::NORMAL) {
        game.update();
        game.draw();
        endFrame(1, &game);
    }

    // The script: the pointer sweeps to the next cell in reading order; a click every 4 frames with the
    // button that is right for the cell (a wrong move every 40 cells throws a stone).
    Stats cpu, wall, swap, frame;
    std::vector<int> calls, quads;
    int cell = 0;
    for (int f = 0; f < frames && game.wynik.empty(); ++f) {
        const int phase = f % 4;
        const TTile& t = *level->tile[(cell / level->cols) % level->rows][cell % level->cols];
        const bool wrong = cell % 40 == 39;
        const int buttonNo = (t.isPicture() != wrong) ? 1 : 2;
        if (phase == 0) eng::InjectMouseMove(t.dim.x, t.dim.y);
        if (phase == 1) eng::InjectMouseButton(buttonNo, true);
        if (phase == 2) {
            eng::InjectMouseButton(buttonNo, false);
            ++cell;
        }
        const double c0 = clockMs(CLOCK_THREAD_CPUTIME_ID), w0 = clockMs(CLOCK_MONOTONIC);
        eng::Cls();
        game.update();
        game.draw();
        eng::FlushDrawing();
        const double c1 = clockMs(CLOCK_THREAD_CPUTIME_ID), w1 = clockMs(CLOCK_MONOTONIC);
        endFrame(1, &game);
        const double w2 = clockMs(CLOCK_MONOTONIC);
        cpu.v.push_back(c1 - c0);
        wall.v.push_back(w1 - w0);
        swap.v.push_back(w2 - w1);
        frame.v.push_back(w2 - w0);
        calls.push_back(eng::GetRenderStats().drawCalls);
        quads.push_back(eng::GetRenderStats().quads);
    }
    std::sort(calls.begin(), calls.end());
    std::sort(quads.begin(), quads.end());
    std::printf("main game %dx%d, %s, %zu frames, %d cells played\n", width, height, levelPath.c_str(),
                cpu.v.size(), cell);
    std::printf("update+draw cpu (ms): median %.3f, p95 %.3f\n", cpu.pct(0.5), cpu.pct(0.95));
    std::printf("update+draw wall (ms): median %.3f, p95 %.3f\n", wall.pct(0.5), wall.pct(0.95));
    std::printf("swap and fill wall (ms): median %.3f, p95 %.3f\n", swap.pct(0.5), swap.pct(0.95));
    std::printf("whole frame wall (ms): median %.3f, p95 %.3f\n", frame.pct(0.5), frame.pct(0.95));
    std::printf("textures: %d\n", eng::GetRenderStats().textures);
    std::printf("draw calls per frame: median %d, max %d; quads median %d, max %d\n", calls[calls.size() / 2],
                calls.back(), quads[quads.size() / 2], quads.back());

    // The options screen over this level (the in-game menu), then the title screen, each for a while.
    // An overlay draws the screen below it first, as its loop does.
    const Measure measure = [&](const char* name, TEkran& screen, TEkran* below) {
        Stats cost;
        for (int f = 0; f < 300; ++f) {
            if (f % 60 == 0) eng::InjectMouseMove(300.0f + f, 200.0f + f);
            const double c0 = clockMs(CLOCK_THREAD_CPUTIME_ID);
            eng::Cls();
            screen.update();
            if (below) below->draw();
            screen.draw();
            eng::FlushDrawing();
            cost.v.push_back(clockMs(CLOCK_THREAD_CPUTIME_ID) - c0);
            endFrame(1, &screen);
        }
        std::printf("%s update+draw cpu (ms): median %.3f, p95 %.3f\n", name, cost.pct(0.5), cost.pct(0.95));
    };
    measureTutorialTip(measure, game);
    options->prepare(&game);
    measure("options over the main game", *options, nullptr);
    // The won level: its picture closes up and the treasures in the chest fly to the panel.
    game.WIN();
    game.fx.captions.clear();
    game.setState(TGameState::WIN);
    std::printf("treasures flying to the win screen: %zu\n", level->flyingTresures.size());
    // The award panels wait for the player: the screen is measured without them.
    TWinScreen::checkAwardsHook = nullptr;
    winScreen->prepare();
    game.particlesOnTop = true;
    measure("win screen", *winScreen, nullptr);
    game.particlesOnTop = false;
    // The burst chest's pieces fall behind the lose screen.
    game.LOSE();
    loseScreen->prepare(game);
    measure("lose screen", *loseScreen, nullptr);
    mainMenu->prepare();
    measure("title screen", *mainMenu, nullptr);
    // The route puzzle on its largest level: blocks turning under the pointer, then the lightning.
    if (findRoutePuzzle) {
        auto route = loadFRLevel(GAME_DIR "/data/routes/route3.dat");
        findRoutePuzzle->SetLevel(route);
        findRoutePuzzle->prepare();
        findRoutePuzzle->fade = findRoutePuzzle->dFade = 0;
        findRoutePuzzle->state = "NORMAL";
        measure("route puzzle", *findRoutePuzzle, nullptr);
        findRoutePuzzle->dPowerAlpha = {1, 1};
        findRoutePuzzle->winPoints.clear();
        for (const auto& row : route->blocks) {
            TDim p;
            p.x = static_cast<float>(route->drawX + row.front().x);
            p.y = static_cast<float>(route->drawY + row.front().y);
            findRoutePuzzle->winPoints.push_back(p);
            p.x = static_cast<float>(route->drawX + row.back().x);
            findRoutePuzzle->winPoints.push_back(p);
        }
        findRoutePuzzle->Win();
        findRoutePuzzle->waitTime += 1000000;  // the lightning runs on for the whole measurement
        measure("route puzzle's lightning", *findRoutePuzzle, nullptr);
    }
    measureMiniGames(measure);
    measureScene(measure);
    measureJourneyScreens(measure);
    measureStory(measure);
    std::fflush(stdout);
    std::error_code ec;
    std::filesystem::remove_all(user, ec);  // the settings the run wrote
    std::_Exit(0);
}
