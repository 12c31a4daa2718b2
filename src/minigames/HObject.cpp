// A hidden object's pick, its flight to the panel, the pointer test and its drawing.
#include "minigames/HObject.h"

#include <algorithm>

#include "core/Curve.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "minigames/MiniGame.h"

using namespace eng;

std::string sepiaPath(const std::string& panelPath) {
    const size_t slash = panelPath.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "" : panelPath.substr(0, slash);
    std::string name = slash == std::string::npos ? panelPath : panelPath.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name = name.substr(0, dot);
    return (dir.empty() ? "" : dir + "/") + name + "-sepia.png";
}

void THObject::pick() {
    state = "PICK";
    per = 0;
    zS = zA = 1;
    zRot = 0;
    partColor = Rand(0, 1);
    zebranyDim.x = ZebranykopiaDim.x;
    zebranyDim.y = ZebranykopiaDim.y;
}

void THObject::interpretujState() {
    if (Upper(state) == "DONE") {
        state = "DONE";
        da = 0;
    }
}

bool THObject::isUnder(float mx, float my) const {
    if (!imgUkryty || !pointImage) return false;
    // Only this object on the layer: an earlier object's pixels must not answer for it.
    ResetCollisions(1);
    SetScale(us, us);
    CollideImage(imgUkryty, ukrytyDim.x, ukrytyDim.y, 0, 0, 1, this);
    SetScale(1, 1);
    return !CollideImage(pointImage, mx, my, 0, 1, 0).empty();
}

bool THObject::update(float mx, float my, TParticleList& sparkles) {
    if (hidden()) {
        ua = us = 1;
        myX = ukrytyDim.x;
        myY = ukrytyDim.y;
        return isUnder(mx, my);
    }
    if (state == "PICK") {
        per = std::min(per + 0.025f * frameDelta, 1.0f);
        zS = 1 + 0.3f * fsin(180 * per);
        zA = 1;
        zRot = 0;
        if (MilliSecs() > partTime && imgUkryty) {
            partTime = MilliSecs() + 50;
            const int w = ImageWidth(imgUkryty) / 2, h = ImageHeight(imgUkryty) / 2;
            const float px = ukrytyDim.x + Rand(-w, w), py = ukrytyDim.y + Rand(-h, h);
            if (partColor)
                treasureSparkle(px, py, sparkles);
            else
                menuSparkle(px, py, sparkles);
        }
        if (per == 1) {
            state = "PICK-2";
            per = 0;
        }
    } else if (state == "PICK-2") {
        per = std::min(per + 0.01f * frameDelta, 1.0f);
        const float t = fsin(90 * per);
        const TDim &p0 = ZebranykopiaDim, &p2 = doZebraniaDim;
        const float p1y = p0.y > 300 ? p0.y - 200 : p0.y;
        zebranyDim.x = bezier(p0.x, p2.x, p2.x, t);
        zebranyDim.y = bezier(p0.y, p1y, p2.y, t);
        myX = zebranyDim.x;
        myY = zebranyDim.y;
        const float k = t <= 0.7f ? 0 : (t - 0.7f) / 0.3f;
        zA = da = 1 - k;
        zRot = 720 * t;
        if (per == 1) {
            state = "DONE";
            zA = da = 0;
        }
    } else if (state == "PICK-3") {
        per = std::min(per + 0.02f * frameDelta, 1.0f);
        zA = da = 0.3f * (1 - fsin(90 * per));
        if (per == 1) state = "DONE";
    }
    return false;
}

void THObject::drawHidden() const {
    if (!hidden() || !imgUkryty) return;
    SetAlpha(ua);
    SetScale(us, us);
    DrawImage(imgUkryty, ukrytyDim.x, ukrytyDim.y);
    SetScale(1, 1);
    SetAlpha(1);
}

void THObject::drawFlying() const {
    const Image& img = flying();
    if (!collecting() || !img) return;
    SetAlpha(zA);
    SetScale(zS, zS);
    SetRotation(zRot);
    DrawImage(img, zebranyDim.x, zebranyDim.y);
    resetDrawState();
}
