// The screen on which a nonogram level is played: set-up, the opening flight, the tools, the play states
// from BEGIN to the win or the burst chest, scoring and time; the chest, the drag and the head-up display
// are its parts, and the level's cells, numbers and stones report to it as their host.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Engine.h"
#include "nonogram/Chest.h"
#include "nonogram/Drag.h"
#include "nonogram/Hints.h"
#include "nonogram/Hud.h"
#include "nonogram/Level.h"
#include "nonogram/LevelHost.h"
#include "nonogram/PlayEffects.h"
#include "nonogram/PowerUps.h"
#include "nonogram/SpecialTip.h"
#include "screen/Ekran.h"

class TProfile;

// BEGIN: faded in, waiting; BEGIN_FLY: the cells fly in; NORMAL: play; WIN_1: the picture is finished and its
// caption shows; WIN: the level is won; LOSE: the chest has burst, its pieces and treasures fall; LOSE_END:
// the level is lost.
enum class TGameState { BEGIN, BEGIN_FLY, NORMAL, WIN_1, WIN, LOSE, LOSE_END };
const char* gameStateName(TGameState state);  // "BEGIN-FLY", "WIN-1" ...
std::ostream& operator<<(std::ostream& out, TGameState state);

class TMainGame : public TEkran, public TLevelHost {
  public:
    std::shared_ptr<TLevel> level;
    TGameState state = TGameState::BEGIN;
    TTool hand = TTool::HAND;
    TTool lastHand = TTool::HAND;                    // the tool before the last setHand
    float mnoznik = 1;                               // score multiplier
    int64_t gameTime = 0;                            // time of the next one-second tick
    std::weak_ptr<class TTextCaption> runningPopup;  // the score popup that the next points may join
    int64_t runningPopupTime = 0;                    // when points last joined it
    std::shared_ptr<TTile> overTile, clickedTile;    // under the mouse; under it when a button went down
    float gridA = 0, dGridA = 0;                     // the grid's alpha and its target
    float numberBacks = 0, dNumberBacks = 0;         // the number panels' alpha and its target
    int isControlHolded = 0;                         // the left Ctrl key swaps the hand and the hook
    int useMedalionN = 0, useMieczN = 0, useOkoN = 0, useCzaszkaN = 0, useMapaN = 0, useHintsN = 0,
        allLivingsN = 0, useLivingsN = 0;  // per-level use counters of the power-ups and hints

    // The grid and number panels' pictures.
    std::array<eng::Image, 21> backFrame;
    std::array<eng::Image, 5> gridImg;
    eng::Image gradientLeft, gradientUp, divLeft, divUp, backImg;

    // The parts of the screen and the effects it owns.
    THud hud{*this};
    TChest chest{*this};
    TDrag drag;
    TPlayEffects fx;
    std::vector<TDim> leafSpawners;  // where leaves fall over this level's background
    TPowerUps powerUps{*this};
    THints hints{*this};
    std::shared_ptr<TSpecialTip> specialTip;  // the tip balloon on screen, or null
    bool particlesOnTop = false;              // an overlay (the win screen) draws the particles over itself

    TMainGame();

    void setup() override;
    void setLevel(const std::shared_ptr<TLevel>& newLevel);
    // No level to play answers the title screen.
    std::string mainLoop() override;
    void prepare() override;
    void finish() override;
    // The level is left once the screen has faded to black (or _exit is set).
    bool finished() const override { return (fade == 1 && dFade == 1) || _exit; }
    void afterFrame() override;
    void update() override;
    void draw() override;
    void setState(TGameState next) { state = next; }
    void setHand(TTool tool);
    void setProperHand();
    void PauseMyGame() override;
    void ResumeMyGame() override;

    // Column / row of the cell under the mouse, or -1.
    int getOverUp() const;
    int getOverLeft() const;
    // While a drag of more than one cell runs, its column or row; otherwise as above.
    int getOverUp2() const override;
    int getOverLeft2() const override;

    void WIN();
    void LOSE();
    bool won() const { return state == TGameState::WIN_1 || state == TGameState::WIN; }
    bool lost() const { return state == TGameState::LOSE || state == TGameState::LOSE_END; }

    // Scoring and time.
    void addScore(float points, float x, float y) override;
    void addMultiplier(float f) { mnoznik += f; }
    std::string getScoreString() const;
    static std::string getTimeString(int seconds);
    std::string getMnoznikString() const;
    void _updateTime();

    // What the level's cells, numbers and stones ask.
    TPlayEffects& effects() override { return fx; }
    const TTile* getOverTile() const override { return overTile.get(); }
    TTool tool() const override { return hand; }
    int lastMove() const override { return lastMove_; }
    void setLastMove(int move) override { lastMove_ = move; }
    void wyslijKamien(TTile& tile) override { chest.wyslijKamien(tile); }
    void showNumberBacks(int on) override { dNumberBacks = static_cast<float>(on); }
    float bagX() const override { return chest.bagX(); }
    float getWorekY() const override { return chest.getWorekY(); }
    void stoneInBag() override { chest.stoneInBag(); }
    void uszkodzSkrzynie() override { chest.uszkodzSkrzynie(); }
    void showTipToBroke(TTile& tile) override { specialTip = openSpecialTip(tile, 1); }
    void showTipToUncover(TTile& tile) override { specialTip = openSpecialTip(tile, 0); }
    void chargeHint(TTile& tile) override { hints.chargeFrom(tile); }
    void useBonus(int kind) { powerUps.useBonus(kind); }

    // The counters of the level in progress go to the active profile when it plays this level, and come back
    // from it when the level is resumed.
    void keepGameData();
    void takeGameData();

    // Set once the tutorial's tips are loaded. Without them a tutorial level is played like any other: its
    // cells are free and there is no tutorial to skip.
    static inline bool tutorialPresent = false;
    // The tutorial leads the level: it exists, the player has not turned it off, and a tip of this level is
    // still pending.
    bool tutorialGuides() const;

    // The active profile (a blank one stands in while no player is chosen).
    TProfile& profile() const;
    bool bagOwned() const;

  private:
    int lastMove_ = 0;  // 0 after a right move, 1 after a wrong one

    void _prepareSelf();
    void _setupImages();
    void _updateState();
    void _updateHand();
    void _updateTilesPlay();
    void _takeCtrlState();
    void _cancelDrag();
    void _updateGUI();
    void _updateSpecialTip();
    void _runLoseScreen();
    void _controlGUI();
    void _controlKeyBoard();
    void goMenu();
    void goSkipTutorial();
    bool tutorialSkipped = false;  // this level has been freed from the tutorial
    void _drawBack();
    void _drawLevel();
    void _drawGridSteps();
    void _drawGrid();
    void _drawNumbersBack();
    void _drawNumberFrames();
};

extern std::shared_ptr<TMainGame> mainGame;
