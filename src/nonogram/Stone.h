// A stone thrown by a wrong move: it pops up over the cell, then flies into the bag or against the chest,
// from which it bounces off the bottom of the screen.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>

class TKamien {
  public:
    int gotoworek = 0;  // 1: flies into the bag
    int size = 0;       // size index of its picture
    int n = 0;
    std::string state;  // "START", "HIDE", "FLY", "FLY-DOWN", "FLY-TO-WOREK"
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;  // start of the current flight
    float x2 = 0, y2 = 0;  // end of the current flight
    float mx = 0, my = 0;  // control point of the current flight
    float dx = 0, dy = 0;  // the point on the chest it is thrown at
    float per = 0;
    float s = 1, a = 1;
    float rot = 0;
    float speed = 1;
    int64_t kurzTime = 0;  // MilliSecs of the next dust puff

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

using TKamienList = std::list<std::shared_ptr<TKamien>>;
extern TKamienList stoneList;

// A stone popping up at (x, y) to be thrown at (tx, ty); the caller sets gotoworek for the bag.
std::shared_ptr<TKamien> startStone(int n, float x, float y, float tx, float ty, int size);
void updateStones();
void drawStones();
void clearStones();
// Stones thrown at the bag that have not reached it yet: each already takes a place in it.
int stonesFlyingToBag();
