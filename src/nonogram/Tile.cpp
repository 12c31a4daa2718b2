// A nonogram cell: the hand and hook moves, the state machine of their animations, queries and saving.
#include "nonogram/Tile.h"

#include <algorithm>
#include <ostream>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Level.h"
#include "nonogram/LevelHost.h"
#include "nonogram/Plate.h"
#include "nonogram/PlayEffects.h"

using namespace eng;

namespace {

constexpr int KEY_LSHIFT = 160;

void playSound(const char* id) {
    if (globalSnd) globalSnd->playMySound(id);
}

bool oneOf(TTileState s, std::initializer_list<TTileState> states) {
    for (TTileState t : states)
        if (s == t) return true;
    return false;
}

TPlayEffects* effectsOf(const TLevel* level) {
    return (level && level->host) ? &level->host->effects() : nullptr;
}

}  // namespace

float TTile::hideFrames() const {
    return tdHide ? std::max(tdHide->hideFrames, 1.0f) : 1.0f;
}

int TTile::sizeIndex() const {
    return _level ? std::clamp(_level->size, 0, TILE_SIZES - 1) : 0;
}

float TTile::_speed() const {
    return (cheatsOn && KeyDown(KEY_LSHIFT)) ? 0.05f : 1.0f;
}

TLevelHost* TTile::_host() const {
    return _level ? _level->host : nullptr;
}

int TTile::IAmOver() const {
    const TTile* over = _host() ? _host()->getOverTile() : nullptr;
    if (!over) return 0;
    return (over->r == r || over->c == c) ? 1 : 0;
}

float TTile::getFrame() const {
    if (isPicture()) return static_cast<float>(td->frames - 1);
    return static_cast<float>(static_cast<int>(hideFrames() - 1));
}

Image TTile::getImg() const {
    const int s = sizeIndex();
    if (isPicture()) return td->gfx[s];
    if (odkryty) return nullptr;
    return tdHide ? tdHide->hideImg[s] : nullptr;
}

void TTile::setZadanie(const std::string& task, const std::string& after) {
    zadanie = Upper(task);
    poZadaniu = Upper(after);
}

void TTile::pictureSize(float& w, float& h) const {
    const int s = sizeIndex();
    w = h = tileSizes[s];
    const Image img = td ? td->gfx[s] : nullptr;
    if (img) {
        w = static_cast<float>(ImageWidth(img));
        h = static_cast<float>(ImageHeight(img));
    }
}

int TTile::updateOver() const {
    float w, h;
    pictureSize(w, h);
    const float x0 = dim.x - w / 2, y0 = dim.y - h / 2;
    const int mx = MouseX(), my = MouseY();
    return (mx >= x0 && mx < x0 + w && my >= y0 && my < y0 + h) ? 1 : 0;
}

// ---------------------------------------------------------------- moves

int TTile::odkryj(int delay) {
    return _play(delay, false);
}

int TTile::rozbij(int delay) {
    return _play(delay, true);
}

// The two tools mirror each other: the hand is right on a picture cell, the hook on an empty one.
int TTile::_play(int delay, bool hook) {
    if (isCleared() || odkryty) return 0;
    if (zadanie == (hook ? "UNCOVER" : "BROKE")) {
        if (_host() && hook) _host()->showTipToUncover(*this);
        if (_host() && !hook) _host()->showTipToBroke(*this);
        return 0;
    }
    if (turnoff) return 0;
    revTime = scoreTime = MilliSecs() + delay;
    const bool right = isPicture() != hook;
    if (hook)
        setState(right ? TTileState::ODKRYJ_3 : TTileState::ROZBIJ_1);
    else
        setState(right ? TTileState::ODKRYJ_1 : TTileState::ROZBIJ_3);
    if (right) punktuj = 1;
    if (_host()) _host()->setLastMove(right ? 0 : 1);
    return 50;
}

int TTile::uncoverSafe() {
    return isPicture() ? odkryj(0) : rozbij(0);
}

// The eye, skull and map uncover whatever lies there; a cell that is already cleared or on its way
// (broken by a wrong move, or animating) keeps its state and is not paid twice.
void TTile::reveal() {
    if (odkryty || isCleared()) return;
    setState(TTileState::ODKRYJ_1);
    punktuj = 1;
}

// ---------------------------------------------------------------- queries

