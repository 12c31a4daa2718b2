// The player profile: per-level records, the stages reached, power-up unlocks and timers.
#include "progress/Profile.h"

#include <algorithm>

#include "engine/Engine.h"
#include "progress/Highscores.h"
#include "progress/LevelManager.h"

std::shared_ptr<TProfLevelData> TProfile::getProfLevelData(int numer) const {
    return getProfLevelData2(numer, numerStageu);
}

std::shared_ptr<TProfLevelData> TProfile::getProfLevelData2(int numer, int stage) const {
    for (const auto& d : levele)
        if (d->numerLevelu == numer && d->stageN == stage) return d;
    return nullptr;
}

int TProfile::updateLevelData(int numer, int passed, int score, int time, int mistakes, int mnoznik) {
    auto d = getProfLevelData(numer);
    if (!d) {
        d = std::make_shared<TProfLevelData>();
        levele.push_back(d);
    }
    d->numerLevelu = numer;
    d->flowSequence = flowSequence;
    d->stageN = numerStageu;
    d->passed = passed;
    d->score = score;
    d->time = time;
    d->mistakes = mistakes;
    d->mnoznik = mnoznik;
    d->ileRazy += 1;
    return 1;
}

int TProfile::addActLevelData() {
    auto d = getProfLevelData(numerLevelu);
    if (!d) {
        d = std::make_shared<TProfLevelData>();
        levele.push_back(d);
    }
    d->numerLevelu = numerLevelu;
    d->stageN = numerStageu;
    d->flowSequence = flowSequence;
    return 1;
}

int TProfile::checkMaxLevel() {
    maxLevel = std::max(maxLevel, numerLevelu);
    return 1;
}

std::shared_ptr<TLevelData> TProfile::getMyLevelData() const {
    return levelManager.getProfileLevelData(*this);
}

int TProfile::getStageNumber() const {
    return levelManager.getStageNumberByLevel(flowType, numerLevelu);
}

std::vector<std::shared_ptr<TLevelData>> TProfile::getLeveleForStage(int stage) const {
    return flowType == "HARD" ? levelManager.getHardLevelsByStage(stage)
                              : levelManager.getCasualLevelsByStage(stage);
}

int TProfile::isStageAvailable(int stage) const {
    for (const auto& d : levele)
        if (d->stageN == stage && d->passed) return 1;
    return 0;
}

int TProfile::getHighestStage() const {
    int s = 0;
    for (const auto& d : levele) s = std::max(s, d->stageN);
    return s;
}

int TProfile::getHighestLevel(int stage) const {
    int l = 0;
    for (const auto& d : levele)
        if (d->stageN == stage) l = std::max(l, d->numerLevelu);
    return l;
}

int TProfile::checkPowerUpUnlocked() {
    unlocked.fill(0);
    const int s = getHighestStage();
    const int l = getMaxLevel(s);
    if (s < 1 || s > 5) return 1;
    // A slot opens at its level of its stage and stays open in every later stage.
    for (int k = 0; k < 6; ++k) {
        const TUnlockAt& at = unlockAt[k];
        if (s > at.stage || (s == at.stage && l >= at.level)) unlocked[k] = 1;
    }
    return 1;
}

// ---------------------------------------------------------------- power-up timers

void TProfile::pausePowerUps() {
    if (paused) return;
    pausePowerUps2();
}

void TProfile::pausePowerUps2() {
    powerUpsPomTime = eng::MilliSecs();
    paused = 1;
}

void TProfile::ResumePowerUps() {
    if (!paused) return;
    paused = 0;
    const int64_t away = eng::MilliSecs() - powerUpsPomTime;
    for (int64_t& start : czas) start += away;
}

void TProfile::resetPowerUp(int k) {
    if (k >= 1 && k <= 6) czas[k - 1] = eng::MilliSecs();
}

void TProfile::restartPowerUpN(int k) {
    if (k >= 1 && k <= 6) czas[k - 1] = eng::MilliSecs() - maxCzasPowerUpow[k - 1];
}

void TProfile::resetProfile() {
    if (highscores) highscores->checkHighScores(*this);
    awardy.clear();
    levele.clear();
    lekcjeTutoriala.clear();
    flowSequence = 0;
    gameType.clear();
    numerLevelu = 1;
    numerStageu = 1;
    maxLevel = 1;
    actLevel = nullptr;
    score = 0;
    noMistakesOnLevel = 1;
    lastScore = 0;
    hintsUsedOnLevel = 0;
    useOfSkull = useOfSword = useOfMedalion = useOfEye = useOfMap = 0;
}
