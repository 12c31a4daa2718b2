// The panels of one award over another screen: a new award dropping in with congratulations, and an
// award's description opened from the award screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "screen/Ekran.h"

class TAward;

class TAwardPanel : public TEkran {
  public:
    eng::Image panel;
    const TAward* award = nullptr;
    eng::ImageFont font, font2;

    // Runs over `behind` until the player confirms; nothing for a null award.
    void run(const TAward* shown, TEkran& behind);
    void update() override;
    void afterFrame() override;

  protected:
    std::vector<float> itemY_;  // where the file puts the buttons: they drop in with the panel
    void _load(const std::string& folder);
    // Where the panel stands this frame: it drops into place as it fades in.
    float _py() const;
};

class TGiveAward : public TAwardPanel {
  public:
    std::string txtGrats, txtYouReceived;

    TGiveAward() { id = "GIVE-AWARD"; }
    void setup() override;
    // The award is the profile's already; the panel tells the player.
    void mainLoop(const TAward& given, TEkran& behind) { run(&given, behind); }
    void draw() override;
};

class TShowAward : public TAwardPanel {
  public:
    bool owned = false;

    TShowAward() { id = "SHOW-AWARD"; }
    void setup() override;
    void mainLoop(const TAward& shown, bool has, TEkran& behind) {
        owned = has;
        run(&shown, behind);
    }
    void draw() override;
};

extern TGiveAward* giveAward;
extern TShowAward* showAward;
