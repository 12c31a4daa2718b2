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
class TLevelHost;

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
    std::string url;  // the file the level was read from
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
    TLevelHost* host =
        nullptr;  // the screen playing the level: its cells, numbers and treasures report to it

    ~TLevel();

    void freeFromTutorial();
    float GetLowestNumbersX() const;
    float GetLowestNumbersY() const;
    void InitNumberBack();
    void playMusic();
    void drawStripes();
    void drawBack();
    void drawNumbers();
    void drawDebug();
    void drawTiles();
    void drawOver(const TTile* t);
    void drawOverOko(const TTile* t);
    void drawOverCzacha(const TTile* t);
    void drawOverMapa(const TTile* t);
    void getBackEffectsByBackground(const std::string& name);
    TDim getCentralDim() const;
    int getGridXCenter() const;
    void setPosition(float x, float y);
    void setProperPosition();
    void setHideTile(const std::shared_ptr<TTileHideGFX>& hide);
    int rowClear(int r) const;
    int colClear(int c) const;
    void updateBack();
    std::shared_ptr<TTile> updateOver();
    void updateTiles();
    // Clue numbers.
    void updateNumbers();
    void setNumbersAlpha(float a);
    void hideNumbers();
    void showNumbers();
    void setGlobalAlpha(float a);
    std::vector<std::shared_ptr<TNumber>> createNumbersHLine(int r);
    std::vector<std::shared_ptr<TNumber>> createNumbersVLine(int c);
    void createHorizontalNumbers();
    void createVerticalNumbers();
    void createNumbersNeighbors();
    void createNumbers();
    void countNumbersHList();
    void countNumbersVList();
    void countNumbersDims();
    // Geometry.
    void countWidthAndHeightWithNumbers();
    void countWidthAndHeight();
    void createTilesTab();
    void generateMapa(int r, int c);
    void generateOko(int c);
    void generateCzaszka(int r);
    void init();
    int checkCompleted() const;
    void turnOffAll();
    void turnOnAll();

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
