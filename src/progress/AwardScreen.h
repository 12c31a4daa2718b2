// The award screen: one trophy per family, the best tier the player has or the first one as a silhouette;
// a trophy opens its description, and a button leads to the best scores.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "screen/Ekran.h"

class TAward;
class TProfile;

class TAwardScreen : public TEkran {
  public:
    eng::Image back, buttonFrame;
    std::vector<std::shared_ptr<TAward>> listaDoWyswietlenia;  // received: the best of each family
    std::vector<std::shared_ptr<TAward>> listaDoZbadania;      // on the screen: those and the first tiers
    eng::ImageFont font, font2, font3;
    std::shared_ptr<TAward> overAward;
    std::string txtClick, txtThropies;

    TAwardScreen() { id = "AWARD-SCREEN"; }
    void setup() override;
    // Runs over `behind` (the title when null) until "OK".
    void mainLoop(TEkran* behind);
    void prepare(const TProfile& p);
    void update() override;
    void draw() override;
    void afterFrame() override;

  private:
    bool _received(const TAward& a) const;
};

extern TAwardScreen* awardScreen;
