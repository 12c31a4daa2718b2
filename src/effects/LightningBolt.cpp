// The lightning bolt's shape and drawing.
#include "effects/LightningBolt.h"

#include <algorithm>
#include <cmath>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"

using namespace eng;

std::array<Image, 3> lightningImages;

void loadLightningImages() {
    const char* names[3] = {"line0.png", "line1.png", "line2.png"};
    for (int i = 0; i < 3; ++i)
        lightningImages[i] = loadImageOrWarn(programPrefix + "gfx/efekty/" + names[i]);
    const int h = lightningImages[0] ? ImageHeight(lightningImages[0]) / 2 : 0;
    if (lightningImages[0])
        SetImageHandle(lightningImages[0], static_cast<float>(ImageWidth(lightningImages[0]) - 1), h);
    for (int i = 1; i < 3; ++i)
        if (lightningImages[i]) SetImageHandle(lightningImages[i], 0, h);
}

void TLGVector::Move(float angle, float distance) {
    x += static_cast<float>(Cos(angle)) * distance;
    y += static_cast<float>(Sin(angle)) * distance;
}

TLGLine::TLGLine(TLGVector from, TLGVector to, float thickness, int red, int green, int blue)
    : p1(from), p2(to), thick(thickness), r(red), g(green), b(blue) {
    odx = p2.x - p1.x;
    ody = p2.y - p1.y;
    rot = static_cast<float>(ATan2(ody, odx));
    odl = std::sqrt(odx * odx + ody * ody);
}

void TLGLine::draw() {
    approach(a, da, 0.2f);
    SetColor(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    SetAlpha(std::max(a, 0.0f));
    SetRotation(rot);
    SetScale(thick, thick);
    if (lightningImages[0]) DrawImage(lightningImages[0], p1.x, p1.y);
    SetScale(odl, thick);
    if (lightningImages[1]) DrawImage(lightningImages[1], p1.x, p1.y);
    SetScale(thick, thick);
    if (lightningImages[2]) DrawImage(lightningImages[2], p2.x, p2.y);
    SetScale(1, 1);
    SetRotation(0);
}

TLightningBolt createLightningBolt(int x1, int y1, int x2, int y2, float thick, float amplituda, int red,
                                   int green, int blue) {
    TLightningBolt bolt;
    bolt.CreateBasicInfo(x1, y1, x2, y2, amplituda, red, green, blue);
    bolt.CreateBasicLine(thick, amplituda, red, green, blue);
    return bolt;
}

void TLightningBolt::CreateBasicInfo(int ax, int ay, int bx, int by, float amp, int r, int g, int b) {
    x1 = static_cast<float>(ax);
    y1 = static_cast<float>(ay);
    x2 = static_cast<float>(bx);
    y2 = static_cast<float>(by);
    amplituda = amp;
    red = r;
    green = g;
    blue = b;
    odx = x2 - x1;
    ody = y2 - y1;
    length = std::sqrt(odx * odx + ody * ody);
    rot = static_cast<float>(ATan2(ody, odx));
    sideRot = rot + 90;
    firstPoint = {std::trunc(x1), std::trunc(y1)};
}

// The points wander sideways from the straight line in small steps; over the last twentieth of the length
// the envelope pulls the bolt back onto its end.
void TLightningBolt::CreateBasicLine(float thick, float amp, int r, int g, int b) {
    _thick = thick;
    _r = r;
    _g = g;
    _b = b;
    const int count = static_cast<int>(length / 4);
    std::vector<float> fractions(count);
    for (float& f : fractions) f = static_cast<float>(Rnd(0, 1));
    std::sort(fractions.begin(), fractions.end());
    std::vector<TLGLine> next;
    next.reserve(count + 1);
    TLGVector previous = firstPoint;
    float q = 0, o = 0;
    for (float p : fractions) {
        const float k = (length / 80) * (p - q);
        const float e = p > 0.95f ? 20 * (1 - p) : 0.5f * amp;
        const int u = Rand(-80, 80);
        const float offset = (u - (u - o) * (1 - k)) * e;
        TLGVector point{std::trunc(x1 + odx * p), std::trunc(y1 + ody * p)};
        point.Move(sideRot, offset);
        next.emplace_back(previous, point, thick * (1 + static_cast<float>(Rnd(-0.5, 0.5))),
                          r + Rand(-25, 25), g + Rand(-25, 25), b + Rand(-25, 25));
        previous = point;
        q = p;
        o = offset;
    }
    const int v = Rand(-15, 15);
    next.emplace_back(previous, TLGVector{std::trunc(x2), std::trunc(y2)}, thick, r + v, g + v, b + v);
    lines = std::move(next);
}

void TLightningBolt::RandomizeMe() {
    const int v = Rand(-25, 25);
    CreateBasicLine(_thick, amplituda, red + v, green + v, blue + v);
}

float TLightningBolt::CountAlpha(int i) const {
    if (i <= n) return 1;
    if (i >= n + 1) return 0;
    return n - i;
}

void TLightningBolt::draw() {
    if (MilliSecs() > stepTime) {
        stepTime = MilliSecs() + 40;
        RandomizeMe();
    }
    n = std::min(n + 10 * frameDelta, static_cast<float>(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].a = lines[i].da = CountAlpha(static_cast<int>(i));
        lines[i].draw();
    }
}
