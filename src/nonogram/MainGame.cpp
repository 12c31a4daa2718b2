// The main game screen: set-up, taking a level, the opening flight, a visit from prepare to finish, the
// tools, and the queries the cells and clue numbers ask.
#include "nonogram/MainGame.h"

#include <ostream>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGamePictures.h"
#include "progress/ProfileManager.h"
#include "progress/SaveAll.h"
#include "progress/TutorialIndex.h"

using namespace eng;

std::shared_ptr<TMainGame> mainGame;

const char* gameStateName(TGameState state) {
    switch (state) {
        case TGameState::BEGIN:
            return "BEGIN";
        case TGameState::BEGIN_FLY:
            return "BEGIN-FLY";
        case TGameState::NORMAL:
            return "NORMAL";
        case TGameState::WIN_1:
            return "WIN-1";
        case TGameState::WIN:
            return "WIN";
        case TGameState::LOSE:
            return "LOSE";
        case TGameState::LOSE_END:
            return "LOSE-END";
    }
    return "";
}

std::ostream& operator<<(std::ostream& out, TGameState state) {
    return out << gameStateName(state);
}

TMainGame::TMainGame() {
    id = "MAIN-GAME";
}

TProfile& TMainGame::profile() const {
    static TProfile blank;
    if (profileManager && profileManager->profile) return *profileManager->profile;
    return blank;
}

bool TMainGame::tutorialGuides() const {
    if (!tutorialPresent || !profile().tutorialOn) return false;
    // Only while a tip of this level is still to come: with none left the level is played freely (its
    // cells would otherwise wait for tips that never come).
    for (const std::string& id : profile().lekcjeTutoriala)
        if (const TTipInfo* t = tutorialIndex.find(id);
            t && t->level != 0 && t->level == profile().numerLevelu)
            return true;
    return false;
}

bool TMainGame::bagOwned() const {
    return profile().unlocked[5] != 0;
}

void TMainGame::setup() {
    hud.setupTexts();
    Gui = loadGui(programPrefix + "gfx/gui/mainGame/game.gui");
    hud.setupImages();
    chest.setup();
    drag.setupImages();
    _setupImages();
    hud.setupFonts();
    drag.setupFonts();
    powerUps.setup();
    TSpecialTip::setup();
}

void TMainGame::_setupImages() {
    for (int i = 0; i < 21; ++i) backFrame[i] = mainGamePicture("frame" + std::to_string(i) + ".png");
    for (int i = 0; i < 5; ++i) gridImg[i] = mainGamePicture("grid-" + std::to_string(i) + ".png", true);
    gradientLeft = mainGamePicture("gradient-left.png");
    gradientUp = mainGamePicture("gradient-up.png");
    divLeft = mainGamePicture("divLeft.png");
    divUp = mainGamePicture("divUp.png");
    backImg = mainGamePicture("back.png");
    hints.setupImages();
}

void TMainGame::setLevel(const std::shared_ptr<TLevel>& newLevel) {
    if (level && level != newLevel && level->host == this) level->host = nullptr;
    level = newLevel;
    level->host = this;
    level->setProperPosition();
    level->InitNumberBack();
    fx.stones.clear();
    tutorialSkipped = false;
    if (level->tutorialLevel && !tutorialGuides()) level->freeFromTutorial();
    useMedalionN = useMieczN = useOkoN = useCzaszkaN = useMapaN = useHintsN = allLivingsN = useLivingsN = 0;
    setState(TGameState::BEGIN);
}

void TMainGame::setHand(TTool tool) {
    lastHand = hand;
    hand = tool;
    if (!mouse) return;
    const std::string s = level ? std::to_string(level->size) : "0";
    switch (tool) {
        case TTool::HAND:
            mouse->setCursor("hand");
            break;
        case TTool::HOOK:
            mouse->setCursor("hook");
            break;
        case TTool::EYE:
            mouse->setCursor("oko-" + s);
            break;
        case TTool::MAP:
            mouse->setCursor("mapa-" + s);
            break;
        case TTool::SKULL:
            mouse->setCursor("czaszka-" + s);
            break;
    }
}

void TMainGame::setProperHand() {
    setHand(lastHand == TTool::HOOK ? TTool::HOOK : TTool::HAND);
}

// ---------------------------------------------------------------- a visit

std::string TMainGame::mainLoop() {
    if (!level) return "MAIN-MENU";
    ResumeMyGame();
    TEkran::mainLoop();
    PauseMyGame();
    return wynik;
}

void TMainGame::afterFrame() {
    _controlGUI();
    _controlKeyBoard();
}