int TTile::isUncovered() const {
    if (oneOf(state, {TTileState::ODKRYJ_1, TTileState::ODKRYJ_2, TTileState::ROZBIJ_1})) return 1;
    return (state == TTileState::ODKRYTY || odkryty) ? 1 : 0;
}

// A right break still animating (or waiting for its start) is cleared too: hitting it again must
// neither score nor throw a stone.
int TTile::isCleared() const {
    return (isUncovered() || broken || state == TTileState::ODKRYJ_3) ? 1 : 0;
}

int TTile::isClearedForCaptions() const {
    return (isCleared() || !isPicture()) ? 1 : 0;
}

int TTile::isDone() const {
    if (_myTresure) return 0;
    if (oneOf(state, {TTileState::ODKRYTY, TTileState::ODKRYJ_1, TTileState::ODKRYJ_2, TTileState::ROZBITY,
                      TTileState::ROZBIJ_1}))
        return 1;
    return isPicture() ? 0 : 1;
}

int TTile::isDone2() const {
    if (_myTresure) return 0;
    return oneOf(state, {TTileState::ODKRYTY, TTileState::ODKRYJ_1, TTileState::ODKRYJ_2, TTileState::ROZBITY,
                         TTileState::ROZBIJ_1})
               ? 1
               : 0;
}

bool TTile::isAnimating() const {
    return state != TTileState::NONE && state != TTileState::ODKRYTY && state != TTileState::ROZBITY;
}

int TTile::isRevealed() const {
    return (!_myTresure && (state == TTileState::ODKRYTY || state == TTileState::ROZBITY)) ? 1 : 0;
}

int TTile::checkCwiartka() const {
    const int right = dim.x < 512 ? 0 : 1;
    const int bottom = dim.y < 384 ? 0 : 1;
    return right + 2 * bottom;
}

std::string TTile::getSaveStateData() const {
    return std::to_string(odkryty) + " " + std::to_string(broken);
}

// ---------------------------------------------------------------- state

void TTile::setState(TTileState next) {
    state = next;
    timeElapsed = 0;
    if (oneOf(state,
              {TTileState::ODKRYJ_1, TTileState::ODKRYJ_2, TTileState::ROZBIJ_1, TTileState::ROZBIJ_3}))
        animTime = 0;
    if (state == TTileState::ODKRYJ_2) odkryty = 1;
    if (state == TTileState::ROZBIJ_3) {
        broken = 1;
        odkryty = 1;
    }
}

void TTile::setOdkrytyData(int o, int b) {
    odkryty = o;
    broken = b;
    if (o || b) {
        state = b ? TTileState::ROZBITY : TTileState::ODKRYTY;
        punktowane = 1;
    }
    odkrA = 1;
}

void TTile::update() {
    const int64_t now = MilliSecs();
    if (punktuj && !punktowane && now > scoreTime) {
        if (TLevelHost* host = _host()) host->addScore(25, dim.x, dim.y);
        punktowane = 1;
    }
    switch (state) {
        case TTileState::ODKRYJ_1:
            update_state_ODKRYJ_1();
            break;
        case TTileState::ODKRYJ_3:
            update_state_ODKRYJ_3();
            break;
        case TTileState::ODKRYJ_2:
            update_state_ODKRYJ_2();
            break;
        case TTileState::ODKRYJ_TILES:
            update_state_ODKRYJ_TILES();
            break;
        case TTileState::ROZBIJ_1:
            update_state_ROZBIJ_1();
            break;
        case TTileState::ROZBIJ_3:
            update_state_ROZBIJ_3();
            break;
        default:
            break;
    }
}

void TTile::_animateCover(float speed) {
    animTime += speed * frameDelta * _speed();
    if (animTime > hideFrames() - 1) setState(TTileState::ODKRYJ_2);  // resets the frame, the cover is gone
}

void TTile::update_state_ODKRYJ_1() {
    if (MilliSecs() < revTime) return;
    if (!timeElapsed) {
        playSound("tile_right");
        timeElapsed = 1;
    }
    if (isPicture()) {
        _animateCover(0.5f);
    } else {
        setState(TTileState::ODKRYJ_2);
        rozbijNaKwadraty();
    }
}

void TTile::update_state_ODKRYJ_3() {
    if (MilliSecs() < revTime) return;
    if (!timeElapsed) {
        playSound("break_right");
        timeElapsed = 1;
    }
    _animateCover(0.5f);
}

