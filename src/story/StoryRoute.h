// The route cutscenes: a map zooms in while a dotted route is drawn dot by dot from the start marker to a
// cross, and an arrow points on when it arrives.
#pragma once

#include <vector>

#include "story/Cutscene.h"

// One dot of a route.
struct TRoutePoint {
    int x = 0, y = 0;
    float per = 0;
    // Draws `image` at the dot's place on the map zoomed by s around (cx, cy) and moved by (ax, ay).
    void draw(float ax, float ay, float s, const eng::Image& image, float cx, float cy) const;
};

// The dots at h = h0 + k·dh (k = 1, 2, ...) while h ≤ hmax and h ≤ 1 along the quadratic curve from
// (x1, y1) to (x2, y2) bent toward (mx, my).
std::vector<TRoutePoint> routeDots(float x1, float y1, float x2, float y2, float mx, float my, float h0,
                                   float dh, float hmax);

class TStoryRoute : public TCutscene {
  public:
    eng::Image back, pntImg, arr, startImg, xImg;
    std::vector<TRoutePoint> route;
    float backS = 1, ax = 0, ay = 0;
    float routePer = 0;
    float q = 1;

    void start() override;
    void _updateBack() override;
    void _drawBack() override;
    void Finish() override;
    // (x, y) of the map as drawn this frame.
    float mapX(float x) const { return cx + (x - cx) * backS + ax; }
    float mapY(float y) const { return cy + (y - cy) * backS + ay; }

  protected:
    const char* mapFile = "";
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float h0 = 0.05f, dh = 0.05f, hmax = 1;
    float cx = 512, cy = 384;  // the zoom's centre
    int motionMs = 15000;
    float dotSpeed = 2;  // dots shown per dot of the route over the whole motion
    float crossDX = 0, crossDY = 0, crossRot = 0;
    float arrowDX = 0, arrowDY = 0, arrowRot = 0;
    virtual void _pan() = 0;
};

// From the Nile to the two rivers.
class TStoryGoIrak : public TStoryRoute {
  public:
    TStoryGoIrak();

  protected:
    void _pan() override;
};

// From Persia up to the Roof of the World.
class TStoryGoToTibet : public TStoryRoute {
  public:
    float CenterX = 850, CenterY = 200;
    TStoryGoToTibet();

  protected:
    void _pan() override;
};
