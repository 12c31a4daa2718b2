// The clue numbers of one row or column: their shared alpha, neighbours, and the praise for a finished line.
#pragma once

#include <memory>
#include <vector>

#include "nonogram/Number.h"

class TLevel;

class TNumberLine {
  public:
    std::vector<std::shared_ptr<TNumber>> lista;  // nearest the grid first
    int wszystkie = 0;                            // 1 once every number is done
    TLevel* level = nullptr;                      // the level the line belongs to (for the praise)

    float GetLowestX() const;
    float GetLowestY() const;
    // When the line is built or rebuilt: links the numbers to the line and marks blocks already
    // finished (a continued game) as done at once, without praise.
    void check();
    void update();
    void setMajorNAlpha(float a);
    void setMajorAlpha(float a);
    void setDAlpha(float a);
    void setNAlpha(float a);
    std::shared_ptr<TNumber> GetNumberByInd(int i) const;
    void CreeateNeighbors();
    int isEverythingCleared() const;
};
