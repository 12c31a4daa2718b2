// Fuzz target: the mini-game level readers. The first byte picks the kind (0 chest puzzle, 1 hidden-object
// scene, 2 route puzzle, 3 jigsaw), the rest is the level file. A file the reader refuses is left alone;
// what is read keeps the reader's promises (sizes, kinds, links between its parts); it is saved, read back
// with as many parts of each sort, and saving that again gives the same text.
#include <cmath>
#include <cstdlib>
#include <set>

#include "FuzzInput.h"
#include "MiniProgram.h"
#include "minigames/FRLevel.h"
#include "minigames/HOLevel.h"
#include "minigames/PELevel.h"
#include "minigames/PuzzleLevel.h"

namespace {

void checkChest(const TPELevel& l) {
    fuzzCheck(l.rows >= 0 && l.cols >= 0, "a chest field of negative size");
    fuzzCheck(static_cast<int>(l.tile.size()) == l.rows, "the chest field has other rows");
    std::set<int> ids;
    for (const auto& b : l.blocks) {
        fuzzCheck(b->bd != nullptr, "a block without a shape");
        fuzzCheck(b->id > 0 && ids.insert(b->id).second, "block ids are not unique and positive");
    }
    for (const auto& row : l.tile) {
        fuzzCheck(static_cast<int>(row.size()) == l.cols, "a chest row of another length");
        for (const TPETile& t : row)
            fuzzCheck(!t.wskaznik || ids.count(t.wskaznik->id), "a socket covered by a block not on the lid");
    }
}

void checkScene(const THOLevel& l) {
    for (const auto& o : l.objects) fuzzCheck(o->imgUkryty != nullptr, "an object no one can see");
    for (const THObject* o : l.group.objects)
        fuzzCheck(o && l.getObjectById(o->id), "the family counts an object not in the scene");
}

void checkRoute(TFRLevel& l) {
    fuzzCheck(l.rows >= 0 && l.rows <= TFRLevel::kMaxSide && l.cols >= 0 && l.cols <= TFRLevel::kMaxSide,
              "a route grid beyond 6 x 6");
    fuzzCheck(static_cast<int>(l.blocks.size()) == l.rows, "the route grid has other rows");
    for (const auto& row : l.blocks) {
        fuzzCheck(static_cast<int>(row.size()) == l.cols, "a route row of another length");
        for (const TFRBlock& b : row)
            fuzzCheck(b.n >= 0 && b.n <= 5 && b.rot >= 1 && b.rot <= 4, "a block of no kind or turn");
    }
    for (const TFRBlock* end : {l.startBlock, l.endBlock})
        fuzzCheck(!end || (end->n != 0 && l.blockAt(end->r, end->c) == end), "an end off the grid");
    const auto route = findRoute(l);
    if (route.empty()) return;
    fuzzCheck(route.front() == l.startBlock && route.back() == l.endBlock, "a route between other ends");
    for (size_t i = 1; i < route.size(); ++i)
        fuzzCheck(std::abs(route[i]->r - route[i - 1]->r) + std::abs(route[i]->c - route[i - 1]->c) == 1,
                  "a route that jumps");
    fuzzCheck(std::set<const TFRBlock*>(route.begin(), route.end()).size() == route.size(),
              "a route that runs in a circle");
}

void checkJigsaw(const TPuzzleLevel& l) {
    for (const auto& p : l.puzzles)
        fuzzCheck(p->img != nullptr && p->level == &l, "a piece without a picture");
}

// How many parts of each sort the level has.
std::string parts(const TFlowLevel& level) {
    if (auto l = dynamic_cast<const TPELevel*>(&level))
        return std::to_string(l->rows) + "x" + std::to_string(l->cols) + " " +
               std::to_string(l->blocks.size());
    if (auto l = dynamic_cast<const THOLevel*>(&level))
        return std::to_string(l->objects.size()) + " " + std::to_string(l->lights.size()) + " " +
               std::to_string(l->leaves.size()) + " " + std::to_string(l->group.objects.size()) + " " +
               std::to_string(l->masks.size()) + " " + std::to_string(l->obiektyTla.size());
    if (auto l = dynamic_cast<const TFRLevel*>(&level))
        return std::to_string(l->rows) + "x" + std::to_string(l->cols) + " " +
               std::to_string(!!l->startBlock) + std::to_string(!!l->endBlock);
    if (auto l = dynamic_cast<const TPuzzleLevel*>(&level)) return std::to_string(l->puzzles.size());
    return "";
}

std::shared_ptr<TFlowLevel> load(int kind, const std::string& path) {
    switch (kind) {
        case 0: {
            auto l = loadPELevel(path);
            if (l) checkChest(*l);
            return l;
        }
        case 1: {
            auto l = loadHOLevel(path);
            if (l) checkScene(*l);
            return l;
        }
        case 2: {
            auto l = loadFRLevel(path);
            if (l) checkRoute(*l);
            return l;
        }
        default: {
            auto l = loadPuzzleLevel(path);
            if (l) checkJigsaw(*l);
            return l;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    miniProgramFolder();
    if (size == 0) return 0;
    const int kind = data[0] % 4;
    FuzzFile input("level.dat", data + 1, size - 1);
    const auto level = load(kind, input.path());
    if (!level) return 0;
    FuzzFile saved("saved.dat"), again("again.dat");
    fuzzCheck(level->saveProgress(saved.path()), "a level read cannot be saved");
    const auto back = load(kind, saved.path());
    fuzzCheck(back != nullptr, "a saved level cannot be read");
    fuzzCheck(parts(*back) == parts(*level),
              "a saved level reads back with other parts: " + parts(*level) + " became " + parts(*back));
    fuzzCheck(back->saveProgress(again.path()), "a level read back cannot be saved");
    const std::string first = fuzzReadFile(saved.path()), second = fuzzReadFile(again.path());
    fuzzCheck(second == first, "a saved level reads back otherwise, " + fuzzDifference(first, second));
    return 0;
}
