// The hidden-object screen: set-up, a visit, the states, picking objects, the hint, lights and leaves.
#include "minigames/HiddenObject.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "minigames/LevelFileCheck.h"
#include "minigames/MiniGame.h"
#include "progress/LevelData.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

THiddenObject* hiddenObject = nullptr;

namespace {
void playSound(const char* id) {
    if (globalSnd) globalSnd->playMySound(id);
}
}  // namespace

void THiddenObject::setup() {
    const std::string dir = "gfx/miniGames/hiddenObjects/";
    const auto texts = loadTxtFile(programPrefix + "txt/#LANG#/hiddenObject.txt");
    txtCounter[0] = getLine(texts, 11);
    txtCounter[1] = getLine(texts, 12);
    Gui = loadGui(programPrefix + dir + "hiddenObject.gui");
    panel = miniPicture(dir + "bottom-panel.png");
    panelGui = miniPicture("gfx/minigames/gornyPanel.png");
    pasek = miniPicture("gfx/minigames/pasek.png");
    nakrycie = miniPicture("gfx/minigames/nakrycie.png");
    pick = miniPicture(dir + "pick.png", true);
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 26);
    font2 = getFont(programPrefix + "gfx/fonts/berry.ttf", 20);
}

// ---------------------------------------------------------------- a visit

std::string THiddenObject::mainLoop() {
    if (!level) return "GET-NEXT-LEVEL";
    prepare();
    runLoop();
    weather.clear();
    particles.clear();
    hoHint.reset();
    over = nullptr;
    hideTutorial();
    return wynik;
}

void THiddenObject::prepare() {
    fade = 1;
    dFade = 0;
    wynik.clear();
    state = "BEGIN";
    hintTime = MilliSecs();
    ha = dha = 0;
    hoHint.reset();
    over = nullptr;
    editor = false;
    nextSecond = MilliSecs() + 1000;
    for (auto& o : level->objects) o->update(-1000, -1000, particles);
    TProfile* p = activeProfile();
    if (p) p->gameType = "HIDDEN-OBJECT";
    if (globalSnd && p) globalSnd->playLevelMusic(p->numerStageu);
    if (Gui) Gui->clearClicked();
    FlushMouse();
    if (mouse) mouse->clear();
    _prepareDelta();
}

void THiddenObject::update() {
    updateSystem(this, 0);
    tutorialUpdate();
    if (editor)
        _updateEditor();
    else
        _updateState();
    particles.update();
    _updateHint();
    _updateGui();
    _updateFade();
    if (MilliSecs() > nextSecond) {
        level->time += 1;
        nextSecond = MilliSecs() + 1000;
    }
    updateLeafSpawners(level->leaves, weather);
    _updateLights();
    updateBackElements(level->obiektyTla);
    updateWeather(weather);
    // A click on nothing: no button, no object and no lit gauge.
    if (state == "NORMAL" && !editor && mouse && mouse->leftPressed && !over && dha == 0 &&
        !(Gui && !Gui->_over.empty()))
        playSound("HO_bad");
}

void THiddenObject::_updateState() {
    if (state == "BEGIN") {
        if (fade == 0) {
            checkDialogs("BEGIN");
            state = "NORMAL";
        }
    } else if (state == "NORMAL") {
        _updatePlay();
    } else if (state == "WIN") {
        dFade = 1;
        if (globalSnd) globalSnd->musicGoDown();
        wynik = "GET-NEXT-LEVEL";
    }
}

void THiddenObject::_updatePlay() {
    over = nullptr;
    const float mx = mouse ? static_cast<float>(mouse->x) : -1000,
                my = mouse ? static_cast<float>(mouse->y) : -1000;
    for (auto& o : level->objects)
        if (o->update(mx, my, particles)) over = o.get();
    if (over && mouse && mouse->leftPressed && dha == 0) {
        over->pick();
        playSound("HO_ok");
    }
    if (level->completed()) WIN();
}

void THiddenObject::WIN() {
    if (state == "WIN") return;
    state = "WIN";
    checkDialogs("END");
    recordMiniWin(level, level->time);
}

float THiddenObject::hintCharge() const {
    const int64_t now = MilliSecs();
    if (now > hintTime) return 1;
    return std::clamp(1 - static_cast<float>(hintTime - now) / static_cast<float>(maxHintTime), 0.0f, 1.0f);
}

void THiddenObject::_updateHint() {
    dha = hintCharge() == 1 && state == "NORMAL" && mouse && mouse->inRect(940, 0, 80, 80) ? 0.5f : 0.0f;
    approach(ha, dha, 0.02f);
    if (hoHint && !hoHint->update(particles)) hoHint.reset();
}

void THiddenObject::useHint() {
    hintTime = MilliSecs() + maxHintTime;
    playSound("HO_hint");
    std::vector<THObject*> hidden;
    for (auto& o : level->objects)
        if (o->hidden()) hidden.push_back(o.get());
    if (hidden.empty()) return;
    const THObject* o = hidden[Rand(0, static_cast<int>(hidden.size()) - 1)];
    hoHint.emplace(o->ukrytyDim.x, o->ukrytyDim.y);
}

void THiddenObject::_updateLights() {
    const int64_t now = MilliSecs();
    for (TLevelLight& l : level->lights) {
        if (now > l.time) {
            l.da = l.da == 0 ? 1.0f : 0.0f;
            l.time = now + Rand(2500, 5000);
        }
        approach(l.a, l.da, 0.005f);
    }
}

void THiddenObject::afterFrame() {
    if (dFade == 1 || !mouse) return;
    if (state == "NORMAL" && dha != 0 && mouse->leftPressed) useHint();
    if (cheatsOn) {
        if (KeyHit('W') && state == "NORMAL") WIN();
        if (KeyHit('R'))
            for (TLevelLight& l : level->lights) l.da = l.da == 0 ? 1.0f : 0.0f;
        if (KeyHit('E')) editor = !editor;
    }
    if (Gui && Gui->clickedItem("menu")) {
        wynik = miniGameMenu(*this);
        if (!wynik.empty()) dFade = 1;
    }
}

// ---------------------------------------------------------------- the level flow

void registerHiddenObjectKind() {
    TLevelKind kind;
    kind.start = [](const TLevelData& entry) -> std::shared_ptr<TFlowLevel> {
        auto level = loadHOLevel(entry.url);
        if (level && hiddenObject) hiddenObject->setLevel(level);
        return level;
    };
    kind.load = [](const std::string& path) {
        return loadSavedLevel(path, [](const std::string& saved) { return loadHOLevel(saved); });
    };
    kind.resume = [](const std::shared_ptr<TFlowLevel>& saved) {
        auto level = std::dynamic_pointer_cast<THOLevel>(saved);
        if (level && hiddenObject) hiddenObject->setLevel(level);
    };
    registerLevelKind("HIDDEN-OBJECT", kind);
}
