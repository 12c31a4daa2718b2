// The hint's circling sparkles.
#include "minigames/HOHint.h"

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "minigames/MiniGame.h"

using namespace eng;

THOHint::THOHint(float x, float y) : cx(x), cy(y), startTime(MilliSecs()) {}

float THOHint::x() const {
    return cx + fcos(angle) * radius;
}
float THOHint::y() const {
    return cy + fsin(angle) * radius;
}

bool THOHint::update(TParticleList& sparkles) {
    const int64_t now = MilliSecs();
    if (now - startTime > 4000) return false;
    angle -= 3 * frameDelta;
    if (now > nextSparkle) {
        nextSparkle = now + 25;
        hintSparkle(x(), y(), sparkles);
    }
    return true;
}
