// The common per-frame update, the frame end, and the pause shown while the window is inactive.
#include "screen/FrameServices.h"

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/LogicalScreen.h"
#include "gui/Mouse.h"
#include "gui/Theme.h"
#include "gui/Window.h"
#include "screen/Ekran.h"

using namespace eng;

namespace {
constexpr int kEnter = 13, kF4 = 115, kLeftAlt = 164, kRightAlt = 165;

void run(const std::function<void()>& hook) {
    if (hook) hook();
}

// The pause's words on a framed panel of the window theme, so that they read over any picture.
void drawPauseText(const std::string& text) {
    const int w = TextWidth(text), h = TextHeight(text);
    if (windowTheme) {
        TWindow panel;
        panel.theme = windowTheme;
        panel.dim = createDim(512 - w / 2 - 48, 384 - h / 2 - 30, w + 96, h + 60);
        panel.obliczSkale();
        panel.draw(0, 0);
    }
    // Dark brown ink on the light parchment; white when there is no theme to draw the panel.
    if (windowTheme)
        SetColor(74, 42, 16);
    else
        SetColor(255, 255, 255);
    SetAlpha(1);
    DrawText(text, static_cast<float>(512 - w / 2), static_cast<float>(384 - h / 2));
    SetColor(255, 255, 255);
}
}  // namespace

TFrameHooks frameHooks;

void updateSystem(TEkran* screen, int specialMouse) {
    updateTiming();
    if (mouse) {
        if (specialMouse)
            mouse->updateSpec();
        else
            mouse->update(1);
    }
    run(frameHooks.sound);
    if ((KeyDown(kLeftAlt) || KeyDown(kRightAlt)) && KeyHit(kF4)) quitGame(1);
    if ((KeyDown(kLeftAlt) && KeyHit(kEnter)) || (KeyDown(kRightAlt) && KeyHit(kEnter))) {
        run(frameHooks.switchScreenMode);
    }
    if (AppTerminate() || (KeyDown(kLeftAlt) && KeyHit(kF4))) quitGame(1);
}

namespace {
TEkran* topScreen = nullptr;
}

TEkran* screenOnTop() {
    return topScreen;
}

void endFrame(int allowPause, TEkran* screen) {
    topScreen = screen;
    if (AppSuspended() && allowPause == 1) pauseWhileSuspended(screen);
    resetDrawState();
    SetColor(0, 0, 0);
    DrawRect(-512, 0, 512, 768);
    DrawRect(1024, 0, 512, 768);
    SetColor(255, 255, 255);
    Flip(-1);
    setBorderColor(0, 0, 0);
    clearFrame();
}

void pauseWhileSuspended(TEkran* screen) {
    if (screen) screen->PauseMyGame();
    Image frozen = LoadImage(GrabPixmap(0, 0, 1024, 768), FILTEREDIMAGE);
    run(frameHooks.suspendSound);
    SetScale(1, 1);
    SetBlend(ALPHABLEND);
    while (AppSuspended()) {
        Cls();
        SetImageFont(mainFont);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(frozen, 0, 0);
        SetColor(0, 0, 0);
        SetAlpha(0.5f);
        DrawRect(0, 0, 1024, 768);
        drawPauseText(pauseText);
        Flip(-1);
        updateTiming();
        // The bars beside the picture on a wide screen stay black, as while playing.
        setBorderColor(0, 0, 0);
        clearFrame();
        PollSystem();
        // A close request ends the game from the pause too.
        if (AppTerminate()) quitGame(1);
        // Nothing moves while paused: rest between the pictures instead of spinning.
        if (!IsHeadless()) Delay(50);
    }
    setBorderColor(0, 0, 0);
    run(frameHooks.resumeSound);
    if (screen) screen->ResumeMyGame();
}

void quitGame(int mode) {
    FlushMouse();
    FlushKeys();
    if (mode == 0) run(frameHooks.saveAll);
    End();
}
