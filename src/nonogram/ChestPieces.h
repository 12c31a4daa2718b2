// Screen corners of the burst chest's pieces, shared by the game that throws them and the generator.
#pragma once

// Piece i (gfx/particles/chest/part-<i + 1>.png) is drawn with its top-left corner at {x, y}.
inline constexpr int kChestPieceCount = 19;
inline constexpr int kChestPieceCorners[kChestPieceCount][2] = {
    {874, 506}, {851, 517}, {859, 486}, {890, 500}, {901, 483}, {921, 507}, {948, 502},
    {934, 484}, {893, 476}, {853, 460}, {903, 464}, {941, 467}, {955, 419}, {909, 416},
    {822, 461}, {825, 504}, {823, 451}, {846, 414}, {871, 414}};
