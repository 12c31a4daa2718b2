// The effect lists of a screen that plays a level: the screen owns them, updates and draws each in its own
// order, and empties them when a visit starts and ends.
#pragma once

#include "effects/Emitter.h"
#include "effects/Particle.h"
#include "effects/Pogoda.h"
#include "nonogram/Caption.h"
#include "nonogram/Debris.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/Plate.h"
#include "nonogram/Stone.h"

struct TPlayEffects {
    TParticleList particles;      // splinters, dust, flashes and trails
    TEmitterList emitters;        // the power-ups' sparkling trails
    TFlyingTileList flyingTiles;  // the cells of the opening flight
    TPlateList plates;            // the chips of broken boards
    TCaptionList captions;        // score popups, praise and the level-completed picture
    TOdpadList debris;            // the pieces of a burst chest and the full bag
    TKamienList stones;           // stones thrown by wrong moves
    TWeatherList weather;         // leaves falling over the background

    void clear() {
        particles.clear();
        emitters.clear();
        flyingTiles.clear();
        plates.clear();
        captions.clear();
        debris.clear();
        stones.clear();
        weather.clear();
    }
};
