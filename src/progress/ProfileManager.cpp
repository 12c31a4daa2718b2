// The profiles list: reading and writing it, choosing the active profile, and the buttons' rules.
#include "progress/ProfileManager.h"

#include <algorithm>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "gui/Gui.h"
#include "progress/EnterName.h"
#include "progress/Highscores.h"
#include "progress/PopUp.h"
#include "progress/SaveAll.h"

using namespace eng;

std::shared_ptr<TProfileManager> profileManager;

void TProfileManager::loadProfiles() {
    const std::string path = profilesListPath();
    if (FileType(path) != 1) return;
    TRCMFile file;
    if (!file.Load(path)) {
        Warn("The players' list \"" + path + "\" cannot be read; the players' folders are kept as they are.");
        return;
    }
    listaProfili.clear();
    profile = nullptr;
    const std::string active = file.getString("profiles::actProfile");
    const int count = countItems(file, "profiles::prof", 1, readInt(file, "profiles::i"));
    for (int j = 1; j <= count; ++j) {
        const std::string key = "profiles::prof" + std::to_string(j);
        const std::string id = file.getString(key + "::id");
        if (!isProfileId(id)) {
            Warn(path + ": the player \"" + id + "\" has no id of the game's form and is left out.");
            continue;
        }
        auto p = loadProfile(profilesFolder() + "/" + id + "/profile.dat");
        if (p->unreadable) {
            // Listed but unreadable: it keeps its place, id and name, and its folder is left alone.
            p->id = id;
            p->name = Upper(file.getString(key + "::name"));
        }
        listaProfili.push_back(p);
        if (id == active && !p->unreadable && !profile) profile = p;
        if (listaProfili.size() == kMaxProfiles) break;
    }
    if (!profile) profile = findProfile();
}

void TProfileManager::save() {
    TRCMFile file;
    int j = 0;
    for (const auto& p : listaProfili) {
        p->save();
        const std::string id = p->unreadable ? p->id : p->getId();
        const std::string key = "profiles::prof" + std::to_string(++j);
        file.setString(key + "::id", id);
        file.setString(key + "::name", p->name);
        if (p == profile) file.setString("profiles::actProfile", id);
    }
    file.setFloat("profiles::i", j);
    if (FileType(profilesFolder()) != 2) CreateDir(profilesFolder(), true);
    file.save(profilesListPath());
}

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
    return name.empty() ? nullptr : newProfileNamed(name);
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
    if (static_cast<int>(listaProfili.size()) >= kMaxProfiles) return;
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
    const int n = static_cast<int>(listaProfili.size());
    if (auto b = Gui->getItem("new")) b->setState(1, n != kMaxProfiles && n < kMaxProfiles ? 1 : 0);
    if (auto b = Gui->getItem("delete")) b->setState(1, profile && n > 1 ? 1 : 0);
    if (auto b = Gui->getItem("rename")) b->setState(1, profile ? 1 : 0);
}

TProfile* activeProfile() {
    return profileManager ? profileManager->profile.get() : nullptr;
}
