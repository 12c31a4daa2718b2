// The journey map screen's pictures in gfx/gui/mapa/ and the stage sheet's in gfx/gui/stageScreen/.
#include <string>
#include <utility>

#include "Entries.h"
#include "map_art.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;

void genMapArt(const Context& ctx) {
    const std::string dir = "gfx/gui/mapa/";
    writeJpeg(map::mapBack(), ctx.out(dir + "mapa.jpg"), 90);
    writePng(map::stageMarker(true), ctx.out(dir + "stage-1.png"));
    writePng(map::stageMarker(false), ctx.out(dir + "stage-0.png"));
    writePng(map::stageArrow(), ctx.out(dir + "arrow.png"));
    writePng(map::mapPanel(), ctx.out(dir + "panel.png"));
    const std::string sheet = "gfx/gui/stageScreen/";
    writePng(map::stageSheet(), ctx.out(sheet + "panel.png"));
    const std::pair<map::LevelKind, const char*> icons[] = {
        {map::LevelKind::Picture, "level_picros"}, {map::LevelKind::Express, "level_express"},
        {map::LevelKind::Hidden, "level_ho"},      {map::LevelKind::Inlay, "level_inLay"},
        {map::LevelKind::Route, "level_box"},      {map::LevelKind::Story, "level_story"}};
    for (const auto& [kind, name] : icons) writePng(map::levelIcon(kind), ctx.out(sheet + name + ".png"));
}

}  // namespace gen
