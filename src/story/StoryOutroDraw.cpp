// The outro's scenes: the slide show, the fade to night, Cairo a week later, and its darkening end.
#include <algorithm>

#include "core/DrawState.h"
#include "story/StoryOutro.h"

using namespace eng;

namespace {
constexpr float kFeetY = 700;  // where the characters stand, on the paving in front of the road

void blackOver(float a) {
    resetDrawState();
    SetColor(0, 0, 0);
    SetAlpha(a);
    DrawRect(0, 0, 1024, 768);
}

float ease(float per) {
    return static_cast<float>(Sin(90 * per));
}
}  // namespace

float TStoryOutro::tazmiraX() const {
    return -160 + (330 + 160) * ease(TazmiraPer);
}
float TStoryOutro::hamidX() const {
    return -300 + (190 + 300) * ease(TazmiraPer);
}
float TStoryOutro::profesorX() const {
    return 1180 - (1180 - 760) * ease(ProfesorPer) - 120 * ease(profMovePer);
}

void TStoryOutro::draw() {
    _drawBack();
    _drawText();
    _drawPanele();
    _drawGui();
    _drawMouse();
    _drawFade();
}

void TStoryOutro::_drawBack() {
    if (stage <= 6)
        _draw_Scene_1();
    else if (stage == 300)
        _draw_Scene_3();
    else if (stage >= 200 && stage <= 204)
        _draw_Scene_2();
    else if (stage >= 400)
        _draw_Scene_4();
}

void TStoryOutro::_draw_Scene_1() {
    for (size_t i = 0; i < images.size(); ++i)
        if (imageA[i] > 0) drawScaled(images[i], 512, 300, 1, imageA[i]);
    drawPanele();
    drawPanele();
    drawPanele();
}

void TStoryOutro::_draw_Scene_3() {
    drawScaled(images[6], 512, 300, 1);
    blackOver(scene3A);
}

void TStoryOutro::_draw_Scene_2() {
    drawScaled(back2, 512, 384, backS, scene2A);
    drawScaled(car, carX, carY, carScale, scene2A);
    const float friends = scene2A * friendsAlpha;
    if (friends > 0) {
        drawScaled(hamid, hamidX(), kFeetY, 1, friends);
        drawScaled(tazmira, tazmiraX(), kFeetY, 1, friends);
    }
    // The professor with his hat, then holding up the new tablet.
    if (profAlpha < 1) drawScaled(profesor, profesorX(), kFeetY, 1, scene2A);
    if (profAlpha > 0) drawScaled(profesor2, profesorX(), kFeetY, 1, scene2A * profAlpha);
}

void TStoryOutro::_draw_Scene_4() {
    drawScaled(back2, 512, 384, backS);
    drawScaled(profesor2 ? profesor2 : profesor, profesorX(), kFeetY, 1);
    blackOver(scene4a);
}

void TStoryOutro::_drawText() {
    if (textA <= 0 || actText.empty()) return;
    resetDrawState();
    SetImageFont(font);
    SetAlpha(textA);
    SetColor(255, 255, 255);
    DrawText(actText, static_cast<float>(512 - TextWidth(actText) / 2), 340);
}

void TStoryOutro::_drawPanele() {
    resetDrawState();
    if (panele) DrawImage(panele, 0, 0);
}
