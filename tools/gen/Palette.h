// The game's colours: warm sand and gold, turquoise, deep blue and terracotta.
#pragma once

#include "paint/Color.h"

namespace gen::pal {

using paint::hex;

inline constexpr paint::Color kSandLight = hex(0xf6e2b3);
inline constexpr paint::Color kSand = hex(0xe8c58a);
inline constexpr paint::Color kSandDark = hex(0xc9955a);
inline constexpr paint::Color kGoldPale = hex(0xfff3c4);
inline constexpr paint::Color kGoldLight = hex(0xffd866);
inline constexpr paint::Color kGold = hex(0xf2b134);
inline constexpr paint::Color kGoldDeep = hex(0xc07a16);
inline constexpr paint::Color kBronze = hex(0x7a4410);
inline constexpr paint::Color kTurquoiseLight = hex(0x8cf2e4);
inline constexpr paint::Color kTurquoise = hex(0x2cc3b5);
inline constexpr paint::Color kTurquoiseDeep = hex(0x10796f);
inline constexpr paint::Color kBlueDeep = hex(0x172551);
inline constexpr paint::Color kBlueNight = hex(0x0d1533);
inline constexpr paint::Color kBlue = hex(0x2b4a8a);
inline constexpr paint::Color kTerracotta = hex(0xc2593a);
inline constexpr paint::Color kTerracottaDeep = hex(0x8a3524);
inline constexpr paint::Color kOutline = hex(0x2e1508);  // the dark brown of outlines, never pure black
inline constexpr paint::Color kStone = hex(0x8d8377);
inline constexpr paint::Color kStoneDark = hex(0x4e4640);

}  // namespace gen::pal
