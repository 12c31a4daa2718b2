// The lightning bolt: a jagged line of short glowing segments between two points that uncovers itself from
// its start and takes a new shape every 40 ms.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/Engine.h"

struct TLGVector {
    float x = 0, y = 0;
    void Move(float angle, float distance);
};

struct TLGLine {
    TLGVector p1, p2;
    float thick = 1;
    float odx = 0, ody = 0, rot = 0, odl = 0;
    float a = 0, da = 0;
    int r = 255, g = 255, b = 255;

    TLGLine() = default;
    TLGLine(TLGVector from, TLGVector to, float thickness, int red, int green, int blue);
    void draw();
};

class TLightningBolt {
  public:
    std::vector<TLGLine> lines;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float odx = 0, ody = 0;
    float _thick = 1;
    float rot = 0, sideRot = 0;
    int64_t stepTime = 0;
    float n = 0;  // segments uncovered
    int _r = 255, _g = 255, _b = 255;
    int red = 255, green = 255, blue = 255;
    float length = 0;
    TLGVector firstPoint;
    float amplituda = 0;

    float CountAlpha(int i) const;
    // Once per frame: a new shape every 40 ms, ten more segments uncovered per frame.
    void draw();
    void CreateBasicInfo(int ax, int ay, int bx, int by, float amp, int r, int g, int b);
    void RandomizeMe();
    void CreateBasicLine(float thick, float amp, int r, int g, int b);
};

// The caps and the body of a segment; a missing picture draws nothing in its place.
extern std::array<eng::Image, 3> lightningImages;
void loadLightningImages();

TLightningBolt createLightningBolt(int x1, int y1, int x2, int y2, float thick, float amplituda, int red,
                                   int green, int blue);
