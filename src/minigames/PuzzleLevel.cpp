// Reading and writing a jigsaw level.
#include "minigames/PuzzleLevel.h"

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"

using namespace eng;

bool TPuzzleLevel::allInPosition() const {
    for (const auto& p : puzzles)
        if (!p->InPosition()) return false;
    return true;
}

std::shared_ptr<TPuzzleLevel> loadPuzzleLevel(const std::string& path) {
    TRCMFile file;
    if (!file.Load(path)) {
        Warn("cannot read the jigsaw level " + path);
        return nullptr;
    }
    auto level = std::make_shared<TPuzzleLevel>();
    level->url = path;
    level->titleN = readInt(file, "puzzlelevel::title");
    level->title = getLine(loadTxtFile(programPrefix + "txt/#LANG#/miniLevelsNames.txt"), level->titleN);
    level->imageUrl = file.getString("puzzleLevel::img");
    level->pointX = readInt(file, "puzzleLevel::point", 0);
    level->pointY = readInt(file, "puzzleLevel::point", 1);
    level->time = readInt(file, "puzzleLevel::time");
    level->image = level->imageUrl.empty() ? nullptr : loadImageOrWarn(programPrefix + level->imageUrl);
    if (!level->image) {
        Warn(path + ": the jigsaw's picture \"" + level->imageUrl +
             "\" does not load; the level is left out");
        return nullptr;
    }
    const int n = readInt(file, "puzzleLevel::i");
    int missing = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string base = "puzzleLevel::puzzle" + std::to_string(i) + "::";
        auto p = std::make_unique<TPuzzleElement>();
        p->level = level.get();
        p->id = readInt(file, base + "id");
        p->url = file.getString(base + "url");
        p->dx = readInt(file, base + "position", 0);
        p->dy = readInt(file, base + "position", 1);
        p->x = readInt(file, base + "dim", 0);
        p->y = readInt(file, base + "dim", 1);
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
