// The map of the journey: one marker per stage, the arrow over the current one, sparkles around a stage
// that has just opened, the way on ("playnext"), the in-game menu, and a click on a stage that opens its
// levels.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "effects/Particle.h"
#include "engine/Engine.h"
#include "screen/Ekran.h"

class TLevelData;

class TMapStage {
  public:
    int id = 0;
    std::string title;
    int wolny = 1;  // the marker uses its playable picture and takes the mouse
    float x = 0, y = 0;
    float overA = 0, dOverA = 0;
    int isAvailable = 0;
    int64_t newTime = 0;   // the sparkles of a newly opened stage run until then
    int64_t partTime = 0;  // next sparkles

    void resetAsNew() { newTime = eng::MilliSecs() + 3000; }
};

class TMapa : public TEkran {
  public:
    std::vector<std::shared_ptr<TMapStage>> mapStages;  // file order
    eng::Image img, panel, arrowImg;
    std::array<eng::Image, 2> stageImg;   // 0 closed, 1 playable
    std::shared_ptr<TMapStage> newStage;  // presented as just opened, or null (set by each visit)
    std::shared_ptr<TMapStage> overStage;
    float arX = -100, ary = 0;
    float arP = 0, dArp = 1;
    eng::ImageFont font1, font2, font3;
    std::string txtLevel;
    TParticleList particles;

    TMapa() { id = "MAPA"; }
    void setup() override;
    std::string mainLoop() override;
    void prepare() override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    bool finished() const override { return fade == 1 && dFade == 1; }

    // The stages of the map from the table at `path`, their names from `texts`.
    void loadStages(const std::string& path, const std::shared_ptr<class TTxtFile>& texts);
    std::shared_ptr<TMapStage> getMapStage(int id) const;
    // The map's own fades run on while the stage screen is over it.
    int updateFromOtherScreen();
    // Opens the stage screen for a marker; a level picked there leaves the map for it.
    void clickStage(const std::shared_ptr<TMapStage>& stage);
    // The map fades out for an entry picked on the stage screen: a level the journey moves to, or a story
    // seen again, after which the map comes back.
    void playPicked(const TLevelData& chosen);

  private:
    bool covered_ = false;  // the stage screen is over the map
    void _updateStages();
    void _updateArrow();
    void _updateNewStage();
    void _drawStages() const;
    void _drawPanel() const;
};

extern TMapa* mapa;
