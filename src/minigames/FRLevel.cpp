// Reading, writing and searching a find-route level.
#include "minigames/FRLevel.h"

#include <algorithm>
#include <deque>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/SplitText.h"
#include "files/TxtFile.h"
#include "minigames/LevelFileCheck.h"

using namespace eng;

TFRBlock* TFRLevel::blockAt(int r, int c) {
    if (r < 0 || c < 0 || r >= rows || c >= cols || r >= kMaxSide || c >= kMaxSide) return nullptr;
    return &blocks[r][c];
}

void TFRLevel::CountPositions() {
    if (startBlock) {
        entryX = startBlock->drawX - 50;
        entryY = startBlock->drawY;
    }
    if (endBlock) {
        endX = endBlock->drawX + 50;
        endY = endBlock->drawY;
    }
}

namespace {

std::shared_ptr<TFRLevel> refused(const std::string& path, const std::string& why) {
    refuseLevel(path, "a route puzzle", why);
    return nullptr;
}

// "kind|orientation"; false when it is not a kind 1..5 with a whole-number orientation.
bool parseToken(const std::string& token, int& n, int& rot) {
    const std::string t = Trim(token);
    const size_t bar = t.find('|');
    if (bar == std::string::npos || bar == 0 || bar + 1 >= t.size()) return false;
    const std::string a = t.substr(0, bar), b = t.substr(bar + 1);
    auto isInt = [](const std::string& s) {
        size_t i = s[0] == '-' ? 1 : 0;
        return i < s.size() && s.size() - i <= 6 && std::all_of(s.begin() + i, s.end(), ::isdigit);
    };
    if (!isInt(a) || !isInt(b)) return false;
    n = std::stoi(a);
    rot = ((std::stoi(b) - 1) % 4 + 4) % 4 + 1;  // any whole number of quarter turns
    return n >= 1 && n <= 5;
}

}  // namespace

std::shared_ptr<TFRLevel> loadFRLevel(const std::string& path) {
    TRCMFile file;
    if (!file.Load(path)) return refused(path, "it cannot be read");
    if (!hasKey(file, "level::data::dims") || !hasKey(file, "level::blocks"))
        return refused(path, "it has no level::data::dims or level::blocks, so it is not one");
    auto level = std::make_shared<TFRLevel>();
    level->url = path;
    int rows = readInt(file, "level::data::dims", 0), cols = readInt(file, "level::data::dims", 1);
    if (rows < 1 || cols < 1)
        return refused(path, "its grid is " + std::to_string(rows) + " x " + std::to_string(cols));
    if (rows > TFRLevel::kMaxSide || cols > TFRLevel::kMaxSide)
        Warn(path + ": a " + std::to_string(rows) + " x " + std::to_string(cols) +
             " grid is cut to at most 6 x 6");
    level->rows = rows = std::clamp(rows, 0, TFRLevel::kMaxSide);
    level->cols = cols = std::clamp(cols, 0, TFRLevel::kMaxSide);
    level->drawX = readInt(file, "level::data::drawXY", 0);
    level->drawY = readInt(file, "level::data::drawXY", 1);
    level->titleN = readInt(file, "level::title");
    level->title = getLine(loadTxtFile(programPrefix + "txt/#LANG#/miniLevelsNames.txt"), level->titleN);
    level->blocks.assign(rows, std::vector<TFRBlock>(cols));
    int bad = 0;
    for (int r = 0; r < rows; ++r) {
        const auto tokens = splitText(file.getString("level::blocks::row" + std::to_string(r)), " ");
        for (int c = 0; c < cols; ++c) {
            TFRBlock& b = level->blocks[r][c];
            b.level = level.get();
            b.r = r;
            b.c = c;
            b.x = 100 * c;
            b.y = 100 * r;
            if (c >= static_cast<int>(tokens.size()) || !parseToken(tokens[c], b.n, b.rot)) {
                b.n = 0;
                b.rot = 1;
                ++bad;
            }
        }
    }
    if (bad) Warn(path + ": " + std::to_string(bad) + " places without a readable block are left empty");
    const int sr = readInt(file, "level::data::start", 0), sc = readInt(file, "level::data::start", 1);
    const int er = readInt(file, "level::data::end", 0), ec = readInt(file, "level::data::end", 1);
    level->startBlock = level->blockAt(sr, sc);
    level->endBlock = level->blockAt(er, ec);
    if (level->startBlock && level->startBlock->n == 0) level->startBlock = nullptr;
    if (level->endBlock && level->endBlock->n == 0) level->endBlock = nullptr;
    if (!level->solvable()) return refused(path, "its start or its end is not on a block of the grid");
    if (level->startBlock) level->startBlock->iAmStart = 1;
    if (level->endBlock) level->endBlock->iAmEnd = 1;
    for (auto& row : level->blocks)
        for (auto& b : row) b.FindSasiedzi();
    return level;
}

bool TFRLevel::saveProgress(const std::string& path) const {
    TRCMFile file;
    file.setFloat("level::data::dims", rows, 0);
    file.setFloat("level::data::dims", cols, 1);
    file.setFloat("level::data::drawXY", drawX, 0);
    file.setFloat("level::data::drawXY", drawY, 1);
    file.setFloat("level::title", titleN);
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < cols; ++c) {
            const TFRBlock& b = blocks[r][c];
            line += (c ? " " : "") +
                    (b.n ? std::to_string(b.n) + "|" + std::to_string(b.rot) : std::string("0|1"));
        }
        file.setString("level::blocks::row" + std::to_string(r), line);
    }
    auto place = [&file](const char* key, const TFRBlock* b) {
        file.setFloat(key, b ? b->r : -1, 0);
        file.setFloat(key, b ? b->c : -1, 1);
    };
    place("level::data::start", startBlock);
    place("level::data::end", endBlock);
    return file.save(path);
}

// Breadth first from the start block; a block joins the search only when its lines and the block's it
// comes from meet both ways, so every block is labelled at most once and a line that only points at a
// block never counts.
std::vector<TFRBlock*> findRoute(TFRLevel& level) {
    for (auto& row : level.blocks)
        for (auto& b : row) b.ozn = 0;
    TFRBlock* start = level.startBlock;
    TFRBlock* end = level.endBlock;
    if (!start || !end || !start->HaveLineAtDir(0, -1) || !end->HaveLineAtDir(0, 1)) return {};
    start->ozn = 1;
    std::deque<TFRBlock*> queue{start};
    bool found = start == end;
    while (!found && !queue.empty()) {
        TFRBlock* b = queue.front();
        queue.pop_front();
        for (TFRBlock* nb : b->moiSasiedzi) {
            if (nb->ozn > 0 || !nb->HaveSasiad(b) || !b->HaveSasiad(nb)) continue;
            nb->ozn = b->ozn + 1;
            queue.push_back(nb);
            if (nb == end) {
                found = true;
                break;
            }
        }
    }
    if (!found) return {};
    // Back from the end: each step to a neighbour one closer to the start whose lines meet.
    std::vector<TFRBlock*> route{end};
    TFRBlock* p = end;
    while (p != start) {
        TFRBlock* next = nullptr;
        for (TFRBlock* nb : p->moiSasiedzi)
            if (nb->ozn == p->ozn - 1 && nb->HaveSasiad(p)) {
                next = nb;
                break;
            }
        if (!next) return {};
        route.push_back(next);
        p = next;
    }
    std::reverse(route.begin(), route.end());
    for (auto& row : level.blocks)
        for (auto& b : row) b.ozn = 0;
    for (TFRBlock* b : route) b->ozn = 1;
    return route;
}
