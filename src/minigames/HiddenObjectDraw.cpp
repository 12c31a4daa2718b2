// Drawing the hidden-object scene: the scene and its scenery, the objects and masks, the lights, the
// leaves, the panels with the gauge, the found pictures and counters, the title.
#include <algorithm>

#include "core/DrawState.h"
#include "minigames/HiddenObject.h"
#include "minigames/MiniGame.h"

using namespace eng;

void THiddenObject::draw() {
    _drawScene();
    drawWeather(weather);
    _drawPanel();
    _drawInfo();
    particles.draw();
    resetDrawState();
    tutorialDraw();
    _drawFade();
    _drawMouse();
}

void THiddenObject::_drawScene() const {
    resetDrawState();
    if (level->background) DrawImage(level->background, 0, 0);
    drawBackElements(level->obiektyTla);
    if (level->drugiPlan) DrawImage(level->drugiPlan, 0, 0);
    auto drawMasks = [&](int spec) {
        for (const TMaskImg& m : level->masks)
            if ((m.spec != 0) == (spec != 0) && m.img) DrawImage(m.img, m.x, m.y);
    };
    for (const auto& o : level->objects) {
        o->drawHidden();
        if (o->id == 8) drawMasks(1);
    }
    drawMasks(0);
    SetBlend(LIGHTBLEND);
    for (const TLevelLight& l : level->lights)
        if (l.img && l.a > 0) {
            SetAlpha(l.a);
            DrawImage(l.img, static_cast<float>(l.x), static_cast<float>(l.y));
        }
    resetDrawState();
}

void THiddenObject::_drawPanel() {
    resetDrawState();
    if (panelGui) DrawImage(panelGui, 0, 0);
    // The hint gauge fills from the left and glows when it can be used.
    if (pasek) {
        const float q = hintCharge(), w = static_cast<float>(ImageWidth(pasek)),
                    h = static_cast<float>(ImageHeight(pasek));
        if (q > 0) DrawSubImageRect(pasek, 946, 6, w * q, h, 0, 0, w * q, h, 0, 0, 0);
    }
    if (nakrycie) {
        DrawImage(nakrycie, 942, 4);
        SetBlend(LIGHTBLEND);
        SetAlpha(ha);
        DrawImage(nakrycie, 942, 4);
        resetDrawState();
    }
    if (panel) DrawImage(panel, 0, static_cast<float>(768 - ImageHeight(panel)));
    for (const auto& o : level->objects) {
        if (o->imgDoZebrania) DrawImage(o->imgDoZebrania, o->doZebraniaDim.x, o->doZebraniaDim.y);
        if (o->imgSepia && o->da > 0) {
            SetAlpha(o->da);
            DrawImage(o->imgSepia, o->doZebraniaDim.x, o->doZebraniaDim.y);
            SetAlpha(1);
        }
    }
    for (const auto& o : level->objects) o->drawFlying();
    if (level->counter == 0) {
        for (const auto& o : level->objects)
            if (pick && !level->group.isObject(o->id) && o->da < 1) {
                SetAlpha(1 - o->da);
                DrawImage(pick, o->doZebraniaDim.x + o->punktX, o->doZebraniaDim.y + o->punktY);
            }
        resetDrawState();
    } else if (level->counter == 1 || level->counter == 2) {
        const std::string label = txtCounter[level->counter - 1];
        const std::string number =
            std::to_string(static_cast<int>(level->objects.size()) - level->CountZebrane());
        SetImageFont(font);
        const float lx = 514 - TextWidth(label + " ") / 2 + addPomCounter,
                    nx = 514 + TextWidth(label) / 2 + addPomCounter, y = 717 + addPomCounterY;
        SetColor(0, 0, 0);
        SetAlpha(0.5f);
        DrawText(label + " ", lx, y);
        DrawText(number, nx, y);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawText(label + " ", lx - 2, y - 2);
        DrawText(number, nx - 2, y - 2);
        resetDrawState();
    }
    _drawGui();
}

void THiddenObject::_drawInfo() const {
    drawMiniTitle(font, level->title, 8);
    if (level->group.objects.empty()) return;
    const std::string text =
        std::to_string(level->group.getFound()) + "/" + std::to_string(level->group.objects.size());
    SetImageFont(font2);
    const float x = level->group.x - TextWidth(text) / 2, y = level->group.y - TextHeight(text) / 2;
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawText(text, x + 2, y + 2);
    SetColor(247, 222, 113);
    SetAlpha(1);
    DrawText(text, x, y);
    resetDrawState();
}
