// The game's particle effects: flashes, sparkles, trails, splinters and bursts, each a few ready-made
// particles appended to the list of the screen that shows them.
#pragma once

#include <memory>

#include "core/Dim.h"
#include "effects/Particle.h"

// Two flashes fixed at (x, y) growing from scale s0 to 1.5 x size: the end of a cell-revealing emitter.
void lightFlash(const TRGB& rgb, float x, float y, float size, float s0, TParticleList& list);
// A gold sparkle falling behind a flying treasure.
std::shared_ptr<TParticle> treasureTrail(float x, float y, TParticleList& list);
// A yellow sparkle growing over a collected treasure in the chest.
std::shared_ptr<TParticle> treasureSparkle(float x, float y, TParticleList& list);
// A white sparkle of the title screen.
std::shared_ptr<TParticle> menuSparkle(float x, float y, TParticleList& list);
// The sparkle of the power-up emitters.
std::shared_ptr<TParticle> emitterSparkle(float x, float y, const TRGB& rgb, TParticleList& list);
// A cyan sparkle somewhere over the w x h box centred on (x, y): the eye, skull and map previews.
std::shared_ptr<TParticle> previewSparkle(float x, float y, float w, float h, TParticleList& list);
// A wood splinter flying off a breaking board.
std::shared_ptr<TParticle> splinter(float x, float y, TParticleList& list);
// A grey puff behind a thrown stone of radius r.
std::shared_ptr<TParticle> stoneTrail(float x, float y, float r, TParticleList& list);
// Blue sparkles curling out of (x, y): the small and the large hint sparkle.
std::shared_ptr<TParticle> hintSparkleSmall(float x, float y, TParticleList& list);
std::shared_ptr<TParticle> hintSparkle(float x, float y, TParticleList& list);
// Short bursts curling out of (x, y): blue for a full power-up slot or a picked object, gold for a picked
// object.
std::shared_ptr<TParticle> blueBurst(float x, float y, TParticleList& list);
std::shared_ptr<TParticle> goldBurst(float x, float y, TParticleList& list);
// A sparkle around a new stage marker on the map.
std::shared_ptr<TParticle> mapSparkle(float x, float y, const TRGB& rgb, TParticleList& list);
