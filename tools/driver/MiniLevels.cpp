// Starting mini-game levels from the driver and printing their play lines: the route grid, each chest
// block's grab and drop points with its quarter turns, each jigsaw piece's grab and drop points, each hidden
// object's click point.
#include "MiniLevels.h"

#include <cmath>
#include <cstdio>

#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/PESolution.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"

namespace {

// The level's reader has said why it cannot be played; the run ends.
std::string unplayable(const std::string& path) {
    std::printf("level: %s cannot be played\n", path.c_str());
    return "END";
}

std::string startRoute(const std::string& path) {
    auto route = loadFRLevel(path);
    if (!route) return unplayable(path);
    if (!findRoutePuzzle) return "END";
    findRoutePuzzle->SetLevel(route);
    std::printf("route: %s; blocks %d x %d; block 0,0 at %d,%d; pitch 100\n", path.c_str(), route->rows,
                route->cols, route->drawX, route->drawY);
    return "FINDROUTE-PUZZLE";
}

// Each block of the stored solution: pressed on one of its tiles, turned, let go where it covers its
// sockets once the board has risen.
std::string startChest(const std::string& path) {
    auto level = loadPELevel(path);
    if (!level) return unplayable(path);
    if (!puzzleExpress) return "END";
    puzzleExpress->setLevel(level);
    std::printf("chest: %s; field %d x %d; blocks %zu\n", path.c_str(), level->rows, level->cols,
                level->blocks.size());
    level->setPosition(TPuzzleExpress::kBoardX, TPuzzleExpress::kBoardY);
    std::vector<TPEPlacement> places;
    if (!placeSolution(*level, readPESolution(path), places)) return "PUZZLE-EXPRESS";
    for (const TPEPlacement& p : places) {
        const TBlock& b = *p.block;
        float gx = 0, gy = 0;
        for (int r = 0; r < b.bd->rows; ++r)
            for (int c = 0; c < b.bd->cols; ++c)
                if (b.bd->tab[r][c]) b.cellPos(r, c, gx, gy);
        const int turns = ((static_cast<int>(std::lround(p.dir - b.dDir)) / 90) % 4 + 4) % 4;
        std::printf("chest block %d: grab %d,%d turns %d drop %d,%d\n", b.id, static_cast<int>(gx),
                    static_cast<int>(gy), turns, static_cast<int>(std::lround(p.x + gx - b.x)),
                    static_cast<int>(std::lround(p.y + gy - b.y)));
    }
    return "PUZZLE-EXPRESS";
}

// Each piece, topmost first: pressed at its middle, let go where it lies at its place.
std::string startJigsaw(const std::string& path) {
    auto level = loadPuzzleLevel(path);
    if (!level) return unplayable(path);
    if (!puzzle) return "END";
    puzzle->SetLevel(level);
    std::printf("jigsaw: %s; pieces %zu\n", path.c_str(), level->puzzles.size());
    for (auto it = level->puzzles.rbegin(); it != level->puzzles.rend(); ++it) {
        const TPuzzleElement& p = **it;
        const int w = eng::ImageWidth(p.img) / 2, h = eng::ImageHeight(p.img) / 2;
        std::printf("jigsaw piece %d: grab %d,%d drop %d,%d\n", p.id, p.x + w, p.y + h, p.dx + w, p.dy + h);
    }
    return "PUZZLE";
}

// The opaque pixel of a picture nearest its middle, as an offset from its middle.
void opaqueNearMiddle(const eng::Image& img, int& dx, int& dy) {
    dx = dy = 0;
    const eng::Pixmap pm = eng::ImagePixmap(img);
    if (!pm) return;
    const int cx = pm->width / 2, cy = pm->height / 2;
    long best = -1;
    for (int y = 0; y < pm->height; ++y)
        for (int x = 0; x < pm->width; ++x) {
            if (pm->rgba[(static_cast<size_t>(y) * pm->width + x) * 4 + 3] < 200) continue;
            const long d = static_cast<long>(x - cx) * (x - cx) + static_cast<long>(y - cy) * (y - cy);
            if (best < 0 || d < best) {
                best = d;
                dx = x - cx;
                dy = y - cy;
            }
        }
}

// Each object: a point on its opaque pixels, and where the hint gauge is.
std::string startScene(const std::string& path) {
    auto level = loadHOLevel(path);
    if (!level) return unplayable(path);
    if (!hiddenObject) return "END";
    hiddenObject->setLevel(level);
    std::printf("scene: %s; objects %zu; hint gauge at 975,40\n", path.c_str(), level->objects.size());
    for (const auto& o : level->objects) {
        int dx, dy;
        opaqueNearMiddle(o->imgUkryty, dx, dy);
        std::printf("hidden object %d: click %d,%d\n", o->id, static_cast<int>(o->ukrytyDim.x) + dx,
                    static_cast<int>(o->ukrytyDim.y) + dy);
    }
    return "HIDDEN-OBJECT";
}

}  // namespace

std::string startMiniLevel(const std::string& path) {
    if (path.find("data/routes/") != std::string::npos) return startRoute(path);
    if (path.find("data/puzzleExpress/") != std::string::npos) return startChest(path);
    if (path.find("data/puzzles/") != std::string::npos) return startJigsaw(path);
    if (path.find("data/hiddenObjects/") != std::string::npos) return startScene(path);
    return "";
}
