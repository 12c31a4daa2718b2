// Reading the level flows and answering which entry, stage and name the player is at.
#include "progress/LevelManager.h"

#include <algorithm>
#include <map>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "progress/ProfileManager.h"

using namespace eng;

TLevelManager levelManager;

namespace {

// Named entries advance the name counter; the hard flow does not name its find-route puzzles and stories.
bool countsAsNamed(const std::string& kind, bool hard) {
    if (kind == "MAIN-GAME" || kind == "PUZZLE-EXPRESS" || kind == "HIDDEN-OBJECT" || kind == "PUZZLE")
        return true;
    if (hard) return false;
    return kind == "FINDROUTE-PUZZLE" || kind.rfind("STORY", 0) == 0;
}

std::vector<std::shared_ptr<TLevelData>> byStage(const std::vector<std::shared_ptr<TLevelData>>& flow,
                                                 int stage) {
    std::vector<std::shared_ptr<TLevelData>> out;
    for (const auto& d : flow)
        if (d->stageN == stage && d->playable()) out.push_back(d);
    return out;
}

std::shared_ptr<TLevelData> find(const std::vector<std::shared_ptr<TLevelData>>& flow, int stage, int numer) {
    for (const auto& d : flow)
        if (d->stageN == stage && d->numer == numer) return d;
    return nullptr;
}

void readNames(const std::string& path, std::vector<std::string>& into) {
    const auto file = loadTxtFile(programPrefix + path);
    if (!file) return;
    for (int i = 1; i <= file->lines(); ++i) into.push_back(getLine(file, i));
}

}  // namespace

int TLevelManager::setup() {
    _setupCasual();
    _setupHard();
    _setupBackgroundsByStages();
    _setupCasualLevelNames();
    _setupHardLevelNames();
    return 1;
}

void TLevelManager::_setupCasual() {
    _readFlow("flow_casual.dat", false, casualLevels);
}

void TLevelManager::_setupHard() {
    stagesList.clear();
    _readFlow("flow_hard.dat", true, hardLevels);
}

void TLevelManager::_readFlow(const std::string& name, bool hard,
                              std::vector<std::shared_ptr<TLevelData>>& into) {
    std::string path = programPrefix + "data/" + name;
    const std::string testing = programPrefix + "data/_testing_" + name;
    if (FileType(testing) == 1) path = testing;
    into.clear();
    TRCMFile file;
    if (!file.Load(path)) return;
    const int count = countItems(file, "flow::level", 1, readInt(file, "flow::i"));
    int nameCounter = 1;
    for (int i = 1; i <= count; ++i) {
        const std::string key = "flow::level" + std::to_string(i);
        auto d = std::make_shared<TLevelData>();
        d->nr = i;
        d->numer = readInt(file, key + "::numer");
        d->url = programPrefix + file.getString(key + "::url");
        d->gameType = Upper(file.getString(key + "::gameType"));
        d->stageN = readInt(file, key + "::stageN");
        d->backgroundNr = readInt(file, key + "::background");
        d->actualLevelNumber = nameCounter;
        if (countsAsNamed(d->gameType, hard)) ++nameCounter;
        if (d->gameType.empty())
            continue;  // an entry without a kind is dropped; nr keeps the file's numbering
        into.push_back(d);
        if (hard) giveStageData(d->stageN, d->numer);
    }
    // The stage screen has room for 47 entries of a stage; more are left off it.
    std::map<int, int> perStage;
    for (const auto& d : into)
        if (d->playable() && ++perStage[d->stageN] == kMaxStageEntries + 1)
            Warn(path + ": stage " + std::to_string(d->stageN) + " has more than " +
                 std::to_string(kMaxStageEntries) + " entries; the stage screen shows the first " +
                 std::to_string(kMaxStageEntries));
}

