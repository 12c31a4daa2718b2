// Animated buttons: reading the animation schema, choosing the animation and stepping it by the clock.
#include <algorithm>
#include <cstdlib>

#include "engine/Engine.h"
#include "files/SplitText.h"
#include "gui/Button.h"

using namespace eng;

namespace {

bool allDigits(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A frame number, held below a million so that absurd numbers cannot overflow.
int frameNumber(const std::string& digits) {
    int n = 0;
    for (char c : digits) n = std::min(1000000, n * 10 + (c - '0'));
    return n;
}

// "NAME(120)" gives the name and its frame time; a name without exactly one part in parentheses keeps
// the default 500 ms. Returns false for a parenthesis opened twice or closed without being opened.
bool splitName(const std::string& word, std::string& name, int& ms) {
    name = word;
    ms = 500;
    std::string outside, inside;
    int depth = 0, parts = 0;
    for (char c : word) {
        if (c == '(') {
            if (depth > 0) return false;
            depth = 1;
            inside.clear();
        } else if (c == ')') {
            if (depth == 0) return false;
            depth = 0;
            ++parts;
        } else if (depth > 0) {
            inside += c;
        } else {
            outside += c;
        }
    }
    if (parts == 1 && depth == 0) {
        name = Trim(outside);
        ms = std::atoi(Trim(inside).c_str());
    }
    return true;
}

}  // namespace

void TButton::setDeltaTime(int ms, int anim) {
    if (anim >= 0 && anim < _animData.anims) _animData.frameDelta[anim] = ms;
}

void TButton::interpretujSchemat(const std::string& schema, int dir) {
    _dir = dir;
    _activeFlag = _overFlag = _unactiveFlag = 0;
    bool normal = false;
    int a = -1;  // frame numbers before the first name belong to no animation and are dropped
    for (const std::string& raw : splitText(schema, " ", "[", "]")) {
        const std::string word = Trim(raw);
        if (word.empty()) continue;
        if (allDigits(word)) {
            _animData.addFrame(a, frameNumber(word));
            continue;
        }
        std::string name;
        int ms = 500;
        if (!splitName(word, name, ms))
            guiError("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :" + word);
        a = _animData.dodajNazwe(name);
        _animData.frameDelta[a] = ms;
        const std::string upper = Upper(name);
        if (upper == "ACTIVE") {
            _activeFlag = 1;
            _animActive = a;
        } else if (upper == "OVER") {
            _overFlag = 1;
            _animOver = a;
        } else if (upper == "UNACTIVE") {
            _unactiveFlag = 1;
            _animUnActive = a;
        } else if (upper == "NORMAL") {
            _animNormal = a;
            normal = true;
        }
    }
    if (!normal) guiError("Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:" + schema);
    frames = _animData.liczbaKlatek();
    playAnim("NORMAL");
}

void TButton::sprawdzAnimacje() {
    const int a = aktAnim;
    const bool inactive = _a == 0;
    if (a == _animActive) {
        if (_wykonano) {
            if (!_over)
                playAnim("NORMAL");
            else if (_overFlag)
                playAnim("OVER");
        }
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    } else if (a == _animOver) {
        if (!_over) playAnim("NORMAL");
        if (_clicked && _activeFlag) playAnim("ACTIVE");
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    } else if (a == _animNormal) {
        if (_clicked && _activeFlag) playAnim("ACTIVE");
        if (_over && _overFlag) playAnim("OVER");
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    } else if (a == _animUnActive) {
        if (_wykonano) playAnim(inactive ? "UNACTIVE" : "NORMAL");
    } else {
        if (_wykonano) playAnim("NORMAL");
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    }
}

void TButton::animUpdate() {
    const int64_t now = MilliSecs();
    if (now < _animData.animTime) return;
    _animData.animTime = now + _animData.delta(aktAnim);
    ++aktFrame;
    if (aktFrame > _animData.frames(aktAnim) - 1) {
        aktFrame = 0;
        _wykonano = 1;
    }
}

void TButton::playAnim(const std::string& name) {
    aktAnim = _animData.getAnimByName(name);
    aktFrame = 0;
    _wykonano = 0;
    _animData.animTime = MilliSecs() + _animData.delta(aktAnim);
}
