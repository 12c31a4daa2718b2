// Weather effects: leaves that fade in, drift down while turning and fade out after a few seconds. The
// screen that shows them owns their list and empties it when it finishes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "effects/EffectList.h"
#include "engine/Engine.h"

class TPogoda;
class TRCMFile;
using TWeatherList = TEffectList<TPogoda>;

class TPogoda {
  public:
    float alpha = 0, dAlpha = 0;
    float scale = 0, dScale = 0;
    float x = 0, y = 0;
    float ax = 0, ay = 0;  // movement per frame
    float aSpeed = 0.01f, sSpeed = 0.01f;
    float rSpeed = 0;  // degrees per frame
    int typ = 0;       // 2: a leaf
    int n = 0;         // picture in weatherImages
    float rot = 0;
    int64_t lifeTime = 0;   // MilliSecs after which it fades out
    int64_t startTime = 0;  // MilliSecs before which it neither moves nor shows
    TWeatherList* list = nullptr;

    void update();
    // Draws in the colour the caller left set.
    void draw() const;
};

// The weather pictures: a drop, a light ball, three leaves and three seeds, mid-handled.
extern std::array<eng::Image, 8> weatherImages;
void loadWeatherImages();

// A leaf at (x, y) that falls for 5 to 10 seconds.
void spawnLeaf(int x, int y, TWeatherList& list);
// Every effect once; it may leave the list meanwhile.
void updateWeather(TWeatherList& list);
// Every effect in plain white, then the drawing state back to plain.
void drawWeather(const TWeatherList& list);

// Leaf spawners: x, y, w, h = the rectangle leaves start in, x1 = the interval in ms, x2 = MilliSecs of the
// next leaf. Read from "<group>::i" and "<group>::leaf<n>" (x, y, w, h, interval) as far as the spawners
// exist, at most 32 of them; rectangles far off the screen and intervals under 100 ms are brought back in.
std::vector<TDim> readLeafSpawners(const TRCMFile& file, const std::string& group);
// Each spawner whose time has come lets a leaf fall somewhere in its rectangle.
void updateLeafSpawners(std::vector<TDim>& spawners, TWeatherList& list);
