// Emitters that reveal a cell of the level when they expire: the trails of the map and the skull.
#pragma once

#include <memory>

#include "effects/Emitter.h"

class TLevel;

// An emitter of `typ` at (x, y) like createEmitter's that, on expiry, reveals the cell (r, c) of `level`
// with a flash among its sparkles; a cell outside the grid, or a level gone by then, is left alone.
std::shared_ptr<TEmitter> createRevealEmitter(const std::shared_ptr<TLevel>& level, int r, int c, int typ,
                                              float x, float y, int delay, int interval, int duration,
                                              TEmitterList& list, TParticleList& sparkles);
