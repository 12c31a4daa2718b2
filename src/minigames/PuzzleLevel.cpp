// Reading and writing a jigsaw level.
#include "minigames/PuzzleLevel.h"

#include <algorithm>

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "minigames/LevelFileCheck.h"

using namespace eng;

bool TPuzzleLevel::allInPosition() const {
    for (const auto& p : puzzles)
        if (!p->InPosition()) return false;
    return true;
}

namespace {

std::shared_ptr<TPuzzleLevel> refused(const std::string& path, const std::string& why) {
    refuseLevel(path, "a jigsaw", why);
    return nullptr;
}

// A position on (or off) the screen, kept where its drawing order (y * 1024 + x) cannot overflow.
int coordinate(const TRCMFile& file, const std::string& key, int index) {
    constexpr int kFar = 100000;
    return std::clamp(readInt(file, key, index), -kFar, kFar);
}

}  // namespace

std::shared_ptr<TPuzzleLevel> loadPuzzleLevel(const std::string& path) {
    TRCMFile file;
    if (!file.Load(path)) return refused(path, "it cannot be read");
    if (!hasKey(file, "puzzleLevel::img") || !hasKey(file, "puzzleLevel::puzzle1"))
        return refused(path, "it has no puzzleLevel::img or puzzleLevel::puzzle1, so it is not one");
    const int n = cappedList(file, "puzzleLevel::i", "puzzleLevel::puzzle", TPuzzleLevel::kMaxPieces);
    if (n < 0)
        return refused(path, "it has more than " + std::to_string(TPuzzleLevel::kMaxPieces) + " pieces");
    auto level = std::make_shared<TPuzzleLevel>();
    level->url = path;
    level->titleN = readInt(file, "puzzlelevel::title");
    level->title = getLine(loadTxtFile(programPrefix + "txt/#LANG#/miniLevelsNames.txt"), level->titleN);
    level->imageUrl = file.getString("puzzleLevel::img");
    level->pointX = readInt(file, "puzzleLevel::point", 0);
    level->pointY = readInt(file, "puzzleLevel::point", 1);
    level->time = readInt(file, "puzzleLevel::time");
    level->image = level->imageUrl.empty() ? nullptr : loadImageOrWarn(programPrefix + level->imageUrl);
    if (!level->image) return refused(path, "its picture \"" + level->imageUrl + "\" does not load");
    int missing = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string base = "puzzleLevel::puzzle" + std::to_string(i) + "::";
        auto p = std::make_unique<TPuzzleElement>();
        p->level = level.get();
        p->id = readInt(file, base + "id");
        p->url = file.getString(base + "url");
        p->dx = coordinate(file, base + "position", 0);
        p->dy = coordinate(file, base + "position", 1);
        p->x = coordinate(file, base + "dim", 0);
        p->y = coordinate(file, base + "dim", 1);
        p->putOk = readInt(file, base + "putOk") ? 1 : 0;
        p->img = loadImageOrWarn(programPrefix + p->url);
        if (!p->img) {
            ++missing;
            continue;
        }
        if (p->putOk) {
            p->x = p->dx;
            p->y = p->dy;
        }
        level->puzzles.push_back(std::move(p));
    }
    if (missing) Warn(path + ": " + std::to_string(missing) + " pieces without a picture are left out");
    if (level->puzzles.empty()) return refused(path, "none of its pieces has a picture");
    return level;
}

bool savePuzzleLevel(const TPuzzleLevel& level, const std::string& path) {
    TRCMFile file;
    file.setFloat("puzzlelevel::title", level.titleN);
    file.setString("puzzleLevel::img", level.imageUrl);
    file.setFloat("puzzleLevel::point", level.pointX, 0);
    file.setFloat("puzzleLevel::point", level.pointY, 1);
    file.setFloat("puzzleLevel::time", level.time);
    file.setFloat("puzzleLevel::i", static_cast<double>(level.puzzles.size()));
    int i = 1;
    for (const auto& p : level.puzzles) {
        const std::string base = "puzzleLevel::puzzle" + std::to_string(i++) + "::";
        file.setFloat(base + "id", p->id);
        file.setString(base + "url", p->url);
        file.setFloat(base + "position", p->dx, 0);
        file.setFloat(base + "position", p->dy, 1);
        // A piece still flying to its place is kept there.
        file.setFloat(base + "dim", p->isMoving ? p->dx : p->x, 0);
        file.setFloat(base + "dim", p->isMoving ? p->dy : p->y, 1);
        file.setFloat(base + "putOk", p->putOk);
    }
    return file.save(path);
}

bool TPuzzleLevel::saveProgress(const std::string& path) const {
    return savePuzzleLevel(*this, path);
}
