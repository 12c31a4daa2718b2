// The map: markers, the arrow, the new stage's sparkles, the bottom panel and the ways on.
#include "progress/Mapa.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "effects/ParticleEffects.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/LevelData.h"
#include "progress/LevelManager.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "progress/StageScreen.h"
#include "screen/FrameServices.h"

using namespace eng;

TMapa* mapa = nullptr;

void TMapa::setup() {
    const std::string dir = programPrefix + "gfx/gui/mapa/";
    img = loadImageOrWarn(dir + "mapa.jpg");
    if (img) MidHandleImage(img);
    panel = loadImageOrWarn(dir + "panel.png");
    arrowImg = loadImageOrWarn(dir + "arrow.png");
    if (arrowImg) SetImageHandle(arrowImg, 22, 40);
    for (int i = 0; i < 2; ++i) {
        stageImg[i] = loadImageOrWarn(dir + "stage-" + std::to_string(i) + ".png");
        if (stageImg[i]) SetImageHandle(stageImg[i], 20, 9);
    }
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    font1 = getFont(berry, 14);
    font2 = getFont(berry, 24);
    font3 = getFont(berry, 26);
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/stageScreen.txt");
    txtLevel = getLine(texts, 1);
    Gui = loadGui(dir + "mapa.gui");
    loadStages(programPrefix + "data/mapStages.dat", texts);
}

void TMapa::loadStages(const std::string& path, const std::shared_ptr<TTxtFile>& texts) {
    mapStages.clear();
    TRCMFile file;
    if (!file.Load(path)) {
        Warn("cannot read " + path + ": the map has no stages");
        return;
    }
    const int count = countItems(file, "mapStages::stage", 1, readInt(file, "mapStages::i"));
    for (int i = 1; i <= count; ++i) {
        const std::string key = "mapStages::stage" + std::to_string(i);
        auto s = std::make_shared<TMapStage>();
        s->id = readInt(file, key + "::id");
        s->x = static_cast<float>(file.getFloat(key + "::position", 0));
        s->y = static_cast<float>(file.getFloat(key + "::position", 1));
        s->title = getLine(texts, readInt(file, key + "::name"));
        mapStages.push_back(s);
    }
}

std::shared_ptr<TMapStage> TMapa::getMapStage(int stageId) const {
    for (const auto& s : mapStages)
        if (s->id == stageId) return s;
    return nullptr;
}

// ---------------------------------------------------------------- a visit

std::string TMapa::mainLoop() {
    prepare();
    runLoop();
    particles.clear();
    return wynik;
}

void TMapa::prepare() {
    fade = 1;
    dFade = 0;
    alpha = 0;
    dAlpha = 1;
    aSpeed = 0.01f;
    wynik = "MAIN-GAME";
    _exit = 0;
    overStage = nullptr;
    for (auto& s : mapStages) s->wolny = 1;
    TProfile* p = activeProfile();
    const auto current = p ? getMapStage(p->numerStageu) : nullptr;
    // The stage the journey reached at its last map stop, when nothing had been played in it yet; else the
    // current stage while none of its levels is passed (a journey resumed at its map stop).
    newStage = p ? getMapStage(p->newStageN) : nullptr;
    if (current && !newStage) {
        const auto data = levelManager.getStageData(current->id);
        if (!data || !data->isAtLeastOneLevelPassed()) newStage = current;
    }
    if (newStage && !current) newStage = nullptr;
    if (newStage) newStage->resetAsNew();
    if (current) {
        arX = current->x;
        ary = current->y - 40;
    } else {
        arX = -100;
    }
    for (auto& s : mapStages) s->isAvailable = p && p->isStageAvailable(s->id) ? 1 : 0;
    if (newStage) newStage->isAvailable = 1;
    if (Gui) Gui->clearClicked();
    FlushKeys();
    FlushMouse();
    if (mouse) mouse->clear();
}

void TMapa::update() {
    updateSystem(this, 0);
    _updateAlpha();
    _updateFade();
    _updateStages();
    _updateArrow();
    _updateNewStage();
    particles.update();
    _updateGui();
}

int TMapa::updateFromOtherScreen() {
    _updateAlpha();
    _updateFade();
    _updateArrow();
    particles.update();
    return 1;
}

void TMapa::_updateStages() {
    overStage = nullptr;
    for (const auto& s : mapStages) {
        approach(s->overA, s->dOverA, 0.05f);
        if (!s->wolny || !mouse) continue;
        const Image& pic = stageImg[1];
        const float w = pic ? static_cast<float>(ImageWidth(pic)) : 40,
                    h = pic ? static_cast<float>(ImageHeight(pic)) : 48;
        const bool over = mouse->inRect(s->x - 20, s->y - 9, w, h);
        s->dOverA = over ? 1.0f : 0.0f;
        if (over && s->isAvailable) overStage = s;
    }
}

