// The players' list file "Profiles/profiles.dat": reading it, making it again from the players' folders
// when it is lost or damaged, and writing it.
#include <algorithm>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "progress/ProfileManager.h"

using namespace eng;

namespace {

bool listed(const std::vector<std::shared_ptr<TProfile>>& list, const std::string& id) {
    return std::any_of(list.begin(), list.end(), [&](const auto& p) { return p->id == id; });
}

}  // namespace

void TProfileManager::loadProfiles() {
    listaProfili.clear();
    profile = nullptr;
    const std::string path = profilesListPath();
    if (FileType(path) != 1) {
        _rebuildFromFolders("is missing");
    } else {
        TRCMFile file;
        if (!file.Load(path))
            _rebuildFromFolders("cannot be read");
        else if (!_readList(file))
            _rebuildFromFolders("names no player");
    }
    if (!profile) profile = findProfile();
}

bool TProfileManager::_readList(const TRCMFile& file) {
    const std::string& path = file._path;
    const std::string active = file.getString("profiles::actProfile");
    const int count = countItems(file, "profiles::prof", 1, readInt(file, "profiles::i"));
    for (int j = 1; j <= count; ++j) {
        const std::string key = "profiles::prof" + std::to_string(j);
        const std::string id = file.getString(key + "::id");
        if (!isProfileId(id)) {
            Warn(path + ": the player \"" + id + "\" has no id of the game's form and is left out.");
            continue;
        }
        if (listed(listaProfili, id)) {
            Warn(path + ": the player \"" + id + "\" is listed twice; the second is left out.");
            continue;
        }
        auto p = loadProfile(profilesFolder() + "/" + id + "/profile.dat");
        if (p->unreadable) {
            // Listed but unreadable: it keeps its place, id and name, and its folder is left alone.
            p->id = id;
            p->name = Upper(file.getString(key + "::name"));
        }
        if (!_take(p, path)) continue;
        if (id == active && !p->unreadable) profile = p;
    }
    return !listaProfili.empty();
}

bool TProfileManager::_take(const std::shared_ptr<TProfile>& p, const std::string& from) {
    const int readable = readablePlayers();
    const int unreadable = static_cast<int>(listaProfili.size()) - readable;
    if ((p->unreadable ? unreadable : readable) >= kMaxProfiles) {
        Warn(from + ": the player " + p->name + " (" + p->id + ") is left out of the list, which holds " +
             std::to_string(kMaxProfiles) + " players; their folder stays on disk.");
        return false;
    }
    listaProfili.push_back(p);
    return true;
}

void TProfileManager::_rebuildFromFolders(const std::string& why) {
    struct Found {
        std::shared_ptr<TProfile> player;
        int64_t saved;
    };
    std::vector<Found> found;
    const std::string dir = profilesFolder();
    for (const std::string& name : ReadDir(dir)) {
        const std::string folder = dir + "/" + name;
        if (!isProfileId(name) || FileType(folder) != 2) continue;
        const int64_t saved = std::max(FileTime(folder + "/profile.dat"), FileTime(folder + "/profile.bak"));
        if (saved == 0) continue;  // no player was ever saved here
        auto p = loadProfile(folder + "/profile.dat");
        if (!p->unreadable) found.push_back({p, saved});
    }
    if (found.empty()) {
        if (why != "is missing") Warn("The players' list " + profilesListPath() + " " + why + ".");
        return;
    }
    // The player saved last was playing last.
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.saved > b.saved; });
    for (const Found& f : found) _take(f.player, dir);
    profile = listaProfili.front();
    Warn("The players' list " + profilesListPath() + " " + why + "; it was made again from the " +
         std::to_string(listaProfili.size()) + " players' folders found, with " + profile->name + " active.");
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

std::string TProfileManager::freeId(const std::string& name) const {
    const std::string base = profileIdOf(Upper(name));
    std::string id = base;
    // A player deleted from the list (or renamed from this name) keeps their folder: a new player of the
    // same name gets a folder of their own.
    for (int n = 2; listed(listaProfili, id) || FileType(profilesFolder() + "/" + id) != 0; ++n)
        id = base + std::to_string(n) + "-";
    return id;
}
