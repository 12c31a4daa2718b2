// The sword power-up: the sword flies from its slot over the grid while two streams of sparks wind down
// onto the grid's centre, then it fades and sends a trail to each cell it breaks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"

class TTile;
class TLevel;
struct TPlayEffects;

class TMiecz {
  public:
    std::vector<std::shared_ptr<TTile>> lista;  // the cells it will break
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;
    float per = 0;
    float rot = 0;
    float ma = 1, dma = 1;
    float dnaP = 0;
    std::string state = "FLY";  // FLY, BOOM, WAIT, HIDE
    int64_t time = 0;

    TMiecz(std::shared_ptr<TLevel> level, TPlayEffects& fx) : level_(std::move(level)), fx_(fx) {}

    void draw() const;
    void _update_fly();
    void _update_DNA();
    void _update_boom();
    void _update_wait();
    void _update_ma();
    void update();
    // Faded out: the owner lets go of it.
    bool gone() const { return ma <= 0 && dma <= 0; }

  private:
    std::weak_ptr<TLevel> level_;
    TPlayEffects& fx_;
};

// The sword picture, loaded once.
extern eng::Image swordImage;
void loadSwordImage();

// A sword for `cells`, from (sx, sy) (its slot) to the centre of `level`'s grid.
std::shared_ptr<TMiecz> startSword(std::vector<std::shared_ptr<TTile>> cells, float sx, float sy,
                                   const std::shared_ptr<TLevel>& level, TPlayEffects& fx);
