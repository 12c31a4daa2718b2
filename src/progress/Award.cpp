// The award table, the profile's awards, and the award conditions.
#include "progress/Award.h"

#include <algorithm>

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "progress/Profile.h"

using namespace eng;

std::vector<std::shared_ptr<TAward>> awardTable;

void loadAwardTable(bool withPictures) {
    awardTable.clear();
    TRCMFile file;
    const std::string path = programPrefix + "data/awards.dat";
    if (!file.Load(path)) {
        Warn("cannot read " + path + ": no awards can be earned");
        return;
    }
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/awards.txt");
    const int count = countItems(file, "awards::award", 1, readInt(file, "awards::i"));
    for (int i = 1; i <= count; ++i) {
        const std::string key = "awards::award" + std::to_string(i);
        auto a = std::make_shared<TAward>();
        a->id = readInt(file, key + "::id");
        a->typ = readInt(file, key + "::typ");
        a->level = readInt(file, key + "::level");
        a->title = getLine(texts, readInt(file, key + "::name"));
        a->opis = getLine(texts, readInt(file, key + "::opis"));
        a->opisReceive = getLine(texts, readInt(file, key + "::otrzymanie"));
        a->wielorazowy = readInt(file, key + "::wielorazowy");
        a->value = readInt(file, key + "::value");
        a->x = file.getFloat(key + "::dim", 0);
        a->y = file.getFloat(key + "::dim", 1);
        if (withPictures) {
            a->img = loadImageOrWarn(programPrefix + file.getString(key + "::img"));
            if (a->img) MidHandleImage(a->img);
        }
        awardTable.push_back(a);
    }
}

std::shared_ptr<TAward> findAward(int id) {
    for (const auto& a : awardTable)
        if (a->id == id) return a;
    return nullptr;
}

int countAward(const TProfile& p, int id) {
    return static_cast<int>(std::count(p.awardy.begin(), p.awardy.end(), id));
}

bool hasAward(const TProfile& p, int id) {
    return countAward(p, id) > 0;
}

std::shared_ptr<TAward> getHighestAwardByTyp(const TProfile& p, int typ) {
    std::shared_ptr<TAward> best;
    for (int id : p.awardy) {
        const auto a = findAward(id);
        if (a && a->typ == typ && (!best || a->level > best->level)) best = a;
    }
    return best;
}

// ---------------------------------------------------------------- conditions

namespace {

bool hasAny(const TProfile& p, std::initializer_list<int> ids) {
    for (int id : ids)
        if (hasAward(p, id)) return true;
    return false;
}

// How many more stones the chest and the bag would take: under 2 is a narrow win.
int margin(const TProfile& p, const TAwardFacts& f) {
    return f.maxMistakes + f.bagRoom - (p.mistakes + p.kamienieWWorku);
}

bool condition(int id, const TProfile& p, const TAwardFacts& f, int value) {
    const bool firstCasualStage = p.numerStageu == 1 && Upper(p.flowType) == "CASUAL" && hasAward(p, 1);
    const auto record = p.getProfLevelData(p.numerLevelu);
    const int times = record ? record->ileRazy : 0;
    switch (id) {
        // Levels without a mistake.
        case 1:
            return p.mistakes == 0 && p.noMistakesOnLevel >= value && !hasAny(p, {2, 3}) && !firstCasualStage;
        case 2:
            return p.mistakes == 0 && p.noMistakesOnLevel >= value && !hasAny(p, {3}) && !firstCasualStage;
        case 3:
            return p.mistakes == 0 && p.noMistakesOnLevel >= value && !firstCasualStage;
        // The total score.
        case 4:
            return p.score >= value && !hasAny(p, {5, 6});
        case 5:
            return p.score >= value && !hasAny(p, {6});
        case 6:
            return p.score >= value;
        // A level played again and again.
        case 7:
            return times >= value && !hasAny(p, {8, 9});
        case 8:
            return times >= value && !hasAny(p, {9});
        case 9:
            return times >= value;
        // Every power-up owned.
        case 10:
            return std::all_of(p.unlocked.begin(), p.unlocked.end(), [](int u) { return u != 0; });
        case 11:
            return p.hintsUsed >= value;
        // Narrow wins: each tier counts the receipts of the tier below it.
        case 12:
            return margin(p, f) < 2 && !hasAny(p, {13, 14});
        case 13:
            return countAward(p, 12) >= value && margin(p, f) < 2 && !hasAny(p, {14});
        case 14:
            return countAward(p, 13) >= value && margin(p, f) < 2;
        // Stages reached.
        case 15:
            return p.numerStageu == value && !hasAny(p, {16, 17});
        case 16:
            return p.numerStageu == value && !hasAny(p, {17});
        case 17:
            return p.numerStageu == value;
        // Power-ups used.
        case 18:
            return p.useOfSkull >= value;
        case 19:
            return p.useOfSword >= value;
        case 20:
            return p.useOfMedalion >= value;
        case 21:
            return p.useOfEye >= value;
        case 22:
            return p.useOfMap >= value;
        default:
            return false;
    }
}

}  // namespace

std::shared_ptr<TAward> checkAward(int id, const TProfile& p, const TAwardFacts& f) {
    const auto a = findAward(id);
    if (!a) return nullptr;
    if (!a->wielorazowy && hasAward(p, id)) return nullptr;
    return condition(id, p, f, a->value) ? a : nullptr;
}

std::vector<std::shared_ptr<TAward>> runAwardChecks(TProfile& p, const TAwardFacts& f,
                                                    const std::function<void(const TAward&)>& announce) {
    std::vector<std::shared_ptr<TAward>> given;
    if (f.tutorial) return given;
    static const int order[] = {3,  2,  1,  6,  5,  4,  9,  8,  7,  10, 11,
                                14, 13, 12, 17, 16, 15, 18, 19, 21, 20, 22};
    for (int id : order) {
        const auto a = checkAward(id, p, f);
        if (!a) continue;
        p.awardy.push_back(id);
        // A power-up award counts its uses afresh.
        if (id == 18) p.useOfSkull = 0;
        if (id == 19) p.useOfSword = 0;
        if (id == 20) p.useOfMedalion = 0;
        if (id == 21) p.useOfEye = 0;
        if (id == 22) p.useOfMap = 0;
        given.push_back(a);
        if (announce) announce(*a);
    }
    return given;
}
