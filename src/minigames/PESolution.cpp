// Fitting each block of a chest puzzle onto the sockets its stored solution gives it.
#include "minigames/PESolution.h"

#include <cmath>

#include "files/DataFile.h"
#include "files/FileNumber.h"

std::vector<std::vector<int>> readPESolution(const std::string& path) {
    TRCMFile file;
    std::vector<std::vector<int>> rows;
    if (!file.Load(path)) return rows;
    int r = 0, c = 0;
    if (!readPEDims(file, r, c) || !hasKey(file, "PELevel::solution::row0")) return rows;
    rows.assign(r, std::vector<int>(c, 0));
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j)
            rows[i][j] = readInt(file, "PELevel::solution::row" + std::to_string(i), j);
    return rows;
}

namespace {

// The block's position at angle `d` that puts its cells exactly on `cells`.
bool fit(const TBlock& block, const std::vector<const TPETile*>& cells, float d, float& x, float& y) {
    TBlock probe = block;
    probe.x = probe.y = 0;
    std::vector<std::pair<float, float>> offsets;
    for (int r = 0; r < block.bd->rows; ++r)
        for (int c = 0; c < block.bd->cols; ++c)
            if (block.bd->tab[r][c]) {
                float px, py;
                probe.cellPosAt(r, c, d, px, py);
                offsets.emplace_back(px, py);
            }
    if (offsets.size() != cells.size() || offsets.empty()) return false;
    for (const TPETile* anchor : cells) {
        const float bx = anchor->x - offsets.back().first, by = anchor->y - offsets.back().second;
        bool all = true;
        for (const auto& [ox, oy] : offsets) {
            bool onOne = false;
            for (const TPETile* t : cells) onOne = onOne || std::hypot(bx + ox - t->x, by + oy - t->y) < 0.5f;
            all = all && onOne;
        }
        if (all) {
            x = bx;
            y = by;
            return true;
        }
    }
    return false;
}

}  // namespace

bool placeSolution(TPELevel& level, const std::vector<std::vector<int>>& solution,
                   std::vector<TPEPlacement>& out) {
    out.clear();
    if (static_cast<int>(solution.size()) != level.rows) return false;
    for (int r = 0; r < level.rows; ++r)
        for (int c = 0; c < level.cols; ++c)
            if (level.tile[r][c].spot && solution[r][c] == 0) return false;
    for (auto& b : level.blocks) {
        std::vector<const TPETile*> cells;
        for (int r = 0; r < level.rows; ++r)
            for (int c = 0; c < level.cols; ++c)
                if (solution[r][c] == b->id) cells.push_back(&level.tile[r][c]);
        if (cells.empty()) continue;  // a spare block
        TPEPlacement p;
        p.block = b.get();
        bool found = false;
        for (float d = 0; d < 360 && !found; d += 90) {
            found = fit(*b, cells, d, p.x, p.y);
            p.dir = d;
        }
        if (!found) return false;
        out.push_back(p);
    }
    return true;
}
