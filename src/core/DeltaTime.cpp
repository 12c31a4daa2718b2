// The frame timer and the approach-to-target rule shared by every animated value.
#include "core/DeltaTime.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/Globals.h"

namespace {
std::vector<TDeltaTime*>& timers() {
    static std::vector<TDeltaTime*> list;
    return list;
}
}  // namespace

TDeltaTime* deltaTimer = nullptr;

TDeltaTime::TDeltaTime() {
    timers().push_back(this);
}

TDeltaTime::~TDeltaTime() {
    Destroy();
}

TDeltaTime* TDeltaTime::Create(float fps) {
    auto* t = new TDeltaTime();
    t->SetFPS(fps);
    return t;
}

void TDeltaTime::SetFPS(float fps) {
    dFps = fps;
    dDelta = 1000.0f / fps;
}

void TDeltaTime::Update() {
    UpdateAt(eng::MilliSecs());
}

void TDeltaTime::UpdateAt(int64_t now) {
    CurrTime = now;
    ElapsedTime = std::llabs(CurrTime - OldTime);
    if (ElapsedTime < 1) ElapsedTime = 1;
    OldTime = CurrTime;
    if (CurrTime > CheckTime) {
        CheckTime = CurrTime + 1000;
        CurrFps = FPSCounter;
        FPSCounter = 0;
    } else {
        FPSCounter += 1;
    }
}

float TDeltaTime::CurrDelta() const {
    return dDelta > 0 ? static_cast<float>(std::llabs(ElapsedTime)) / dDelta : 0.0f;
}

void TDeltaTime::Destroy() {
    auto& list = timers();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void updateTiming() {
    if (!deltaTimer) deltaTimer = TDeltaTime::Create(60);
    deltaTimer->Update();
    frameDelta = deltaTimer->CurrDelta();
    eng::PollSystem();
}

void approach(float& value, float target, float speed) {
    if (value < target) {
        value += speed * frameDelta;
        if (value > target) value = target;
    }
    if (value > target) {
        value -= speed * frameDelta;
        if (value < target) value = target;
    }
}
