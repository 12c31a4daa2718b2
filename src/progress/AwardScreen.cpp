// The award screen: the lists of trophies shown, hover and tooltips, the description and the best scores.
#include "progress/AwardScreen.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/Award.h"
#include "progress/GiveAward.h"
#include "progress/Highscores.h"
#include "progress/MainMenu.h"
#include "progress/ProfileManager.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

TAwardScreen* awardScreen = nullptr;

void TAwardScreen::setup() {
    loadAwardTable();
    const std::string dir = programPrefix + "gfx/gui/awardScreen/";
    back = loadImageOrWarn(dir + "back.jpg");
    buttonFrame = loadImageOrWarn(dir + "buttonFrame.png");
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    font = getFont(berry, 16);
    font2 = getFont(berry, 28);
    font3 = getFont(berry, 36);
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/awardScreen.txt");
    txtClick = getLine(texts, 1);
    txtThropies = getLine(texts, 2);
    Gui = loadGui(dir + "awardScreen.gui");
}

// One entry per family: the best tier received, or the first tier still to earn.
void TAwardScreen::prepare(const TProfile& p) {
    listaDoWyswietlenia.clear();
    listaDoZbadania.clear();
    for (const auto& a : awardTable) {
        const auto best = getHighestAwardByTyp(p, a->typ);
        if (best) {
            const bool listed = std::any_of(listaDoWyswietlenia.begin(), listaDoWyswietlenia.end(),
                                            [&](const auto& x) { return x->id == best->id; });
            if (!listed) {
                listaDoWyswietlenia.push_back(best);
                listaDoZbadania.push_back(best);
            }
        } else if (a->level == 1) {
            listaDoZbadania.push_back(a);
        }
    }
    for (auto& a : listaDoWyswietlenia) a->licznik = countAward(p, a->id);
    for (auto& a : awardTable) a->overA = a->dOverA = a->toolA = a->dToolA = 0;
}

bool TAwardScreen::_received(const TAward& a) const {
    return std::any_of(listaDoWyswietlenia.begin(), listaDoWyswietlenia.end(),
                       [&](const auto& x) { return x.get() == &a; });
}

void TAwardScreen::mainLoop(TEkran* behind) {
    static const TProfile blank;
    prepare(profileManager && profileManager->profile ? *profileManager->profile : blank);
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    overAward = nullptr;
    if (Gui) Gui->clearClicked();
    runModal(behind ? behind : mainMenu);
}

void TAwardScreen::update() {
    updateSystem(this, 0);
    _updateAlpha();
    overAward = nullptr;
    for (const auto& a : listaDoZbadania) {
        const float w = a->img ? static_cast<float>(ImageWidth(a->img)) : 96;
        const float h = a->img ? static_cast<float>(ImageHeight(a->img)) : 96;
        const bool over = mouse && mouse->inRect(a->x - w / 2, a->y - h / 2, w, h);
        a->dOverA = a->dToolA = over ? 1.0f : 0.0f;
        if (over) overAward = a;
        approach(a->overA, a->dOverA, 0.05f);
        approach(a->toolA, a->dToolA, 0.02f);
    }
    _updateGui();
}

void TAwardScreen::afterFrame() {
    if (alpha < 1 || dAlpha == 0) return;
    if ((Gui && Gui->clickedItem("OK")) || KeyHit(27)) {
        dAlpha = 0;
        return;
    }
    if (Gui && Gui->clickedItem("highscores") && highscores) {
        highscores->mainLoop(this);
        _prepareDelta();
        return;
    }
    if (overAward && mouse && mouse->leftPressed && showAward) {
        showAward->mainLoop(*overAward, _received(*overAward), *this);
        _prepareDelta();
    }
}

void TAwardScreen::draw() {
    resetDrawState();
    SetAlpha(alpha);
    if (back) DrawImage(back, 0, 0);
    // Every family's first tier as a silhouette; the trophies over them.
    SetColor(0, 0, 0);
    SetAlpha(0.3f * alpha);
    for (const auto& a : awardTable)
        if (a->level == 1 && a->img) DrawImage(a->img, a->x, a->y);
    for (const auto& a : listaDoZbadania) {
        const bool got = _received(*a);
        resetDrawState();
        if (got && a->img) {
            SetColor(0, 0, 0);
            SetAlpha(0.5f * alpha);
            SetScale(1.1f, 1.1f);
            DrawImage(a->img, a->x + 3, a->y + 4);
            resetDrawState();
            SetAlpha(alpha);
            DrawImage(a->img, a->x, a->y);
            SetBlend(LIGHTBLEND);
            SetAlpha(0.3f * a->overA * alpha);
            DrawImage(a->img, a->x, a->y);
            resetDrawState();
        }
        if (a->toolA <= 0) continue;
        const std::string tip = got ? a->title + " (" + std::to_string(a->licznik) + ")" : a->title;
        SetImageFont(font);
        const float w = TextWidth(tip) + 16, h = TextHeight(tip) + 8;
        const float tx = a->x - w / 2, ty = a->y + 40;
        SetColor(0, 0, 0);
        SetAlpha(0.65f * a->toolA * alpha);
        DrawRect(tx, ty, w, h);
        SetColor(247, 222, 113);
        SetAlpha(a->toolA * alpha);
        DrawText(tip, tx + 8, ty + 4);
        resetDrawState();
    }
    SetImageFont(font3);
    outlinedText(txtThropies, 512 - TextWidth(txtThropies) / 2.0f, 10, 2, alpha, 247, 222, 113, 0.4f);
    resetDrawState();
    SetAlpha(alpha);
    if (buttonFrame) DrawImage(buttonFrame, 927, 673);
    resetDrawState();
    _drawGui();
    _drawFade();
    _drawMouse();
}
