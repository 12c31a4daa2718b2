// Reading and writing level files: a fresh level from the campaign, or a level in progress.
#include <algorithm>
#include <set>

#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/SplitText.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Level.h"

using namespace eng;

namespace {

size_t valueCount(const TRCMFile& f, const std::string& key) {
    const auto parts = splitText(key, "::");
    const auto group = f.getGroup(parts);
    const auto entry = group ? group->getEntry(parts.back()) : nullptr;
    return entry ? entry->_value.size() : 0;
}

std::string rowKey(const char* part, int row) {
    return std::string("level::") + part + "::row" + std::to_string(row);
}

std::shared_ptr<TLevel> failure(const std::string& path, const std::string& why) {
    Notify("The level " + path + " cannot be played: " + why + ".", false);
    return nullptr;
}

}  // namespace

std::shared_ptr<TLevel> loadLevel(const std::string& path, int randomTreasures) {
    TRCMFile file;
    if (!file.Load(path)) return failure(path, "the file is missing or unreadable");
    // A file of another kind (a chest puzzle, a route) listed as a nonogram level is said so, not played.
    if (!hasKey(file, "level::data::dims") || !hasKey(file, "level::tiles::row0")) {
        Warn("The level file " + path +
             " cannot be played as a nonogram level: it has no level::data::dims or level::tiles, so it is "
             "not one.");
        return nullptr;
    }

    auto level = std::make_shared<TLevel>();
    TLevel& L = *level;
    L.rows = readInt(file, "level::data::dims", 0);
    L.cols = readInt(file, "level::data::dims", 1);
    L.size = readInt(file, "level::data::size");
    if (L.rows < 5 || L.rows > 25 || L.cols < 5 || L.cols > 25)
        return failure(path, "the grid is " + std::to_string(L.rows) + " x " + std::to_string(L.cols) +
                                 " (rows and columns must be 5 to 25)");
    if (L.size < 0 || L.size >= TILE_SIZES)
        return failure(path, "the tile size index " + std::to_string(L.size) + " is not 0 to 4");
    L.czas = std::max(readInt(file, "level::data::czas"), 0);
    L.score = readInt(file, "level::data::score");
    L.tutorialLevel = readInt(file, "level::data::tutorialLevel");
    L.byloZwierzatko = readInt(file, "level::data::byloZwierzatko");
    L.rozbitoZwierzatko = readInt(file, "level::data::rozbitoZwierzatko");
    L.addedMistakes = readInt(file, "level::data::addedMistakes");
    L.maxMistakes = readInt(file, "level::data::mistakes");
    L.livingsCount = readInt(file, "level::data::livingsCount");
    for (int i = 0; i < 4; ++i) L.hintUsed[i] = readInt(file, "level::data::hint" + std::to_string(i));
    L.musicId = file.getString("level::data::music");
    L.backGroundUrl = file.getString("level::background::gfx");
    L.podzialkiX = blockStyleIndex(L.rows);
    L.podzialkiY = blockStyleIndex(L.cols);
    if (L.maxMistakes <= 0) L.maxMistakes = 1;

    for (int r = 0; r < L.rows; ++r)
        for (const char* part : {"tiles", "tilesHide"})
            if (valueCount(file, rowKey(part, r)) < static_cast<size_t>(L.cols))
                return failure(path, "row " + std::to_string(r) + " of " + part + " has fewer than " +
                                         std::to_string(L.cols) + " values");

    L.createTilesTab();
    std::set<int> unknownCovers;
    for (int r = 0; r < L.rows; ++r)
        for (int c = 0; c < L.cols; ++c) {
            TTile& t = *L.tile[r][c];
            const int id = readInt(file, rowKey("tiles", r), c);
            t.setTileData(getTileDataById(id));
            if (!t.td)
                return failure(path, "cell " + std::to_string(r) + "," + std::to_string(c) +
                                         " uses the unknown tile kind " + std::to_string(id));
            if (t.td->id != 0 && randomTreasures == 1 && !tresureDataList.empty())
                t.setTresure(getTresureDataById(Rand(1, static_cast<int>(tresureDataList.size()))));

            const int coverId = readInt(file, rowKey("tilesHide", r), c);
            auto cover = getTileHideById(coverId);
            if (!cover) {
                if (unknownCovers.insert(coverId).second)
                    Print("Level " + path + ": unknown cover " + std::to_string(coverId) +
                          ", a plain cover is used instead.");
                cover = defaultTileHide();
            }
            t.setTileHideData(cover);
            if (randomTreasures == 0)
                t.setTresure(getTresureDataById(readInt(file, rowKey("tresures", r), c)));

            const auto flags = splitText(Trim(file.getString(rowKey("stateData", r), c)), " ");
            if (flags.size() > 1) {
                const std::string where =
                    path + ": " + rowKey("stateData", r) + " value " + std::to_string(c);
                t.setOdkrytyData(checkedInt(textToFloat(flags[0]), where),
                                 checkedInt(textToFloat(flags[1]), where));
            }
        }

    const int declared = readInt(file, "level::collectedTresures::i");
    if (declared < 0 || declared > L.rows * L.cols)
        return failure(path, "it lists " + std::to_string(declared) + " collected treasures");
    const int collected = countItems(file, "level::collectedTresures::t", 1, declared);
    for (int k = 1; k <= collected; ++k) {
        const std::string key = "level::collectedTresures::t" + std::to_string(k);
        auto kind = getTresureDataById(readInt(file, key, 0));
        if (!kind) continue;  // a treasure kind that no longer exists is left out of the chest
        auto ft = std::make_shared<TFlyingTresure>();
        ft->tresure = kind;
        ft->level = &L;
        ft->size = L.size;
        float* fields[] = {&ft->x, &ft->y, &ft->x1, &ft->y1, &ft->x2, &ft->y2, &ft->mx, &ft->my, &ft->s};
        for (int i = 0; i < 9; ++i) *fields[i] = file.getFloat(key, i + 1);
        // It lies in its place in the chest, even if it was saved in mid-flight.
        ft->x = ft->x2;
        ft->y = ft->y2;
        ft->per = 1;
        ft->s = 0.4f;
        ft->myEnd = 1;
        L.flyingTresures.push_back(ft);
    }

    L.createNumbers();
    if (L.tutorialLevel == 1) L.turnOffAll();
    return level;
}

