// Small levels built in memory from a picture ('#' picture cell, '.' empty cell), without content files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/TileData.h"

namespace fixture {

inline std::shared_ptr<TTileData> kind(int id) {
    auto d = std::make_shared<TTileData>();
    d->id = id;
    d->frames = 1;
    return d;
}

inline std::shared_ptr<TTileHideGFX> cover(float frames = 12) {
    auto h = std::make_shared<TTileHideGFX>();
    h->id = 1;
    h->hideFrames = frames;
    return h;
}

// The level's cells carry kinds 1 ('#') and 0 ('.') and a 12-frame cover; numbers are built unless
// told otherwise. Rows must be equally long.
inline std::shared_ptr<TLevel> pictureLevel(const std::vector<std::string>& picture, int size = 0,
                                            bool numbers = true) {
    auto level = std::make_shared<TLevel>();
    level->rows = static_cast<int>(picture.size());
    level->cols = picture.empty() ? 0 : static_cast<int>(picture[0].size());
    level->size = size;
    level->maxMistakes = 1;
    level->podzialkiX = blockStyleIndex(level->rows);
    level->podzialkiY = blockStyleIndex(level->cols);
    level->createTilesTab();
    auto on = kind(1), off = kind(0);
    auto hide = cover();
    for (int r = 0; r < level->rows; ++r)
        for (int c = 0; c < level->cols; ++c) {
            level->tile[r][c]->setTileData(picture[r][c] == '#' ? on : off);
            level->tile[r][c]->setTileHideData(hide);
        }
    if (numbers) level->createNumbers();
    return level;
}

}  // namespace fixture
