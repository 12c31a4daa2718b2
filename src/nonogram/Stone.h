// A stone thrown by a wrong move: it pops up over the cell, then flies into the bag or against the chest,
// from which it bounces off the bottom of the screen.
#pragma once

#include <cstdint>
#include <memory>

#include "effects/EffectList.h"

class TKamien;
class TLevelHost;
using TKamienList = TEffectList<TKamien>;

// START: popping up; HIDE: shrinking back; FLY: thrown at the chest; FLY_DOWN: bouncing off it;
// FLY_TO_WOREK: thrown into the bag.
enum class TStoneState { START, HIDE, FLY, FLY_DOWN, FLY_TO_WOREK };

class TKamien {
  public:
    int gotoworek = 0;  // 1: flies into the bag
    int size = 0;       // size index of its picture
    int n = 0;
    TStoneState state = TStoneState::START;
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;  // start of the current flight
    float x2 = 0, y2 = 0;  // end of the current flight
    float mx = 0, my = 0;  // control point of the current flight
    float dx = 0, dy = 0;  // the point on the chest it is thrown at
    float per = 0;
    float s = 1, a = 1;
    float rot = 0;
    float speed = 1;
    int64_t kurzTime = 0;        // MilliSecs of the next dust puff
    TLevelHost* host = nullptr;  // the screen with the bag and the chest (and the dust's list)
    TKamienList* list = nullptr;

    void draw() const;
    // A few dust puffs behind it, at most every 25 ms.
    void generate();
    void _updateStart();
    void _updateHide();
    void _updateFlyToWorek();
    void _updateFly();
    void _updateFlyDown();
    void update();
    void destroy();
    // It hits the chest: the chest is damaged and the stone bounces off downward.
    void odbij();

  private:
    // One step of the current flight; true once it has arrived.
    bool _flyStep();
};

// A stone popping up at (x, y) to be thrown at (tx, ty), into the stone list of `host`; the caller sets
// gotoworek for the bag.
std::shared_ptr<TKamien> startStone(TLevelHost& host, int n, float x, float y, float tx, float ty, int size);
// Stones thrown at the bag that have not reached it yet: each already takes a place in it.
int stonesFlyingToBag(const TKamienList& list);
