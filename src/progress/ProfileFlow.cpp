// The profile's way through its level flow: a new game, the next entry, a restart, a resume.
#include <algorithm>

#include "engine/Engine.h"
#include "progress/Highscores.h"
#include "progress/LevelManager.h"
#include "progress/Profile.h"
#include "progress/TutorialIndex.h"

namespace {

bool isPlayedKind(const std::string& kind) {
    return kind == "MAIN-GAME" || kind == "PUZZLE-EXPRESS" || kind == "PUZZLE" ||
           kind == "FINDROUTE-PUZZLE" || kind == "HIDDEN-OBJECT";
}

}  // namespace

std::string TProfile::startNewGame() {
    // The points of the journey left behind enter the best scores.
    if (highscores) highscores->checkHighScores(*this);
    flowSequence = 0;
    gameType.clear();
    numerLevelu = 1;
    numerStageu = 1;
    maxLevel = 1;
    allLivings = 0;
    bylAwardsScreen = 0;
    actLevel = nullptr;
    noMistakesOnLevel = 0;
    awardy.clear();
    levele.clear();
    armAllTips();
    useOfSkull = useOfMedalion = useOfEye = useOfMap = useOfSword = 0;
    noMistakedLevels = 0;
    hintsUsed = 0;
    score = 0;
    tutorialOn = 1;
    gameData = TGameData{};
    newStageN = 0;
    storyReplay.clear();
    return "GET-NEXT-LEVEL";
}

std::string TProfile::getNextLevel() {
    actLevel = nullptr;
    storyReplay.clear();
    flowSequence += 1;
    const auto levelData = levelManager.getProfileLevelData(*this);
    if (!levelData) {
        // Past the end (or a gap in the flow): the place stays on the last entry reached.
        flowSequence -= 1;
        return "END-OF-LEVELS";
    }
    gameType = levelData->gameType;
    setProperLevel(*levelData);
    save();
    return gameType;
}

std::string TProfile::setLevel(const TLevelData& levelData) {
    gameType = levelData.gameType;
    setProperLevel(levelData);
    flowSequence = levelData.nr;
    return gameType;
}

int TProfile::setProperLevel(const TLevelData& levelData) {
    actLevel = nullptr;
    const std::string kind = eng::Upper(levelData.gameType);
    if (kind == "MAIN-GAME") {
        hintsUsedOnLevel = mistakes = kamienieWWorku = 0;
        tempUseOfSkull = tempUseOfSword = tempUseOfMedalion = tempUseOfEye = tempUseOfMap = 0;
        gameData = TGameData{};
        if (const TLevelKind* k = levelKind(kind); k && k->start) actLevel = k->start(levelData);
        // Every power-up is ready at the start of a level; the timers stay frozen until the game resumes
        // them.
        ResumePowerUps();
        for (int n = 1; n <= 6; ++n) restartPowerUpN(n);
        pausePowerUps2();
    } else if (kind == "MAPA") {
        pausePowerUps();
        numerLevelu = levelData.numer;
        numerStageu = levelData.stageN;
        // A stage reached before anything was played in it is presented on the map as newly opened.
        const bool played = std::any_of(levele.begin(), levele.end(),
                                        [&](const auto& r) { return r->stageN == levelData.stageN; });
        newStageN = played ? 0 : levelData.stageN;
        return 1;
    } else if (isPlayedKind(kind)) {
        pausePowerUps();
        if (const TLevelKind* k = levelKind(kind); k && k->start) actLevel = k->start(levelData);
    } else {
        return 1;  // a story entry
    }
    // A level its screen could not make (a file missing, damaged or of another kind) leaves the player's
    // place and records as they were; the switcher passes over the entry.
    if (const TLevelKind* k = levelKind(kind); !actLevel && k && k->start) return 0;
    numerLevelu = levelData.numer;
    numerStageu = levelData.stageN;
    if (kind == "MAIN-GAME" && actLevel && actLevel->isTutorialLevel()) resetTutorialForLevel();
    addActLevelData();
    checkMaxLevel();
    return 1;
}

