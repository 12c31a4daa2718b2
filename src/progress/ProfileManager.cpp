// The players: choosing the active one, making, renaming and deleting players, and the buttons' rules.
#include "progress/ProfileManager.h"

#include <algorithm>

#include "core/Globals.h"
#include "gui/Gui.h"
#include "progress/EnterName.h"
#include "progress/Highscores.h"
#include "progress/PopUp.h"
#include "progress/SaveAll.h"

using namespace eng;

std::shared_ptr<TProfileManager> profileManager;

std::shared_ptr<TProfile> TProfileManager::findProfile() const {
    for (const auto& p : listaProfili)
        if (!p->unreadable) return p;
    return nullptr;
}

void TProfileManager::choose(const std::shared_ptr<TProfile>& p) {
    if (p && !p->unreadable) profile = p;
}

bool TProfileManager::check(TEkran* menu) {
    if (profile) return false;
    auto p = newProfile(menu);
    if (!p) return false;
    listaProfili.push_back(p);
    profile = p;
    save();
    return true;
}

std::shared_ptr<TProfile> TProfileManager::newProfile(TEkran* screen) {
    const std::string name = enterName ? enterName->mainLoop(screen, txtEnterName, 1, "") : "";
    if (name.empty()) return nullptr;
    auto p = newProfileNamed(name);
    p->id = freeId(p->name);
    return p;
}

int TProfileManager::readablePlayers() const {
    return static_cast<int>(std::count_if(listaProfili.begin(), listaProfili.end(),
                                          [](const auto& p) { return !p->unreadable; }));
}

void TProfileManager::rebuildAktLista() {
    startP = std::max(0, std::min(startP, static_cast<int>(listaProfili.size()) - kMaxProfiles));
    aktLista.clear();
    for (int i = startP; i < static_cast<int>(listaProfili.size()) && i <= startP + 7; ++i)
        aktLista.push_back(listaProfili[i]);
}

void TProfileManager::goUp() {
    startP = std::max(0, startP - 1);
    rebuildAktLista();
}

void TProfileManager::goDown() {
    startP += 1;
    rebuildAktLista();
}

void TProfileManager::goNew() {
    if (readablePlayers() >= kMaxProfiles) return;
    if (auto p = newProfile(this)) {
        listaProfili.push_back(p);
        profile = p;
        rebuildAktLista();
        save();
    }
}

void TProfileManager::goDelete() {
    if (!profile || listaProfili.size() < 2) return;
    if (!askYesNo(txtCzySkasowac, this)) return;
    // The player's points stay among the best scores.
    if (highscores) highscores->checkHighScores(*profile);
    // The folder stays on disk: only the list forgets the player.
    listaProfili.erase(std::remove(listaProfili.begin(), listaProfili.end(), profile), listaProfili.end());
    profile = findProfile();
    rebuildAktLista();
    save();
}

void TProfileManager::goRename() {
    if (!profile || !enterName) return;
    const std::string name = enterName->mainLoop(this, txtEnterName, 0, profile->name);
    if (name.empty()) return;
    profile->name = Upper(name);
    save();
}

void TProfileManager::goOk() {
    dPer = 0;
    saveAll();
}

void TProfileManager::updateButtonStates() {
    if (!Gui) return;
    // A player whose file cannot be read keeps a place in the list but not one of the five.
    const int n = readablePlayers();
    if (auto b = Gui->getItem("new")) b->setState(1, n < kMaxProfiles ? 1 : 0);
    if (auto b = Gui->getItem("delete")) b->setState(1, profile && listaProfili.size() > 1 ? 1 : 0);
    if (auto b = Gui->getItem("rename")) b->setState(1, profile ? 1 : 0);
}

TProfile* activeProfile() {
    return profileManager ? profileManager->profile.get() : nullptr;
}
