// Reading and writing a chest puzzle level; the field's layout and the rules for putting a block on it.
#include "minigames/PELevel.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "minigames/LevelFileCheck.h"
#include "minigames/MiniGame.h"

using namespace eng;

void TPELevel::setPosition(float bx, float by) {
    x = bx;
    y = by;
    const int W = peData.W, H = peData.H;
    const float x0 = bx + 252 - static_cast<float>((cols * W - W) / 2);
    const float y0 = by + 200 - static_cast<float>((rows * H - H) / 2);
    for (auto& row : tile)
        for (TPETile& t : row) {
            t.x = x0 + static_cast<float>(t.c * W);
            t.y = y0 + static_cast<float>(t.r * H + H / 2);
        }
}

TPETile* TPELevel::getRCFromXY(float px, float py) {
    for (auto& row : tile)
        for (TPETile& t : row)
            if (std::hypot(px - t.x, py - t.y) < 20) return &t;
    return nullptr;
}

bool TPELevel::checkPut(TBlock& block) {
    if (!block.bd) return false;
    // The tiles where the block will rest: at the angle it is turning to.
    std::vector<TPETile*> under;
    float lastX = 0, lastY = 0;
    for (int r = 0; r < block.bd->rows; ++r)
        for (int c = 0; c < block.bd->cols; ++c) {
            if (!block.bd->tab[r][c]) continue;
            float px, py;
            block.cellPosAt(r, c, block.dDir, px, py);
            TPETile* t = getRCFromXY(static_cast<float>(static_cast<int>(px)),
                                     static_cast<float>(static_cast<int>(py)));
            if (!t || t->spot == 0 || t->wskaznik) return false;
            if (std::find(under.begin(), under.end(), t) != under.end()) return false;
            under.push_back(t);
            lastX = t->x - px;
            lastY = t->y - py;
        }
    if (under.empty()) return false;  // a shape without tiles covers nothing
    for (TPETile* t : under) t->wskaznik = &block;
    block.x += lastX;
    block.y += lastY;
    block.onPlace = 1;
    return true;
}

void TPELevel::cleanTileFromBlock(TBlock& block) {
    bool freed = false;
    for (auto& row : tile)
        for (TPETile& t : row)
            if (t.wskaznik && (t.wskaznik == &block || t.wskaznik->id == block.id)) {
                t.wskaznik = nullptr;
                freed = true;
            }
    if (freed) block.onPlace = 0;
}

void TPELevel::toTop(TBlock& block) {
    auto it = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) { return b.get() == &block; });
    if (it != blocks.end()) std::rotate(it, it + 1, blocks.end());
}

bool TPELevel::allCovered() const {
    for (const auto& row : tile)
        for (const TPETile& t : row)
            if (t.spot && !t.wskaznik) return false;
    return true;
}

bool readPEDims(const TRCMFile& file, int& rows, int& cols) {
    rows = readInt(file, "PELevel::dims", 0);
    cols = readInt(file, "PELevel::dims", 1);
    return rows >= 1 && cols >= 1 && rows <= TPELevel::kMaxSide && cols <= TPELevel::kMaxSide;
}

namespace {

const char* const kWhat = "a chest puzzle";

std::shared_ptr<TPELevel> refused(const std::string& path, const std::string& why) {
    refuseLevel(path, kWhat, why);
    return nullptr;
}

// The blocks of the file's list whose shapes exist, each with an id of its own.
void readBlocks(const TRCMFile& file, const std::string& path, int count, TPELevel& level) {
    std::set<int> ids;
    int dropped = 0, renamed = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string key = "PELevel::blocks::bl" + std::to_string(i);
        const TBlockData* bd = peData.getBlockDataById(readInt(file, key, 0));
        if (!bd) {
            ++dropped;
            continue;
        }
        auto b = std::make_unique<TBlock>();
        b->bd = bd;
        b->x = file.getFloat(key, 1);
        b->y = file.getFloat(key, 2);
        b->dir = b->dDir = file.getFloat(key, 3);
        b->id = readInt(file, key, 4);
        if (b->id <= 0 || ids.count(b->id)) {
            b->id = 0;  // numbered below, after every id the file gives
            ++renamed;
        } else {
            ids.insert(b->id);
        }
        level.blocks.push_back(std::move(b));
    }
    int next = ids.empty() ? 1 : *ids.rbegin() + 1;
    for (auto& b : level.blocks)
        if (b->id == 0) b->id = next++;
    if (dropped) Warn(path + ": " + std::to_string(dropped) + " blocks of unknown shapes are left out");
    if (renamed) Warn(path + ": " + std::to_string(renamed) + " blocks without an id of their own got one");
}

}  // namespace

