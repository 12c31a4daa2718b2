// A profile's place in its journey checked against the flows when it is read.
#include "progress/ProfileCheck.h"

#include "engine/Engine.h"
#include "progress/LevelManager.h"

using namespace eng;

namespace {

// The journey whose entries the player's records were made on, or "" when none fits them.
std::string flowOfRecords(const TProfile& p) {
    std::string best;
    size_t most = 0;
    for (const char* type : {"CASUAL", "HARD"}) {
        const auto* flow = levelManager.flowOf(type);
        size_t fits = 0;
        for (const auto& d : p.levele)
            for (const auto& e : *flow)
                if (e->nr == d->flowSequence && e->stageN == d->stageN && e->numer == d->numerLevelu) {
                    ++fits;
                    break;
                }
        if (fits > most) {
            most = fits;
            best = type;
        }
    }
    return best;
}

}  // namespace

void checkPlaceInFlow(TProfile& p, const std::string& path) {
    const std::string flow = Upper(Trim(p.flowType));
    if (flow.empty() || flow == "CASUAL" || flow == "HARD") {
        p.flowType = flow;
    } else {
        const std::string guess = flowOfRecords(p);
        Warn(path + ": the journey \"" + p.flowType + "\" is unknown; " +
             (guess.empty()
                  ? std::string("the player chooses a journey when they next start one")
                  : "the player's records are those of the " + Lower(guess) + " journey, which goes on"));
        p.flowType = guess;
    }
    if (p.flowSequence < 0) {
        Warn(path + ": the place in the journey " + std::to_string(p.flowSequence) + " is before its start.");
        p.flowSequence = 0;
    }
    const auto* entries = levelManager.flowOf(p.flowType);
    if (!entries || entries->empty()) return;  // no journey to compare with
    std::string kind;
    for (const auto& e : *entries)
        if (e->nr == p.flowSequence) kind = e->gameType;
    if (kind != p.gameType) {
        Warn(path + ": the entry kind \"" + p.gameType + "\" is not that of entry " +
             std::to_string(p.flowSequence) + " of the journey (\"" + kind + "\"), which is used.");
        p.gameType = kind;
    }
}
