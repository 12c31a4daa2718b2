// Start-up: globals, per-user folder, settings and graphics mode, the loading screen; and the end.
#include "app/Startup.h"

#include <cstdlib>

#include "app/Control.h"
#include "app/LoadingScreen.h"
#include "app/ScreenRegistry.h"
#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"
#include "nonogram/MainGame.h"
#include "nonogram/MainGameFlow.h"
#include "nonogram/WinScreen.h"
#include "progress/Award.h"
#include "progress/AwardScreen.h"
#include "progress/Credits.h"
#include "progress/GiveAward.h"
#include "progress/Highscores.h"
#include "progress/MainMenu.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "progress/RulesScreen.h"
#include "progress/SaveAll.h"
#include "screen/FrameServices.h"
#include "story/DialogBox.h"
#include "story/StoryStart.h"
#include "tutorial/Tutorial.h"

using namespace eng;

std::string commonFolderOverride;

namespace {

// A folder we may write into: it exists (or could be made) and a file can be created in it.
bool writable(const std::string& folder) {
    if (FileType(folder) != 2) return false;
    const std::string probe = folder + "/.write-test";
    if (!SaveText("ok", probe)) return false;
    DeleteFile(probe);
    return true;
}

// {common}/Orelund/<product>, where the player's settings and profiles live.
std::string dataFolderIn(const std::string& common) {
    return common + "/Orelund/" + productName;
}

// Makes {common}/Orelund/<product> with Data and Profiles; returns the user folder or "".
std::string makeUserFolder(const std::string& common) {
    if (common.empty() || common == "/") return {};
    const std::string oldFolder = common + "/" + productName;
    CreateDir(common + "/Orelund", false);
    const std::string folder = dataFolderIn(common);
    bool migrate = false;
    if (FileType(folder) != 2) {
        migrate = FileType(oldFolder) == 2;
        CreateDir(folder, false);
    }
    CreateDir(folder + "/Data", false);
    CreateDir(folder + "/Profiles", false);
    if (!writable(folder) || !writable(folder + "/Data") || !writable(folder + "/Profiles")) return {};
    if (migrate) CopyDir(oldFolder, folder);
    return folder;
}

// The fallback starts from what the player has in the folder that cannot be written, so settings and
// profiles are not lost: each readable sub-folder is copied over, a file the fallback holds in a newer
// version (saved there in an earlier session) is kept.
void takeOverReadableData(const std::string& from, const std::string& to) {
    for (const char* sub : {"/Data", "/Profiles"})
        if (FileType(from + sub) == 2) CopyDir(from + sub, to + sub, true);
}

// After a won level: the awards earned are given one by one over the win screen; the first ones a player
// ever earns open the award screen by themselves.
void checkAwardsAfterWin(TWinScreen& win) {
    if (!profileManager || !profileManager->profile || !mainGame || !mainGame->level) return;
    TProfile& p = *profileManager->profile;
    TAwardFacts facts;
    facts.tutorial = mainGame->level->tutorialLevel != 0;
    facts.maxMistakes = mainGame->level->maxMistakes;
    facts.bagRoom = mainGame->bagOwned() ? mainGame->chest.maxKamieni : 0;
    const size_t before = p.awardy.size();
    runAwardChecks(p, facts, [&win](const TAward& a) { giveAward->mainLoop(a, win); });
    if (p.bylAwardsScreen == 0 && p.awardy.size() > before) {
        p.bylAwardsScreen = 1;
        win.goAwards();
        win.goAhead = 1;
    }
}

// The layers below call up through hooks: the frame services drive the sound manager, Alt+Enter and the
// save-everything step; every GUI clicks and hovers through the sound manager. Shared pictures go down.
void connectServices() {
    frameHooks.sound = [] { globalSnd->update(); };
    frameHooks.suspendSound = [] { globalSnd->stopAllSounds(); };
    frameHooks.resumeSound = [] { globalSnd->resumeAllSounds(); };
    frameHooks.switchScreenMode = [] { options->switchScreen(); };
    frameHooks.saveAll = saveAll;
    guiSounds.click = [] { globalSnd->click(); };
    guiSounds.over = [] { globalSnd->over(); };
    // The options screen opens the rules and the credits over itself.
    TOptions::rulesScreen = [](TEkran& over) { rulesScreen->mainloop(&over); };
    TOptions::creditsScreen = [](TEkran& over) {
        credits->wynik.clear();
        credits->mainLoop(&over);
    };
    // The level flow plays nonogram entries on the main game screen.
    registerMainGameKind();
    registerFindRouteKind();
    registerPuzzleExpressKind();
    registerPuzzleKind();
    registerHiddenObjectKind();
    // Awards: the title's and the win screen's "awards" buttons, and the checks after a won level.
    TMainMenu::awardScreen = [](TEkran& over) { awardScreen->mainLoop(&over); };
    TWinScreen::awardScreen = [](TEkran& over) { awardScreen->mainLoop(&over); };
    TWinScreen::checkAwardsHook = checkAwardsAfterWin;
    // The story's dialogs at the start and end of the levels bound to them.
    TEkran::dialogRunner = [](TEkran& screen, const std::string& event, int mode) {
        const TProfile* p = activeProfile();
        const int id = p && dialogBox ? dialogBox->findDialog(p->numerStageu, p->numerLevelu, event) : 0;
        if (id) dialogBox->mainLoop(&screen, id, mode);
        return id;
    };
    // The tutorial's tips: the active player's pending ones, acting on the main game's grid, driven by every
    // game screen.
    tutorial = new TTutorial();
    tutorial->profile = [] { return activeProfile(); };
    tutorial->grid = [] { return mainGame ? mainGame->level.get() : nullptr; };
    TEkran::tutorialHooks.update = [](TEkran& s, bool generalOnly) {
        generalOnly ? tutorialUpdateGeneral(s) : tutorialUpdate(s);
    };
    TEkran::tutorialHooks.draw = [](TEkran& s) { tutorialDraw(s); };
    TEkran::tutorialHooks.hide = [] { tutorial->hideTutorial(); };
    // The opening story hands over only to a screen the switcher can run.
    TStoryStart::knownScreen = [](const std::string& name) { return control.knows(name); };
    onSaveAll([] { highscores->saveHighScores(); });
    // The in-game menu and the lose screen lead back to the map.
    if (options) options->mapAvailable = true;
}

}  // namespace

