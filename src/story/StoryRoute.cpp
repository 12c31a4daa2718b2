// The route cutscenes' dots, zoom, pan and markers.
#include "story/StoryRoute.h"

#include <algorithm>

#include "core/DrawState.h"
#include "story/StoryPicture.h"

using namespace eng;

void TRoutePoint::draw(float ax, float ay, float s, const Image& image, float cx, float cy) const {
    if (image) DrawImage(image, cx + (x - cx) * s + ax, cy + (y - cy) * s + ay);
}

std::vector<TRoutePoint> routeDots(float x1, float y1, float x2, float y2, float mx, float my, float h0,
                                   float dh, float hmax) {
    std::vector<TRoutePoint> dots;
    if (dh <= 0) return dots;
    float h = h0;
    for (int k = 1; k < 10000; ++k) {
        h += dh;  // accumulated in single precision, as the dots were laid out
        if (h > hmax || h > 1) break;
        const float x = x1 + 2 * h * (mx - x1) + h * h * (x1 + x2 - 2 * mx);
        const float y = y1 + 2 * h * (my - y1) + h * h * (y1 + y2 - 2 * my);
        dots.push_back({static_cast<int>(x), static_cast<int>(y), h});
    }
    return dots;
}

void TStoryRoute::start() {
    // The map turns about the zoom's centre, so the dots' places on it stay where the map shows them.
    back = storyPicture(mapFile);
    if (back) SetImageHandle(back, cx, cy);
    pntImg = storyPicture("gfx/story/goToIrak/point.png", true);
    arr = storyPicture("gfx/story/goToIrak/arrow.png");
    xImg = storyPicture("gfx/story/goToIrak/x.png", true);
    startImg = storyPicture("gfx/story/goToIrak/start.png", true);
    route = routeDots(x1, y1, x2, y2, mx, my, h0, dh, hmax);
    q = 1;
    backS = 1;
    routePer = 0;
    backTime = MilliSecs() + motionMs;
    _pan();
}

void TStoryRoute::_updateBack() {
    q = motionLeft(motionMs);
    backS = 1 + 0.3f * (1 - q);
    _pan();
    const float dots = static_cast<float>(route.size());
    routePer = std::min(dots * dotSpeed * (1 - q), dots + 1);
    if (backTime - MilliSecs() < 1500) dFade = 1;
}

void TStoryRoute::_drawBack() {
    drawScaled(back, cx + ax, cy + ay, backS);
    resetDrawState();
    if (startImg) DrawImage(startImg, mapX(x1), mapY(y1));
    SetRotation(crossRot);
    if (xImg) DrawImage(xImg, mapX(x2) + crossDX, mapY(y2) + crossDY);
    SetRotation(0);
    const int shown = std::min(static_cast<int>(routePer), static_cast<int>(route.size()));
    for (int k = 0; k < shown; ++k) route[k].draw(ax, ay, backS, pntImg, cx, cy);
    if (routePer >= route.size() + 1 && arr) {
        SetRotation(arrowRot);
        DrawImage(arr, mapX(x2 + arrowDX), mapY(y2 + arrowDY));
    }
    SetRotation(0);
    drawPanele();
}

void TStoryRoute::Finish() {
    back = pntImg = arr = startImg = xImg = {};
    route.clear();
}

TStoryGoIrak::TStoryGoIrak() {
    id = "STORY-GO-TO-IRAK";
    mapFile = "gfx/story/goToIrak/map.jpg";
    x1 = 100, y1 = 562, x2 = 404, y2 = 298, mx = 130, my = 318;
    h0 = 0.05f, dh = 0.03f, hmax = 0.82f;
    motionMs = 20000;
    dotSpeed = 1.5f;
    arrowDX = -80, arrowDY = -23, arrowRot = 10;
}

void TStoryGoIrak::_pan() {
    ax = 100 * (1 - q);
    ay = -50 * q;
}

TStoryGoToTibet::TStoryGoToTibet() {
    id = "STORY-GO-TO-TIBET";
    mapFile = "gfx/story/goToTibet/back.jpg";
    x1 = 600, y1 = 530, x2 = 870, y2 = 260, mx = 510, my = 120;
    h0 = 0.05f, dh = 0.05f, hmax = 0.94f;
    cx = CenterX, cy = CenterY;
    crossDX = -10, crossDY = 10, crossRot = 30;
    arrowDX = -56, arrowDY = -56, arrowRot = 50;
}

void TStoryGoToTibet::_pan() {
    ax = 0;
    ay = -50 * q;
}
