// Captions over the grid: score popups, praise and the level-completed picture.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Dim.h"
#include "effects/EffectList.h"
#include "engine/Engine.h"

class TCaption;
class TTextCaption;
class TSpecCaption;
class TLevel;
using TCaptionList = TEffectList<TCaption>;

// A picture of the praise table that scales, drifts and fades toward its targets; it leaves its list when
// its alpha reaches the target.
class TCaption {
  public:
    int n = 0;  // picture index: praise kinds 0..3, level completed 5
    TCaptionList* list = nullptr;
    float x = 0, y = 0;
    float a = 1, da = 0, aSpeed = 0.05f;
    float sx = 1, dsx = 0, sxSpeed = 0.05f;
    float sy = 1, dsy = 0, sySpeed = 0.05f;
    float s = 1;
    std::string txt;
    float r = 0, rSpeed = 0.05f;
    float p = 0, dp = 0, pSpeed = 0.01f;
    float ax = 0, ay = 0;  // drift per frame
    TRGB rgb;
    int blend = eng::ALPHABLEND;
    int64_t startTime = 0;  // the caption waits until then

    virtual ~TCaption() = default;

    virtual void draw() const;
    void _updateAlpha();
    void _updateScale();
    void _updatePercent();
    void _updateRotation();
    void _updatePosition();
    virtual void update();
    void destroy();
    void checkPosition() {}
    // At (px, py): from double size toward full size, fading out while rising `rise` pixels a frame.
    void shrinkAndFade(float px, float py, float rise);

  protected:
    // Every value one step toward its target; leaves the list when the alpha gets there.
    void _updateAll();
};

constexpr int PRAISE_PICTURES = 6;
extern std::array<eng::Image, PRAISE_PICTURES> praiseImages;  // 0..3 praise, 5 level completed

// The praise pictures of the current language, filtered and mid-handled.
void loadCaptionImages();
// A plain caption of praise picture n that shrinks from double size and fades while rising.
std::shared_ptr<TCaption> startCaption(int n, float x, float y, TCaptionList& list);

// A popup of `value` points at (x, y), drawn smaller on grids of small cells (size index `size`). The delay
// is not used: the popup shows at once.
std::shared_ptr<TTextCaption> startScorePopup(int imageNumber, int value, float x, float y, int delay,
                                              int size, TCaptionList& list);
// Praise picture `kind` (0..3, or 5 for level completed) at (x, y).
std::shared_ptr<TSpecCaption> startPraise(int kind, float x, float y, TCaptionList& list);

// Offered when a row or column is finished by a right move: one of the four praise captions at x, placed
// by praisePlace, in `list`, unless the level is already cleared or a praise caption of `list` is still on
// screen.
void offerPraise(const TLevel& level, float x, TCaptionList& list);
// Where praise stands clear of the clues and the grid, and its base scale: below the grid (at `x`) when
// there is room for it at 0.45 or more (at most 0.6), else above the column clues, else beside the level,
// else wherever it can be largest; on a level that leaves no room, over the grid's last rows.
struct TPraisePlace {
    float x = 0, y = 120;
    float scale = 0.6f;
};
TPraisePlace praisePlace(const TLevel& level, float x);
// The level-completed caption at (400, 350).
void showLevelCompleted(TCaptionList& list);
