// GUI animations: schema parsing, stepping by the clock and drawing.
#include "gui/RGMAnimation.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/Globals.h"
#include "files/SplitText.h"

using namespace eng;

namespace {
bool allDigits(const std::string& w) {
    return !w.empty() && std::all_of(w.begin(), w.end(), [](unsigned char c) { return std::isdigit(c); });
}
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    for (const std::string& w : splitText(text, " "))
        if (!Trim(w).empty()) out.push_back(Trim(w));
    return out;
}
}  // namespace

std::vector<std::string> TRGMAnimation::_pobierzDeklaracje(const std::string& schema) {
    const std::string s = Trim(schema);
    if (s.empty() || s[0] != '[') guiError("Nieprawidlowa definicja schematu : " + schema);
    std::vector<std::string> out;
    size_t start = s.find('[');
    while (start != std::string::npos) {
        size_t next = s.find('[', start + 1);
        std::string piece =
            Trim(s.substr(start, next == std::string::npos ? std::string::npos : next - start));
        if (piece != "[") out.push_back(piece);
        start = next;
    }
    return out;
}

int TRGMAnimation::_czyZawiera(const std::string& text, const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), text) != list.end() ? 1 : 0;
}

void TRGMAnimation::interpretujSchemat(const std::string& schema) {
    animsList.clear();
    std::vector<std::string> distinct;
    std::shared_ptr<TRGMAnim> normal;
    for (const std::string& decl : _pobierzDeklaracje(schema)) {
        size_t close = decl.find(']');
        const std::string header = decl.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        const std::string frames = close == std::string::npos ? "" : decl.substr(close + 1);
        auto anim = std::make_shared<TRGMAnim>();
        for (const std::string& w : words(header)) {
            if (Upper(w) == "LOOP")
                anim->loop = 1;
            else if (allDigits(w))
                anim->interwal = std::atoi(w.c_str());
            else
                anim->id = Upper(w);
        }
        for (const std::string& w : words(frames)) {
            anim->frame.push_back(std::max(0, std::atoi(w.c_str())));
            if (!_czyZawiera(w, distinct)) distinct.push_back(w);
        }
        anim->maxFrames = static_cast<int>(anim->frame.size());
        animsList.push_back(anim);
        if (anim->id == "NORMAL" && !normal) normal = anim;
    }
    allFrames = static_cast<int>(distinct.size());
    if (!normal)
        guiError("Schemat :" + schema + " - nie uwzglednil animacji NORMAL!");
    else
        playAnim(normal);
}

void TRGMAnimation::loadGFX(const std::string& path) {
    Image whole = LoadImage(path, -1);
    const int frames = std::max(1, allFrames);
    const int w = ImageWidth(whole), h = ImageHeight(whole);
    if (w / frames <= 0 || h <= 0) return;  // a strip narrower than its frames cannot be cut
    gfx = LoadAnimImage(path, w / frames, h, 0, frames, -1);
}

void TRGMAnimation::playAnim(const std::shared_ptr<TRGMAnim>& anim) {
    if (!anim) {
        guiError("Animacja ktora chcesz wyswietlic, nie istnieje!");
        return;
    }
    _frame = 0;
    _maxFrames = anim->maxFrames;
    aktAnim = anim;
    _animTime = MilliSecs() + anim->interwal;
    _wykonano = 0;
}

void TRGMAnimation::playAnim(const std::string& name) {
    for (const auto& a : animsList)
        if (!name.empty() && Upper(name) == a->id) return playAnim(a);
    playAnim(std::shared_ptr<TRGMAnim>());
}

void TRGMAnimation::updateMe(int, int) {
    if (!aktAnim || MilliSecs() <= _animTime) return;
    _animTime = MilliSecs() + aktAnim->interwal;
    // The step runs through the listed frames; at the end it starts again or holds the last one.
    _frame += 1;
    if (_frame >= _maxFrames) {
        _wykonano = 1;
        _frame = aktAnim->loop ? 0 : std::max(0, _maxFrames - 1);
    } else {
        _wykonano = 0;
    }
}

void TRGMAnimation::draw(float, float) {
    SetScale(_scale, _scale);
    SetAlpha(_alpha);
    if (!aktAnim || aktAnim->frame.empty()) return;
    DrawImage(gfx, dim->x, dim->y, aktAnim->frame[std::clamp(_frame, 0, aktAnim->maxFrames - 1)]);
}

std::shared_ptr<TRGMAnimation> TRGMAnimation::createFromList(const std::string& id,
                                                             const std::vector<TSimpleEntry>& entries) {
    auto a = std::make_shared<TRGMAnimation>();
    int x = 0, y = 0, visible = 1, active = 1;
    std::string gfxPath, schema;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "POSITION") {
            auto n = guiNumbers(e._value);
            if (n.size() > 0) x = n[0];
            if (n.size() > 1) y = n[1];
        } else if (key == "GFX") {
            gfxPath = e._value;
        } else if (key == "SCHEMAT") {
            schema = e._value;
        } else if (key == "VISIBLE") {
            visible = guiBool(e._value);
        } else if (key == "ACTIVE") {
            active = guiBool(e._value);
        }
    }
    a->dim = createPoint(x, y);
    a->interpretujSchemat(schema);
    a->loadGFX(programPrefix + gfxPath);
    a->_id = id;
    a->setState(visible, active);
    return a;
}
