// The opening story's screen: its run, the step from part to part and the cross-fade between them.
#include "story/StoryStart.h"

#include "audio/GlobalSnd.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "screen/FrameServices.h"

using namespace eng;

TStoryStart* storyStart = nullptr;

void TStoryStart::setup() {
    Gui = loadGui(programPrefix + "gfx/story/story.gui");
}

std::string TStoryStart::mainLoop() {
    if (!Gui) setup();
    prepare();
    // A story without parts has nothing to show: it ends at once rather than on a black screen.
    if (actPart) runLoop();
    actPart.reset();
    storyParts.clear();
    FlushMouse();
    if (mouse) mouse->clear();
    const std::string next = Upper(wynik);
    if (next.empty() || (knownScreen && !knownScreen(next))) {
        Warn("The opening story leads to \"" + wynik +
             "\", which is no screen; the journey goes on instead.");
        wynik = "GET-NEXT-LEVEL";
    }
    return wynik;
}

void TStoryStart::prepare() {
    _prepareStory();
    _prepareSelf();
    _prepareDelta();
}

void TStoryStart::_prepareStory() {
    loadStory();
    actPart.reset();
    storyFade = dStoryFade = 0;
    GetNextPart();
}

void TStoryStart::_prepareSelf() {
    fade = 1;
    dFade = 0;
    alpha = dAlpha = 1;
    if (globalSnd) globalSnd->playMyMusic("intro");
}

void TStoryStart::GetNextPart() {
    if (actPart && actPart->GetNext()) return;
    if (!storyParts.empty()) {
        actPart = std::move(storyParts.front());
        storyParts.pop_front();
        actPart->Reset();
        dStoryFade = 0;
        return;
    }
    fade = dFade = 1;
}

void TStoryStart::update() {
    updateSystem(this, 0);
    _updateFade();
    _updateStory();
    _updateGui();
}

void TStoryStart::_updateStory() {
    if (storyFade >= 1 && dStoryFade >= 1) GetNextPart();
    if (!actPart) return;
    const TStoryPart::Fade f = actPart->update();
    storyFade = f.value;
    if (f.fromEnd) dStoryFade = f.value;
}

void TStoryStart::afterFrame() {
    // The skip button ends the show at once; any other click hurries it along.
    if (Gui && Gui->clickedItem("skip")) {
        dFade = 1;
        return;
    }
    if (mouse && mouse->leftPressed && dFade < 1) GetNextPart();
}

void TStoryStart::draw() {
    _drawStory();
    _drawStoryFade();
    _drawGui();
    _drawMouse();
    _drawFade();
}

void TStoryStart::_drawStory() {
    if (actPart) actPart->draw();
}

void TStoryStart::_drawStoryFade() {
    SetColor(0, 0, 0);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(storyFade);
    DrawRect(0, 0, 1024, 768);
}
