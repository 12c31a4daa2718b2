// The profile's folder: its data file "profile.dat" and the level in progress "Level.lvl".
#include <algorithm>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/DataRules.h"
#include "files/FileNumber.h"
#include "progress/LevelManager.h"
#include "progress/Profile.h"
#include "progress/ProfileCheck.h"
#include "progress/TutorialIndex.h"

using namespace eng;

namespace {

const char* const kUseNames[5] = {"Skull", "Sword", "Medalion", "Eye", "Map"};

std::array<int*, 5> useOf(TProfile& p) {
    return {&p.useOfSkull, &p.useOfSword, &p.useOfMedalion, &p.useOfEye, &p.useOfMap};
}
std::array<int*, 5> tempUseOf(TProfile& p) {
    return {&p.tempUseOfSkull, &p.tempUseOfSword, &p.tempUseOfMedalion, &p.tempUseOfEye, &p.tempUseOfMap};
}

struct GameCounter {
    const char* key;
    int TGameData::*field;
};
const GameCounter kGameCounters[8] = {
    {"useMedalionN", &TGameData::useMedalionN}, {"useMieczN", &TGameData::useMieczN},
    {"useOkoN", &TGameData::useOkoN},           {"useCzaszkaN", &TGameData::useCzaszkaN},
    {"useMapaN", &TGameData::useMapaN},         {"useHintsN", &TGameData::useHintsN},
    {"allLivingsN", &TGameData::allLivingsN},   {"useLivingsN", &TGameData::useLivingsN}};

const std::string kLevelFile = "/Level.lvl";
const std::string kProfileFile = "/profile.dat";
// The save before the last one: a profile file damaged on disk gives its player this one instead.
const std::string kBackupFile = "/profile.bak";

// Why the profile file at `path` cannot be used ("is missing", ...), or "" once it is read into `f`.
std::string unusable(const std::string& path, TRCMFile& f) {
    if (FileType(path) != 1) return "is missing";
    if (!f.Load(path)) return "is damaged";
    // A name is kept as the writer can keep it: one made only of what it leaves out names nobody.
    if (Trim(storableText(f.getString("profile::standards::name"))).empty()) return "names no player";
    return "";
}

bool readUsable(const std::string& path, TRCMFile& f) {
    return unusable(path, f).empty();
}

}  // namespace

std::string profilesFolder() {
    return userFolder + "/Profiles";
}

std::string profilesListPath() {
    return profilesFolder() + "/profiles.dat";
}

std::string profileIdOf(const std::string& name) {
    std::string id;
    for (uint32_t code : DecodeUtf8(name)) id += std::to_string(code) + "-";
    return id;
}

bool isProfileId(const std::string& id) {
    if (id.empty() || id.size() > 200 || id.back() != '-' || id.front() == '-') return false;
    for (size_t i = 0; i < id.size(); ++i) {
        const char c = id[i];
        if (c == '-' ? id[i - 1] == '-' : (c < '0' || c > '9')) return false;
    }
    return true;
}

std::string TProfile::getId() {
    // The id is given once, from the first name; it names the player's folder for good, whatever the
    // player is renamed to later.
    if (id.empty()) id = profileIdOf(name);
    return id;
}

std::string TProfile::folder() const {
    return profilesFolder() + "/" + id;
}

