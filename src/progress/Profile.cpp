// The player profile record: the per-level results.
#include "progress/Profile.h"

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
