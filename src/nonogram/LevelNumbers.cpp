// The level's clue numbers: derived from the picture, laid out beside the grid, updated, shown and drawn.
#include <algorithm>
#include <string>

#include "nonogram/Level.h"
#include "nonogram/LevelHost.h"
#include "nonogram/Number.h"
#include "nonogram/NumberLine.h"

namespace {

using Cells = std::vector<std::shared_ptr<TTile>>;
using Numbers = std::vector<std::shared_ptr<TNumber>>;

// A number of `value` whose block is `block`, ending at `lastIndex` of the line.
std::shared_ptr<TNumber> makeNumber(const Cells& line, Cells block, int value, int lastIndex, int v, int size,
                                    const std::string& dir) {
    auto n = std::make_shared<TNumber>();
    n->txt = std::to_string(value);
    n->myValue = value;
    n->tilesy = std::move(block);
    n->v = v;
    n->size = size;
    n->dir = dir;
    n->tilesLine = line;
    n->myPosition = lastIndex;
    return n;
}

// The numbers of one row or column, nearest the grid first: one per block of picture cells, or a single
// "0" covering the whole line when it has none.
Numbers numbersOfLine(const Cells& line, int v, int size, const std::string& dir) {
    Numbers result;
    Cells block;
    std::shared_ptr<TTile> before, previous;
    bool inBlock = false, anyPicture = false;
    auto closeBlock = [&](int lastIndex, std::shared_ptr<TTile> after) {
        const int value = static_cast<int>(block.size());
        auto n = makeNumber(line, std::move(block), value, lastIndex, v, size, dir);
        n->tile1 = before;
        n->tile2 = std::move(after);
        result.insert(result.begin(), n);
        block.clear();
        before = nullptr;
        inBlock = false;
    };
    for (int i = 0; i < static_cast<int>(line.size()); ++i) {
        const auto& cell = line[i];
        if (cell->isPicture()) {
            block.push_back(cell);
            anyPicture = true;
            if (!inBlock) before = previous;
            inBlock = true;
        } else if (inBlock) {
            closeBlock(i - 1, cell);
        }
        previous = cell;
    }
    if (inBlock) closeBlock(static_cast<int>(line.size()) - 1, nullptr);
    // A line without picture cells shows "0"; its block is the whole line.
    if (!anyPicture)
        result.push_back(makeNumber(line, line, 0, static_cast<int>(line.size()) - 1, v, size, dir));
    // Equal values: the farther one knows of one nearer the grid, the nearer one of one farther out.
    for (size_t i = 0; i < result.size(); ++i)
        for (size_t j = 0; j < result.size(); ++j) {
            if (i == j || result[i]->myValue != result[j]->myValue) continue;
            if (j > i)
                result[j]->zamnaSaTezTakieJakJa = 1;
            else
                result[j]->przedemnaSaTezTakieJakJa = 1;
        }
    return result;
}

int sizeIndex(int size) {
    return std::clamp(size, 0, TILE_SIZES - 1);
}

// The extra gap before every block of five cells, the first included.
float blockGap(int index) {
    return 4.0f * static_cast<float>(index / 5 + 1);
}

}  // namespace

std::vector<std::shared_ptr<TNumber>> TLevel::createNumbersHLine(int r) {
    Cells line;
    for (int c = 0; c < cols; ++c) line.push_back(tile[r][c]);
    return numbersOfLine(line, r, size, "HORIZONTAL");
}

std::vector<std::shared_ptr<TNumber>> TLevel::createNumbersVLine(int c) {
    Cells line;
    for (int r = 0; r < rows; ++r) line.push_back(tile[r][c]);
    return numbersOfLine(line, c, size, "VERTICAL");
}

void TLevel::createHorizontalNumbers() {
    for (int r = 0; r < rows; ++r) {
        auto line = std::make_shared<TNumberLine>();
        line->level = this;
        line->lista = createNumbersHLine(r);
        line->check();
        numbersHList.push_back(line);
    }
}

void TLevel::createVerticalNumbers() {
    for (int c = 0; c < cols; ++c) {
        auto line = std::make_shared<TNumberLine>();
        line->level = this;
        line->lista = createNumbersVLine(c);
        line->check();
        numbersVList.push_back(line);
    }
}

void TLevel::createNumbersNeighbors() {
    for (const auto& line : numbersHList) line->CreeateNeighbors();
    for (const auto& line : numbersVList) line->CreeateNeighbors();
}

