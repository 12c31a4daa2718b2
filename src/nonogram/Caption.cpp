// Captions over the grid: score popups, praise and the level-completed picture.
#include "nonogram/Caption.h"

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
    startPraise(Rand(0, 3), x, 120, list);
}

void showLevelCompleted(TCaptionList& list) {
    startPraise(5, 400, 350, list);
}
