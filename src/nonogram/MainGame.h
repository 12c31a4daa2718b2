// The screen on which a nonogram level is played: set-up, the opening flight, the tools and drags, the
// play states from "BEGIN" to the win or the burst chest, scoring, time, mistakes, the chest and the bag.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "effects/Particle.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "screen/Ekran.h"

class TProfile;

class TMainGame : public TEkran {
  public:
    eng::Image panel;
    std::string holding;  // "LEFT", "RIGHT" or empty
    std::array<eng::Image, 2> chest;
    eng::Image chestNormal, chestCover, worek, worekPoint, klepsydra, gwiazda, pwrUpBack;
    std::array<eng::Image, 21> backFrame;
    std::array<eng::Image, 5> darker;
    int lastMove = 0;  // 0 after a right move, 1 after a wrong one
    eng::Image shellOver;
    int overHint = 0;
    std::array<eng::Image, 3> rekaImg, hakImg;  // 0 over, 1 click, 2 normal
    int hakOver = 0, handOver = 0;
    int lastHand = 0;
    float gridA = 0, dGridA = 0;
    std::array<eng::Image, 5> gridImg;
    int holdedCounter = 0;
    float dNumberBacks = 0, numberBacks = 0;
    int useMedalionN = 0, useMieczN = 0, useOkoN = 0, useCzaszkaN = 0, useMapaN = 0, useHintsN = 0,
        allLivingsN = 0, useLivingsN = 0;
    eng::ImageFont timeFont, dimFont, scoreFont, hintFont, mistFont, levelFont, mnoznikFont, debugFont;
    std::array<eng::ImageFont, 5> numFont;
    std::shared_ptr<TLevel> level;
    int64_t gameTime = 0;  // time of the next one-second tick
    std::array<TDim, 19> chestDim;
    int maxKamieni = 3;
    float worekAdY = 0, dWorekAdY = 0;
    int64_t loseTime = 0;
    std::array<eng::Image, 19> chestFallImg;
    TParticleList particleSkarbu;  // the sparkles of the treasures lying in the chest
    int64_t efektTime = 0;
    std::string state;  // play state, upper case
    std::shared_ptr<TTile> overTile, clickedTile, toDraw;
    std::vector<std::shared_ptr<TTile>> tilesyHolded;
    std::shared_ptr<TTile> startTile;
    int showWorek = 1;
    int hand = 0;  // 0 hand, 1 hook, 4 eye, 5 map, 6 skull
    float mnoznik = 1;
    std::string txtDim, txtX, txtLevel, txtHints, txtMist;
    eng::Image gradientLeft, gradientUp, divLeft, divUp, backImg, normalScarab;
    std::shared_ptr<TTile> lastHoldedTile, firstHoldedTile;
    float mistakeSpecA = 0, dMistakeSpecA = 1;
    int isControlHolded = 0;

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
    void setState(const std::string& name);
    void setHand(int tool);
    void setProperHand();
    void PauseMyGame() override;
    void ResumeMyGame() override;

    // Column / row of the cell under the mouse, or -1.
    int getOverUp() const;
    int getOverLeft() const;
    // While a drag of more than one cell runs, its column or row; otherwise as above.
    int getOverUp2() const;
    int getOverLeft2() const;
    int isHoldedPionowo() const;

    // Drags: a straight line of cells from the start cell, applied on release.
    void holdOn(const std::shared_ptr<TTile>& tile);
    void holdOffLeft();
    void holdOffRight();
    // A release now uncovers (true) or breaks: the left button applies the current tool, the right one
    // the other tool.
    bool releaseUncovers() const { return (holding == "LEFT") == (hand == 0); }
    void WIN();
    void LOSE();

    // Scoring, time, mistakes and the bag.
    void addScore(float points, float x, float y);
    void addMultiplier(float f) { mnoznik += f; }
    virtual void wyslijKamien(TTile& tile);
    void uszkodzSkrzynie();
    int kamieniWWorkuNieDosc() const;
    void checkWorek();
    void restartWorek();
    void stoneInBag();
    float getChestFrame() const;
    float bagX() const;
    float getWorekY() const;
    std::string getScoreString() const;
    static std::string getTimeString(int seconds);
    std::string getMnoznikString() const;
    void _updateTime();

    // Tutorial tips and power-up hints: answered once the tutorial and the power-ups exist.
    virtual void showTipToBroke(TTile& tile);
    virtual void showTipToUncover(TTile& tile);
    virtual int isHintUnloaded() const;
    virtual bool getFreeHintDim(TDim& out) const;
    virtual void startFlyingHint(TTile& tile, const TDim& slot);
    void useBonus(int kind);

    // The active profile (a blank one stands in while no player is chosen).
    TProfile& profile() const;

  private:
    void _prepareSelf();
    void _setupDims();
    void _setupFonts();
    void _setupImages();
    void _updateState();
    void _updateHand();
    void _updateTilesPlay();
    void _cancelDrag();
    void _updateHandPick();
    void _updateWorek();
    void _updateEfekty();
    void _updateGUI();
    void _controlGUI();
    void _controlKeyBoard();
    void goMenu();
    void goSkipTutorial();
    void _drawBack();
    void _drawLevel();
    void _drawGridSteps();
    void _drawGrid();
    void _drawNumbersBack();
    void _drawNumberFrames();
    void _drawHoldedTiles();
    void _drawPanel();
    void _drawScore();
    void _drawTime();
    void _drawChestBack();
    void _drawChestFront();
    void _drawWorek();
    void _drawCover();
    void _drawMistakes();
    void _drawTextShadowed(const std::string& text, float cx, float cy, const eng::ImageFont& font,
                           int shadow) const;
    bool _bagOwned() const;
    bool dragCancelled_ = false;  // a drag was cancelled and a button is still down
};

extern std::shared_ptr<TMainGame> mainGame;
