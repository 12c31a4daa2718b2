// The nonogram's tile kinds, covers and treasures made in memory, for the targets that read levels.
#include "NonogramKinds.h"

#include "nonogram/TileData.h"

void makeNonogramKinds() {
    if (!tileDataList.empty()) return;
    for (int id = 0; id < 10; ++id) {
        auto kind = std::make_shared<TTileData>();
        kind->id = id;
        kind->frames = 1;
        tileDataList.push_back(kind);
    }
    for (int id = 1; id <= 3; ++id) {
        auto cover = std::make_shared<TTileHideGFX>();
        cover->id = id;
        cover->hideFrames = 12;
        tileHideList.push_back(cover);
    }
    for (int id = 1; id <= 3; ++id) {
        auto treasure = std::make_shared<TTresureData>();
        treasure->id = id;
        treasure->frames = 1;
        tresureDataList.push_back(treasure);
    }
}
