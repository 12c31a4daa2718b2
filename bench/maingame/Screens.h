// The benchmark's measurements of the mini-games and the journey's screens.
#pragma once

#include <functional>

class TEkran;

// Measures a screen for a while (with `below` drawn first when it is an overlay) and prints the cost.
using Measure = std::function<void(const char* name, TEkran& screen, TEkran* below)>;

// The chest puzzle and the jigsaw on their largest levels, played and at their ends.
void measureMiniGames(const Measure& measure);
// A hidden-object scene with its leaves, fish, lights, a hint and objects in flight.
void measureScene(const Measure& measure);
// The map, a stage's sheet over it, the award screen and the best scores.
void measureJourneyScreens(const Measure& measure);
// The opening story, the cutscenes and the outro (StoryScreens.cpp).
void measureStory(const Measure& measure);
// The main game with a tutorial tip on it: text, arrows and a row example (StoryScreens.cpp).
void measureTutorialTip(const Measure& measure, TEkran& game);
