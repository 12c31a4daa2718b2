// One clue number beside the grid: its block of cells, when it counts as finished, and how it is drawn.
#include "nonogram/Number.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Mouse.h"
#include "nonogram/Level.h"
#include "nonogram/NumberLine.h"
#include "progress/ProfileManager.h"

using namespace eng;

std::array<std::array<Image, 10>, TILE_SIZES> numberImg;

void loadNumberImages() {
    for (int s = 0; s < TILE_SIZES; ++s)
        for (int d = 0; d < 10; ++d) {
            Image img = loadImageOrWarn(programPrefix + "gfx/numbers/" + std::to_string(d) + "-" +
                                        tileSizeNames[s] + ".png");
            SetImageHandle(img, 0, static_cast<float>(ImageHeight(img) / 2));
            numberImg[s][d] = img;
        }
}

namespace {

constexpr float DIGIT_ADVANCE = 0.8f;  // the pen moves by this part of a digit picture's width
constexpr float MULTI_DIGIT_SCALE = 0.8f;

// The picture of a digit character, or null for anything else.
Image digitImage(char ch, int size) {
    if (ch < '0' || ch > '9' || size < 0 || size >= TILE_SIZES) return nullptr;
    return numberImg[size][ch - '0'];
}

bool isCleared(const std::shared_ptr<TTile>& t) {
    return t && t->isCleared();
}

}  // namespace

// ---------------------------------------------------------------- digit measures and drawing

float TNumber::halfW(int size) {
    return static_cast<float>(ImageWidth(digitImage('0', size))) / 2;
}

void TNumber::_drawNum(const std::string& txt, float x, float y, int size, float k) {
    for (char ch : txt) {
        Image img = digitImage(ch, size);
        DrawImage(img, x, y, 0);
        x += static_cast<float>(ImageWidth(img)) * k * DIGIT_ADVANCE;
    }
}

float TNumber::halfNumWidth(const std::string& txt, int size, float k) {
    return numWidth(txt, size, k) / 2;
}

float TNumber::numWidth(const std::string& txt, int size, float k) {
    float w = 0;
    for (char ch : txt) w += static_cast<float>(ImageWidth(digitImage(ch, size))) * k * DIGIT_ADVANCE;
    return w;
}

float TNumber::numHeight(const std::string& txt, int size) {
    return txt.empty() ? 0.0f : static_cast<float>(ImageHeight(digitImage(txt[0], size)));
}

float TNumber::_digitScale() const {
    return txt.size() > 1 ? MULTI_DIGIT_SCALE * sc : sc;
}

float TNumber::_drawX() const {
    if (txt.size() > 1) return dim.x - halfNumWidth(txt, size, _digitScale()) * 0.75f;
    return dim.x - numWidth(txt, size, 1) / 2;
}

void TNumber::_drawCross(float x, float y) const {
    if (dAlpha > NUMBER_DONE) return;  // not struck
    const Image zeroImg = digitImage('0', size);
    const float w = static_cast<float>(ImageWidth(zeroImg));
    const float h = static_cast<float>(ImageHeight(zeroImg));
    // The stroke grows while the number fades from 1 to 0.3.
    const float d = alpha >= NUMBER_DONE ? 1 - (alpha - NUMBER_DONE) / (1 - NUMBER_DONE) : 1;
    SetColor(255, 0, 0);
    SetAlpha(alpha * majorA);
    SetLineWidth(3);
    DrawLine(x, y - h / 2, x + d * w, y + d * h - h / 2);
    SetLineWidth(1);
}

void TNumber::draw(int highlight) const {
    const float a = alpha * majorA;
    const float k = _digitScale();
    const float x = _drawX();
    const float y = dim.y;
    SetScale(k, k);
    SetBlend(ALPHABLEND);
    SetColor(0, 0, 0);
    SetAlpha(0.7f * a);
    _drawNum(txt, x + 2, y + 2, size, k);
    if (ozn)
        SetColor(0, 0, 0);
    else
        SetColor(255, 255, 255);
    SetAlpha(a);
    _drawNum(txt, x + 2, y + 2, size, k);
    _drawCross(x, y);
    if (highlight) {
        SetBlend(LIGHTBLEND);
        SetColor(255, 255, 255);
        SetAlpha(a);
        _drawNum(txt, x + 2, y + 2, size, k);
    }
    resetDrawState();
}

// ---------------------------------------------------------------- block tests

int TNumber::krancoweCleared() const {
    return (!tile1 || tile1->isCleared()) && (!tile2 || tile2->isCleared());
}

void TNumber::updateTilesy2() {
    if (wszystkieCleared()) dAlpha = alpha = NUMBER_DONE;
}

int TNumber::wszystkieCleared() const {
    for (const auto& t : tilesy)
        if (!isCleared(t)) return 0;
    return krancoweCleared();
}

void TNumber::updateTilesy() {
    if (wszystkieCleared() && CanBe()) dAlpha = NUMBER_DONE;
}

int TNumber::zmieszczeSiePrzedeMna() const {
    for (int i = 0; i < myPosition; ++i)
        if (iCanFit(i)) return 1;
    return 0;
}

int TNumber::zmieszczeSiePoMnie() const {
    for (int i = static_cast<int>(tilesLine.size()) - 1; i >= myPosition + myValue; --i)
        if (iCanFit(i)) return 1;
    return 0;
}

int TNumber::JestemOstatni() const {
    if (!myLine) return 0;
    for (const auto& n : myLine->lista)
        if (n.get() != this && !n->cleared()) return 0;
    return 1;
}

