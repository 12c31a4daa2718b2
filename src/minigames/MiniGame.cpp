// The mini-games' shared pieces: pictures, the in-game menu, the title and the record of a won level.
#include "minigames/MiniGame.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Mouse.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "screen/Ekran.h"

using namespace eng;

Image miniPicture(const std::string& path, bool mid) {
    Image img = loadImageOrWarn(programPrefix + path);
    if (img && mid) MidHandleImage(img);
    return img;
}

std::string miniGameMenu(TEkran& screen) {
    if (!options) return "";
    const std::string answer = options->mainLoop(&screen);
    screen._prepareDelta();
    FlushMouse();
    if (mouse) mouse->clear();
    if (answer == "MAIN-MENU" || answer == "MAPA") return answer;
    if (answer == "RESTART") return "RESTART-LEVEL";
    return "";
}

void drawMiniTitle(const ImageFont& font, const std::string& title, float y) {
    if (title.empty()) return;
    SetImageFont(font);
    const float x = static_cast<float>(512 - static_cast<int>(TextWidth(title)) / 2);
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawText(title, x + 2, y + 2);
    SetAlpha(1);
    SetColor(247, 222, 113);
    DrawText(title, x, y);
    resetDrawState();
}

void recordMiniWin(const std::shared_ptr<TFlowLevel>& level, int seconds) {
    TProfile* p = activeProfile();
    if (!p) return;
    p->updateLevelData(p->numerLevelu, 1, 0, seconds, 0, 1);
    if (level && p->actLevel == level) p->levelFinished();
}
