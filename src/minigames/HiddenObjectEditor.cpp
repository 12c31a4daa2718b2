// The layout editor of a hidden-object scene (cheat key E): objects are not played; the scene picture
// under the mouse is dragged with the left button or nudged with the arrow keys, C and V turn, A and Q
// scale, and S saves the scene into the per-user folder as "level-8.hol".
#include "core/Globals.h"
#include "gui/Mouse.h"
#include "minigames/HiddenObject.h"

using namespace eng;

namespace {
constexpr int KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40;
}  // namespace

void THiddenObject::_updateEditor() {
    if (!mouse) return;
    const float mx = static_cast<float>(mouse->x), my = static_cast<float>(mouse->y);
    if (!mouse->leftHolded) {
        editSelected = nullptr;
        for (auto& o : level->objects)
            if (o->hidden() && o->update(mx, my, particles)) editSelected = o.get();
    } else if (editSelected) {
        editSelected->ukrytyDim.x = mx;
        editSelected->ukrytyDim.y = my;
    }
    if (THObject* o = editSelected) {
        o->ukrytyDim.x += static_cast<float>(KeyHit(KEY_RIGHT) - KeyHit(KEY_LEFT));
        o->ukrytyDim.y += static_cast<float>(KeyHit(KEY_DOWN) - KeyHit(KEY_UP));
        o->startRot += static_cast<float>(KeyDown('V') - KeyDown('C'));
        o->startScale += 0.005f * static_cast<float>(KeyDown('Q') - KeyDown('A'));
        o->ukrytyDim.update();
        o->ZebranykopiaDim = o->ukrytyDim;
    }
    if (KeyHit('S')) {
        // The program folder may not be writable: the layout goes where the player's files go.
        const std::string path = userFolder + "/level-8.hol";
        if (saveHOLevel(*level, path))
            Warn("the scene's layout is saved in " + path);
        else
            Warn("cannot write " + path);
    }
}
