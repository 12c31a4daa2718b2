// The stage screen over the map: the entries of one stage in a grid with their kind icons; the ones the
// player has reached open again, "play" takes the first one not yet passed.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "progress/LevelManager.h"
#include "screen/Ekran.h"

class TLevelData;
class TMapStage;
class TMapa;

class TStageScreen : public TEkran {
  public:
    std::array<eng::Image, 6> levelTypeImg;
    std::vector<std::shared_ptr<TLevelData>> listaLeveli;
    eng::Image panel;
    std::shared_ptr<TMapStage> stage;
    std::shared_ptr<TLevelData> overLevel, wybrany;
    std::string state;  // START or HIDE
    eng::ImageFont font1, font2;
    std::string txtLevel, txtStage, txtAStory;
    int maxLevel = 0;

    static constexpr int kMaxEntries = TLevelManager::kMaxStageEntries;  // the grid's room

    TStageScreen() { id = "STAGE-SCREEN"; }
    void setup() override;
    // "PLAY" with `wybrany` the entry chosen, or "" when the player went back to the map.
    std::string mainLoop(TMapa& map, const std::shared_ptr<TMapStage>& mapStage);
    void prepare(const std::shared_ptr<TMapStage>& mapStage);
    void update() override;
    void draw() override;
    void afterFrame() override;

    // The profile has passed this entry of the stage.
    int levelPlayable(const TLevelData& level) const;
    // The entry may be opened: it was reached before, or it is the stage's first level, or the level
    // before it (`previous`, stories left aside) was passed. A story opens once the journey has reached it.
    int levelPlayableDraw(const TLevelData& level, const TLevelData* previous) const;
    // The first level not yet passed; the first level when all are; stories are left aside.
    std::shared_ptr<TLevelData> getFirstUnplayedLevel() const;

  private:
    TMapa* map_ = nullptr;
    int _iconOf(const TLevelData& level) const;
    void _choose(const std::shared_ptr<TLevelData>& level);
};

// The grid place of the entry `index` (from 0): seven to a row from (160, 120), 120 and 86 pixels apart;
// the seventh row starts at the third column.
void stageGridPlace(int index, float& x, float& y);

extern TStageScreen* stageScreen;
