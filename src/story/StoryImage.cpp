// A story picture's motions by the millisecond clock, its fade values and its drawing.
#include "story/StoryImage.h"

#include <algorithm>

#include "core/DrawState.h"
#include "story/StoryPart.h"

using namespace eng;

namespace {
constexpr float kFadeMs = 300;  // a part fades in and out over this much of its first and last picture
}

void TStoryImage::draw() const {
    if (MilliSecs() < time || typ == 3 || !img) return;
    SetAlpha(alpha);
    SetScale(scale * scaleX, scale * scaleY);
    SetRotation(rot);
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    DrawImage(img, drawX, drawY, 0);
}

void TStoryImage::_update_Typ_1() {
    alpha = 1;
    drawX = x;
    drawY = y;
    scale = scale1 + (scale2 - scale1) * per;
}

void TStoryImage::_update_Typ_2() {
    alpha = per;
    const float w = img ? ImageWidth(img) : 0, h = img ? ImageHeight(img) : 0;
    const float s = static_cast<float>(Sin(90 * per));
    drawX = x - w * vx + w * vx * s;
    drawY = y - h * vy + h * vy * s;
    scale = 1;
}

void TStoryImage::_update_Typ_4() {
    // In from the top right during the first 65 % of the time, then a little squash and stretch.
    const float q = per < 0.65f ? per / 0.65f : 1;
    alpha = q;
    const float s = static_cast<float>(Sin(90 * q));
    drawX = x + 400 - 400 * s;
    drawY = y - 100 + 100 * s;
    scale = 1;
    if (per <= 0.65f)
        scaleX = scaleY = 1;
    else
        scaleX = 1 - 0.25f * static_cast<float>(Sin(180 * (per - 0.35f) / 0.35f));
}

int TStoryImage::update() {
    const int64_t now = MilliSecs();
    if (now < time) return 0;
    if (started == 0) Reset();
    per = timeFrame > 0 ? std::min(1.0f, static_cast<float>(now - started) / timeFrame) : 1.0f;
    switch (typ) {
        case 1:
            _update_Typ_1();
            break;
        case 2:
            _update_Typ_2();
            break;
        case 4:
            _update_Typ_4();
            break;
        default:
            break;
    }
    return per >= 1 ? 1 : 0;
}

void TStoryImage::Reset() {
    started = MilliSecs();
    scale = 1;
}

float TStoryImage::isAtEnd() const {
    if (started == 0) return 0;
    const int64_t elapsed = MilliSecs() - started;
    if (elapsed >= timeFrame) return 1;
    const float remaining = static_cast<float>(timeFrame - elapsed);
    return remaining > kFadeMs ? 0 : 1 - remaining / kFadeMs;
}

float TStoryImage::isAtBegin() const {
    if (started == 0) return 1;
    const int64_t elapsed = MilliSecs() - started;
    return elapsed > kFadeMs ? 0 : 1 - static_cast<float>(elapsed) / kFadeMs;
}

void TStoryImage::Go() {
    time = 0;
    Reset();
    if (txtToRelease != 0 && myPart) myPart->StartText(txtToRelease);
}

void TStoryImage::Finish() {
    started = MilliSecs() - timeFrame;
}
