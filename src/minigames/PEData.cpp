// Reading the chest puzzle's tile kinds and block shapes; the pivot and polar tables of a shape.
#include "minigames/PEData.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "minigames/MiniGame.h"

using namespace eng;

TPEData peData;

namespace {
// Far above the shipped tables (a handful of tile kinds, eleven shapes of at most 2 x 4 cells).
constexpr int kMaxKinds = 200;
constexpr int kMaxShapeSide = 8;

// The length of a table's list, reading at most kMaxKinds of it.
int tableLength(const TRCMFile& file, const std::string& countKey, const std::string& base) {
    const int n = countItems(file, base, 1, readInt(file, countKey));
    if (n > kMaxKinds)
        Warn(file._path + ": only the first " + std::to_string(kMaxKinds) + " items of \"" + base +
             "\" are read");
    return std::min(n, kMaxKinds);
}
}  // namespace

void TBlockData::computePolar(int w, int h) {
    xo = static_cast<float>((w * cols - w / 2) / 2);
    yo = static_cast<float>((h * rows - h / 2) / 2);
    katTab.assign(rows, std::vector<float>(cols));
    odlTab.assign(rows, std::vector<float>(cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const float dx = xo - static_cast<float>(w * c), dy = yo - static_cast<float>(h * r);
            odlTab[r][c] = std::sqrt(dx * dx + dy * dy);
            katTab[r][c] = static_cast<float>(std::atan2(dy, dx) * 180.0 / M_PI);
        }
}

bool TBlockData::empty() const {
    for (const auto& row : tab)
        for (const TPETileData* t : row)
            if (t) return false;
    return true;
}

void TPEData::load(bool pictures) {
    peTilesData.clear();
    blocksData.clear();
    if (pictures) {
        peTileImage = miniPicture("gfx/miniGames/puzzleExpress/tile.png", true);
        if (peTileImage) {
            W = ImageWidth(peTileImage);
            H = ImageHeight(peTileImage);
        }
    }
    TRCMFile tiles;
    const std::string tilesPath = programPrefix + "data/puzzleExpress-tiles.dat";
    if (!tiles.Load(tilesPath)) Warn("cannot read " + tilesPath + "; the chest puzzles have no tiles");
    const int n = tableLength(tiles, "peTiles::i", "peTiles::petile");
    for (int i = 1; i <= n; ++i) {
        const std::string base = "peTiles::petile" + std::to_string(i) + "::";
        auto t = std::make_unique<TPETileData>();
        t->id = readInt(tiles, base + "id");
        if (pictures) t->img = miniPicture(tiles.getString(base + "img"), true);
        peTilesData.push_back(std::move(t));
    }
    TRCMFile blocks;
    const std::string blocksPath = programPrefix + "data/puzzleExpress-blocks.dat";
    if (!blocks.Load(blocksPath)) Warn("cannot read " + blocksPath + "; the chest puzzles have no blocks");
    const int m = tableLength(blocks, "blocks::i", "blocks::block");
    for (int i = 1; i <= m; ++i) {
        const std::string base = "blocks::block" + std::to_string(i) + "::";
        auto b = std::make_unique<TBlockData>();
        b->id = readInt(blocks, base + "id");
        b->rows = readInt(blocks, base + "tabDim", 0);
        b->cols = readInt(blocks, base + "tabDim", 1);
        if (b->rows < 0 || b->cols < 0 || b->rows > kMaxShapeSide || b->cols > kMaxShapeSide) {
            Warn(blocksPath + ": the shape " + std::to_string(b->id) + " is " + std::to_string(b->rows) +
                 " x " + std::to_string(b->cols) + " (at most " + std::to_string(kMaxShapeSide) +
                 " a side) and is left out");
            continue;
        }
        b->tab.assign(b->rows, std::vector<const TPETileData*>(b->cols, nullptr));
        for (int r = 0; r < b->rows; ++r)
            for (int c = 0; c < b->cols; ++c)
                b->tab[r][c] = getPETileDataById(readInt(blocks, base + "tab" + std::to_string(r), c));
        if (b->empty()) Warn(blocksPath + ": the shape " + std::to_string(b->id) + " has no cells");
        b->computePolar(W, H);
        blocksData.push_back(std::move(b));
    }
}

const TPETileData* TPEData::getPETileDataById(int id) const {
    for (const auto& t : peTilesData)
        if (t->id == id) return t.get();
    return nullptr;
}

const TBlockData* TPEData::getBlockDataById(int id) const {
    for (const auto& b : blocksData)
        if (b->id == id) return b.get();
    return nullptr;
}
