// The find-route block: its lines, its turn and its neighbours.
#include "minigames/FRBlock.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Mouse.h"
#include "minigames/FRLevel.h"

using namespace eng;

std::array<Image, 5> frBlockImages;

namespace {

constexpr std::array<int, 2> kUp{-1, 0}, kDown{1, 0}, kLeft{0, -1}, kRight{0, 1};

}  // namespace

const std::vector<std::array<int, 2>>& blockLines(int n, int rot) {
    static const std::vector<std::array<int, 2>> table[5][4] = {
        {{kUp, kDown}, {kRight, kLeft}, {kUp, kDown}, {kRight, kLeft}},
        {{kUp, kDown, kLeft, kRight},
         {kUp, kDown, kLeft, kRight},
         {kUp, kDown, kLeft, kRight},
         {kUp, kDown, kLeft, kRight}},
        {{kUp, kLeft, kDown}, {kLeft, kUp, kRight}, {kUp, kRight, kDown}, {kLeft, kDown, kRight}},
        {{kLeft, kDown}, {kLeft, kUp}, {kUp, kRight}, {kDown, kRight}},
        {{kDown}, {kLeft}, {kUp}, {kRight}},
    };
    static const std::vector<std::array<int, 2>> none;
    if (n < 1 || n > 5 || rot < 1 || rot > 4) return none;
    return table[n - 1][rot - 1];
}

int TFRBlock::HaveLineAtDir(int dr, int dc) const {
    for (const auto& l : blockLines(n, rot))
        if (l[0] == dr && l[1] == dc) return 1;
    return 0;
}

int TFRBlock::HaveSasiad(const TFRBlock* block) const {
    return std::find(moiSasiedzi.begin(), moiSasiedzi.end(), block) != moiSasiedzi.end() ? 1 : 0;
}

void TFRBlock::FindSasiedzi() {
    moiSasiedzi.clear();
    if (!level) return;
    for (const auto& l : blockLines(n, rot))
        if (TFRBlock* b = level->blockAt(r + l[0], c + l[1]); b && b->n != 0) moiSasiedzi.push_back(b);
}

void TFRBlock::Rotate() {
    rot = rot % 4 + 1;
    addRot = -90;
    per = 0;
    dPer = 1;
    state = 1;
    FindSasiedzi();
}

// The block swells by a quarter, turns the last 90 degrees into its new orientation and shrinks back.
void TFRBlock::_updateRotation() {
    approach(per, dPer, 0.05f);
    if (per <= 0.2f) {
        scale = 1 + (per / 0.2f) * 0.25f;
    } else if (per <= 0.8f) {
        scale = 1.25f;
        const float t = (per - 0.2f) / (1 - 2 * 0.2f);
        addRot = (1 - t) * -90;
    } else {
        scale = 1.25f * (1.8f - per);
        addRot = 0;
    }
    if (per == 1 && dPer == 1) {
        addRot = 0;
        scale = 1;
        state = 0;
    }
}

int TFRBlock::update(float x0, float y0) {
    isOver = 0;
    if (state == 1) {
        _updateRotation();
        return 0;
    }
    if (n == 0 || !mouse) return 0;
    const Image& pic = frBlockImages[0];
    const int w = pic ? ImageWidth(pic) : 100, h = pic ? ImageHeight(pic) : 100;
    if (mouse->inRect(static_cast<float>(static_cast<int>(x + x0) - w / 2),
                      static_cast<float>(static_cast<int>(y + y0) - h / 2), static_cast<float>(w),
                      static_cast<float>(h))) {
        isOver = 1;
        return 1;
    }
    return 0;
}

void TFRBlock::draw(float x0, float y0) {
    drawX = static_cast<int>(x + x0);
    drawY = static_cast<int>(y + y0);
    if (n < 1 || n > 5 || !frBlockImages[n - 1]) return;
    resetDrawState();
    SetRotation((rot - 1) * 90 + addRot);
    SetScale(scale, scale);
    DrawImage(frBlockImages[n - 1], static_cast<float>(drawX), static_cast<float>(drawY));
    if (isOver) {
        SetBlend(LIGHTBLEND);
        SetAlpha(0.25f);
        DrawImage(frBlockImages[n - 1], static_cast<float>(drawX), static_cast<float>(drawY));
    }
    resetDrawState();
}
