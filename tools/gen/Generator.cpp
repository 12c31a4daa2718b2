// The list of content generators; each area of the game adds its own entry here.
#include "Generator.h"

#include "Entries.h"

namespace gen {

std::string Context::out(const std::string& relative) const {
    const std::filesystem::path p = gameDir / relative;
    std::filesystem::create_directories(p.parent_path());
    return p.string();
}

const std::vector<Generator>& generators() {
    static const std::vector<Generator> list = {
        {"texts", genTexts},
        {"data", genData},
        {"gui-files", genGuiFiles},
        {"fonts", genFonts},
        {"point", genPoint},
        {"loading-back", genLoadingBack},
        {"loading-logo", genLoadingLogo},
        {"loading-parts", genLoadingParts},
        {"icon", genIcon},
        {"cursors", genCursors},
        {"buttons", genButtons},
        {"theme", genTheme},
        {"tiles", genTiles},
        {"treasures", genTreasures},
        {"numbers", genNumbers},
        {"particles", genParticles},
        {"lightning", genLightning},
        {"captions", genCaptions},
        {"maingame-hud", genMainGameHud},
        {"maingame-chest", genMainGameChest},
        {"maingame-grid", genMainGameGrid},
        {"backgrounds", genBackgrounds},
        {"title-screen", genTitleScreen},
        {"title-logo", genTitleLogo},
        {"rules-screen", genRulesScreen},
        {"credits-back", genCreditsBack},
        {"story-panel", genStoryPanel},
        {"story-slides", genStorySlides},
        {"map-art", genMapArt},
        {"story-scenes", genStoryScenes},
        {"popup-frame", genPopUpFrame},
        {"papyrus", genPapyrus},
        {"options-art", genOptionsArt},
        {"profile-panels", genProfilePanels},
        {"win-lose-art", genWinLoseArt},
        {"award-art", genAwardArt},
        {"route-art", genRouteArt},
        {"jigsaw-art", genJigsawArt},
        {"pe-art", genPuzzleExpressArt},
        {"ho-scenes", genHiddenObjectScenes},
        {"ho-items", genHiddenObjectItems},
        {"dialog-art", genDialogArt},
        {"story-outro", genStoryOutro},
        {"story-start", genStoryStart},
        {"tutorial-art", genTutorialArt},
        {"levels", genLevels},
        {"sounds", genSounds},
    };
    return list;
}

}  // namespace gen