bool TProfile::save() {
    if (unreadable || name.empty()) return false;
    getId();
    const std::string dir = folder();
    if (FileType(dir) != 2) CreateDir(dir, true);
    // The level in progress lives beside the profile; without one there is nothing to resume.
    if (actLevel)
        actLevel->saveProgress(dir + kLevelFile);
    else if (FileType(dir + kLevelFile) == 1)
        DeleteFile(dir + kLevelFile);

    TRCMFile f;
    const std::string s = "profile::standards::";
    f.setString(s + "name", name);
    f.setFloat(s + "numerLevelu", numerLevelu);
    f.setFloat(s + "numerStageu", numerStageu);
    f.setFloat(s + "flowSequence", flowSequence);
    f.setFloat(s + "mistakes", mistakes);
    f.setFloat(s + "kamienieWWorku", kamienieWWorku);
    f.setString(s + "gameType", gameType);
    f.setString(s + "flowType", flowType);
    f.setFloat(s + "tutorialOn", tutorialOn);
    f.setFloat(s + "bylAwardsScreen", bylAwardsScreen);
    f.setFloat(s + "allLivings", allLivings);
    f.setFloat(s + "score", score);

    const std::string st = "profile::stats::";
    f.setFloat(st + "noMistakesOnLevel", noMistakesOnLevel);
    f.setFloat(st + "lastScore", lastScore);
    f.setFloat(st + "hintsUsedOnLevel", hintsUsedOnLevel);
    f.setFloat(st + "hintsUsed", hintsUsed);
    for (int i = 0; i < 5; ++i) f.setFloat(st + "useOf" + kUseNames[i], *useOf(*this)[i]);
    for (int i = 0; i < 5; ++i) f.setFloat(st + "tempuseOf" + kUseNames[i], *tempUseOf(*this)[i]);
    for (int k = 0; k < 6; ++k) f.setFloat("profile::unlocked::unlocked" + std::to_string(k), unlocked[k]);

    // A timer is stored as how long ago its recharge started; frozen timers count only up to the freeze.
    const int64_t now = paused ? powerUpsPomTime : MilliSecs();
    for (int k = 0; k < 6; ++k)
        f.setFloat("profile::czasyBonusow::czas" + std::to_string(k),
                   static_cast<double>(std::min<int64_t>(0, czas[k] - now)));

    f.setFloat("profile::awards::i", static_cast<double>(awardy.size()));
    for (size_t j = 0; j < awardy.size(); ++j)
        f.setFloat("profile::awards::award" + std::to_string(j + 1), awardy[j]);

    f.setFloat("profile::levele::i", static_cast<double>(levele.size()));
    for (size_t j = 0; j < levele.size(); ++j) {
        const TProfLevelData& d = *levele[j];
        const int values[9] = {d.numerLevelu, d.passed,   d.flowSequence, d.stageN, d.score,
                               d.mnoznik,     d.mistakes, d.time,         d.ileRazy};
        for (int v = 0; v < 9; ++v)
            f.setFloat("profile::levele::level" + std::to_string(j + 1), values[v], v);
    }

    f.setFloat("profile::tutorial::i", static_cast<double>(lekcjeTutoriala.size()));
    for (size_t j = 0; j < lekcjeTutoriala.size(); ++j)
        f.setString("profile::tutorial::tip" + std::to_string(j + 1), lekcjeTutoriala[j]);

    const std::string g = "profile::gameData::";
    for (const GameCounter& c : kGameCounters) f.setFloat(g + c.key, gameData.*c.field);
    for (int k = 0; k < 4; ++k) f.setFloat(g + "hintUsed" + std::to_string(k), gameData.hintUsed[k]);
    for (int k = 0; k < 5; ++k) f.setFloat(g + "powerUpUse" + std::to_string(k), gameData.powerUpUse[k]);
    f.setFloat(g + "mnoznik", gameData.mnoznik);
    // The last whole save stays beside the new one.
    const std::string path = dir + kProfileFile;
    TRCMFile previous;
    if (readUsable(path, previous)) RenameFile(path, dir + kBackupFile);
    return f.save(path);
}

