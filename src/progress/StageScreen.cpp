// The stage screen: the grid of a stage's entries, which of them open, and the choice of one.
#include "progress/StageScreen.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/LevelData.h"
#include "progress/Mapa.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TStageScreen* stageScreen = nullptr;

namespace {

constexpr int KEY_ESCAPE = 27;

}  // namespace

void stageGridPlace(int index, float& x, float& y) {
    int col = index % 7, row = index / 7;
    if (index >= 42) {
        col = 2 + (index - 42) % 5;
        row = 6 + (index - 42) / 5;
    }
    x = 160.0f + 120.0f * col;
    y = 120.0f + 86.0f * row;
}

void TStageScreen::setup() {
    const std::string dir = programPrefix + "gfx/gui/stageScreen/";
    const char* icons[6] = {"level_picros.png", "level_express.png", "level_ho.png",
                            "level_inLay.png",  "level_box.png",     "level_story.png"};
    for (int i = 0; i < 6; ++i) {
        levelTypeImg[i] = loadImageOrWarn(dir + icons[i]);
        if (levelTypeImg[i]) MidHandleImage(levelTypeImg[i]);
    }
    panel = loadImageOrWarn(dir + "panel.png");
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    font1 = getFont(berry, 18);
    font2 = getFont(berry, 36);
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/stageScreen.txt");
    txtLevel = getLine(texts, 1);
    txtStage = getLine(texts, 2);
    txtAStory = getLine(texts, 22);
    Gui = loadGui(dir + "stageScreen.gui");
}

int TStageScreen::_iconOf(const TLevelData& level) const {
    const std::string& k = level.gameType;
    if (k == "PUZZLE-EXPRESS") return 1;
    if (k == "HIDDEN-OBJECT") return 2;
    if (k == "PUZZLE") return 3;
    if (k == "FINDROUTE-PUZZLE") return 4;
    if (level.isStory()) return 5;
    return 0;
}

int TStageScreen::levelPlayable(const TLevelData& level) const {
    const TProfile* p = activeProfile();
    const auto record = p && stage ? p->getProfLevelData2(level.numer, stage->id) : nullptr;
    return record && record->passed ? 1 : 0;
}

int TStageScreen::levelPlayableDraw(const TLevelData& level, const TLevelData* previous) const {
    const TProfile* p = activeProfile();
    if (!p || !stage) return 0;
    // A story may be seen again once the journey has been through it, never ahead of it.
    if (level.isStory()) return level.nr <= p->furthestReached() ? 1 : 0;
    if (p->getProfLevelData2(level.numer, stage->id)) return 1;
    if (!previous) return level.numer == 1 ? 1 : 0;
    const auto before = p->getProfLevelData2(previous->numer, stage->id);
    return before && before->passed ? 1 : 0;
}

std::shared_ptr<TLevelData> TStageScreen::getFirstUnplayedLevel() const {
    for (const auto& l : listaLeveli)
        if (!l->isStory() && !levelPlayable(*l)) return l;
    for (const auto& l : listaLeveli)
        if (!l->isStory()) return l;
    return listaLeveli.empty() ? nullptr : listaLeveli.front();
}

// ---------------------------------------------------------------- a visit

std::string TStageScreen::mainLoop(TMapa& map, const std::shared_ptr<TMapStage>& mapStage) {
    map_ = &map;
    prepare(mapStage);
    runOverlay(map);
    map_ = nullptr;
    if (mouse) mouse->clear();
    FlushMouse();
    return wynik;
}

void TStageScreen::prepare(const std::shared_ptr<TMapStage>& mapStage) {
    stage = mapStage;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    state = "START";
    wynik.clear();
    wybrany = overLevel = nullptr;
    TProfile* p = activeProfile();
    listaLeveli = p && stage ? p->getLeveleForStage(stage->id) : std::vector<std::shared_ptr<TLevelData>>{};
    if (static_cast<int>(listaLeveli.size()) > kMaxEntries) listaLeveli.resize(kMaxEntries);
    maxLevel = p && stage ? p->getMaxLevel(stage->id) : 0;
    for (auto& l : listaLeveli) l->overA = l->dOverA = 0;
    if (Gui) {
        const int play = !listaLeveli.empty() && levelPlayableDraw(*listaLeveli.front(), nullptr) ? 1 : 0;
        if (auto b = Gui->getItem("play")) b->setState(play, play);
        Gui->clearClicked();
    }
    FlushKeys();
    FlushMouse();
    if (mouse) mouse->clear();
}

