// Drawing the chest puzzle: the stage, the top panel and papyrus, the chest with its lid and treasure, the
// field, the blocks, the skip gauge and the title.
#include <cmath>

#include "core/Curve.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "minigames/MiniGame.h"
#include "minigames/PuzzleExpress.h"

using namespace eng;

void TPuzzleExpress::draw() {
    resetDrawState();
    if (level->backGround) DrawImage(level->backGround, 0, 0);
    if (panel) DrawImage(panel, 0, 0);
    _drawGui();
    resetDrawState();
    if (listwa && lp > 0) {
        SetAlpha(fsin(90 * lp));
        DrawImage(listwa, listwaX, listwaY);
        resetDrawState();
    }
    _drawChest();
    _drawField();
    for (const auto& b : level->blocks) b->draw(level->alpha);
    gauge.draw();
    drawMiniTitle(titleFont, level->title, 10);
    if (cheatsOn && KeyDown('D')) _drawDiagnostics();
    tutorialDraw();
    _drawFade();
    _drawMouse();
}

void TPuzzleExpress::_drawChest() const {
    const float bx = level->x, by = level->y;
    resetDrawState();
    if (chest) DrawImage(chest, bx + 10, by);
    if (coverP == 0) {
        if (chestCover) DrawImage(chestCover, bx, by);
        return;
    }
    const TPEObj& o = level->PEObj;
    const float g = fsin(90 * objA);
    if (o.img && objA > 0) {
        SetScale(o.scale + 0.4f * g, o.scale + 0.4f * g);
        SetRotation(o.rot + 15 * g);
        SetColor(0, 0, 0);
        SetAlpha(0.5f * objA);
        DrawImage(o.img, o.x + 5, o.y + 5);
        SetColor(255, 255, 255);
        SetAlpha(objA);
        DrawImage(o.img, o.x, o.y);
        resetDrawState();
    }
    found.draw(o.name, 512, 560, objA);
    // The lid slides off to the right along a curve, turning as it goes.
    if (chestCover) {
        const float t = fsin(90 * coverP);
        SetRotation(45 * t);
        DrawImage(chestCover, bezier(bx, bx, 1500, t), bezier(by, by + 100, by + 100, t));
        resetDrawState();
    }
}

void TPuzzleExpress::_drawField() const {
    if (!peData.peTileImage || level->alpha <= 0) return;
    SetAlpha(level->alpha);
    for (const auto& row : level->tile)
        for (const TPETile& t : row)
            if (t.spot) DrawImage(peData.peTileImage, t.x, t.y);
    resetDrawState();
}

// The cheat view of the field: free sockets red, covered ones green, places without a socket grey.
void TPuzzleExpress::_drawDiagnostics() const {
    for (const auto& row : level->tile)
        for (const TPETile& t : row) {
            if (!t.spot)
                SetColor(128, 128, 128);
            else if (t.wskaznik)
                SetColor(0, 220, 0);
            else
                SetColor(230, 0, 0);
            DrawRect(t.x - 6, t.y - 6, 12, 12);
        }
    resetDrawState();
}
