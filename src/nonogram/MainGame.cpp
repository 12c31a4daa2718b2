// The main game screen: set-up, taking a level, the opening flight, the frame loop and the queries the
// cells and clue numbers ask.
#include "nonogram/MainGame.h"

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "effects/Emitter.h"
#include "effects/Particle.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "nonogram/Caption.h"
#include "nonogram/Debris.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Plate.h"
#include "nonogram/Stone.h"
#include "progress/ProfileManager.h"
#include "progress/SaveAll.h"
#include "screen/FrameServices.h"

using namespace eng;

std::shared_ptr<TMainGame> mainGame;

namespace {

const std::string kDir = "gfx/gui/mainGame/";

Image picture(const std::string& name, bool mid = false, int flags = -1) {
    Image img = loadImageOrWarn(programPrefix + kDir + name, flags);
    if (img && mid) MidHandleImage(img);
    return img;
}

Image strip(const std::string& name, int w, int h, int frames) {
    Pixmap pix = LoadPixmap(programPrefix + kDir + name);
    if (!pix) {
        Notify("Couldn't load image file: " + programPrefix + kDir + name, false);
        return nullptr;
    }
    return LoadAnimImage(pix, w, h, 0, frames);
}

// The top-left corners of the 19 pieces the chest bursts into.
constexpr int kChestPieces[19][2] = {{874, 506}, {851, 517}, {859, 486}, {890, 500}, {901, 483},
                                     {921, 507}, {948, 502}, {934, 484}, {893, 476}, {853, 460},
                                     {903, 464}, {941, 467}, {955, 419}, {909, 416}, {822, 461},
                                     {825, 504}, {823, 451}, {846, 414}, {871, 414}};

}  // namespace

TMainGame::TMainGame() {
    id = "MAIN-GAME";
}

TProfile& TMainGame::profile() const {
    static TProfile blank;
    if (profileManager && profileManager->profile) return *profileManager->profile;
    return blank;
}

void TMainGame::setup() {
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/mainGame.txt");
    txtDim = getLine(texts, 1);
    txtX = getLine(texts, 2);
    txtLevel.clear();
    txtHints = getLine(texts, 5);
    txtMist = getLine(texts, 6);
    Gui = loadGui(programPrefix + kDir + "game.gui");
    _setupImages();
    _setupDims();
    _setupFonts();
}

void TMainGame::_setupImages() {
    panel = picture("gui.png");
    chest[0] = strip("chest-back.png", 167, 144, 6);
    chest[1] = strip("chest-front.png", 166, 90, 6);
    chestNormal = picture("chest.pnt");
    chestCover = picture("chest-cover.png");
    worek = picture("worek.png", true, FILTEREDIMAGE | MIPMAPPEDIMAGE);
    worekPoint = picture("punkt.png", true);
    klepsydra = picture("klepsydra.png");
    gwiazda = picture("gwiazda.png", true);
    pwrUpBack = picture("ramka-powerup.png");
    for (int i = 0; i < 21; ++i) backFrame[i] = picture("frame" + std::to_string(i) + ".png");
    for (int i = 0; i < 5; ++i) {
        darker[i] = picture("darker" + std::to_string(i) + ".png", true);
        gridImg[i] = picture("grid-" + std::to_string(i) + ".png", true);
    }
    shellOver = picture("shell-over.png");
    if (shellOver) SetImageHandle(shellOver, ImageWidth(shellOver) / 2 + 2, ImageHeight(shellOver) / 2 + 2);
    const char* states[3] = {"over", "click", "normal"};
    for (int i = 0; i < 3; ++i) {
        rekaImg[i] = picture(std::string("reka-") + states[i] + ".png", true);
        hakImg[i] = picture(std::string("hak-") + states[i] + ".png", true);
    }
    gradientLeft = picture("gradient-left.png");
    gradientUp = picture("gradient-up.png");
    divLeft = picture("divLeft.png");
    divUp = picture("divUp.png");
    backImg = picture("back.png");
    normalScarab = picture("scarabNormal.png", true);
    for (int i = 0; i < 19; ++i) {
        chestFallImg[i] = loadImageOrWarn(programPrefix + "gfx/particles/chest/" + "part-" +
                                          std::to_string(i + 1) + ".png");
        if (chestFallImg[i]) MidHandleImage(chestFallImg[i]);
    }
}

// The chest pieces' centres: where stones hit the chest and where the pieces fly from.
void TMainGame::_setupDims() {
    for (int i = 0; i < 19; ++i) {
        const Image& img = chestFallImg[i];
        chestDim[i].x = kChestPieces[i][0] + (img ? ImageWidth(img) / 2 : 0);
        chestDim[i].y = kChestPieces[i][1] + (img ? ImageHeight(img) / 2 : 0);
    }
}

void TMainGame::_setupFonts() {
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    const std::string font = programPrefix + "gfx/fonts/font.ttf";
    timeFont = getFont(berry, 30);
    dimFont = getFont(font, 26);
    scoreFont = getFont(berry, 26);
    levelFont = getFont(berry, 20);
    const int sizes[5] = {26, 22, 18, 16, 14};
    for (int i = 0; i < 5; ++i) numFont[i] = getFont(font, sizes[i]);
    hintFont = mistFont = mnoznikFont = getFont(berry, 16);
    debugFont = getFont(font, 12);
}

