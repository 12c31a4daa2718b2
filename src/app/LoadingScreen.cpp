// The loading screen's pictures, its 55 set-up steps and the fade of the logo and bar at the end.
#include "app/LoadingScreen.h"

#include "app/ScreenRegistry.h"
#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "effects/Particle.h"
#include "effects/Pogoda.h"
#include "files/TxtFile.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "gui/Theme.h"
#include "nonogram/Caption.h"
#include "nonogram/MainGame.h"
#include "nonogram/Number.h"
#include "nonogram/Plate.h"
#include "nonogram/TextCaption.h"
#include "nonogram/TileData.h"
#include "progress/LevelManager.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"
#include "tutorial/Tutorial.h"

using namespace eng;

TLoadingScreen* loadingScreen = nullptr;

TLoadingScreen::TLoadingScreen() {
    id = "Loading";
    const std::string dir = programPrefix + "gfx/gui/loading/";
    back = loadImageOrWarn(dir + "back.jpg", FILTEREDIMAGE);
    dot[0] = loadImageOrWarn(dir + "false.png");
    dot[1] = loadImageOrWarn(dir + "true.png");
    MidHandleImage(dot[0]);
    MidHandleImage(dot[1]);
    img = LoadImage(dir + "loading.png");
    logo = LoadImage(dir + languageCode + "/logo.png");
    MidHandleImage(logo);
    bars = LoadImage(dir + "bars.png");
}

std::vector<TLoadingScreen::Step> TLoadingScreen::steps(int part) {
    switch (part) {
        case 1:
            return {{"globalSnd.setup", nullptr},
                    {"music 6", [] { globalSnd->_setupExactMusicByNR(6); }},
                    {"cursors", [] { loadCursors(); }},
                    {"leaf images", nullptr},
                    {"winScreen.setup", nullptr},
                    {"loseScreen.setup", nullptr},
                    {"giveAward.setup", nullptr},
                    {"more games", nullptr},
                    {"showAward.setup", nullptr},
                    {"endingScreen.setup", nullptr},
                    {"windowTheme",
                     [] {
                         windowTheme =
                             loadThemeFile("temat1", programPrefix + "gfx/gui/window/temat.txt", nullptr);
                     }},
                    {"mainGame.setup", nullptr},
                    {"puzzleExpress.setup", nullptr},
                    {"puzzle.setup", nullptr}};
        case 2:
            return {{"particles", [] { TParticle::setup(); }},
                    {"music 7", [] { globalSnd->_setupExactMusicByNR(7); }},
                    {"rock images", [] { loadTileImages(); }},
                    {"wood tile particles", [] { loadChipSheets(); }},
                    {"power-up cursors", nullptr},
                    {"caption images",
                     [] {
                         TTextCaption::setup();
                         loadCaptionImages();
                     }},
                    {"sword effect", nullptr},
                    {"weather particles", [] { loadWeatherImages(); }},
                    {"clue numbers", [] { loadNumberImages(); }},
                    {"stripe images", nullptr},
                    {"pause", [] {}},
                    {"dialogBox.setup", nullptr},
                    {"tiles",
                     [] {
                         loadTileData();
                         loadTileHide();
                     }},
                    {"treasures", [] { loadTresures(); }}};
        case 3:
            return {{"mainMenu.setup", nullptr},
                    {"music 8", [] { globalSnd->_setupExactMusicByNR(8); }},
                    {"tutorial.setup",
                     [] {
                         if (!tutorial) return;
                         tutorial->setup();
                         TMainGame::tutorialPresent =
                             !tutorial->levelTips.empty() || !tutorial->generalTips.empty();
                     }},
                    {"profileManager.setup", nullptr},
                    {"levelManager.setup", [] { levelManager.setup(); }},
                    {"hiddenObject.setup", nullptr},
                    {"mapa.setup", nullptr},
                    {"parchment images", nullptr},
                    {"stageScreen.setup", nullptr},
                    {"awardScreen.setup", nullptr},
                    {"peFoundScreen.setup", nullptr}};
        case 4:
            return {
                {"enterName.setup", nullptr},      {"popUp.setup", nullptr},
                {"continueQuest.setup", nullptr},  {"credits.setup", nullptr},
                {"highscores.setup", nullptr},     {"introScreen.setup", nullptr},
                {"pickFlow.setup", nullptr},       {"music 9", [] { globalSnd->_setupExactMusicByNR(9); }},
                {"findRoutePuzzle.setup", nullptr}};
        case 5:
            return {{"music 5", [] { globalSnd->_setupExactMusicByNR(5); }},
                    {"mainFont", [] { mainFont = getFont(programPrefix + "gfx/fonts/font.ttf", 72); }},
                    {"pauseText",
                     [] { pauseText = getLine(loadTxtFile(programPrefix + "txt/#LANG#/pauseGame.txt"), 1); }},
                    {"profileManager.loadProfiles", [] { profileManager->loadProfiles(); }},
                    {"wave images", nullptr},
                    {"lightning images", nullptr},
                    {"rulesScreen.setup", nullptr}};
        default:
            return {};
    }
}

