// One clue number beside the grid: its block of cells, when it counts as finished, and how it is drawn.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"
#include "nonogram/Tile.h"
#include "nonogram/TileData.h"

class TLevel;
class TNumberLine;

// The digit pictures per size index and digit, handled at (0, half height): drawn from their left edge,
// vertically centred.
extern std::array<std::array<eng::Image, 10>, TILE_SIZES> numberImg;

// gfx/numbers/<digit>-<size>.png for every size index and digit; a missing picture is reported and
// stays null (it then draws nothing and measures 0).
void loadNumberImages();

// The alpha targets of a number.
constexpr float NUMBER_NORMAL = 1.0f;
constexpr float NUMBER_DONE = 0.3f;        // struck out
constexpr float NUMBER_LINE_DONE = -1.0f;  // its whole line is finished and fades away

class TNumber {
  public:
    TLevel* level = nullptr;                        // not used by the game; the line knows the level
    TNumberLine* myLine = nullptr;                  // owning line
    std::vector<std::shared_ptr<TTile>> tilesLine;  // every cell of the row or column, in grid order
    int myPosition = 0;                             // index in tilesLine of the block's last cell
    int przedemnaSaTezTakieJakJa = 0;               // a number of the same value lies further from the grid
    int zamnaSaTezTakieJakJa = 0;                   // a number of the same value lies nearer the grid
    std::string txt;
    int myValue = 0;  // block length, 0 for an empty line
    TDim dim;         // screen position: the digits are drawn around it
    int v = 0;        // row or column index
    float majorA = 1, dMajorA = 1;
    std::string dir;                             // "HORIZONTAL" (row) or "VERTICAL" (column)
    std::vector<std::shared_ptr<TTile>> tilesy;  // the block's cells; every cell of the line for "0"
    float alpha = 1;
    float dAlpha = NUMBER_NORMAL;
    int size = 0;
    std::shared_ptr<TTile> tile1;  // the cell just before the block, or null at the line's start
    std::shared_ptr<TTile> tile2;  // the cell just after the block, or null at the line's end
    int rowOrCol = 0;
    int zero = 0;
    int ozn = 0;  // the tutorial asks for black digits
    float sc = 1, dsc = 1;
    TNumber* sasiadA = nullptr;  // neighbour further from the grid
    TNumber* sasiadB = nullptr;  // neighbour nearer the grid

    // Digit measures at a size index; k scales the digits. Each digit advances the pen by 0.8 of its
    // picture's width times k.
    static float halfW(int size);
    static void _drawNum(const std::string& txt, float x, float y, int size, float k);
    static float halfNumWidth(const std::string& txt, int size, float k);
    static float numWidth(const std::string& txt, int size, float k);
    static float numHeight(const std::string& txt, int size);

    void _drawCross(float x, float y) const;
    void _drawBack() const {}
    void draw(int highlight) const;

    // Block tests, over the line's cells and their `isCleared`.
    int krancoweCleared() const;
    void updateTilesy2();
    int wszystkieCleared() const;
    void updateTilesy();
    int zmieszczeSiePrzedeMna() const;
    int zmieszczeSiePoMnie() const;
    int JestemOstatni() const;
    int iCanFit(int i) const;
    int nicWiecejSieNieZmiesci(int a) const;
    int nicWiecejSieNieZmiesciPoPrawej(int a) const;
    // May this finished block strike its number now? Always on the casual flow; on the hard flow only
    // when the block cannot belong to another number of the same value.
    int CanBe() const;
    int CanBeLeft() const;
    int CanBeLeft2() const;
    int CanBeRight() const;
    int wszystkieMojegoTypuCzyste() const;
    int wszystkieMojegoTypuWTymRejonieCzyste() const;

    void update();
    // 1 while the mouse is over the drawn digits at digit scale k.
    int over(float k) const;
    // The rectangle the number's digit pictures cover when drawn at scale `k`.
    void drawnBox(float k, float& x, float& y, float& w, float& h) const;
    // Done: struck and faded to 0.3, or faded out with its finished line.
    int cleared() const;
    void setMajorAlpha(float a) { dMajorA = a; }
    void setMajorNAlpha(float a) { majorA = a; }

  private:
    float _digitScale() const;  // sc for one digit, 0.8 x sc for longer numbers
    float _drawX() const;       // left end of the drawn digits
    bool _isHardFlow() const;
};
