// The clue numbers of one row or column: their shared alpha, neighbours, and the praise for a finished line.
#include "nonogram/NumberLine.h"

#include <algorithm>

#include "nonogram/Caption.h"
#include "nonogram/Level.h"
#include "nonogram/LevelHost.h"
#include "nonogram/PlayEffects.h"

float TNumberLine::GetLowestX() const {
    float lowest = 1024;
    for (const auto& n : lista) lowest = std::min(lowest, n->dim.x);
    return lowest;
}

float TNumberLine::GetLowestY() const {
    float lowest = 1024;
    for (const auto& n : lista) lowest = std::min(lowest, n->dim.y);
    return lowest;
}

void TNumberLine::check() {
    for (const auto& n : lista) {
        n->myLine = this;
        n->updateTilesy2();
    }
    if (std::all_of(lista.begin(), lista.end(), [](const auto& n) { return n->cleared(); })) wszystkie = 1;
}

void TNumberLine::update() {
    for (const auto& n : lista) n->update();
    const int was = wszystkie;
    if (std::all_of(lista.begin(), lista.end(), [](const auto& n) { return n->cleared(); })) wszystkie = 1;
    // A line finished by a right move earns a praise.
    if (!was && wszystkie && level && level->host && level->host->lastMove() == 0)
        offerPraise(*level, static_cast<float>(level->getGridXCenter()), level->host->effects().captions);
    if (wszystkie) setDAlpha(NUMBER_LINE_DONE);
}

void TNumberLine::setMajorNAlpha(float a) {
    for (const auto& n : lista) n->setMajorNAlpha(a);
}

void TNumberLine::setMajorAlpha(float a) {
    for (const auto& n : lista) n->setMajorAlpha(a);
}

void TNumberLine::setDAlpha(float a) {
    for (const auto& n : lista) n->dAlpha = a;
}

void TNumberLine::setNAlpha(float a) {
    for (const auto& n : lista) n->alpha = a;
}

std::shared_ptr<TNumber> TNumberLine::GetNumberByInd(int i) const {
    if (i < 0 || i >= static_cast<int>(lista.size())) return nullptr;
    return lista[i];
}

void TNumberLine::CreeateNeighbors() {
    for (size_t k = 0; k < lista.size(); ++k) {
        lista[k]->sasiadB = k > 0 ? lista[k - 1].get() : nullptr;
        lista[k]->sasiadA = k + 1 < lista.size() ? lista[k + 1].get() : nullptr;
    }
}

int TNumberLine::isEverythingCleared() const {
    return std::all_of(lista.begin(), lista.end(), [](const auto& n) { return n->wszystkieCleared(); });
}
