// Emitters that reveal a cell of the level when they expire, and the trails of the sword and the medallion
// that end in one.
#pragma once

#include <memory>

#include "effects/Emitter.h"

class TLevel;
class TTile;

// An emitter of `typ` at (x, y) like createEmitter's that, on expiry, reveals the cell (r, c) of `level`
// with a flash among its sparkles; a cell outside the grid, or a level gone by then, is left alone.
std::shared_ptr<TEmitter> createRevealEmitter(const std::shared_ptr<TLevel>& level, int r, int c, int typ,
                                              float x, float y, int delay, int interval, int duration,
                                              TEmitterList& list, TParticleList& sparkles);

// A chain of sparkling emitters of `typ` from (x1, y1) to the cell at (x2, y2) along a curve bent at random;
// the chain starts `delay` ms from now and its last emitter reveals the cell when it expires (about 1.4 s
// later at 60 frames per second).
void revealTrail(int typ, float x1, float y1, float x2, float y2, int delay,
                 const std::shared_ptr<TLevel>& level, const TTile& cell, TEmitterList& list,
                 TParticleList& sparkles);
// The medallion's orange trail and the sword's blue one.
void medallionTrail(float x1, float y1, float x2, float y2, int delay, const std::shared_ptr<TLevel>& level,
                    const TTile& cell, TEmitterList& list, TParticleList& sparkles);
void swordTrail(float x1, float y1, float x2, float y2, int delay, const std::shared_ptr<TLevel>& level,
                const TTile& cell, TEmitterList& list, TParticleList& sparkles);
