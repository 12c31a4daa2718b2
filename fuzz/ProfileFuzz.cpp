// Fuzz target: the players' list, a profile and its level in progress, read from a per-user folder of their
// own. The input is three files cut at "\n---8<---\n": "Profiles/profiles.dat", then the "profile.dat" and
// the "Level.lvl" of the player "A" (folder "65-"). The list always leaves an active player that can be
// read, or none; whatever is read, saved and read again is the same players with the same progress, and
// saving that again writes the same files.
#include <algorithm>
#include <sstream>

#include "FuzzInput.h"
#include "MiniProgram.h"
#include "NonogramKinds.h"
#include "core/Globals.h"
#include "files/DataRules.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"
#include "nonogram/MainGameFlow.h"
#include "progress/ProfileManager.h"

namespace {

template <typename List>
std::string joined(const List& list) {
    std::ostringstream out;
    for (const auto& item : list) out << item << ",";
    return out.str();
}

// Everything the profile keeps, as text; the level in progress as its saved file. Texts are as the writer
// can keep them (without double quotes and line breaks).
std::string describe(const TProfile& p, const FuzzFolder& scratch) {
    std::ostringstream out;
    const std::string name = storableText(p.name);
    out << p.id << "|" << name << "|" << p.unreadable << "|" << p.numerLevelu << "|" << p.numerStageu << "|"
        << p.flowSequence << "|" << p.mistakes << "|" << p.kamienieWWorku << "|" << storableText(p.gameType)
        << "|" << storableText(p.flowType) << "|" << p.tutorialOn << "|" << p.bylAwardsScreen << "|"
        << p.allLivings << "|" << p.score << "|" << p.noMistakesOnLevel << "|" << p.lastScore << "|"
        << p.hintsUsedOnLevel << "|" << p.hintsUsed << "|" << p.useOfSkull << p.useOfSword << p.useOfMedalion
        << p.useOfEye << p.useOfMap << "|" << p.tempUseOfSkull << p.tempUseOfSword << p.tempUseOfMedalion
        << p.tempUseOfEye << p.tempUseOfMap << "|" << joined(p.unlocked) << "|" << joined(p.awardy) << "|";
    for (const std::string& tip : p.lekcjeTutoriala) out << storableText(tip) << ",";
    const int64_t now = p.paused ? p.powerUpsPomTime : eng::MilliSecs();
    for (int64_t start : p.czas) out << start - now << ",";
    for (const auto& d : p.levele)
        out << "[" << d->numerLevelu << "," << d->passed << "," << d->flowSequence << "," << d->stageN << ","
            << d->score << "," << d->time << "," << d->mistakes << "," << d->mnoznik << "," << d->ileRazy
            << "]";
    const TGameData& g = p.gameData;
    out << "|" << g.useMedalionN << g.useMieczN << g.useOkoN << g.useCzaszkaN << g.useMapaN << g.useHintsN
        << g.allLivingsN << g.useLivingsN << joined(g.hintUsed) << joined(g.powerUpUse) << g.mnoznik << "|";
    if (p.actLevel) {
        const std::string saved = scratch.path() + "level";
        fuzzCheck(p.actLevel->saveProgress(saved), "the level in progress cannot be saved");
        out << fuzzReadFile(saved);
    }
    return out.str();
}

// The list's invariants, and the players as text.
std::string check(const TProfileManager& m, const FuzzFolder& scratch) {
    const auto& list = m.listaProfili;
    fuzzCheck(m.readablePlayers() <= TProfileManager::kMaxProfiles, "more than five players");
    fuzzCheck(list.size() - m.readablePlayers() <= TProfileManager::kMaxProfiles,
              "more than five players who cannot be read");
    bool readable = false, active = false;
    std::string all;
    for (const auto& p : list) {
        readable = readable || !p->unreadable;
        active = active || p == m.profile;
        for (int u : p->unlocked) fuzzCheck(u == 0 || u == 1, "a power-up slot is neither open nor shut");
        for (int64_t start : p->czas)
            fuzzCheck(start <= eng::MilliSecs(), "a power-up charges from the future");
        all += describe(*p, scratch) + (p == m.profile ? " (active)\n" : "\n");
    }
    if (m.profile) {
        fuzzCheck(active, "the active player is not in the list");
        fuzzCheck(!m.profile->unreadable, "the active player cannot be read");
    } else {
        fuzzCheck(!readable, "no active player though one can be read");
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzFolder user("user"), scratch("scratch");
    static const bool ready = [] {
        miniProgramFolder();
        makeNonogramKinds();
        registerMainGameKind();
        registerPuzzleExpressKind();
        registerPuzzleKind();
        registerFindRouteKind();
        registerHiddenObjectKind();
        userFolder = user.path() + "user";
        return true;
    }();
    (void)ready;
    user.clear();
    const auto pieces = fuzzPieces(data, size, "\n---8<---\n", 3);
    user.write("user/Profiles/profiles.dat", pieces[0]);
    user.write("user/Profiles/65-/profile.dat", pieces[1]);
    user.write("user/Profiles/65-/Level.lvl", pieces[2]);

    TProfileManager first;
    first.loadProfiles();
    const std::string read = check(first, scratch);
    first.save();
    const auto saved = user.files();

    TProfileManager second;
    second.loadProfiles();
    const std::string readBack = check(second, scratch);
    fuzzCheck(readBack == read, "the players read back otherwise:\n" + read + "----\n" + readBack);
    second.save();
    // The second save writes what the first did, and keeps the first's profile files as the saves before.
    const auto again = user.files();
    for (const auto& [path, text] : again) {
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".bak") == 0) {
            const std::string dat = path.substr(0, path.size() - 4) + ".dat";
            fuzzCheck(saved.count(dat) && saved.at(dat) == text,
                      "the save before the last is not kept: " + path);
            continue;
        }
        fuzzCheck(saved.count(path) && saved.at(path) == text, "saving the players read back writes " + path);
    }
    for (const auto& [path, text] : saved)
        fuzzCheck(again.count(path), "saving the players read back loses " + path);
    return 0;
}