void TLevelManager::_setupBackgroundsByStages() {
    backgroundsByStages.clear();
    TRCMFile file;
    const std::string path = programPrefix + "data/stagebackgrounds.dat";
    if (!file.Load(path)) return;
    const int count = countItems(file, "stagesBackground::stage", 1, readInt(file, "stagesBackground::i"));
    for (int i = 1; i <= count; ++i)
        backgroundsByStages.push_back(file.getString("stagesBackground::stage" + std::to_string(i)));
}

void TLevelManager::_setupCasualLevelNames() {
    casualNames.clear();
    readNames("txt/#LANG#/casual-level-names.txt", casualNames);
}

void TLevelManager::_setupHardLevelNames() {
    hardNames.clear();
    readNames("txt/#LANG#/hard-level-names.txt", hardNames);
}

std::shared_ptr<TStageData> TLevelManager::getStageData(int id) const {
    for (const auto& s : stagesList)
        if (s->id == id) return s;
    return nullptr;
}

int TLevelManager::giveStageData(int stage, int numer) {
    auto s = getStageData(stage);
    if (!s) {
        s = std::make_shared<TStageData>();
        s->id = stage;
        stagesList.push_back(s);
    }
    const std::string n = std::to_string(numer);
    if (std::find(s->levels.begin(), s->levels.end(), n) == s->levels.end()) s->levels.push_back(n);
    return 1;
}

const std::vector<std::shared_ptr<TLevelData>>* TLevelManager::flowOf(const std::string& flowType) const {
    const std::string t = Upper(flowType);
    if (t == "CASUAL") return &casualLevels;
    if (t == "HARD") return &hardLevels;
    return nullptr;
}

int TLevelManager::getStageNumberByLevel(const std::string& flowType, int numer) const {
    if (const auto* flow = flowOf(flowType))
        for (const auto& d : *flow)
            if (d->numer == numer) return d->stageN;
    return 0;
}

std::vector<std::shared_ptr<TLevelData>> TLevelManager::getCasualLevelsByStage(int stage) const {
    return byStage(casualLevels, stage);
}

std::vector<std::shared_ptr<TLevelData>> TLevelManager::getHardLevelsByStage(int stage) const {
    return byStage(hardLevels, stage);
}

std::shared_ptr<TLevelData> TLevelManager::getCasualLevelData(int stage, int numer) const {
    return find(casualLevels, stage, numer);
}

std::shared_ptr<TLevelData> TLevelManager::getHardLevelData(int stage, int numer) const {
    return find(hardLevels, stage, numer);
}

std::string TLevelManager::getNameByLevelData(int n) const {
    const auto& p = profileManager ? profileManager->profile : nullptr;
    if (!p) return "";
    const std::string t = Upper(p->flowType);
    const std::vector<std::string>* names = t == "CASUAL" ? &casualNames : t == "HARD" ? &hardNames : nullptr;
    if (!names || n < 1 || n > static_cast<int>(names->size())) return "";
    return (*names)[n - 1];
}

std::shared_ptr<TLevelData> TLevelManager::getActualLevelData() const {
    const auto& p = profileManager ? profileManager->profile : nullptr;
    if (!p) return nullptr;
    if (const auto* flow = flowOf(p->flowType)) return find(*flow, p->numerStageu, p->numerLevelu);
    return nullptr;
}

std::shared_ptr<TLevelData> TLevelManager::getProfileLevelData(const TProfile& profile) const {
    if (const auto* flow = flowOf(profile.flowType))
        for (const auto& d : *flow)
            if (d->nr == profile.flowSequence) return d;
    Print("Couldn't find flowSequence: " + std::to_string(profile.flowSequence));
    return nullptr;
}

std::string TLevelManager::getBackgroundUrl() const {
    const auto& p = profileManager ? profileManager->profile : nullptr;
    const auto d = p ? getProfileLevelData(*p) : nullptr;
    return "gfx/backgrounds/background-" + std::to_string(d ? d->backgroundNr : 1) + ".jpg";
}