std::string TProfile::restartLevel() {
    // A passed level keeps its passed flag and best result: a restart only counts the try.
    if (auto record = getProfLevelData(numerLevelu); record && record->passed)
        record->ileRazy += 1;
    else
        updateLevelData(numerLevelu, 0, 0, 1, 0, 1);
    // The level's remembered tips come back when it is set up again; those never shown stay pending.
    flowSequence -= 1;
    return getNextLevel();
}

int TProfile::IDontHaveTip(const std::string& id) const {
    const std::string key = eng::Upper(id);
    for (const std::string& t : lekcjeTutoriala)
        if (eng::Upper(t) == key) return 0;
    return 1;
}

void TProfile::resetTutorialForLevel() {
    for (const TTipInfo& t : tutorialIndex.tips)
        if (t.level != 0 && t.rememberMe && t.level == numerLevelu && IDontHaveTip(t.id))
            lekcjeTutoriala.push_back(t.id);
}

void TProfile::armAllTips() {
    lekcjeTutoriala.clear();
    for (const TTipInfo& t : tutorialIndex.tips) lekcjeTutoriala.push_back(t.id);
}

std::string TProfile::ContinueGame() {
    const std::string kind = eng::Upper(gameType);
    if (!isPlayedKind(kind)) return gameType.empty() ? "GET-NEXT-LEVEL" : kind;
    if (!actLevel) {
        // Nothing in progress: a level already won goes on to the next entry, any other starts again.
        const auto record = getProfLevelData(numerLevelu);
        return record && record->passed ? "GET-NEXT-LEVEL" : "RESTART-LEVEL";
    }
    if (kind == "MAIN-GAME" && actLevel->isTutorialLevel()) return "RESTART-LEVEL";
    const TLevelKind* k = levelKind(kind);
    if (!k || !k->resume) return "RESTART-LEVEL";
    k->resume(actLevel);
    return kind;
}

int TProfile::canContinue() const {
    // Without a journey chosen there is nothing to go back to.
    if (!levelManager.flowOf(flowType)) return 0;
    return (actLevel || !levele.empty() || flowSequence > 0 || numerLevelu > 1 || numerStageu > 1) ? 1 : 0;
}

std::string TProfile::playOn() {
    // A level in progress goes on, or starts again when its saved state was lost; after a map stop or a
    // story the journey goes on to its next entry.
    return actLevel || isPlayedKind(eng::Upper(gameType)) ? ContinueGame() : "GET-NEXT-LEVEL";
}

int TProfile::furthestReached() const {
    int reached = flowSequence;
    const auto* flow = levelManager.flowOf(flowType);
    if (!flow) return reached;
    // After a won level the journey went on through the stories that follow it, to the next level or map
    // stop.
    bool won = false;
    for (const auto& entry : *flow) {
        const std::string kind = eng::Upper(entry->gameType);
        if (won && (entry->isStory() || kind == "MAPA")) reached = std::max(reached, entry->nr);
        if (won && entry->isStory()) continue;
        won = false;
        if (!isPlayedKind(kind)) continue;
        const auto record = getProfLevelData2(entry->numer, entry->stageN);
        if (!record) continue;
        reached = std::max(reached, entry->nr);
        won = record->passed != 0;
    }
    return reached;
}

std::string TProfile::replayStory(const TLevelData& story) {
    storyReplay = story.gameType;
    return story.gameType;
}

bool TProfile::endStoryReplay(const std::string& story) {
    const bool replay = !storyReplay.empty() && eng::Upper(storyReplay) == eng::Upper(story);
    storyReplay.clear();
    return replay;
}

bool TProfile::flowFinished() const {
    const auto* flow = levelManager.flowOf(flowType);
    // Reached the last entry and nothing of it is still in progress.
    return flow && !flow->empty() && flowSequence >= flow->back()->nr && !actLevel;
}

void TProfile::levelFinished() {
    actLevel = nullptr;
}
