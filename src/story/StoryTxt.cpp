// A caption's fade-in by the frame delta, its fade-out by the clock, and its one or two centred lines.
#include "story/StoryTxt.h"

#include <algorithm>

#include "core/DrawState.h"
#include "core/Globals.h"

using namespace eng;

namespace {
constexpr float kFadeOutMs = 500;

void centred(const std::string& line, float y) {
    DrawText(line, static_cast<float>(512 - TextWidth(line) / 2), y);
}
}  // namespace

void TStoryTxt::draw() {
    const int64_t now = MilliSecs();
    if (now < startTime) return;
    dAlpha = 1;
    if (endTime == 0) endTime = now + time;
    if (alpha < dAlpha) alpha = std::min(dAlpha, alpha + 0.05f * frameDelta);
    if (now > endTime - kFadeOutMs) alpha = std::max(0.0f, static_cast<float>(endTime - now) / kFadeOutMs);
    if (now > endTime) return;
    SetImageFont(font);
    SetBlend(ALPHABLEND);
    SetRotation(0);
    SetScale(1, 1);
    SetAlpha(alpha);
    SetColor(255, 255, 255);
    if (txt.size() == 1) {
        centred(txt[0], 690);
    } else if (txt.size() == 2) {
        centred(txt[0], 665);
        centred(txt[1], 705);
    }
}
