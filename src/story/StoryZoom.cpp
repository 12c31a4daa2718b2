// The zooming cutscenes' motion and the letter, bulldozer and waterfall scenes.
#include "story/StoryZoom.h"

#include "core/DrawState.h"
#include "story/StoryPicture.h"

using namespace eng;

namespace {
constexpr int kFadeBeforeEndMs = 1500;  // the scene fades to black this long before its motion ends
}

void TStoryZoom::start() {
    _loadPictures();
    q = 1;
    backS = 1;
    backTime = MilliSecs() + motionMs;
}

void TStoryZoom::_updateBack() {
    q = motionLeft(motionMs);
    backS = 1 + 0.3f * (1 - q);
    _updateScene();
}

void TStoryZoom::_updateScene() {
    if (backTime - MilliSecs() < kFadeBeforeEndMs) dFade = 1;
}

void TStoryZoom::Finish() {
    back = {};
}

TStoryLetter::TStoryLetter() {
    id = "STORY-READING-LETTER";
    motionMs = 5000;
}

void TStoryLetter::_loadPictures() {
    back = storyPicture("gfx/backgrounds/ho-5.jpg", true);
    tablet = storyPicture("gfx/story/Letter/letter.png", true);
}

void TStoryLetter::_updateScene() {
    tabS = 1 + 0.2f * q;
    pos = 100 * q;
    // The letter is read out before the scene fades; its fade then gets its own 1.5 s.
    if (backTime - MilliSecs() < kFadeBeforeEndMs && dFade == 0) {
        RunDialog(29);
        backTime = MilliSecs() + kFadeBeforeEndMs;
        dFade = 1;
    }
}

void TStoryLetter::_drawBack() {
    drawScaled(back, 512, 384, backS);
    drawScaled(tablet, 512, 384 - pos, tabS);
    drawPanele();
}

TStoryBuldozer::TStoryBuldozer() {
    id = "STORY-BULDOZER";
    panelCopies = 1;
}

void TStoryBuldozer::_loadPictures() {
    back = storyPicture("gfx/backgrounds/background-15.jpg", true);
    cover = storyPicture("gfx/backgrounds/background-16.jpg", true);
}

void TStoryBuldozer::_updateScene() {
    const float w = 1 - q;
    backA = w < 0.3f ? 1 : w <= 0.7f ? 1 - (w - 0.3f) / 0.4f : 0;
    TStoryZoom::_updateScene();
}

void TStoryBuldozer::_drawBack() {
    drawScaled(cover, 512, 384, backS);
    if (backA > 0) drawScaled(back, 512, 384, backS, backA);
    drawPanele();
}

TStoryWaterfall::TStoryWaterfall() {
    id = "STORY-WATERFALL";
}

void TStoryWaterfall::_loadPictures() {
    back = storyPicture("gfx/story/Waterfall/back.jpg", true);
    wrota = storyPicture("gfx/story/Waterfall/waterfall.png");
}

void TStoryWaterfall::_updateScene() {
    ax = -100 * (1 - q);
    ay = 0;
    wrotaA = q >= 0.5f ? (q - 0.5f) / 0.5f : 0;
    TStoryZoom::_updateScene();
}

void TStoryWaterfall::_drawBack() {
    drawScaled(back, 512 + ax, 384 + ay, backS);
    // The waterfall stays fixed on the zooming picture.
    if (wrotaA > 0)
        drawScaled(wrota, 512 + (wx - 512) * backS + ax, 384 + (wy - 384) * backS + ay, backS, wrotaA);
    drawPanele();
}