std::shared_ptr<TProfile> loadProfile(const std::string& path) {
    auto p = std::make_shared<TProfile>();
    // The folder names the player: its name is the player's id, whatever name the file holds.
    const std::string dir = ExtractDir(path);
    if (isProfileId(StripDir(dir))) p->id = StripDir(dir);
    TRCMFile f;
    if (const std::string why = unusable(path, f); !why.empty()) {
        const std::string backup = dir + kBackupFile;
        if (!readUsable(backup, f)) {
            Warn("No such file: " + path + " (the player's profile " + why +
                 "; it is kept as it is on disk)");
            p->unreadable = true;
            return p;
        }
        Warn("The player's profile " + path + " " + why + "; their previous save " + backup + " is used.");
    }
    const std::string s = "profile::standards::";
    p->name = Upper(f.getString(s + "name"));
    p->getId();
    p->numerLevelu = readInt(f, s + "numerLevelu");
    p->numerStageu = readInt(f, s + "numerStageu");
    p->flowSequence = readInt(f, s + "flowSequence");
    p->mistakes = readInt(f, s + "mistakes");
    p->kamienieWWorku = readInt(f, s + "kamienieWWorku");
    p->gameType = Upper(f.getString(s + "gameType"));
    p->flowType = f.getString(s + "flowType");
    p->tutorialOn = readInt(f, s + "tutorialOn");
    p->bylAwardsScreen = readInt(f, s + "bylAwardsScreen");
    p->allLivings = readInt(f, s + "allLivings");
    p->score = readInt(f, s + "score");

    const std::string st = "profile::stats::";
    p->noMistakesOnLevel = readInt(f, st + "noMistakesOnLevel");
    p->lastScore = readInt(f, st + "lastScore");
    p->hintsUsedOnLevel = readInt(f, st + "hintsUsedOnLevel");
    p->hintsUsed = readInt(f, st + "hintsUsed");
    for (int i = 0; i < 5; ++i) *useOf(*p)[i] = readInt(f, st + "useOf" + kUseNames[i]);
    for (int i = 0; i < 5; ++i) *tempUseOf(*p)[i] = readInt(f, st + "tempuseOf" + kUseNames[i]);
    for (int k = 0; k < 6; ++k)
        p->unlocked[k] = readInt(f, "profile::unlocked::unlocked" + std::to_string(k)) ? 1 : 0;

    const int records = countItems(f, "profile::levele::level", 1, readInt(f, "profile::levele::i"));
    for (int j = 1; j <= records; ++j) {
        const std::string key = "profile::levele::level" + std::to_string(j);
        auto d = std::make_shared<TProfLevelData>();
        int* fields[9] = {&d->numerLevelu, &d->passed,   &d->flowSequence, &d->stageN, &d->score,
                          &d->mnoznik,     &d->mistakes, &d->time,         &d->ileRazy};
        for (int v = 0; v < 9; ++v) *fields[v] = readInt(f, key, v);
        p->levele.push_back(d);
    }
    checkPlaceInFlow(*p, path);

    // The level in progress, when its kind can be resumed; one that cannot be read starts again.
    const std::string saved = p->folder() + kLevelFile;
    if (const TLevelKind* kind = levelKind(p->gameType); kind && kind->load && FileType(saved) == 1) {
        p->actLevel = kind->load(saved);
        if (!p->actLevel)
            Warn("The level in progress " + saved +
                 " cannot be resumed; it starts again from its flow file.");
    }
    // The level keeps the name its flow gives it, not the name of the file it was saved to.
    if (p->actLevel)
        if (const auto mine =
                levelManager.flowOf(p->flowType) ? levelManager.getProfileLevelData(*p) : nullptr)
            p->actLevel->url = mine->url;

    // A stored start in the future (an edited file) counts as just started.
    const int64_t now = MilliSecs();
    for (int k = 0; k < 6; ++k)
        p->czas[k] = now + std::min(0, readInt(f, "profile::czasyBonusow::czas" + std::to_string(k)));
    p->pausePowerUps();

    const int awards = countItems(f, "profile::awards::award", 1, readInt(f, "profile::awards::i"));
    for (int j = 1; j <= awards; ++j)
        p->awardy.push_back(readInt(f, "profile::awards::award" + std::to_string(j)));

    const std::string g = "profile::gameData::";
    for (const GameCounter& c : kGameCounters) p->gameData.*c.field = readInt(f, g + c.key);
    for (int k = 0; k < 4; ++k) p->gameData.hintUsed[k] = readInt(f, g + "hintUsed" + std::to_string(k));
    for (int k = 0; k < 5; ++k) p->gameData.powerUpUse[k] = readInt(f, g + "powerUpUse" + std::to_string(k));
    p->gameData.mnoznik = hasKey(f, g + "mnoznik") ? f.getFloat(g + "mnoznik") : 1.0f;

    const int tips = countItems(f, "profile::tutorial::tip", 1, readInt(f, "profile::tutorial::i"));
    for (int j = 1; j <= tips; ++j) {
        const std::string id = f.getString("profile::tutorial::tip" + std::to_string(j));
        // A tip the tutorial no longer has is dropped (when the tutorial's tips are known at all).
        if (tutorialIndex.tips.empty() || tutorialIndex.find(id)) p->lekcjeTutoriala.push_back(id);
    }
    return p;
}

std::shared_ptr<TProfile> newProfileNamed(const std::string& name) {
    auto p = std::make_shared<TProfile>();
    p->name = Upper(name);
    p->getId();
    return p;
}