void TMainGame::prepare() {
    _prepareSelf();
    hints.clear();
    hints._prepareHints(*level);
    specialTip = nullptr;
    startOpeningFlight(*level, fx.flyingTiles);
    if (!level->backGroundUrl.empty()) {
        level->background = loadImageOrWarn(programPrefix + level->backGroundUrl);
        level->getBackEffectsByBackground(StripAll(level->backGroundUrl));
    }
    // Backgrounds with trees let leaves fall; "data/backgroundLeaves.dat" names their spawners.
    {
        TRCMFile leaves;
        leafSpawners.clear();
        if (!level->backGroundUrl.empty() && leaves.Load(programPrefix + "data/backgroundLeaves.dat"))
            leafSpawners = readLeafSpawners(leaves, "backgroundLeaves::" + StripAll(level->backGroundUrl));
    }
    for (int i = 0; i < 100; ++i) updateTiming();
    gameTime = MilliSecs() + 1000;
    if (globalSnd) globalSnd->playMySound("begin");
}

void TMainGame::_prepareSelf() {
    profile().checkPowerUpUnlocked();
    powerUps.clear();
    powerUps._preparePowerUpStan();
    fade = 1;
    dFade = 0;
    alpha = dAlpha = 1;
    gridA = dGridA = 0;
    _exit = 0;
    wynik.clear();
    _takeCtrlState();
    level->setNumbersAlpha(0);
    level->hideNumbers();
    numberBacks = 0;
    overTile = clickedTile = nullptr;
    drag.clear();
    level->playMusic();
    FlushMouse();
    if (mouse) mouse->clear();
    fx.captions.clear();
    fx.plates.clear();
    fx.debris.clear();
    fx.particles.clear();
    fx.emitters.clear();
    if (Gui) {
        if (auto skip = Gui->getItem("skip")) {
            const int on = (level->tutorialLevel && tutorialGuides()) ? 1 : 0;
            skip->setState(on, on);
        }
        if (auto bag = Gui->getItem("bonus6")) bag->setState(bagOwned() ? 1 : 0, 0);
    }
    _updateGUI();
}

// Leaving the level: nothing that acts on cells may outlive it, and treasures land where they belong.
void TMainGame::finish() {
    fx.weather.clear();
    saveAll();
    fx.captions.clear();
    if (level) placeAllInChest(*level);
    fx.particles.clear();
    fx.emitters.clear();
    fx.flyingTiles.clear();
    fx.plates.clear();
    fx.stones.clear();
    fx.debris.clear();
    powerUps.clear();
    hints.clear();
    specialTip = nullptr;
    overTile = clickedTile = nullptr;
    drag.clear();
}

// The power-up clocks stand still while the level is not played (menus, the pause, other screens).
void TMainGame::PauseMyGame() {
    profile().pausePowerUps();
}

void TMainGame::ResumeMyGame() {
    profile().ResumePowerUps();
}

void TMainGame::keepGameData() {
    TProfile& p = profile();
    if (!level || p.actLevel != level) return;
    TGameData& d = p.gameData;
    d.useMedalionN = useMedalionN;
    d.useMieczN = useMieczN;
    d.useOkoN = useOkoN;
    d.useCzaszkaN = useCzaszkaN;
    d.useMapaN = useMapaN;
    d.useHintsN = useHintsN;
    d.allLivingsN = allLivingsN;
    d.useLivingsN = useLivingsN;
    d.hintUsed = level->hintUsed;
    d.mnoznik = mnoznik;
}

void TMainGame::takeGameData() {
    const TGameData& d = profile().gameData;
    useMedalionN = d.useMedalionN;
    useMieczN = d.useMieczN;
    useOkoN = d.useOkoN;
    useCzaszkaN = d.useCzaszkaN;
    useMapaN = d.useMapaN;
    useHintsN = d.useHintsN;
    allLivingsN = d.allLivingsN;
    useLivingsN = d.useLivingsN;
    mnoznik = d.mnoznik >= 1 && d.mnoznik < 1000 ? d.mnoznik : 1;
}

// ---------------------------------------------------------------- queries

int TMainGame::getOverUp() const {
    return overTile ? overTile->c : -1;
}

int TMainGame::getOverLeft() const {
    return overTile ? overTile->r : -1;
}

int TMainGame::getOverUp2() const {
    if (drag.tilesyHolded.size() > 1 && drag.firstHoldedTile)
        return drag.isHoldedPionowo() ? drag.firstHoldedTile->c : -1;
    return getOverUp();
}

int TMainGame::getOverLeft2() const {
    if (drag.tilesyHolded.size() > 1 && drag.firstHoldedTile)
        return drag.isHoldedPionowo() ? -1 : drag.firstHoldedTile->r;
    return getOverLeft();
}
