// Falling leaves: spawning, fading in and out, drifting and turning, and drawing.
#include "effects/Pogoda.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

using namespace eng;

std::array<Image, 8> weatherImages;

void loadWeatherImages() {
    const char* names[8] = {"kropla", "ball", "lisc1", "lisc2", "lisc3", "ziarno", "ziarno2", "ziarno3"};
    for (int i = 0; i < 8; ++i) {
        weatherImages[i] = loadImageOrWarn(programPrefix + "gfx/particles/pogoda/" + names[i] + ".png", 6);
        if (weatherImages[i]) MidHandleImage(weatherImages[i]);
    }
}

void spawnLeaf(int x, int y, TWeatherList& list) {
    auto leaf = std::make_shared<TPogoda>();
    leaf->alpha = 0;
    leaf->dAlpha = 1;
    leaf->scale = leaf->dScale = 0.5f;
    leaf->x = static_cast<float>(x);
    leaf->y = static_cast<float>(y);
    leaf->ax = static_cast<float>(Rnd(-0.3, 0.3));
    leaf->ay = static_cast<float>(Rnd(1.5, 3.0));
    leaf->rSpeed = static_cast<float>(Rnd(1, 2));
    if (Rand(0, 1) != 0) leaf->rSpeed = -leaf->rSpeed;
    leaf->typ = 2;
    leaf->n = Rand(2, 4);
    leaf->lifeTime = MilliSecs() + Rand(5, 10) * 1000;
    list.add(std::move(leaf));
}

void TPogoda::update() {
    const int64_t now = MilliSecs();
    if (now <= startTime) return;
    if (typ == 2) {
        if (alpha < 1 && dAlpha == 1)
            alpha = std::min(alpha + aSpeed * frameDelta, 1.0f);
        else if (alpha == 1)
            dAlpha = 0;
    }
    if (now > lifeTime) {
        approach(alpha, dAlpha, aSpeed);
        approach(scale, dScale, sSpeed);
    }
    x += ax * frameDelta;
    y += ay * frameDelta;
    rot += rSpeed * frameDelta;
    if ((scale == 0 || alpha == 0) && list) list->remove(this);
}

void TPogoda::draw() const {
    if (MilliSecs() < startTime || n < 0 || n >= 8 || !weatherImages[n]) return;
    SetBlend(ALPHABLEND);
    SetAlpha(alpha);
    SetRotation(rot);
    SetScale(scale, scale);
    DrawImage(weatherImages[n], x, y);
}

void updateWeather(TWeatherList& list) {
    list.update();
}

void drawWeather(const TWeatherList& list) {
    resetDrawState();
    list.draw();
    resetDrawState();
}

namespace {
// Far above the few spawners a background has. A spawner's rectangle stays within a few screens of the
// playfield (so its corners are whole numbers for Rand) and it lets a leaf fall at most every 100 ms.
constexpr int kMaxLeafSpawners = 32;
constexpr int kLeafFar = 4096;
constexpr int kMinLeafInterval = 100;
}  // namespace

std::vector<TDim> readLeafSpawners(const TRCMFile& file, const std::string& group) {
    std::vector<TDim> out;
    int n = countItems(file, group + "::leaf", 1, readInt(file, group + "::i"));
    if (n > kMaxLeafSpawners) {
        Warn(file._path + ": only the first " + std::to_string(kMaxLeafSpawners) + " leaf spawners of " +
             group + " are used");
        n = kMaxLeafSpawners;
    }
    for (int i = 1; i <= n; ++i) {
        const std::string k = group + "::leaf" + std::to_string(i);
        auto value = [&](int index, int lo, int hi) {
            return static_cast<float>(std::clamp(readInt(file, k, index), lo, hi));
        };
        TDim d;
        d.x = value(0, -kLeafFar, kLeafFar);
        d.y = value(1, -kLeafFar, kLeafFar);
        d.w = value(2, 0, kLeafFar);
        d.h = value(3, 0, kLeafFar);
        d.x1 = value(4, kMinLeafInterval, kFileIntLimit);
        d.x2 = 0;
        out.push_back(d);
    }
    return out;
}

void updateLeafSpawners(std::vector<TDim>& spawners, TWeatherList& list) {
    const float now = static_cast<float>(MilliSecs());
    for (TDim& s : spawners)
        if (now > s.x2) {
            s.x2 = now + s.x1;
            spawnLeaf(Rand(static_cast<int>(s.x), static_cast<int>(s.x + s.w)),
                      Rand(static_cast<int>(s.y), static_cast<int>(s.y + s.h)), list);
        }
}