void prepareUserFolder() {
    std::string common = commonFolderOverride.empty() ? HomeDataFolder() : commonFolderOverride;
    if (!common.empty()) CreateDir(common, true);
    userFolder = makeUserFolder(common);
    std::string fallbackNote;
    if (userFolder.empty()) {
        // Fall back to a folder we can write, reading what the old place holds, and say so once.
        const char* tmp = std::getenv("TMPDIR");
        const std::string base =
            std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/" + productName + "-data";
        CreateDir(base, true);
        userFolder = makeUserFolder(base);
        const std::string place = common.empty() ? std::string("(no home folder)") : dataFolderIn(common);
        if (userFolder.empty()) {
            const std::string text = "Neither the data folder \"" + place + "\" nor the fallback \"" +
                                     dataFolderIn(base) +
                                     "\" can be written: the game cannot keep settings or profiles.";
            Warn(text);
            Notify(text, true);
            End(1);
        }
        if (!common.empty()) takeOverReadableData(dataFolderIn(common), userFolder);
        fallbackNote = "The data folder \"" + place +
                       "\" cannot be written; reading what it holds and saving into \"" + userFolder +
                       "\" instead.";
    }
    // The log begins here, so the note of a fallback is its first line.
    SetLogFile(userFolder + "/Data/log.txt");
    if (!fallbackNote.empty()) Warn(fallbackNote);
}

void initGlobals() {
    programPrefix = "";
    languageCode = Trim(LoadText("txt/lang.txt"));
    DesktopSize(desktopWidth, desktopHeight);
    // One object per screen and manager, in the order of the screen registry, and the one mouse.
    new TMouse();  // becomes `mouse`
    screens.createAll();
    connectServices();
    pointImage = LoadImage(programPrefix + "gfx/point.png");
    MidHandleImage(pointImage);
    deltaTimer = TDeltaTime::Create(60);
    SetAppTitle(Trim(LoadText("txt/" + languageCode + "/name.txt")));
    SetAppIcon(LoadPixmap(programPrefix + "gfx/icon.png"));
    cheatsOn = FileType("cheats.txt") != 0 ? 1 : 0;
    productName = "Tazmira-Zerav-2";
}

void startGame() {
    prepareUserFolder();
    options->loadOptions();
    if (!options->openScreen()) {
        Warn("No window or screen mode could be opened; the game cannot start.");
        End(1);
    }
    SeedRnd(static_cast<uint64_t>(MilliSecs()));
    HideMouse();
    options->setup();
    loadingScreen->PART1();
    loadingScreen->PART2();
    loadingScreen->PART3();
    loadingScreen->PART4();
    loadingScreen->PART5();
}

void runGame() {
    options->setupMouse();
    storyFont = getFont(programPrefix + "gfx/fonts/storyFont.ttf", 36);
    control.mainloop();
    // Leaving by the title's "exit" keeps everything: profiles and settings are written before the end.
    quitGame(0);
}

void runProgram() {
    initGlobals();
    startGame();
    runGame();
}