bool saveLevel(const TLevel& level, const std::string& path, int blankState) {
    auto file = newDataFile();
    file->setFloat("level::type", 1);
    file->setFloat("level::data::dims", level.rows, 0);
    file->setFloat("level::data::dims", level.cols, 1);
    file->setFloat("level::data::size", level.size);
    file->setFloat("level::data::czas", level.czas);
    file->setFloat("level::data::score", level.score);
    file->setFloat("level::data::tutorialLevel", level.tutorialLevel);
    file->setFloat("level::data::byloZwierzatko", level.byloZwierzatko);
    file->setFloat("level::data::rozbitoZwierzatko", level.rozbitoZwierzatko);
    file->setFloat("level::data::addedMistakes", level.addedMistakes);
    file->setFloat("level::data::mistakes", level.maxMistakes);
    file->setFloat("level::data::livingsCount", level.livingsCount);
    for (int i = 0; i < 4; ++i) file->setFloat("level::data::hint" + std::to_string(i), level.hintUsed[i]);
    file->setString("level::background::gfx", level.backGroundUrl);
    file->setFloat("level::background::banki", level.banki);
    auto eachCell = [&](const char* part, auto write) {
        for (int r = 0; r < level.rows; ++r)
            for (int c = 0; c < level.cols; ++c) write(rowKey(part, r), c, *level.tile[r][c]);
    };
    eachCell("tiles",
             [&](const std::string& k, int c, const TTile& t) { file->setFloat(k, t.td ? t.td->id : 0, c); });
    eachCell("stateData", [&](const std::string& k, int c, const TTile& t) {
        file->setString(k, blankState == 1 ? "0 0" : t.getSaveStateData(), c);
    });
    eachCell("tilesHide", [&](const std::string& k, int c, const TTile& t) {
        file->setFloat(k, t.tdHide ? t.tdHide->id : 0, c);
    });
    eachCell("tresures", [&](const std::string& k, int c, const TTile& t) {
        file->setFloat(k, t.tresure ? t.tresure->id : 0, c);
    });
    file->setFloat("level::collectedTresures::i", static_cast<double>(level.flyingTresures.size()));
    int k = 0;
    for (const auto& ft : level.flyingTresures) {
        const std::string key = "level::collectedTresures::t" + std::to_string(++k);
        const float values[] = {static_cast<float>(ft->tresure ? ft->tresure->id : 0),
                                ft->x,
                                ft->y,
                                ft->x1,
                                ft->y1,
                                ft->x2,
                                ft->y2,
                                ft->mx,
                                ft->my,
                                ft->s};
        for (int i = 0; i < 10; ++i) file->setFloat(key, values[i], i);
    }
    return file->save(path);
}

bool TLevel::saveProgress(const std::string& path) const {
    return saveLevel(*this, path, 0);
}
