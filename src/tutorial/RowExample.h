// A row example of the tutorial: patterns of a grid row shown one after another, with curved arrows from the
// row's clue numbers to the blocks they stand for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TLevel;

class TPosibility {
  public:
    std::string rowOrCol = "ROW";
    int n = 0;                     // the grid row
    int interwal = 0;              // ms a pattern stays
    std::vector<std::string> pos;  // one pattern per step, "0" or "1" per column
    int64_t time = 0;              // when the next step begins
    int actPos = 0;
    std::string arrowTyp;  // "2_AND_1_ROW" or "3_ROW"

    TPosibility(int row, std::string type, int interval, std::vector<std::string> patterns);
    // Moves to the next pattern when its time has come; true once every pattern has been shown.
    bool update();
    // The current pattern as possibility marks on the row's cells (those not lit up), then its arrows.
    void draw(const TLevel& level) const;
};
