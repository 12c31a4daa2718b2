// The game's screen table. A new screen is one row here; its set-up step already has its place in the
// loading sequence (or none), and the switcher runs it by its name.
#include "app/ScreenRegistry.h"

#include "app/LoadingScreen.h"
#include "audio/GlobalSnd.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"
#include "nonogram/LoseScreen.h"
#include "nonogram/MainGame.h"
#include "nonogram/WinScreen.h"
#include "progress/AwardScreen.h"
#include "progress/ContinueQuest.h"
#include "progress/Credits.h"
#include "progress/EndingScreen.h"
#include "progress/EnterName.h"
#include "progress/GiveAward.h"
#include "progress/Highscores.h"
#include "progress/IntroScreen.h"
#include "progress/MainMenu.h"
#include "progress/Mapa.h"
#include "progress/Options.h"
#include "progress/PickFlow.h"
#include "progress/PopUp.h"
#include "progress/ProfileManager.h"
#include "progress/RulesScreen.h"
#include "progress/StageScreen.h"
#include "story/DialogBox.h"
#include "story/StoryOutro.h"
#include "story/StoryPiramid.h"
#include "story/StoryRoute.h"
#include "story/StorySlideshow.h"
#include "story/StoryStart.h"
#include "story/StoryZoom.h"

TScreenRegistry screens;

TScreenRegistry::TScreenRegistry() {
    entries = {
        {"", "", {}, [] { return loadingScreen = new TLoadingScreen(); }},
        {"MAIN-MENU", "mainMenu.setup", {}, [] { return mainMenu = new TMainMenu(); }},
        // Opened by the start-up itself, before the loading screen: it reads the settings and the screen
        // mode.
        {"", "", {}, [] { return options = new TOptions(); }},
        {"MAIN-GAME",
         "mainGame.setup",
         {"cursors", "particles", "rock images", "wood tile particles", "caption images", "clue numbers",
          "tiles", "treasures"},
         [] { return (mainGame = std::make_shared<TMainGame>()).get(); }},
        {"",
         "profileManager.setup",
         {},
         [] { return (profileManager = std::make_shared<TProfileManager>()).get(); }},
        {"", "popUp.setup", {}, [] { return popUp = new TPopUp(); }},
        {"", "winScreen.setup", {}, [] { return winScreen = new TWinScreen(); }},
        {"", "loseScreen.setup", {}, [] { return loseScreen = new TLoseScreen(); }},
        {"MAPA", "mapa.setup", {}, [] { return mapa = new TMapa(); }},
        {"PUZZLE-EXPRESS", "puzzleExpress.setup", {}, [] { return puzzleExpress = new TPuzzleExpress(); }},
        {"PUZZLE", "puzzle.setup", {}, [] { return puzzle = new TPuzzle(); }},
        {"HIDDEN-OBJECT", "hiddenObject.setup", {}, [] { return hiddenObject = new THiddenObject(); }},
        {"FINDROUTE-PUZZLE",
         "findRoutePuzzle.setup",
         {},
         [] { return findRoutePuzzle = new TFindRoutePuzzle(); }},
        {"", "stageScreen.setup", {}, [] { return stageScreen = new TStageScreen(); }},
        {"", "dialogBox.setup", {}, [] { return dialogBox = new TDialogBox(); }},
        {"", "awardScreen.setup", {}, [] { return awardScreen = new TAwardScreen(); }},
        {"", "giveAward.setup", {}, [] { return giveAward = new TGiveAward(); }},
        {"", "showAward.setup", {}, [] { return showAward = new TShowAward(); }},
        {"", "highscores.setup", {}, [] { return highscores = new THighscores(); }},
        {"", "enterName.setup", {}, [] { return enterName = new TEnterName(); }},
        {"PICK-FLOW", "pickFlow.setup", {}, [] { return pickFlow = new TPickFlow(); }},
        {"", "continueQuest.setup", {}, [] { return continueQuest = new TContinueQuest(); }},
        {"CREDITS", "credits.setup", {}, [] { return credits = new TCredits(); }},
        {"", "rulesScreen.setup", {}, [] { return rulesScreen = new TRulesScreen(); }},
        {"END-OF-LEVELS", "endingScreen.setup", {}, [] { return endingScreen = new TEndingScreen(); }},
        {"", "introScreen.setup", {}, [] { return introScreen = new TIntroScreen(); }},
        {"", "globalSnd.setup", {}, [] { return globalSnd = new TGlobalSnd(); }},
        // The story: the opening and the outro set themselves up when they run.
        {"STORY-START", "", {}, [] { return storyStart = new TStoryStart(); }},
        {"STORY-OUTRO", "", {}, [] { return storyOutro = new TStoryOutro(); }},
    };
    // The cutscenes between stages, each made afresh when the flow reaches it.
    const std::vector<std::pair<std::string, std::function<TEkran*()>>> cutscenes = {
        {"STORY-TABLET-READ", [] { return new TStoryTablet(); }},
        {"STORY-CAMP", [] { return new TStoryCamp(); }},
        {"STORY-READING-LETTER", [] { return new TStoryLetter(); }},
        {"STORY-PIRAMID", [] { return new TStoryPiramid(); }},
        {"STORY-GO-TO-IRAK", [] { return new TStoryGoIrak(); }},
        {"STORY-BULDOZER", [] { return new TStoryBuldozer(); }},
        {"STORY-GO-TO-IRAN", [] { return new TStoryGoToIran(); }},
        {"STORY-TEMPLE-OPEN", [] { return new TStoryTempleOpen(); }},
        {"STORY-TEMPLE-CHECK", [] { return new TStoryTempleCheck(); }},
        {"STORY-GO-TO-TIBET", [] { return new TStoryGoToTibet(); }},
        {"STORY-WATERFALL", [] { return new TStoryWaterfall(); }},
    };
    for (const auto& [name, make] : cutscenes) {
        TScreenEntry e{name, "", {}, make};
        e.perVisit = true;
        entries.push_back(e);
    }
}

void TScreenRegistry::createAll() {
    for (TScreenEntry& e : entries)
        if (!e.screen && !e.perVisit) e.screen = e.make();
}

TEkran* TScreenRegistry::find(const std::string& name) const {
    for (const TScreenEntry& e : entries)
        if (!e.name.empty() && e.name == name && !e.perVisit) return e.screen;
    return nullptr;
}

const TScreenEntry* TScreenRegistry::cutscene(const std::string& name) const {
    for (const TScreenEntry& e : entries)
        if (e.perVisit && e.name == name) return &e;
    return nullptr;
}

TScreenEntry* TScreenRegistry::bySetupStep(const std::string& step) {
    for (TScreenEntry& e : entries)
        if (!e.setupStep.empty() && e.setupStep == step) return &e;
    return nullptr;
}

TScreenEntry* TScreenRegistry::_entry(const std::string& name) {
    for (TScreenEntry& e : entries)
        if (e.name == name) return &e;
    return nullptr;
}

void TScreenRegistry::replace(const std::string& name, std::function<TEkran*()> make) {
    if (TScreenEntry* e = _entry(name)) e->make = std::move(make);
}

TEkran* TScreenRegistry::setUpAlone(const std::string& name) {
    TScreenEntry* e = _entry(name);
    if (!e) return nullptr;
    if (!e->screen) e->screen = e->make();
    for (const std::string& step : e->needs) runLoadingStep(step);
    if (!e->setupStep.empty()) e->screen->setup();
    return e->screen;
}