std::shared_ptr<TPELevel> loadPELevel(const std::string& path) {
    TRCMFile file;
    if (!file.Load(path)) return refused(path, "it cannot be read");
    if (!hasKey(file, "PELevel::dims") || !hasKey(file, "PELevel::blocks"))
        return refused(path, "it has no PELevel::dims or PELevel::blocks, so it is not one");
    auto level = std::make_shared<TPELevel>();
    level->url = path;
    if (!readPEDims(file, level->rows, level->cols))
        return refused(path, "its field is " + std::to_string(level->rows) + " x " +
                                 std::to_string(level->cols) + " (1 to " +
                                 std::to_string(TPELevel::kMaxSide) + " a side)");
    const int count = cappedList(file, "PELevel::blocks::i", "PELevel::blocks::bl", TPELevel::kMaxBlocks);
    if (count < 0)
        return refused(path, "it has more than " + std::to_string(TPELevel::kMaxBlocks) + " blocks");
    level->tile.assign(level->rows, std::vector<TPETile>(level->cols));
    for (int r = 0; r < level->rows; ++r)
        for (int c = 0; c < level->cols; ++c) {
            level->tile[r][c].r = r;
            level->tile[r][c].c = c;
        }
    readBlocks(file, path, count, *level);
    if (level->blocks.empty()) return refused(path, "it has no block of a known shape");

    bool sockets = false;
    for (int r = 0; r < level->rows; ++r)
        for (int c = 0; c < level->cols; ++c) {
            TPETile& t = level->tile[r][c];
            t.spot = readInt(file, "PELevel::field::row" + std::to_string(r), c);
            sockets = sockets || t.spot;
            const int id = readInt(file, "PELevel::tile::row" + std::to_string(r), c);
            if (id <= 0) continue;
            for (auto& b : level->blocks)
                if (b->id == id) {
                    t.wskaznik = b.get();
                    b->onPlace = 1;
                }
        }
    if (!sockets) return refused(path, "its field has no socket to cover");
    level->titleN = readInt(file, "PELevel::title");
    level->title = getLine(loadTxtFile(programPrefix + "txt/#LANG#/miniLevelsNames.txt"), level->titleN);
    level->time = std::max(0, readInt(file, "PELevel::time"));
    TPEObj& o = level->PEObj;
    o.url = file.getString("PELevel::object::img");
    o.x = file.getFloat("PELevel::object::position", 0);
    o.y = file.getFloat("PELevel::object::position", 1);
    o.rot = file.getFloat("PELevel::object::rotation");
    o.scale = file.getFloat("PELevel::object::scale");
    o.nameN = readInt(file, "PELevel::object::name");
    if (o.nameN > 0) o.name = getLine(loadTxtFile(programPrefix + "txt/#LANG#/peObjects.txt"), o.nameN);
    if (!o.url.empty()) o.img = miniPicture(o.url, true);
    return level;
}

bool savePELevel(const TPELevel& level, const std::string& path) {
    TRCMFile file;
    file.setFloat("PELevel::dims", level.rows, 0);
    file.setFloat("PELevel::dims", level.cols, 1);
    file.setFloat("PELevel::time", level.time);
    file.setFloat("PELevel::title", level.titleN);
    const TPEObj& o = level.PEObj;
    file.setString("PELevel::object::img", o.url);
    file.setFloat("PELevel::object::scale", o.scale);
    file.setFloat("PELevel::object::position", o.x, 0);
    file.setFloat("PELevel::object::position", o.y, 1);
    file.setFloat("PELevel::object::rotation", o.rot);
    file.setFloat("PELevel::object::opis", 0);
    file.setFloat("PELevel::object::name", o.nameN);
    for (int r = 0; r < level.rows; ++r)
        for (int c = 0; c < level.cols; ++c) {
            const TPETile& t = level.tile[r][c];
            file.setFloat("PELevel::field::row" + std::to_string(r), t.spot, c);
            file.setFloat("PELevel::tile::row" + std::to_string(r), t.wskaznik ? t.wskaznik->id : 0, c);
        }
    file.setFloat("PELevel::blocks::i", static_cast<double>(level.blocks.size()));
    int i = 1;
    for (const auto& b : level.blocks) {
        const std::string key = "PELevel::blocks::bl" + std::to_string(i++);
        file.setFloat(key, b->bd->id, 0);
        file.setFloat(key, b->x, 1);
        file.setFloat(key, b->y, 2);
        // A block caught mid-turn is kept at the angle it is turning to.
        float d = std::fmod(b->dDir, 360.0f);
        if (d < 0) d += 360;
        file.setFloat(key, d, 3);
        file.setFloat(key, b->id, 4);
    }
    return file.save(path);
}

bool TPELevel::saveProgress(const std::string& path) const {
    return savePELevel(*this, path);
}
