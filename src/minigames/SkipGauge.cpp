// The skip gauge: its charge, the glow under the mouse and its drawing.
#include "minigames/SkipGauge.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Mouse.h"

using namespace eng;

void TSkipGauge::setup() {
    skip = loadImageOrWarn(programPrefix + "gfx/miniGames/puzzleExpress/hint.png");
    pasek = loadImageOrWarn(programPrefix + "gfx/minigames/pasek.png");
    nakrycie = loadImageOrWarn(programPrefix + "gfx/minigames/nakrycie.png");
}

void TSkipGauge::start() {
    skipTime = MilliSecs();
    skipA = dSkipA = 0;
}

float TSkipGauge::charge() const {
    return std::clamp(static_cast<float>(MilliSecs() - skipTime) / maxTimeSkip, 0.0f, 1.0f);
}

void TSkipGauge::update(bool armed, bool sinks) {
    const float q = charge();
    const float w = skip ? static_cast<float>(ImageWidth(skip)) : 70,
                h = skip ? static_cast<float>(ImageHeight(skip)) : 48;
    const float top = sinks ? static_cast<float>(static_cast<int>((1 - q) * 40)) : 0;
    const bool over = mouse && mouse->inRect(940, top, w, h);
    dSkipA = armed && q == 1 && over ? 1.0f : 0.0f;
    if (skipA < dSkipA)
        skipA = std::min(skipA + 0.05f * frameDelta, dSkipA);
    else
        skipA = std::max(skipA - 0.1f * frameDelta, dSkipA);
}

void TSkipGauge::draw() const {
    resetDrawState();
    const float q = charge();
    if (pasek) {
        const float w = static_cast<float>(ImageWidth(pasek)), h = static_cast<float>(ImageHeight(pasek));
        if (q > 0) DrawSubImageRect(pasek, 946, 7, w * q, h, 0, 0, w * q, h, 0, 0, 0);
        SetBlend(LIGHTBLEND);
        SetAlpha(0.4f * skipA);
        DrawImage(pasek, 942, 4);
        resetDrawState();
    }
    if (nakrycie) DrawImage(nakrycie, 941, 3);
}