void TLevel::createNumbers() {
    numbersVList.clear();
    numbersHList.clear();
    createHorizontalNumbers();
    createVerticalNumbers();
    createNumbersNeighbors();
}

void TLevel::countNumbersHList() {
    const int s = sizeIndex(size);
    static const float dy[TILE_SIZES] = {0, -2, -2, -2, -2};
    const float step = TNumber::numWidth("0", s, 1) + 10;
    const float left = (s == 0 || s == 4) ? 20.0f : 15.0f;
    for (int r = 0; r < static_cast<int>(numbersHList.size()); ++r) {
        const float y = sty + tileSizes[s] * static_cast<float>(r) + blockGap(r) + dy[s];
        const auto& lista = numbersHList[r]->lista;
        for (size_t k = 1; k <= lista.size(); ++k) {
            TDim& d = lista[k - 1]->dim;
            d.x = static_cast<float>(static_cast<int>(stx - left - step * static_cast<float>(k)));
            d.y = static_cast<float>(static_cast<int>(y - 4));
            d.update();
        }
    }
}

void TLevel::countNumbersVList() {
    const int s = sizeIndex(size);
    const float h0 = TNumber::numHeight("0", s);
    const float f = s == 4 ? 1.2f : 1.5f;
    const float top = s == 0 ? 15.0f : 10.0f;
    const float dx = s == 4 ? -1.0f : -2.0f;
    for (int c = 0; c < static_cast<int>(numbersVList.size()); ++c) {
        const float x = stx + dx + tileSizes[s] * static_cast<float>(c) + blockGap(c);
        const auto& line = numbersVList[c];
        for (size_t k = 1; k <= line->lista.size(); ++k) {
            TNumber& n = *line->lista[k - 1];
            n.dim.x = static_cast<float>(static_cast<int>(x - 4));
            n.dim.y = static_cast<float>(static_cast<int>(sty - top - h0 * f * static_cast<float>(k) - 4));
            n.dim.update();
            n.myLine = line.get();
        }
    }
}

void TLevel::countNumbersDims() {
    countNumbersHList();
    countNumbersVList();
}

void TLevel::updateNumbers() {
    for (const auto& line : numbersHList) line->update();
    for (const auto& line : numbersVList) line->update();
}

void TLevel::setNumbersAlpha(float a) {
    for (const auto* list : {&numbersHList, &numbersVList})
        for (const auto& line : *list) {
            line->setDAlpha(a);
            line->setNAlpha(a);
        }
}

void TLevel::hideNumbers() {
    if (host) host->showNumberBacks(0);
    for (const auto* list : {&numbersHList, &numbersVList})
        for (const auto& line : *list) {
            line->setMajorAlpha(0);
            line->setDAlpha(0);
        }
}

void TLevel::showNumbers() {
    if (host) host->showNumberBacks(1);
    for (const auto* list : {&numbersHList, &numbersVList})
        for (const auto& line : *list) {
            line->setMajorAlpha(1);
            line->setDAlpha(NUMBER_NORMAL);
        }
}

void TLevel::setGlobalAlpha(float a) {
    for (const auto* list : {&numbersHList, &numbersVList})
        for (const auto& line : *list) {
            line->setMajorAlpha(a);
            line->setDAlpha(a);
            line->setNAlpha(a);
            line->setMajorNAlpha(a);
        }
}

void TLevel::drawNumbers() {
    const int overRow = host ? host->getOverLeft2() : -1;
    const int overCol = host ? host->getOverUp2() : -1;
    for (int i = 0; i < static_cast<int>(numbersHList.size()); ++i)
        for (const auto& n : numbersHList[i]->lista) n->draw(i == overRow);
    for (int j = 0; j < static_cast<int>(numbersVList.size()); ++j)
        for (const auto& n : numbersVList[j]->lista) n->draw(j == overCol);
}

float TLevel::GetLowestNumbersX() const {
    float lowest = 1000;
    for (const auto* list : {&numbersHList, &numbersVList})
        for (const auto& line : *list) lowest = std::min(lowest, line->GetLowestX());
    return lowest;
}

float TLevel::GetLowestNumbersY() const {
    float lowest = 1000;
    for (const auto* list : {&numbersHList, &numbersVList})
        for (const auto& line : *list) lowest = std::min(lowest, line->GetLowestY());
    return lowest;
}
