// One block of the find-route puzzle: a piece of line (straight, cross, T, corner or dead end) that turns a
// quarter turn clockwise when clicked, and the blocks its lines point to.
#pragma once

#include <array>
#include <vector>

#include "engine/Engine.h"

class TFRLevel;

class TFRBlock {
  public:
    TFRLevel* level = nullptr;
    int n = 0;         // kind 1..5; 0 is an empty place without a block
    int x = 0, y = 0;  // offset of the centre from the level's drawX, drawY
    int rot = 1;       // 1..4, each a quarter turn clockwise
    float scale = 1, per = 0, dPer = 0, addRot = 0;
    int state = 0;  // 1 while turning
    int ozn = 0;    // route-search label
    int r = 0, c = 0;
    int drawX = 0, drawY = 0;
    std::vector<TFRBlock*> moiSasiedzi;  // the blocks its lines point to
    int iAmEnd = 0, iAmStart = 0;
    int isOver = 0;

    // At rest: not turning.
    int nothing() const { return addRot == 0 && per == dPer ? 1 : 0; }
    void draw(float x0, float y0);
    void _updateRotation();
    // 1 when the mouse is over the block (a turning block never is).
    int update(float x0, float y0);
    void Rotate();
    void FindSasiedzi();
    // The block has a line toward (dr, dc).
    int HaveLineAtDir(int dr, int dc) const;
    int HaveSasiad(const TFRBlock* block) const;
};

// The lines of kind n (1..5) at orientation rot (1..4), in the order its neighbours are collected, as
// (dr, dc) steps.
const std::vector<std::array<int, 2>>& blockLines(int n, int rot);

// The five block pictures, by kind - 1.
extern std::array<eng::Image, 5> frBlockImages;
