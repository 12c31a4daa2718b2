// The tables target's readers, one check each: reads the file the target wrote to its place and stops the
// fuzzer when what was read breaks a promise of its reader.
#pragma once

// What the checks share, made once (a small nonogram grid for the tutorial's rules).
void prepareTableChecks();

// The settings and the best scores: values in range, and they read back as saved.
void checkSettings();
void checkHighScores();
// The flows: entries with a kind, numbered in order, found again by the queries the game asks.
void checkCasualFlow();
void checkHardFlow();
void checkMapStages();
// The awards: each found by its id, and the award checks give only awards of the table.
void checkAwards();
// The power-ups: times within the file limits and a charge between empty and full.
void checkPowerUps();
// The tutorial's tips, each shown with its conditions, actions and erase conditions run on a small grid.
void checkTutorial();
void checkDialogs();
// The opening story played through part by part, with a click on every picture.
void checkStory();
// The sounds and music lists, with every stage's music chosen and every sound played silently.
void checkSounds();
