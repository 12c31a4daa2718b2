// The mini-games and the journey's screens under the benchmark: each set up as a player meets it at its
// busiest, a piece on the mouse where there are pieces.
#include "Screens.h"

#include <cstdio>

#include "engine/Engine.h"
#include "gui/Mouse.h"
#include "minigames/HiddenObject.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"
#include "progress/AwardScreen.h"
#include "progress/Highscores.h"
#include "progress/Mapa.h"
#include "progress/ProfileManager.h"
#include "progress/StageScreen.h"
#include "story/DialogBox.h"

void measureMiniGames(const Measure& measure) {
    if (puzzleExpress) {
        auto chest = loadPELevel(GAME_DIR "/data/puzzleExpress/pe3.dat");
        TPuzzleExpress& s = *puzzleExpress;
        s.setLevel(chest);
        s.prepare();
        s.fade = 0;
        s.state = "NORMAL";
        chest->p = s.lp = 1;
        chest->alpha = chest->dAlpha = 1;
        chest->setPosition(TPuzzleExpress::kBoardX, TPuzzleExpress::kBoardY);
        s.listwaX = 50;
        s.clickedBlock = chest->blocks.front().get();
        s.clickedBlock->click(1, static_cast<float>(mouse->x), static_cast<float>(mouse->y));
        std::printf("chest puzzle: %zu blocks, one carried\n", chest->blocks.size());
        measure("chest puzzle", s, nullptr);
        // A conversation over the chest: the bars, the panel, a portrait and a line.
        if (dialogBox && dialogBox->prepare(&s, 1, 0))
            measure("dialog box over the chest puzzle", *dialogBox, nullptr);
        // The tiles fade, the lid slides off and the treasure grows.
        chest->alpha = 0.01f;
        s.WIN();
        measure("chest opening", s, nullptr);
    }
    if (puzzle) {
        auto jigsaw = loadPuzzleLevel(GAME_DIR "/data/puzzles/puzzle3.dat");
        if (!jigsaw) return;
        TPuzzle& s = *puzzle;
        s.SetLevel(jigsaw);
        s.prepare();
        s.fade = 0;
        s.state = "GAME";
        s.useClick(jigsaw->puzzles.front().get());
        std::printf("jigsaw: %zu pieces, one carried\n", jigsaw->puzzles.size());
        measure("jigsaw", s, nullptr);
        s.SkipWIN();
        measure("jigsaw's skip flights", s, nullptr);
    }
}

void measureScene(const Measure& measure) {
    if (!hiddenObject) return;
    auto scene = loadHOLevel(GAME_DIR "/data/hiddenObjects/ho2.hol");
    THiddenObject& s = *hiddenObject;
    s.setLevel(scene);
    s.prepare();
    s.fade = 0;
    s.state = "NORMAL";
    // Leaves falling, fish swimming, lights glowing, a hint circling and two objects on their way.
    for (auto& l : scene->lights) l.a = l.da = 1;
    s.useHint();
    for (int i = 0; i < 2 && i < static_cast<int>(scene->objects.size()); ++i) scene->objects[i]->pick();
    std::printf("scene: %zu objects, %zu leaf spawners, %zu swimmers\n", scene->objects.size(),
                scene->leaves.size(), scene->obiektyTla.size());
    measure("hidden-object scene", s, nullptr);
}

void measureJourneyScreens(const Measure& measure) {
    if (mapa) {
        mapa->prepare();
        measure("map", *mapa, nullptr);
        if (stageScreen && !mapa->mapStages.empty()) {
            stageScreen->prepare(mapa->mapStages.front());
            measure("stage screen over the map", *stageScreen, mapa);
        }
    }
    if (awardScreen && activeProfile()) {
        awardScreen->prepare(*activeProfile());
        measure("award screen", *awardScreen, nullptr);
    }
    if (highscores) {
        for (int i = 0; i < TScoreTab::kMaxEntries; ++i)
            highscores->localHighScores.addNewEntry("PLAYER " + std::to_string(i + 1), 1000 * (i + 1), i + 1);
        highscores->alpha = highscores->dAlpha = 1;
        measure("best scores", *highscores, nullptr);
    }
}