void TMainGame::setLevel(const std::shared_ptr<TLevel>& newLevel) {
    level = newLevel;
    level->setProperPosition();
    level->InitNumberBack();
    clearStones();
    if (level->tutorialLevel && !profile().tutorialOn) level->freeFromTutorial();
    useMedalionN = useMieczN = useOkoN = useCzaszkaN = useMapaN = useHintsN = allLivingsN = useLivingsN = 0;
    setState("BEGIN");
}

void TMainGame::setState(const std::string& name) {
    state = Upper(name);
}

void TMainGame::setHand(int tool) {
    lastHand = hand;
    hand = tool;
    if (!mouse) return;
    if (tool == 0) mouse->setCursor("hand");
    if (tool == 1) mouse->setCursor("hook");
    const std::string s = level ? std::to_string(level->size) : "0";
    if (tool == 4) mouse->setCursor("oko-" + s);
    if (tool == 5) mouse->setCursor("mapa-" + s);
    if (tool == 6) mouse->setCursor("czaszka-" + s);
}

void TMainGame::setProperHand() {
    setHand(lastHand == 1 ? 1 : 0);
}

// ---------------------------------------------------------------- the loop

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
    startOpeningFlight(*level);
    if (!level->backGroundUrl.empty()) {
        level->background = loadImageOrWarn(programPrefix + level->backGroundUrl);
        level->getBackEffectsByBackground(StripAll(level->backGroundUrl));
    }
    for (int i = 0; i < 100; ++i) updateTiming();
    gameTime = MilliSecs() + 1000;
    if (globalSnd) globalSnd->playMySound("begin");
}

void TMainGame::_prepareSelf() {
    fade = 1;
    dFade = 0;
    alpha = dAlpha = 1;
    gridA = dGridA = 0;
    _exit = 0;
    wynik.clear();
    setHand(0);
    level->setNumbersAlpha(0);
    level->hideNumbers();
    numberBacks = 0;
    overTile = clickedTile = toDraw = startTile = nullptr;
    firstHoldedTile = lastHoldedTile = nullptr;
    tilesyHolded.clear();
    holding.clear();
    level->playMusic();
    FlushMouse();
    if (mouse) mouse->clear();
    clearCaptions();
    clearPlates();
    clearDebris();
    clearParticles();
    emitterList.clear();
    if (Gui) {
        if (auto skip = Gui->getItem("skip")) {
            const int on = (level->tutorialLevel && profile().tutorialOn) ? 1 : 0;
            skip->setState(on, on);
        }
        if (auto bag = Gui->getItem("bonus6")) bag->setState(_bagOwned() ? 1 : 0, 0);
    }
    _updateGUI();
}

// Leaving the level: nothing that acts on cells may outlive it, and treasures land where they belong.
void TMainGame::finish() {
    saveAll();
    clearCaptions();
    if (level) placeAllInChest(*level);
    clearParticles();
    emitterList.clear();
    clearFlyingTiles();
    clearPlates();
    clearStones();
    clearDebris();
    overTile = clickedTile = toDraw = startTile = nullptr;
    tilesyHolded.clear();
}

void TMainGame::PauseMyGame() {
    TProfile& p = profile();
    if (p.paused) return;
    p.paused = 1;
    p.powerUpsPomTime = MilliSecs();
}

void TMainGame::ResumeMyGame() {
    TProfile& p = profile();
    if (!p.paused) return;
    const int64_t away = MilliSecs() - p.powerUpsPomTime;
    for (auto& start : p.czas)
        if (start) start += away;  // the recharge clocks stood still while the level was away
    p.paused = 0;
}

// ---------------------------------------------------------------- queries

int TMainGame::getOverUp() const {
    return overTile ? overTile->c : -1;
}

int TMainGame::getOverLeft() const {
    return overTile ? overTile->r : -1;
}

int TMainGame::isHoldedPionowo() const {
    return (firstHoldedTile && lastHoldedTile && firstHoldedTile->r != lastHoldedTile->r) ? 1 : 0;
}

int TMainGame::getOverUp2() const {
    if (tilesyHolded.size() > 1 && firstHoldedTile) return isHoldedPionowo() ? firstHoldedTile->c : -1;
    return getOverUp();
}

int TMainGame::getOverLeft2() const {
    if (tilesyHolded.size() > 1 && firstHoldedTile) return isHoldedPionowo() ? -1 : firstHoldedTile->r;
    return getOverLeft();
}

bool TMainGame::_bagOwned() const {
    return profile().unlocked[5] != 0;
}

// ---------------------------------------------------------------- help still to come

// The tutorial's tool tips appear with the tutorial.
void TMainGame::showTipToBroke(TTile&) {}
void TMainGame::showTipToUncover(TTile&) {}
// Hint slots arrive with the power-ups; until then no slot waits to be loaded.
int TMainGame::isHintUnloaded() const {
    return 0;
}
bool TMainGame::getFreeHintDim(TDim&) const {
    return false;
}
void TMainGame::startFlyingHint(TTile&, const TDim&) {}
// Power-up buttons are shown only when unlocked, and nothing unlocks them before the power-ups exist.
void TMainGame::useBonus(int) {}
