// The row example's steps and its drawing over the grid.
#include "tutorial/RowExample.h"

#include <algorithm>
#include <cmath>

#include "core/DrawState.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/Number.h"
#include "nonogram/NumberLine.h"

using namespace eng;

namespace {

// A curved arrow from (x1, y1) to (x2, y2), arching 60 px above their middle, in `rgb`.
void curvedArrow(float x1, float y1, float x2, float y2, int r, int g, int b) {
    const float mx = x1 + (x2 - x1) / 2, my = std::min(y1, y2) - 60;
    resetDrawState();
    SetColor(r, g, b);
    SetLineWidth(3);
    float px = x1, py = y1;
    for (int i = 1; i <= 16; ++i) {
        const float t = i / 16.0f, u = 1 - t;
        const float qx = u * u * x1 + 2 * u * t * mx + t * t * x2,
                    qy = u * u * y1 + 2 * u * t * my + t * t * y2;
        DrawLine(px, py, qx, qy);
        if (i == 16) {
            // The head, along the last piece of the curve.
            const float dx = qx - px, dy = qy - py, len = std::max(0.001f, std::sqrt(dx * dx + dy * dy));
            const float ux = dx / len, uy = dy / len;
            DrawLine(qx, qy, qx - 12 * ux + 7 * uy, qy - 12 * uy - 7 * ux);
            DrawLine(qx, qy, qx - 12 * ux - 7 * uy, qy - 12 * uy + 7 * ux);
        }
        px = qx, py = qy;
    }
    SetLineWidth(1);
    resetDrawState();
}

}  // namespace

TPosibility::TPosibility(int row, std::string type, int interval, std::vector<std::string> patterns)
    : n(row), interwal(interval), pos(std::move(patterns)), arrowTyp(std::move(type)) {
    time = MilliSecs() + interwal;
}

bool TPosibility::update() {
    if (actPos < static_cast<int>(pos.size()) && MilliSecs() > time) {
        ++actPos;
        time = MilliSecs() + interwal;
    }
    return actPos >= static_cast<int>(pos.size());
}

void TPosibility::draw(const TLevel& level) const {
    if (actPos >= static_cast<int>(pos.size())) return;
    const std::string& pattern = pos[actPos];
    // The blocks of the pattern: where each begins and ends.
    std::vector<std::pair<int, int>> blocks;
    for (int c = 0; c < static_cast<int>(pattern.size()); ++c) {
        const auto t = level.tileAt(n, c);
        if (pattern[c] == '0' || !t) continue;
        if (t->lightUPa == 0) t->drawPosibility();
        if (blocks.empty() || blocks.back().second != c - 1)
            blocks.push_back({c, c});
        else
            blocks.back().second = c;
    }
    // An arrow from each clue number of the row to the middle of its block: cyan and yellow for two
    // blocks, white for one.
    if (n < 0 || n >= static_cast<int>(level.numbersHList.size())) return;
    // The row's numbers are listed nearest the grid first: the last number stands for the first block.
    const auto& clues = level.numbersHList[n]->lista;
    const int colours[3][3] = {{0, 255, 255}, {255, 255, 0}, {255, 255, 255}};
    for (size_t k = 0; k < blocks.size() && k < clues.size(); ++k) {
        const auto& clue = clues[clues.size() - 1 - k];
        const auto first = level.tileAt(n, blocks[k].first), last = level.tileAt(n, blocks[k].second);
        if (!first || !last || !clue) continue;
        const int* rgb = blocks.size() == 1 ? colours[2] : colours[k % 2];
        const float tx = (first->dim.x + last->dim.x) / 2, ty = first->dim.y;
        curvedArrow(clue->dim.x, clue->dim.y - 8, tx, ty - 10, rgb[0], rgb[1], rgb[2]);
    }
}
