// The pyramid cutscene's script, tremor, dust and drawing.
#include "story/StoryPiramid.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "story/StoryPicture.h"

using namespace eng;

namespace {
constexpr float kGroundY = 520;  // the sand line the pyramid rises out of, centred on the screen
constexpr int kDustPicture = 19;
}  // namespace

TStoryPiramid::TStoryPiramid() {
    id = "STORY-PIRAMID";
}

void TStoryPiramid::start() {
    const std::string dir = "gfx/story/Piramid/";
    back = storyPicture(dir + "back.jpg", true);
    piramid = storyPicture(dir + "piramid.png");
    dust = {storyPicture(dir + "dust.png"), storyPicture(dir + "dust1.png"), storyPicture(dir + "dust2.png")};
    first = storyPicture(dir + "first-plan.png");
    first2 = storyPicture(dir + "first-plan-2.png");
    particles.clear();
    state = 0;
    pirPer = 0;
    told = false;
    dustAlpha = dDustAlpha = {};
    shakePower = trzas = dTrzas = 0;
    eCount = 0;
    backTime = MilliSecs() + 1000;
}

void TStoryPiramid::Finish() {
    particles.clear();
    back = piramid = first = first2 = {};
    dust = {};
}

void TStoryPiramid::zatrzas(float power, float speed, int delay) {
    shakePower = power;
    trSpeed = speed;
    trzasStartTime = MilliSecs() + delay;
    trzas = 0;
    dTrzas = 1;
    eCount = 7;
    dPosA = 1;
    trzasPer = 0;
}

float TStoryPiramid::getShakeX() const {
    if (trzas > 0.5f) return shakePower * static_cast<float>(Sin(90 * (trzas - 0.5f) / 0.5f));
    return -shakePower * static_cast<float>(Sin(90 * (1 - trzas / 0.5f)));
}

void TStoryPiramid::_updateZatrzas() {
    if (eCount <= 0 || MilliSecs() < trzasStartTime) return;
    trzasPer = std::min(1.0f, trzasPer + 0.015f * frameDelta);
    approach(trzas, dTrzas, trSpeed);
    if (dTrzas == 1 && trzas >= 1) {
        dTrzas = 0;
    } else if (dTrzas == 0 && trzas <= 0) {
        --eCount;
        shakeDir = Rand(0, 5);
        if (eCount > 0) dTrzas = 1;
    }
}

void TStoryPiramid::_updateDust() {
    if (MilliSecs() < nextDust) return;
    nextDust = MilliSecs() + 500;
    for (int i = 0; i < 5; ++i) {
        const float x = static_cast<float>(Rand(100, 900)), y = static_cast<float>(Rand(360, 580));
        const float a = static_cast<float>(Rand(0, 360)), r = static_cast<float>(Rand(0, 25));
        const float x2 = x + r * static_cast<float>(Cos(a)), y2 = y + r * static_cast<float>(Sin(a));
        auto p = createParticle(kDustPicture, x, y, x2, y2, (x + x2) / 2, (y + y2) / 2, TRGB{255, 255, 255},
                                0, 0.5f, 0.6f, 0.6f, 0, 0, ALPHABLEND, Rand(0, 500), 6000, particles);
        if (p) p->getBack = 1;
    }
}

void TStoryPiramid::_pulseDust() {
    if (dustAlpha[1] >= dDustAlpha[1] && dDustAlpha[1] >= 1)
        dDustAlpha[1] = 0.8f;
    else if (dustAlpha[1] <= dDustAlpha[1] && dDustAlpha[1] <= 0.8f)
        dDustAlpha[1] = 1;
}

void TStoryPiramid::_updateScript() {
    const int64_t now = MilliSecs();
    switch (state) {
        case 0:
            if (now <= backTime) break;
            RunDialog(30);
            dDustAlpha[0] = 1;
            state = 1;
            break;
        case 1:
            if (dustAlpha[0] > 0.25f) dDustAlpha[1] = 1;
            if (dustAlpha[0] >= 1) {
                state = 2;
                backTime = now + 2000;
            }
            break;
        case 2:
            _pulseDust();
            _updateDust();
            if (now > backTime) {
                state = 3;
                zatrzas(1, 0.3f, 0);
                nextTremor = now + 250;
            }
            break;
        case 3:
            _pulseDust();
            pirPer += 0.0005f * frameDelta;
            dDustAlpha[2] = 0.6f;  // a haze thickens while the pyramid climbs
            if (now >= nextTremor) {
                zatrzas(1, 0.3f, 0);
                nextTremor = now + 250;
            }
            _updateDust();
            if (pirPer > 1) {
                pirPer = 1;
                dDustAlpha[1] = 0.25f;
                dDustAlpha[2] = 0;
                state = 4;
                backTime = now + 1000;
            }
            break;
        case 4:
            if (now > backTime && !told) {
                told = true;
                RunDialog(31);
                dFade = 1;
            }
            break;
        default:
            break;
    }
}

void TStoryPiramid::_updateBack() {
    _updateScript();
    for (size_t i = 0; i < dust.size(); ++i) approach(dustAlpha[i], dDustAlpha[i], 0.006f);
    _updateZatrzas();
    particles.update();
}

void TStoryPiramid::_drawBack() {
    drawScaled(back, 512, 384, 1);
    if (piramid && pirPer > 0) {
        const float w = ImageWidth(piramid), h = ImageHeight(piramid);
        const float shown = h * static_cast<float>(Sin(90 * pirPer));
        const float dir = 60.0f * shakeDir, shake = getShakeX();
        const float sx = shake * static_cast<float>(Cos(dir)), sy = shake * static_cast<float>(Sin(dir));
        DrawSubImageRect(piramid, 512 - w / 2 + sx, kGroundY - shown + sy, w, shown, 0, 0, w, shown);
    }
    const float at[3][2] = {{1, 461}, {48, 185}, {0, 0}};
    for (size_t i = 0; i < dust.size(); ++i)
        if (dustAlpha[i] > 0) drawScaled(dust[i], at[i][0], at[i][1], 1, dustAlpha[i]);
    resetDrawState();
    particles.draw();
    drawScaled(first, 0, 0, 1);
    drawScaled(first2, 0, 0, 1);
    drawPanele();
}
