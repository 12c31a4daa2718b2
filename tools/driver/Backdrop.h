// The developer scenes' quiet backdrop in the game's deep blue, so everything drawn on it shows.
#pragma once

#include "core/DrawState.h"
#include "engine/Engine.h"

inline void drawDeveloperBackdrop() {
    resetDrawState();
    for (int i = 0; i < 16; ++i) {
        eng::SetColor(28 + i * 2, 40 + i * 3, 70 + i * 3);
        eng::DrawRect(0, i * 48.0f, 1024, 48);
    }
    eng::SetColor(255, 255, 255);
}
