// The tables target's checks of the player's files (settings, best scores) and of the flows, the map, the
// awards and the power-ups.
#include "TablesChecks.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "FuzzInput.h"
#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "nonogram/PowerUps.h"
#include "progress/Award.h"
#include "progress/Highscores.h"
#include "progress/LevelManager.h"
#include "progress/Mapa.h"
#include "progress/Options.h"
#include "progress/Profile.h"
#include "progress/TutorialIndex.h"

namespace {

std::string settingsText(const TOptions& o) {
    return std::to_string(o.fullScreen) + std::to_string(o.wideScreen) + std::to_string(o.customCursor) +
           " " + std::to_string(o.soundVol) + " " + std::to_string(o.musicVol);
}

void checkSettingsRange(const TOptions& o) {
    for (int flag : {o.fullScreen, o.wideScreen, o.customCursor})
        fuzzCheck(flag == 0 || flag == 1, "a setting that is neither on nor off: " + settingsText(o));
    for (float v : {o.soundVol, o.musicVol})
        fuzzCheck(v == 0 || (v >= 0.05f && v <= 1), "a volume beyond 0..1: " + settingsText(o));
}

std::string scoresText(const TScoreTab& tab) {
    std::string text;
    for (const TScoreData& d : tab.list)
        text +=
            storableText(d.user) + " " + std::to_string(d.score) + " " + std::to_string(d.numerLevelu) + "\n";
    return text;
}

void checkScoreTable(const TScoreTab& tab) {
    fuzzCheck(tab.list.size() <= TScoreTab::kMaxEntries, "more than fifteen best scores");
    for (size_t i = 1; i < tab.list.size(); ++i)
        fuzzCheck(tab.list[i - 1].score >= tab.list[i].score,
                  "best scores out of order:\n" + scoresText(tab));
}

void checkFlow(const std::vector<std::shared_ptr<TLevelData>>& flow, const std::string& flowType) {
    int lastNr = 0, lastName = 1;
    TProfile player;
    player.flowType = flowType;
    for (const auto& d : flow) {
        fuzzCheck(!d->gameType.empty() && d->gameType == eng::Upper(d->gameType), "an entry without a kind");
        fuzzCheck(d->nr > lastNr && d->actualLevelNumber >= lastName, "flow entries out of order");
        fuzzCheck(d->url.rfind(programPrefix, 0) == 0, "a level file outside the program folder");
        lastNr = d->nr;
        lastName = d->actualLevelNumber;
        player.flowSequence = d->nr;
        fuzzCheck(levelManager.getProfileLevelData(player) == d, "an entry not found by its place");
        for (const auto& other : flowType == "HARD" ? levelManager.getHardLevelsByStage(d->stageN)
                                                    : levelManager.getCasualLevelsByStage(d->stageN))
            fuzzCheck(other->stageN == d->stageN && other->playable(), "a stage lists another stage's entry");
    }
}

}  // namespace

void checkSettings() {
    TOptions first;
    first.loadOptions();
    checkSettingsRange(first);
    first.saveOptions();
    const std::string saved = fuzzReadFile(first.settingsPath());
    TOptions second;
    second.loadOptions();
    fuzzCheck(settingsText(second) == settingsText(first),
              "the settings read back otherwise: " + settingsText(first) + " became " + settingsText(second));
    second.saveOptions();
    fuzzCheck(fuzzReadFile(second.settingsPath()) == saved,
              "saving the settings read back writes another text");
}

void checkHighScores() {
    THighscores first;
    first.loadHighScores(highScoresPath());
    checkScoreTable(first.localHighScores);
    fuzzCheck(first.saveHighScores(), "the best scores cannot be saved");
    const std::string saved = fuzzReadFile(highScoresPath());
    THighscores second;
    fuzzCheck(second.loadHighScores(highScoresPath()), "the saved best scores cannot be read");
    fuzzCheck(scoresText(second.localHighScores) == scoresText(first.localHighScores),
              "the best scores read back otherwise:\n" + scoresText(first.localHighScores) + "----\n" +
                  scoresText(second.localHighScores));
    fuzzCheck(second.saveHighScores() && fuzzReadFile(highScoresPath()) == saved,
              "saving the best scores read back writes another text");
    // A new score enters only as far as it deserves and the table stays in order.
    const TScoreData* lowest = first.localHighScores.getLowestScoreData();
    for (int score : {1, lowest ? lowest->score : 0,
                      lowest && lowest->score < kFileIntLimit ? lowest->score + 1 : 2, kFileIntLimit}) {
        first.localHighScores.addNewEntry("NEW", score, 1);
        checkScoreTable(first.localHighScores);
    }
}

void checkCasualFlow() {
    levelManager = TLevelManager();
    levelManager._setupCasual();
    checkFlow(levelManager.casualLevels, "CASUAL");
}

void checkHardFlow() {
    levelManager = TLevelManager();
    levelManager._setupHard();
    checkFlow(levelManager.hardLevels, "HARD");
    std::set<int> stages;
    for (const auto& s : levelManager.stagesList)
        fuzzCheck(stages.insert(s->id).second, "a stage listed twice");
    for (const auto& d : levelManager.hardLevels) {
        const auto stage = levelManager.getStageData(d->stageN);
        fuzzCheck(
            stage && std::count(stage->levels.begin(), stage->levels.end(), std::to_string(d->numer)) == 1,
            "a level missing from its stage's table");
    }
}

void checkMapStages() {
    TMapa map;
    map.loadStages(programPrefix + "data/mapStages.dat", nullptr);
    for (const auto& s : map.mapStages) {
        const auto found = map.getMapStage(s->id);
        fuzzCheck(found && found->id == s->id, "a map stage not found by its id");
    }
}

void checkAwards() {
    loadAwardTable(false);
    for (const auto& a : awardTable)
        fuzzCheck(findAward(a->id) && findAward(a->id)->id == a->id, "an award lost");
    TProfile modest, champion;
    champion.score = champion.hintsUsed = champion.noMistakesOnLevel = kFileIntLimit;
    champion.useOfSkull = champion.useOfSword = champion.useOfMedalion = champion.useOfEye =
        champion.useOfMap = 9;
    champion.numerStageu = 3;
    champion.unlocked.fill(1);
    for (TProfile* p : {&modest, &champion})
        for (int pass = 0; pass < 3; ++pass) {
            const auto given = runAwardChecks(*p, TAwardFacts{false, 1, 0}, nullptr);
            for (const auto& a : given)
                fuzzCheck(findAward(a->id) == a, "an award given that the table lacks");
        }
    for (const TProfile* p : {&modest, &champion})
        for (int id : p->awardy) {
            const auto a = findAward(id);
            fuzzCheck(a && (a->wielorazowy || countAward(*p, id) == 1), "an award given twice");
        }
}

void checkPowerUps() {
    static const auto defaults = TProfile::unlockAt;
    TProfile::unlockAt = defaults;
    loadPowerUpTable(programPrefix + "data/powerUps.dat");
    for (int full : TProfile::maxCzasPowerUpow) {
        fuzzCheck(std::abs(full) <= kFileIntLimit, "a recharge time beyond the file limit");
        for (int64_t since : {int64_t{0}, int64_t{1}, int64_t{full}, int64_t{kFileIntLimit} * 3}) {
            const float charge = powerUpCharge(1000, 1000 + since, full);
            fuzzCheck(charge >= 0 && charge <= 1, "a charge beyond empty and full");
        }
    }
}
