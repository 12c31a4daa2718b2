// The name dialog: letters and digits only, at most twenty, upper case; a taken name is refused.
#include "progress/EnterName.h"

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/PopUp.h"
#include "progress/ProfileManager.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

TEnterName* enterName = nullptr;

void TEnterName::setup() {
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 26);
    font1 = getFont(programPrefix + "gfx/fonts/berry.ttf", 20);
    panel = loadImageOrWarn(programPrefix + "gfx/gui/enterName/panel.png");
    MidHandleImage(panel);
    Gui = loadGui(programPrefix + "gfx/gui/enterName/enterName.gui");
    if (auto ok = Gui ? Gui->getItem("ok") : nullptr) okX = ok->dim->x;
}

std::string TEnterName::mainLoop(TEkran* screen, const std::string& prompt, int isNew,
                                 const std::string& name) {
    behind = screen;
    title = prompt;
    nowy = isNew;
    wpis = Upper(name);
    myEditNode = nowy ? "" : Upper(name);
    _cancel = 0;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    time = MilliSecs() + 500;
    caretOn = 1;
    FlushKeys();
    FlushMouse();
    if (Gui) Gui->clearClicked();
    runLoop();
    behind = nullptr;
    FlushKeys();
    FlushMouse();
    if (mouse) mouse->clear();
    return _cancel ? "" : wpis;
}

bool TEnterName::charOk(uint32_t code) {
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

bool TEnterName::takiProfilIstnieje() const {
    if (!profileManager) return false;
    for (const auto& p : profileManager->listaProfili)
        if (Upper(p->name) == Upper(wpis)) return true;
    return false;
}

bool TEnterName::takiProfilIstnieje2() const {
    if (!profileManager) return false;
    for (const auto& p : profileManager->listaProfili)
        if (Upper(p->name) != myEditNode && Upper(p->name) == Upper(wpis)) return true;
    return false;
}

void TEnterName::type(uint32_t code) {
    if (code == 13) {
        goOk();
    } else if (code == 27) {
        goCancel();
    } else if (code == 8) {
        if (!wpis.empty()) wpis.pop_back();
    } else if (charOk(code) && wpis.size() < kMaxLength) {
        wpis += static_cast<char>(code);
    }
}

void TEnterName::goOk() {
    if (wpis.empty() || dAlpha == 0) return;
    if (nowy ? takiProfilIstnieje() : takiProfilIstnieje2()) {
        showMessage(profileManager ? profileManager->txtProfilIstnieje : "", this);
        FlushKeys();
        FlushMouse();
        return;
    }
    dAlpha = 0;
}

void TEnterName::goCancel() {
    if (!profileManager || !profileManager->profile || dAlpha == 0) return;
    _cancel = 1;
    dAlpha = 0;
}

void TEnterName::update() {
    updateSystem(this, 0);
    _updateAlpha();
    if (Gui) {
        if (auto ok = Gui->getItem("ok")) ok->setState(1, wpis.empty() ? 0 : 1);
        const int canCancel = profileManager && profileManager->profile ? 1 : 0;
        if (auto cancel = Gui->getItem("cancel")) cancel->setState(canCancel, canCancel);
        placeButtonPair(*Gui, "ok", "cancel", okX);
        // "OK" waits faintly until there is a name to take.
        for (auto& item : Gui->_listaObiektow)
            item->_alpha = item->_dAlpha = alpha * (item->_a ? 1.0f : 0.4f);
        Gui->update();
    }
    if (MilliSecs() >= time) {
        caretOn = !caretOn;
        time = MilliSecs() + 500;
    }
}

void TEnterName::afterFrame() {
    if (alpha < 1 || dAlpha < 1) return;
    // Every character typed since the last frame, so quick typing loses none.
    for (int code = GetChar(); code > 0 && dAlpha == 1; code = GetChar()) type(static_cast<uint32_t>(code));
    wpis = Upper(wpis);
    if (!Gui || dAlpha < 1) return;
    if (Gui->clickedItem("ok")) goOk();
    if (Gui->clickedItem("cancel")) goCancel();
}

void TEnterName::draw() {
    if (behind) behind->draw();
    resetDrawState();
    SetColor(0, 0, 0);
    SetAlpha(0.4f * alpha);
    DrawRect(0, 0, 1024, 768);
    resetDrawState();
    SetAlpha(alpha);
    DrawImage(panel, 512, 384);
    shadowedText(font, title, 512, 300, 3, alpha, 247, 222, 113);
    const float start = shadowedText(font1, wpis, 512, 357, 1, alpha, 255, 255, 255);
    const float end = start + TextWidth(wpis);  // font1 is still selected
    if (caretOn && dAlpha > 0) {
        SetImageFont(font1);
        SetColor(255, 255, 255);
        SetAlpha(alpha);
        DrawRect(end + 2, 357, static_cast<float>(TextWidth("A")), static_cast<float>(TextHeight("A")));
    }
    resetDrawState();
    _drawGui();
    _drawMouse();
}
