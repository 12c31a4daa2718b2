// How a cell draws itself: the cover, the cover lifting, the picture fading in, broken pieces and highlights.
#include <algorithm>

#include "nonogram/Level.h"
#include "nonogram/Tile.h"

using namespace eng;

namespace {

void drawCover(const TTile& t, float frame) {
    if (t.tdHide) drawClampedFrame(t.tdHide->hideImg[t.sizeIndex()], t.dim.x, t.dim.y, frame);
}

// A plain rectangle over the cell, free of the cell's scale and rotation.
void cellRect(const TTile& t) {
    float w, h;
    t.pictureSize(w, h);
    SetScale(1, 1);
    SetRotation(0);
    DrawRect(t.dim.x - w / 2, t.dim.y - h / 2, w, h);
}

}  // namespace

void TTile::draw() const {
    if (_flyingTile) return;
    SetBlend(ALPHABLEND);
    SetScale(scale, scale);
    SetRotation(rotation);
    SetAlpha(alpha);
    SetColor(255, 255, 255);
    if (odkryty)
        drawOdkryty();
    else
        drawHiden();
    if (_level && _level->tutorialLevel) _drawLightUp();
}

void TTile::drawHiden() const {
    const int s = sizeIndex();
    const float x = dim.x, y = dim.y;
    if (broken) {
        if (!isPicture()) {
            if (state != TTileState::ROZBITY) drawCover(*this, animTime);
        } else {
            td->drawBroke(x, y, s, animTime);
        }
        return;
    }
    if (state == TTileState::ROZBITY) return;
    if (animTime == 0) {
        drawCover(*this, 0);
        return;
    }
    // The cover shrinks away while the picture grows in its place.
    const float frames = hideFrames();
    const float p = animTime / frames;
    SetScale(scale * (1 - p), scale * (1 - p));
    drawCover(*this, 0);
    SetScale(scale * p, scale * p);
    if (td) td->draw(x, y, s, 0);
    SetScale(scale, scale);
    if (tresure && animTime > frames - tresure->frames) {
        tresure->draw(x, y, s, animTime - (frames - tresure->frames));
        SetScale(scale, scale);
    } else if (!isPicture() && animTime > frames - 8) {
        drawClampedFrame(rockAnimImg[s], x, y, animTime - (frames - 8));
    }
}

void TTile::drawOdkryty() const {
    const int s = sizeIndex();
    const float x = dim.x, y = dim.y;
    if (broken) {
        if (isPicture()) {
            td->drawBroke(x, y, s, animTime);
        } else if (state != TTileState::ROZBITY) {
            SetScale(scale * animTime / 12, scale * animTime / 12);
            drawClampedFrame(rockImg[s], x, y, 0);
            SetScale(scale, scale);
        }
        return;
    }
    if (!isPicture()) return;
    SetAlpha(odkrA * alpha);
    td->draw(x, y, s, animTime);
    SetAlpha(1);
    if (tresure) tresure->draw(x, y, s, animTime);
    SetScale(scale, scale);
}

void TTile::drawOverBlend(float strength) const {
    // A cell lifting or breaking shows its animation: additive light over it would glare white.
    if (isAnimating()) return;
    SetColor(255, 255, 255);
    SetAlpha(0.3f * strength * alpha);
    SetScale(scale, scale);
    if (!odkryty) {
        SetBlend(LIGHTBLEND);
        drawHiden();
    } else if (isPicture()) {
        const int s = sizeIndex();
        SetBlend(LIGHTBLEND);
        SetAlpha(odkrA * 0.25f * strength * alpha);
        if (td->id == 16) SetColor(255, 0, 255);
        td->draw(dim.x, dim.y, s, animTime);
        SetColor(255, 255, 255);
        SetBlend(ALPHABLEND);
        SetAlpha(1);
        if (tresure) tresure->draw(dim.x, dim.y, s, animTime);
    }
    // The blend stays additive for the next lit cell of the line (one batch); the level resets it.
}

void TTile::drawPosibility() const {
    const auto marker = getTileDataById(16);
    if (!marker) return;
    SetBlend(LIGHTBLEND);
    SetAlpha(alpha * 0.5f);
    marker->draw(dim.x, dim.y, sizeIndex(), 0);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
}

void TTile::drawSPEcOver() const {
    SetColor(0, 255, 255);
    SetAlpha(1);
    drawClampedFrame(overImg[sizeIndex()], dim.x, dim.y, 0);
    SetColor(255, 255, 255);
}

void TTile::_drawGreyField() const {
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    cellRect(*this);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

void TTile::_drawLightUp() const {
    if (lightUPa <= 0) return;
    SetBlend(LIGHTBLEND);
    SetColor(255, 0, 0);
    SetAlpha(alpha * lightUPa * 0.4f);
    cellRect(*this);
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
}
