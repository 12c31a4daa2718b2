// The win screen over the finished level: the picture closes up and flies onto a panel, the collected
// treasures fly out of the chest into the panel while the level's score counts up, a statistics view, the
// awards, and the way on.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/Engine.h"
#include "nonogram/CopyTab.h"
#include "screen/Ekran.h"

class TMainGame;
class TProfile;

class TWinScreen : public TEkran {
  public:
    eng::Image img;  // the panel
    std::shared_ptr<TCopyTab> tab;
    std::string state;  // BEGIN, FLY, NEXT
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
    float per = 0;
    float fade2 = 0, dFade2 = 0;
    float endAlpha = 1, dEndAlpha = 1;
    float scoreA = 0, dScoreA = 0;
    float overA = 0, dOverA = 0;
    float showA = 1, dShowA = 1;
    eng::ImageFont font, font2, nameFont;
    int showOver = 0;
    float totalScore = 0;
    float printScore = 0;
    int levelScore = 0, playTimes = 0, mistakes = 0, levelTime = 0, bonusy = 0;
    float maxTresures = 1;
    std::string txtName;
    std::string txtTotalScore, txtShowStats, txtHideStats, txtLevel, txtStage, txtLevelScore, txtMaxCombo,
        txtMistakes, txtLevelTime;
    int goAhead = 0;
    float gSpecAlpha = 0, dGSpecAlpha = 0;
    int awardsChecked = 0;

    // The award checks after a won level, and the award screen over this one; until they exist the
    // "awards" button stays hidden.
    static inline std::function<void(TWinScreen&)> checkAwardsHook;
    static inline std::function<void(TEkran&)> awardScreen;

    TWinScreen() { id = "WIN-SCREEN"; }
    void setup() override;
    // Runs over the main game until the screen has faded to black.
    std::string mainLoop() override;
    void prepare() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void afterFrame() override;
    void update() override;
    void draw() override;

    void setState(const std::string& name);
    float setProperScaleForTab() const;
    void goExit();
    void goAwards();
    void checkAwards();
    void show_hide_stats() { dShowA = dShowA == 0 ? 1.0f : 0.0f; }

    // Set-up steps.
    void _prepareScores(TProfile& p);
    void _prepareSelf(TProfile& p);
    void _prepareTilesCopy();
    void _prepareLevel();

  private:
    void _updateState();
    void _updateScoreAlpha(int inSummary);
    void _updateShowStats();
    void _updateGui() override;
    void _drawPanel() const;
    void _drawStats() const;
    void _drawInfo() const;
    void _drawShowStatsButtons() const;
    void _drawLevelName() const;
    void _drawMyText(const std::string& text, float x, float y, const TRGB& colour, float a) const;
    void _sendTreasuresToSummary();
    float playX_ = 0;  // where the file puts "play": it moves to the middle while "awards" is hidden
};

extern TWinScreen* winScreen;

// When the collected treasures leave the chest for the summary: n of them spread over 1, 1.5, 2 or 3
// seconds; the delay of treasure k in milliseconds.
int summaryDelay(int k, int n);
