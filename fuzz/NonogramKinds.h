// The nonogram's tile kinds, covers and treasures made in memory, for the targets that read levels.
#pragma once

// Tile kinds 0..9, covers 1..3 and treasures 1..3, made once.
void makeNonogramKinds();
