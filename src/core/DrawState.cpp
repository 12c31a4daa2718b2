// The drawing state every picture starts from.
#include "core/DrawState.h"

#include "engine/Engine.h"

void resetDrawState() {
    eng::SetBlend(eng::ALPHABLEND);
    eng::SetScale(1, 1);
    eng::SetRotation(0);
    eng::SetAlpha(1);
    eng::SetColor(255, 255, 255);
}