void TLoadingScreen::runStep(const Step& step) {
    if (step.run) {
        step.run();
    } else if (TScreenEntry* entry = screens.bySetupStep(step.name); entry && entry->screen) {
        entry->screen->setup();
    }
}

void TLoadingScreen::runSteps(int part) {
    for (const Step& step : steps(part)) {
        runStep(step);
        ++stepsRun;
        progress();
    }
}

bool runLoadingStep(const std::string& name) {
    for (int part = 1; part <= 5; ++part)
        for (const TLoadingScreen::Step& step : TLoadingScreen::steps(part))
            if (step.name == name) {
                TLoadingScreen::runStep(step);
                return true;
            }
    return false;
}

void TLoadingScreen::PART1() {
    drawNormal();
    runSteps(1);
}
void TLoadingScreen::PART2() {
    runSteps(2);
}
void TLoadingScreen::PART3() {
    runSteps(3);
}
void TLoadingScreen::PART4() {
    runSteps(4);
}
void TLoadingScreen::PART5() {
    runSteps(5);
    EndMe();
    FlushMouse();
    FlushKeys();
}

void TLoadingScreen::progress() {
    if (p < maxProgress) p += 1;
    drawNormal();
}

void TLoadingScreen::drawNormal() {
    resetDrawState();
    draw();
    endFrame(0, this);
    PollSystem();
}

void TLoadingScreen::draw() {
    _drawBack();
    _drawProgress();
}

void TLoadingScreen::_drawBack() {
    resetDrawState();
    DrawImage(back, 0, 0);
    // The gold frame stays: the title screen stands in the same frame, so only the logo fades.
    DrawImage(bars, 0, 0);
    SetAlpha(la);
    DrawImage(logo, 512, 384);
    SetAlpha(1);
}

void TLoadingScreen::_drawProgress() {
    if (!img) return;
    const float f = static_cast<float>(p) / maxProgress;
    const int x = 512 - ImageWidth(img) / 2;
    const int y = 695 - ImageHeight(img) / 2;
    SetAlpha(0.3f * la);
    DrawImage(img, static_cast<float>(x), static_cast<float>(y));
    SetAlpha(la);
    const float w = f * ImageWidth(img);
    DrawSubImageRect(img, static_cast<float>(x), static_cast<float>(y), w,
                     static_cast<float>(ImageHeight(img)), 0, 0, w, static_cast<float>(ImageHeight(img)), 0,
                     0, 0);
}

void TLoadingScreen::EndMe() {
    _prepareDelta();
    do {
        Cls();
        updateTiming();
        la -= 0.02f * frameDelta;
        if (la < 0) la = 0;
        draw();
        Flip(-1);
    } while (la > 0);
}
