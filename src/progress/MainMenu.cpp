// The title screen: prepare, the frame's updates and drawing in their order, and the buttons.
#include "progress/MainMenu.h"

#include <cmath>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "effects/ParticleEffects.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/ContinueQuest.h"
#include "progress/Highscores.h"
#include "progress/Options.h"
#include "progress/PickFlow.h"
#include "progress/PopUp.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TMainMenu* mainMenu = nullptr;

namespace {

constexpr float kSparkPoints[3][2] = {{864, 702}, {856, 722}, {876, 631}};

}  // namespace

void TMainMenu::setup() {
    const std::string dir = programPrefix + "gfx/gui/mainMenu/";
    back = loadImageOrWarn(dir + "back.jpg");
    cloud[0] = loadImageOrWarn(dir + "cloud-1.png");
    cloud[1] = loadImageOrWarn(dir + "cloud-2.png");
    podklad[0] = loadImageOrWarn(dir + "podklad-left.png");
    podklad[1] = loadImageOrWarn(dir + "podklad-mid.png");
    podklad[2] = loadImageOrWarn(dir + "podklad-right.png");
    if (podklad[0]) SetImageHandle(podklad[0], static_cast<float>(ImageWidth(podklad[0])), 0);
    beamsList.clear();
    for (int i = 1; i <= 3; ++i)
        beamsList.emplace_back(loadImageOrWarn(dir + "beam-" + std::to_string(i) + ".png"));
    logo = loadImageOrWarn(dir + languageCode + "/logo.png");
    Gui = loadGui(dir + "mainMenu.gui");
    const auto txt = loadTxtFile(programPrefix + "txt/#LANG#/mainMenu.txt");
    txtHello1 = getLine(txt, 1);
    txtHello2 = getLine(txt, 2);
    txtHello = getLine(txt, 3);
    txtAreYouSure1 = getLine(txt, 10);
    txtAreYouSure2 = getLine(txt, 11);
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 24);
    rowY.clear();
    if (Gui)
        for (const auto& item : Gui->_listaObiektow) rowY.push_back(item->dim->y);
}

void TMainMenu::prepare() {
    beemAlpha = 0;
    dFade = 0;
    wynik.clear();
    if (isFirstStart) {
        fade = 0;
        barsShowA = 1;
    }
    if (globalSnd) globalSnd->playMyMusic("title");
    _prepareManagerButton();
    per = dPer = 1;
    if (options) options->setupMouse();
    if (mouse) mouse->setCursor("HAND");
    _prepareLogoJump();
    _prepareDelta();
    FlushKeys();
    FlushMouse();
}

void TMainMenu::finish() {
    isFirstStart = 0;
    sparks.clear();
    if (wynik == "END" && globalSnd) globalSnd->stopAllSounds();
}

int TMainMenu::_prepareManagerButton() {
    const auto& p = profileManager ? profileManager->profile : nullptr;
    txtManager = p ? txtHello1 + p->name + txtHello2 : txtHello;
    return 1;
}

// ---------------------------------------------------------------- the logo and the buttons

void TMainMenu::_prepareLogoJump() {
    jSpeed = 0.04f;
    jump = 1000;
    jumpPer = 1;
    dJumpPer = 0;
    cutJump();
    logoStart = MilliSecs() + 500;
    guiPer.fill(0);
    dGuiPer.fill(0);
}

void TMainMenu::cutJump() {
    jump /= 2.5f;
    jSpeed = std::min(jSpeed * 1.5f, 1.0f);
    if (jump < 1) jump = 0;
}

// The logo drops from above and bounces lower each time until it rests.
void TMainMenu::_updateLogo() {
    if (MilliSecs() < logoStart) return;
    approach(jumpPer, dJumpPer, jSpeed);
    if (jumpPer == dJumpPer) {
        if (dJumpPer == 0) cutJump();  // it touched down
        dJumpPer = 1 - dJumpPer;
    }
    jumpH = static_cast<float>(Sin(90 * jumpPer)) * jump;
}

// The buttons slide in one after another, in the order of the GUI file.
void TMainMenu::_updateSlides() {
    // Until the logo starts the buttons wait off the screen; then they slide in one after another.
    if (MilliSecs() >= logoStart) {
        dGuiPer[0] = 1;
        for (int i = 0; i < kSlides; ++i) {
            approach(guiPer[i], dGuiPer[i], 0.04f);
            if (i + 1 < kSlides && guiPer[i] >= 0.5f) dGuiPer[i + 1] = 1;
        }
    }
    if (!Gui) return;
    // Shown buttons take the file's rows in order, so a hidden one leaves no gap.
    size_t row = 0;
    for (size_t i = 0; i < Gui->_listaObiektow.size() && i < kSlides; ++i) {
        auto& item = Gui->_listaObiektow[i];
        const float out = (1 - static_cast<float>(Sin(90 * guiPer[i]))) * 550;
        const float y = item->_v && row < rowY.size() ? rowY[row++] : item->dim->y;
        item->setPosition(i < 5 ? 705 + out : 200 - out, y);
    }
}

