// Animation tables of animated buttons: names, frame lists and their lookups.
#include "gui/ButtonAnimData.h"

#include <algorithm>

#include "engine/Engine.h"
#include "gui/GuiParse.h"

int TAnimData::frames(int a) const {
    return a >= 0 && a < static_cast<int>(frameN.size()) ? static_cast<int>(frameN[a].size()) : 0;
}

int TAnimData::frameAt(int a, int i) const {
    return i >= 0 && i < frames(a) ? frameN[a][i] : 0;
}

int TAnimData::delta(int a) const {
    return a >= 0 && a < static_cast<int>(frameDelta.size()) ? frameDelta[a] : 0;
}

void TAnimData::addFrame(int a, int number) {
    if (a >= 0 && a < static_cast<int>(frameN.size())) frameN[a].push_back(number);
}

int TAnimData::findAnim(const std::string& name) const {
    const std::string wanted = eng::Upper(name);
    for (int a = 0; a < anims; ++a)
        if (animName[a] == wanted) return a;
    return -1;
}

int TAnimData::getAnimByName(const std::string& name) {
    const int a = findAnim(name);
    if (a >= 0) return a;
    if (_reported.insert(eng::Upper(name)).second)
        guiError("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :" + name);
    return 0;
}

int TAnimData::dodajNazwe(const std::string& name) {
    const int known = findAnim(name);
    if (known >= 0) return known;
    if (anims >= kMaxAnims) {
        guiError("Nie mozna dodac wiecej niz 10 animacji!");
        return 0;
    }
    animName.push_back(eng::Upper(name));
    frameN.emplace_back();
    frameDelta.push_back(0);
    return anims++;
}

int TAnimData::liczbaKlatek() {
    animFrames = 0;
    for (const auto& list : frameN)
        for (int n : list) animFrames = std::max(animFrames, n);
    return animFrames;
}
