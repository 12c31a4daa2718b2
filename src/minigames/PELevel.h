// A chest puzzle level: the field of sockets on the lid, the blocks and the object hidden in the chest,
// read from and written to its data file, and the rules for putting a block on the field.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "minigames/Block.h"
#include "progress/FlowLevel.h"

class TRCMFile;

class TPETile {
  public:
    int spot = 0;                // non-zero: a socket of the pattern that must be covered
    TBlock* wskaznik = nullptr;  // the block covering it
    float x = 0, y = 0;          // centre on the screen
    int r = 0, c = 0;
};

class TPEObj {
  public:
    eng::Image img;  // mid-handled; null leaves the chest empty
    std::string url;
    float x = 0, y = 0, rot = 0, scale = 1;
    int nameN = 0;  // its name's line in the object names, 0: none
    std::string name;
};

class TPELevel : public TFlowLevel {
  public:
    // What a level file may hold, far above the shipped levels (fields up to 4 x 5, four blocks): more is a
    // damaged file.
    static constexpr int kMaxSide = 40;
    static constexpr int kMaxBlocks = 100;

    TPEObj PEObj;
    eng::Image backGround;
    std::string backUrl;
    float x = 0, y = 0;                      // the board
    float p = 0;                             // the board's rise
    std::vector<std::vector<TPETile>> tile;  // [row][col]
    float alpha = 0, dAlpha = 0;             // field and blocks
    int rows = 0, cols = 0;
    std::vector<std::unique_ptr<TBlock>> blocks;  // drawing order: the last on top
    int time = 0;                                 // seconds played
    std::string title;
    int titleN = 0;

    TPELevel() = default;
    TPELevel(const TPELevel&) = delete;  // the field points at the blocks
    TPELevel& operator=(const TPELevel&) = delete;

    bool saveProgress(const std::string& path) const override;
    // Places the board and lays out the field's cell centres.
    void setPosition(float bx, float by);
    // The first cell whose centre lies nearer than 20 pixels, or null.
    TPETile* getRCFromXY(float px, float py);
    // Puts the block on free sockets under all its tiles (snapping it onto their centres); false, and
    // nothing changes, when one of its tiles is not over a free socket or the shape has no tiles.
    bool checkPut(TBlock& block);
    // Frees the sockets the block (or one with its id) covers.
    void cleanTileFromBlock(TBlock& block);
    // Moves the block to the top of the pile.
    void toTop(TBlock& block);
    // Every socket is covered.
    bool allCovered() const;
};

// The field's size from a level file ("PELevel::dims"); false when it is not 1 to kMaxSide a side.
bool readPEDims(const TRCMFile& file, int& rows, int& cols);
// Reads a level file. Blocks of unknown shapes are dropped (with a message) and block ids are made unique.
// Null, with a message, for a file that cannot be played: missing, not a chest puzzle, a field or a list of
// blocks beyond the caps, no block left or no socket to cover.
std::shared_ptr<TPELevel> loadPELevel(const std::string& path);
// Writes the level as it stands now (blocks at the angle they are turning to).
bool savePELevel(const TPELevel& level, const std::string& path);