// ---------------------------------------------------------------- a frame

void TMainMenu::update() {
    updateSystem(this, 0);
    _updateFade();
    approach(skyA, dSkyA, 0.005f);
    if (skyA == dSkyA) dSkyA = 1 - dSkyA;
    beemAlpha = std::min(1.0f, beemAlpha + 0.05f * frameDelta);
    barsShowA = std::max(0.0f, barsShowA - 0.02f * frameDelta);
    for (TBeam& beam : beamsList) beam.update();
    _updateLogo();
    _updateSlides();
    if (MilliSecs() >= sparkTime) {
        const int k = Rand(0, 2);
        menuSparkle(kSparkPoints[k][0], kSparkPoints[k][1], sparks);
        sparkTime = MilliSecs() + 1000;
    }
    sparks.update();
    approach(per, dPer, per < dPer ? 0.003f : 0.0015f);
    dLight = _overPlate() ? 1.0f : 0.0f;
    approach(light, dLight, 0.02f);
    if (Gui) {
        if (auto awards = Gui->getItem("awards")) awards->setState(awardScreen ? 1 : 0, awardScreen ? 1 : 0);
        _updateGui();
    }
}

bool TMainMenu::_overPlate() const {
    if (!mouse) return false;
    SetImageFont(font);
    const float w = static_cast<float>(TextWidth(txtManager)), h = static_cast<float>(TextHeight(txtManager));
    return mouse->inRect(manX - w / 2, manY - h / 2, w, h);
}

void TMainMenu::afterFrame() {
    if (fade != 0) return;
    // A first start asks for the player's name as soon as the title is shown.
    if (profileManager && profileManager->check(this)) _prepareManagerButton();
    if (KeyHit(' ')) _prepareLogoJump();
    if (per < 1 || !Gui) return;
    if (cheatsOn && KeyHit('H') && highscores) {
        highscores->mainLoop(this);
        return;
    }
    if (Gui->clickedItem("play")) {
        _play();
    } else if (Gui->clickedItem("exit") || KeyHit(27)) {
        if (askYesNo(txtAreYouSure1, this)) {
            wynik = "END";
            dFade = 1;
        }
    } else if (Gui->clickedItem("awards") && awardScreen) {
        awardScreen(*this);
    } else if (Gui->clickedItem("options") && options) {
        options->mainLoop(this);
    } else if (mouse && mouse->leftPressed && _overPlate() && profileManager) {
        profileManager->mainLoop(this);
        _prepareManagerButton();
    }
}

void TMainMenu::_play() {
    const auto& p = profileManager ? profileManager->profile : nullptr;
    if (!p) return;
    std::string answer;
    if (p->canContinue()) {
        const std::string choice = continueQuest ? continueQuest->mainLoop(this, txtAreYouSure2) : "NEW";
        if (choice == "CONTINUE") answer = p->ContinueGame();
        if (choice == "NEW" && pickFlow) answer = pickFlow->mainLoop(this);
    } else if (pickFlow) {
        answer = pickFlow->mainLoop(this);
    }
    if (answer.empty()) return;
    wynik = answer;
    dFade = 1;
    if (globalSnd) globalSnd->musicGoDown();
}

void TMainMenu::draw() {
    resetDrawState();
    DrawImage(back, 0, 0);
    // The clouds drift over the picture's sky: two layers cross-fading.
    DrawImage(cloud[0], 120, 0);
    SetAlpha(skyA);
    DrawImage(cloud[1], 120, 0);
    for (const TBeam& beam : beamsList) beam.draw((1 - barsShowA) * beemAlpha);
    resetDrawState();
    if (MilliSecs() >= logoStart && logo)
        DrawImage(logo, static_cast<float>(1000 - ImageWidth(logo)), 50 - jumpH);
    _drawGui();
    _drawPlate();
    sparks.draw();
    _drawFade();
    _drawMouse();
}

void TMainMenu::_drawPlate() {
    resetDrawState();
    SetImageFont(font);
    const float w = static_cast<float>(TextWidth(txtManager)), h = static_cast<float>(TextHeight(txtManager));
    const float x = manX - w / 2, y = manY - h / 2;
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    if (podklad[1]) {
        const float ph = static_cast<float>(ImageHeight(podklad[1]));
        const float py = manY - ph / 2;
        DrawImage(podklad[0], x - 1, py);
        DrawImageRect(podklad[1], x, py, w, ph);
        DrawImage(podklad[2], x + w, py);
    }
    DrawText(txtManager, x + 1, y + 1);
    SetColor(247, 222, 113);
    SetAlpha(1);
    DrawText(txtManager, x, y);
    SetBlend(LIGHTBLEND);
    SetAlpha(light);
    DrawText(txtManager, x, y);
    resetDrawState();
}