int TNumber::iCanFit(int i) const {
    if (i < 0 || i + myValue > static_cast<int>(tilesLine.size())) return 0;
    for (int j = i; j < i + myValue; ++j)
        if (isCleared(tilesLine[j])) return 0;
    return 1;
}

int TNumber::nicWiecejSieNieZmiesci(int a) const {
    return !sasiadA && myValue + 2 >= a;
}

// a - L is at most this block's own length, so without a nearer neighbour this nearly always holds.
int TNumber::nicWiecejSieNieZmiesciPoPrawej(int a) const {
    return !sasiadB && myValue + 1 >= a - static_cast<int>(tilesLine.size());
}

bool TNumber::_isHardFlow() const {
    return profileManager && profileManager->profile && profileManager->profile->flowType == "HARD";
}

int TNumber::CanBe() const {
    if (!_isHardFlow()) return 1;
    if (dAlpha == NUMBER_DONE) return 1;
    if (!przedemnaSaTezTakieJakJa && !zamnaSaTezTakieJakJa) return 1;
    if (JestemOstatni()) return 1;
    if (myLine && myLine->isEverythingCleared()) return 1;
    if (sasiadA && sasiadB && sasiadA->wszystkieCleared() && sasiadB->wszystkieCleared() &&
        sasiadA->myValue != myValue && sasiadB->myValue != myValue)
        return 1;
    return CanBeLeft() && CanBeRight() ? 0 : 1;
}

int TNumber::CanBeLeft() const {
    if (wszystkieMojegoTypuCzyste()) return 0;
    if (!sasiadA) return sasiadB && sasiadB->myValue == myValue && zmieszczeSiePrzedeMna();
    if (sasiadA->nicWiecejSieNieZmiesci(myPosition) && !CanBeRight()) return 0;
    if (!sasiadA->CanBeLeft() && sasiadA->krancoweCleared() && sasiadA->wszystkieCleared()) return 0;
    if (sasiadA->myValue == myValue) return zmieszczeSiePrzedeMna();
    return zmieszczeSiePrzedeMna() && !sasiadA->nicWiecejSieNieZmiesci(myPosition);
}

int TNumber::CanBeLeft2() const {
    if (!sasiadA) return sasiadB && zmieszczeSiePrzedeMna();
    if (sasiadA->nicWiecejSieNieZmiesci(myPosition)) return 0;
    return zmieszczeSiePrzedeMna();
}

int TNumber::CanBeRight() const {
    if (wszystkieMojegoTypuWTymRejonieCzyste() || wszystkieMojegoTypuCzyste()) return 0;
    if (sasiadB) {
        if (sasiadB->nicWiecejSieNieZmiesciPoPrawej(myPosition + myValue + 1) && !CanBeLeft2()) return 0;
        if (sasiadB->myValue == myValue) return zmieszczeSiePoMnie();
        return zmieszczeSiePoMnie() && !sasiadB->wszystkieCleared();
    }
    return sasiadA && sasiadA->myValue == myValue && zmieszczeSiePoMnie();
}

int TNumber::wszystkieMojegoTypuCzyste() const {
    if (!myLine) return wszystkieCleared();
    for (const auto& n : myLine->lista)
        if (n->myValue == myValue && !n->wszystkieCleared()) return 0;
    return 1;
}

int TNumber::wszystkieMojegoTypuWTymRejonieCzyste() const {
    int members = 1;
    bool all = wszystkieCleared();
    for (const TNumber* n = sasiadA; n && n->myValue == myValue; n = n->sasiadA, ++members)
        all = all && n->wszystkieCleared();
    for (const TNumber* n = sasiadB; n && n->myValue == myValue; n = n->sasiadB, ++members)
        all = all && n->wszystkieCleared();
    return members >= 2 && all;
}

// ---------------------------------------------------------------- per frame

void TNumber::update() {
    approach(alpha, dAlpha, 0.02f);
    approach(majorA, dMajorA, 0.05f);
    updateTilesy();
    // Hovered numbers grow, but only on grids too large for their digits to read easily.
    const TLevel* lv = myLine ? myLine->level : nullptr;
    const bool largeGrid = lv && (lv->rows > 10 || lv->cols > 10);
    dsc = largeGrid && over(_digitScale()) ? 1.4f : 1.0f;
    approach(sc, dsc, 0.02f);
}

void TNumber::drawnBox(float k, float& x, float& y, float& w, float& h) const {
    x = y = w = h = 0;
    if (txt.empty()) return;
    // Every digit but the last advances the pen, the last adds its width; the pictures hang from their
    // middle height, and draw 2 pixels right of and below the number's place.
    x = _drawX() + 2;
    w = numWidth(txt.substr(0, txt.size() - 1), size, k) +
        static_cast<float>(ImageWidth(digitImage(txt.back(), size))) * k;
    h = numHeight(txt, size) * k;
    y = dim.y + 2 - h / 2;
}

int TNumber::over(float k) const {
    if (!mouse) return 0;
    float x, y, w, h;
    drawnBox(k, x, y, w, h);
    if (w <= 0 || h <= 0) return 0;
    return mouse->inRect(x, y, w, h);
}

int TNumber::cleared() const {
    return (alpha == dAlpha && dAlpha == NUMBER_DONE) ||
           (alpha == NUMBER_LINE_DONE && dAlpha == NUMBER_LINE_DONE);
}
