// A nonogram level: the grid of cells, its clue numbers, counters, collected treasures and geometry.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"
#include "nonogram/Tile.h"

class TNumber;
class TNumberLine;
class TFlyingTresure;

class TLevel {
  public:
    std::vector<std::shared_ptr<void>> livings;  // kept empty by the nonogram game
    std::vector<std::shared_ptr<void>> Availablelivings;
    int maxMistakes = 0;
    std::string musicId;
    int byloZwierzatko = 0;
    int rozbitoZwierzatko = 0;
    std::vector<std::shared_ptr<TFlyingTresure>> flyingTresures;
    int livingsCount = 0;
    std::vector<std::shared_ptr<TNumberLine>> numbersHList;  // one per row
    std::vector<std::shared_ptr<TNumberLine>> numbersVList;  // one per column
    float stx = 0, sty = 0;
    float pointX = 0, pointY = 0;
    float lx = 0, ly = 0;
    float width = 0, height = 0;
    float moveW = 0, moveH = 0;
    std::array<int, 4> hintUsed{};
    eng::Image background;
    std::string backGroundUrl;
    int czas = 0;
    int stripes = 0;
    std::vector<std::shared_ptr<void>> stripesList;
    int banki = 0;
    int rows = 0, cols = 0;
    std::vector<std::vector<std::shared_ptr<TTile>>> tile;  // [row][col]
    int size = 0;
    int score = 0;
    int levelCompleted = 0;
    int tutorialLevel = 0;
    int addedMistakes = 0;
    int leftX = 0, leftY = 0, leftW = 0, leftH = 0;
    int upX = 0, upY = 0, upW = 0, upH = 0;
    int podzialkiX = 0, podzialkiY = 0;
    int singleW = 0, singleH = 0;

    virtual ~TLevel();

    virtual void freeFromTutorial();
    virtual float GetLowestNumbersX() const;
    virtual float GetLowestNumbersY() const;
    virtual void InitNumberBack();
    virtual void playMusic();
    virtual void drawStripes();
    virtual void drawBack();
    virtual void drawNumbers();
    virtual void drawDebug();
    virtual void drawTiles();
    virtual void drawOver(const TTile* t);
    virtual void drawOverOko(const TTile* t);
    virtual void drawOverCzacha(const TTile* t);
    virtual void drawOverMapa(const TTile* t);
    virtual void getBackEffectsByBackground(const std::string& name);
    virtual TDim getCentralDim() const;
    virtual int getGridXCenter() const;
    virtual void setPosition(float x, float y);
    virtual void setProperPosition();
    virtual void setHideTile(const std::shared_ptr<TTileHideGFX>& hide);
    virtual int rowClear(int r) const;
    virtual int colClear(int c) const;
    virtual void updateBack();
    virtual std::shared_ptr<TTile> updateOver();
    virtual void updateTiles();
    // Clue numbers.
    virtual void updateNumbers();
    virtual void setNumbersAlpha(float a);
    virtual void hideNumbers();
    virtual void showNumbers();
    virtual void setGlobalAlpha(float a);
    virtual std::vector<std::shared_ptr<TNumber>> createNumbersHLine(int r);
    virtual std::vector<std::shared_ptr<TNumber>> createNumbersVLine(int c);
    virtual void createHorizontalNumbers();
    virtual void createVerticalNumbers();
    virtual void createNumbersNeighbors();
    virtual void createNumbers();
    virtual void countNumbersHList();
    virtual void countNumbersVList();
    virtual void countNumbersDims();
    // Geometry.
    virtual void countWidthAndHeightWithNumbers();
    virtual void countWidthAndHeight();
    virtual void createTilesTab();
    virtual void generateMapa(int r, int c);
    virtual void generateOko(int c);
    virtual void generateCzaszka(int r);
    virtual void init();
    virtual int checkCompleted() const;
    virtual void turnOffAll();
    virtual void turnOnAll();

    // The cell at (row, col), or null outside the grid.
    std::shared_ptr<TTile> tileAt(int row, int col) const;
};

// Reads a level file. randomTreasures 1: a fresh level, every picture cell gets a random treasure;
// 0: a saved level, treasures from the file. A missing or malformed file is reported and gives null.
std::shared_ptr<TLevel> loadLevel(const std::string& path, int randomTreasures);
// Writes the level; blankState 1 writes every cell as fresh. False when the file cannot be written.
bool saveLevel(const TLevel& level, const std::string& path, int blankState);

// Block-line style index of a row or column count: 5->0, 10->1, 15->2, 20->3, 25->4, else 0.
int blockStyleIndex(int count);
