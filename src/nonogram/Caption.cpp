// Captions over the grid: score popups, praise and the level-completed picture.
#include "nonogram/Caption.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "nonogram/Level.h"
#include "nonogram/SpecCaption.h"
#include "nonogram/TextCaption.h"

using namespace eng;

std::array<Image, PRAISE_PICTURES> praiseImages;
void loadCaptionImages() {
    const char* const names[PRAISE_PICTURES] = {"magnificent", "great", "fantastic",
                                                "superb",      nullptr, "level-completed"};
    for (int i = 0; i < PRAISE_PICTURES; ++i) {
        praiseImages[i] = nullptr;
        if (!names[i]) continue;
        const std::string path = programPrefix + "gfx/captions/txt/" + languageCode + "/" + names[i] + ".png";
        praiseImages[i] = loadImageOrWarn(path, FILTEREDIMAGE | MIPMAPPEDIMAGE);
        if (praiseImages[i]) MidHandleImage(praiseImages[i]);
    }
}

void TCaption::draw() const {
    SetRotation(0);
    SetScale(sx, sy);
    SetColor(255, 255, 255);
    SetAlpha(a);
    SetBlend(ALPHABLEND);
    if (n >= 0 && n < PRAISE_PICTURES) DrawImage(praiseImages[n], x, y);
    SetScale(1, 1);
}

void TCaption::_updateAlpha() {
    approach(a, da, aSpeed);
    if (a == da) destroy();
}

void TCaption::_updateScale() {
    approach(sx, dsx, sxSpeed);
    approach(sy, dsy, sySpeed);
}

void TCaption::_updatePercent() {
    approach(p, dp, pSpeed);
}

void TCaption::_updateRotation() {
    r += rSpeed * frameDelta;
}

void TCaption::_updatePosition() {
    x += ax * frameDelta;
    y += ay * frameDelta;
}

void TCaption::_updateAll() {
    _updateScale();
    _updatePercent();
    _updateRotation();
    _updatePosition();
    _updateAlpha();
}

void TCaption::update() {
    if (MilliSecs() < startTime) return;
    _updateAll();
}

void TCaption::destroy() {
    if (list) list->remove(this);
}

void TCaption::shrinkAndFade(float px, float py, float rise) {
    x = px;
    y = py;
    aSpeed = 0.01f;
    sx = sy = 2;
    dsx = dsy = 1;
    a = 1;
    da = 0;
    ay = -rise;
}

std::shared_ptr<TCaption> startCaption(int n, float x, float y, TCaptionList& list) {
    auto c = std::make_shared<TCaption>();
    c->n = n;
    c->shrinkAndFade(x, y, 0.1f);
    list.add(c);
    return c;
}

void offerPraise(const TLevel& level, float x, TCaptionList& list) {
    if (level.checkCompleted() == 1) return;
    for (const auto& c : list)
        if (c->n >= 0 && c->n <= 3 && !dynamic_cast<const TTextCaption*>(c.get())) return;
    const TPraisePlace place = praisePlace(level, x);
    auto praise = startPraise(Rand(0, 3), place.x, place.y, list);
    praise->ds = praise->sts = place.scale;
}

TPraisePlace praisePlace(const TLevel& level, float x) {
    // The play area between the top bar, the tool bar and the side panel.
    constexpr float kTop = 40, kBottom = 680, kRight = 780;
    constexpr float kScale = 0.6f, kSmallest = 0.35f, kGap = 6;
    const TPraisePlace place{x, 120, kScale};
    float w = 0, h = 0;
    for (int k = 0; k < 4; ++k) {
        w = std::max(w, static_cast<float>(ImageWidth(praiseImages[k])));
        h = std::max(h, static_cast<float>(ImageHeight(praiseImages[k])));
    }
    if (level.tile.empty() || w <= 0 || h <= 0) return place;
    const float gridBottom = level.tile.back()[0]->dim.y + level.singleH / 2.0f;
    const float gridRight = static_cast<float>(level.upX + level.upW);
    const float midY = (static_cast<float>(level.upY) + gridBottom) / 2;
    // The free bands around the level: below, above, right, left.
    struct Band {
        float x, y, scale;
    };
    auto fit = [&](float roomW, float roomH) { return std::min({kScale, roomW / w, roomH / h}); };
    const float below = kBottom - gridBottom - 2 * kGap,
                above = static_cast<float>(level.upY) - kTop - 2 * kGap;
    const float right = kRight - gridRight - 2 * kGap, left = static_cast<float>(level.leftX) - 2 * kGap;
    const Band bands[] = {
        {x, gridBottom + kGap + below / 2, fit(kRight, below)},
        {x, kTop + kGap + above / 2, fit(kRight, above)},
        {gridRight + kGap + right / 2, midY, fit(right, kBottom - kTop)},
        {kGap + left / 2, midY, fit(left, kBottom - kTop)},
    };
    // The first band in that order where praise keeps most of its size wins; else the roomiest.
    constexpr float kGood = 0.45f;
    const Band* best = &bands[0];
    for (const Band& b : bands)
        if (b.scale > best->scale + 0.001f) best = &b;
    for (const Band& b : bands)
        if (b.scale >= kGood) {
            best = &b;
            break;
        }
    if (best->scale >= kSmallest) return {best->x, best->y, best->scale};
    // A level that fills the play area: praise stands over the grid's last rows, away from the clues and the
    // first rows that the eye reads from.
    return {x, gridBottom - kGap - h * kScale / 2, kScale};
}

void showLevelCompleted(TCaptionList& list) {
    startPraise(5, 400, 350, list);
}