void TStageScreen::update() {
    updateSystem(this, 0);
    if (map_) map_->updateFromOtherScreen();
    _updateAlpha();
    overLevel = nullptr;
    const TLevelData* previous = nullptr;
    for (int i = 0; i < static_cast<int>(listaLeveli.size()); ++i) {
        TLevelData& l = *listaLeveli[i];
        float x = 0, y = 0;
        stageGridPlace(i, x, y);
        const Image& icon = levelTypeImg[_iconOf(l)];
        const float w = icon ? static_cast<float>(ImageWidth(icon)) : 80,
                    h = icon ? static_cast<float>(ImageHeight(icon)) : 64;
        const bool over = state == "START" && mouse && mouse->inRect(x - w / 2, y - h / 2, w, h) &&
                          levelPlayableDraw(l, previous);
        l.dOverA = over ? 1.0f : 0.0f;
        if (over) overLevel = listaLeveli[i];
        l.update();
        if (!l.isStory()) previous = &l;
    }
    _updateGui();
}

void TStageScreen::_choose(const std::shared_ptr<TLevelData>& level) {
    if (!level) return;
    wybrany = level;
    wynik = "PLAY";
    dAlpha = 0;
}

void TStageScreen::afterFrame() {
    if (state != "START" || !wynik.empty()) return;
    if (KeyHit(KEY_ESCAPE) || (Gui && Gui->clickedItem("back"))) {
        state = "HIDE";
        dAlpha = 0;
        return;
    }
    if (Gui && Gui->clickedItem("play")) {
        const auto first = getFirstUnplayedLevel();
        if (TProfile* p = activeProfile(); p && first && !first->isStory()) {
            p->numerStageu = first->stageN;
            p->numerLevelu = first->numer;
        }
        _choose(first);
        return;
    }
    if (overLevel && mouse && mouse->leftPressed && alpha == 1) _choose(overLevel);
}

// ---------------------------------------------------------------- drawing

void TStageScreen::draw() {
    resetDrawState();
    // The map's own buttons step back behind the sheet.
    SetColor(0, 0, 0);
    SetAlpha(0.45f * alpha);
    DrawRect(0, 0, 1024, 768);
    resetDrawState();
    SetAlpha(alpha);
    if (panel) DrawImage(panel, 0, 0);
    if (stage) {
        SetImageFont(font2);
        SetColor(0, 0, 0);
        DrawText(stage->title, 512 - TextWidth(stage->title) / 2.0f, 40);
    }
    const TLevelData* previous = nullptr;
    for (int i = 0; i < static_cast<int>(listaLeveli.size()); ++i) {
        const TLevelData& l = *listaLeveli[i];
        float x = 0, y = 0;
        stageGridPlace(i, x, y);
        const float a = levelPlayableDraw(l, previous) ? alpha : alpha / 2;
        const Image& icon = levelTypeImg[_iconOf(l)];
        resetDrawState();
        SetAlpha(a);
        if (icon) DrawImage(icon, x, y);
        if (icon && l.overA > 0) {
            SetBlend(LIGHTBLEND);
            SetAlpha(0.3f * alpha * l.overA);
            DrawImage(icon, x, y);
            SetBlend(ALPHABLEND);
            SetAlpha(a);
        }
        const std::string label = l.isStory() ? txtAStory : txtLevel + " " + std::to_string(l.numer);
        SetImageFont(font1);
        SetColor(0, 0, 0);
        DrawText(label, x - TextWidth(label) / 2.0f, y + 26);
        if (!l.isStory()) previous = &l;
    }
    resetDrawState();
    _drawGui();
    _drawFade();
    _drawMouse();
}
