// Entry points of the content generators, one function per group of output files.
#pragma once

#include "Generator.h"

namespace gen {

// files.cpp: trees and files copied as they are.
void genTexts(const Context& c);     // content/txt → txt/
void genData(const Context& c);      // content/data → data/
void genGuiFiles(const Context& c);  // content/gui → gfx/gui/ (GUI description files)
void genFonts(const Context& c);     // the game's fonts → gfx/fonts/
void genPoint(const Context& c);     // gfx/point.png

// loading_back.cpp, loading_logo.cpp, loading.cpp: the loading screen.
void genLoadingBack(const Context& c);
void genLoadingLogo(const Context& c);
void genLoadingParts(const Context& c);
void genIcon(const Context& c);  // icon.cpp: the window icon from the logo's emblem

// cursors.cpp, cursors_powerups.cpp: the mouse cursors.
void genCursors(const Context& c);

// buttons.cpp: the shared button pictures.
void genButtons(const Context& c);

// theme.cpp, theme_menu.cpp, theme_slice.cpp: the window theme (frames, menu bar, drop-down box).
void genTheme(const Context& c);

// tiles*.cpp: tile kinds, covers, hover frames and rocks, with "data/tiles.dat" and "data/tilesHide.dat".
void genTiles(const Context& c);
void genTreasures(const Context& c);  // tiles_treasure*.cpp: treasures and "data/tresures.dat"
void genNumbers(const Context& c);    // numbers.cpp: the clue digits
void genParticles(const Context& c);  // particles*.cpp: particle pictures, "data/particles.dat", wood chips
void genLightning(const Context& c);  // lightning.cpp: the lightning's caps and body
void genCaptions(const Context& c);   // captions.cpp: score digits, plus sign, praise lettering

// maingame_hud*.cpp: the main game's panel, tool icons, hourglass, bag, slot frames, hint shells, buttons.
void genMainGameHud(const Context& c);
// maingame_chest*.cpp: the treasure chest strips, its cover and the 19 pieces it bursts into.
void genMainGameChest(const Context& c);
// maingame_grid*.cpp: grid lines, drag shades, grid back, number-panel gradients and frame pieces.
void genMainGameGrid(const Context& c);
// backgrounds*.cpp: the level backgrounds gfx/backgrounds/background-<n>.jpg.
void genBackgrounds(const Context& c);

// title*.cpp: the title screen's picture, clouds, beams and name plate; title_logo.cpp: its logo.
void genTitleScreen(const Context& c);
void genTitleLogo(const Context& c);
// rules*.cpp: the rules screen's parchment and its two explanation pictures.
void genRulesScreen(const Context& c);
// credits_back.cpp: the credits' night sky.
void genCreditsBack(const Context& c);
// story_panel.cpp: the ornate frame around the story screens' slides.
void genStoryPanel(const Context& c);
void genStorySlides(const Context& c);  // story_slides*.cpp: the slide-show cutscenes' pictures in gfx/story/
void genMapArt(const Context& c);       // map*.cpp: the journey map, its markers and panel, the stage sheet
void genStoryScenes(const Context& c);  // story_scenes*.cpp: the cutscenes' pictures between the levels

// panels_*.cpp: the pop-up frame, the papyrus scroll, the options screen's sliders, the profile panels.
void genPopUpFrame(const Context& c);
void genPapyrus(const Context& c);
void genOptionsArt(const Context& c);
void genProfilePanels(const Context& c);
// panels_winlose.cpp, sword_art.cpp: the won and lost levels' panels, the tip balloon and the flying sword.
void genWinLoseArt(const Context& c);
void genAwardArt(const Context& c);   // awards_*.cpp: the medals, award screen, award panels and best scores
void genRouteArt(const Context& c);   // route_*.cpp: the route mini-game and the mini-games' panel and gauge
void genJigsawArt(const Context& c);  // jigsaw_*.cpp: the jigsaw's board, pictures, pieces and level files
void genPuzzleExpressArt(const Context& c);    // pe_*.cpp: the chest puzzle's chest, lid, tiles and objects
void genHiddenObjectScenes(const Context& c);  // ho_scene*.cpp: the hidden-object scenes, pieces and levels
void genHiddenObjectItems(const Context& c);   // ho_items*.cpp: hidden objects, bottom panel, tick, weather
void genDialogArt(const Context& c);  // dialog_*.cpp: the dialog panel, the portrait ring and the portraits
void genStoryOutro(
    const Context& c);  // story_outro*.cpp: the last cutscene's slides, Cairo scene and figures
void genStoryStart(const Context& c);  // story_start*.cpp: the opening story's backdrops and pieces

void genTutorialArt(const Context& c);  // tutorial_art.cpp: the tutorial's pointing arrows

void genLevels(const Context& c);  // levels*.cpp: content/levels → data/levels/, checked by the solver

void genSounds(const Context& c);  // sound_*.cpp: content/sound → sfx/*.wav and music/*.ogg

}  // namespace gen
