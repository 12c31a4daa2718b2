// The awards' drawing: medal metals, medal parts and emblems, and the award screens' pictures.
#pragma once

#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Shape.h"

namespace gen::award {

using namespace paint;

// A medal metal from its brightest highlight to its darkest shade, and the colour of its outline.
struct Metal {
    Color pale, light, mid, deep, dark, outline;
};
inline constexpr Metal kBronze{hex(0xffd9ae), hex(0xe39c62), hex(0xb5652f),
                               hex(0x7c3c16), hex(0x4a200a), hex(0x2a1206)};
inline constexpr Metal kSilver{hex(0xffffff), hex(0xe6ecf2), hex(0xb4bfcc),
                               hex(0x76849a), hex(0x434d5c), hex(0x1b2029)};
inline constexpr Metal kGold{pal::kGoldPale, pal::kGoldLight, pal::kGold,
                             pal::kGoldDeep, pal::kBronze,    pal::kOutline};

// Polished metal over a part of radius r around m, lit from the top left.
Fill metalFill(const Metal& metal, Vec2 m, float r);
// A metal part k times its size: outline, fill, rounded bevel and, with `shadow`, a short cast shadow.
void metalPart(Canvas& c, const Shape& s, const Metal& metal, Vec2 m, float r, float k, bool shadow = true);
// A sunken enamel field: `fill` under a shadow cast by the metal round it from the top left.
void enamel(Canvas& c, const Shape& s, const Fill& fill, float k);
// A round cut gem of radius r at m in the colours light → deep, with a glint.
void gem(Canvas& c, Vec2 m, float r, Color light, Color mid, Color deep, float k);

// awards_emblems.cpp: the medals' emblems, about 36 units across round m, painted k pixels per unit.
void laurel(Canvas& c, Vec2 m, float radius, const Metal& metal, float k);  // two branches round a disc
void flawlessGem(Canvas& c, Vec2 m, float k);                               // a cut diamond with a sparkle
void coinHeap(Canvas& c, Vec2 m, float k);                                  // stacks of gold coins
void replayGrid(Canvas& c, Vec2 m, const Metal& metal, float k);  // a circular arrow round a picture grid
void crackedChest(Canvas& c, Vec2 m, float k);                    // a chest split by cracks
void compassRose(Canvas& c, Vec2 m, float k);                     // an eight-pointed rose on parchment

// awards_medals.cpp: the medal of award `id` (1..22), 96 × 96 on a transparent ground.
Canvas medal(int id);
// awards_hall.cpp: the award screen's hall of niches and the OK button's plinth.
Canvas hallBack();
Canvas buttonFrame();
// awards_panels.cpp: the panels that hand out and show an award.
Canvas giveAwardPanel();
Canvas showAwardPanel();
// awards_scores.cpp: the best scores' board.
Canvas scoresBack();

}  // namespace gen::award