void TTile::update_state_ROZBIJAJ_DESKE() {
    const int64_t now = MilliSecs();
    if (now > partTime) {
        partTime = now + 50;
        if (TPlayEffects* fx = effectsOf(_level))
            for (int i = 0; i < 4; ++i) splinter(dim.x, dim.y, fx->particles);
    }
}

void TTile::update_state_ODKRYJ_2() {
    if (MilliSecs() < revTime) return;
    if (!isPicture()) {
        update_state_ROZBIJAJ_DESKE();
        setState(TTileState::ODKRYTY);
        return;
    }
    setState(TTileState::ODKRYJ_TILES);
    if (!tresure) return;
    auto flying =
        startFlyingTresure(tresure, sizeIndex(), tresure->frames - 1, dim.x, dim.y, shared_from_this());
    _myTresure = flying.get();
    TLevelHost* host = _host();
    if (!noHintLoad && host) host->chargeHint(*this);
    tresure = nullptr;
}

void TTile::update_state_ODKRYJ_TILES() {
    odkrA = std::min(odkrA + 0.025f * frameDelta * _speed(), 1.0f);
    if (odkrA >= 1.0f) setState(TTileState::ODKRYTY);
}

void TTile::update_state_ROZBIJ_1() {
    if (MilliSecs() < revTime) return;
    rozbijNaKwadraty();
    broken = 1;
    setState(TTileState::ROZBITY);
    _sendStone();
    playSound("break_wrong");
}

void TTile::update_state_ROZBIJ_3() {
    if (MilliSecs() < revTime) return;
    if (!timeElapsed) {
        playSound("tile_wrong");
        timeElapsed = 1;
    }
    animTime += 0.5f * frameDelta * _speed();
    if (animTime > hideFrames() - 1) {
        setState(TTileState::ROZBITY);
        rozbijNaKwadraty();
        _sendStone();
    }
}

void TTile::_sendStone() {
    if (_host()) _host()->wyslijKamien(*this);
}

// ---------------------------------------------------------------- tutorial

void TTile::_updateTutorial_light() {
    approach(lightUPa, dLightUpA, 0.05f);
}

void TTile::_updateTutorial_zadanie() {
    if ((zadanie == "UNCOVER" && odkryty) || (zadanie == "BROKE" && (odkryty || broken)))
        tutorialEndZadanie();
}

void TTile::updateTutorial() {
    _updateTutorial_light();
    _updateTutorial_zadanie();
}

void TTile::tutorialEndZadanie() {
    zadanie.clear();
    if (poZadaniu == "LIGHT-DOWN") dLightUpA = 0;
}

// ---------------------------------------------------------------- effects

void TTile::generateOko() {
    const int64_t now = MilliSecs();
    if (now < genTime) return;
    genTime = now + 50;
    const Image frame = overImg[sizeIndex()];
    const float w = frame ? static_cast<float>(ImageWidth(frame)) : tileSizes[sizeIndex()];
    const float h = frame ? static_cast<float>(ImageHeight(frame)) : tileSizes[sizeIndex()];
    if (TPlayEffects* fx = effectsOf(_level))
        for (int i = 0; i < 3; ++i) previewSparkle(dim.x, dim.y, w, h, fx->particles);
}

void TTile::rozbijNaKwadraty() const {
    float w, h;
    pictureSize(w, h);
    if (TPlayEffects* fx = effectsOf(_level))
        breakIntoChips(sizeIndex(), dim.x - w / 2, dim.y - h / 2, fx->plates);
}

const char* tileStateName(TTileState state) {
    switch (state) {
        case TTileState::NONE:
            return "";
        case TTileState::ODKRYJ_1:
            return "ODKRYJ-1";
        case TTileState::ODKRYJ_2:
            return "ODKRYJ-2";
        case TTileState::ODKRYJ_3:
            return "ODKRYJ-3";
        case TTileState::ODKRYJ_TILES:
            return "ODKRYJ-TILES";
        case TTileState::ODKRYTY:
            return "ODKRYTY";
        case TTileState::ROZBIJ_1:
            return "ROZBIJ-1";
        case TTileState::ROZBIJ_3:
            return "ROZBIJ-3";
        case TTileState::ROZBITY:
            return "ROZBITY";
    }
    return "";
}

std::ostream& operator<<(std::ostream& out, TTileState state) {
    return out << '"' << tileStateName(state) << '"';
}