void TMapa::_updateArrow() {
    approach(arP, dArp, 0.06f);
    if (arP == dArp) dArp = -dArp;
}

// Five pairs of sparkles spiral in and out around the stage that has just opened.
void TMapa::_updateNewStage() {
    if (!newStage) return;
    const int64_t now = MilliSecs();
    if (now > newStage->newTime || now < newStage->partTime) return;
    newStage->partTime = now + 5;
    const float t = static_cast<float>(newStage->newTime - now) / 3000.0f;
    for (int i = 0; i < 5; ++i) {
        const float a1 = 720 * static_cast<float>(Sin(90 * t)), r1 = 70 * (1 - t);
        const float a2 = 720 * static_cast<float>(Sin(90 * (1 - t))), r2 = 70 * t;
        auto colour = [] { return Rand(0, 1) == 1 ? TRGB{} : TRGB{Rand(200, 255), Rand(200, 255), 0}; };
        mapSparkle(newStage->x + r1 * static_cast<float>(Cos(a1)),
                   newStage->y + r1 * static_cast<float>(Sin(a1)), colour(), particles);
        mapSparkle(newStage->x + r2 * static_cast<float>(Cos(a2)),
                   newStage->y + r2 * static_cast<float>(Sin(a2)), colour(), particles);
    }
}

void TMapa::afterFrame() {
    if (dFade == 1) return;
    if (Gui && Gui->clickedItem("menu")) {
        wynik = "MAIN-MENU";
        dFade = 1;
        return;
    }
    if (Gui && Gui->clickedItem("playnext")) {
        TProfile* p = activeProfile();
        wynik = p ? p->playOn() : "MAIN-MENU";
        dFade = 1;
        return;
    }
    if (overStage && mouse && mouse->leftPressed && fade == 0) clickStage(overStage);
}

void TMapa::clickStage(const std::shared_ptr<TMapStage>& stage) {
    if (!stageScreen) return;
    covered_ = true;
    const std::string answer = stageScreen->mainLoop(*this, stage);
    covered_ = false;
    if (answer == "PLAY" && stageScreen->wybrany) playPicked(*stageScreen->wybrany);
}

void TMapa::playPicked(const TLevelData& chosen) {
    TProfile* p = activeProfile();
    if (!p) return;
    if (chosen.isStory()) {
        wynik = p->replayStory(chosen);
    } else {
        p->numerLevelu = chosen.numer;
        p->numerStageu = chosen.stageN;
        wynik = p->setLevel(chosen);
    }
    fade = dFade = 1;
}

// ---------------------------------------------------------------- drawing

void TMapa::draw() {
    resetDrawState();
    if (img) DrawImage(img, 512, 384);
    _drawStages();
    resetDrawState();
    if (arrowImg && arX > -100) {
        const float s = static_cast<float>(Sin(90 * arP));
        SetScale(1 + 0.1f * s, 1 + 0.2f * s);
        DrawImage(arrowImg, arX, ary + 15 * s);
        resetDrawState();
    }
    particles.draw();
    resetDrawState();
    _drawPanel();
    // Under the stage screen the map's own buttons and text step aside for the stage's.
    if (!covered_) _drawGui();
    _drawFade();
    _drawMouse();
}

void TMapa::_drawStages() const {
    for (const auto& s : mapStages) {
        const Image& pic = stageImg[s->wolny ? 1 : 0];
        if (!pic) continue;
        const float a = s->isAvailable ? 1.0f : 0.3f;
        resetDrawState();
        SetAlpha(a);
        DrawImage(pic, s->x, s->y);
        if (s->overA > 0) {
            SetBlend(LIGHTBLEND);
            SetAlpha(a * static_cast<float>(Sin(90 * s->overA)) * 0.3f);
            DrawImage(pic, s->x, s->y);
        }
    }
    resetDrawState();
}

void TMapa::_drawPanel() const {
    resetDrawState();
    if (panel) DrawImage(panel, 0, 768.0f - ImageHeight(panel));
    TProfile* p = activeProfile();
    if (!p || covered_) return;
    const std::string text =
        txtLevel + " " + std::to_string(p->numerStageu) + " - " + std::to_string(p->numerLevelu);
    SetImageFont(font3);
    const float x = 542 - TextWidth(text) / 2.0f, y = 727 - TextHeight(text) / 2.0f;
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawText(text, x + 3, y + 3);
    SetAlpha(1);
    SetColor(247, 222, 113);
    DrawText(text, x, y);
    resetDrawState();
}
