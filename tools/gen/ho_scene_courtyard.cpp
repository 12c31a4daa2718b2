// Plain stand-ins for the courtyard and the temple until they are painted.
#include "ho_scene_art.h"

namespace gen::ho {

Scene persianCourtyard() {
    Scene s;
    s.image = Canvas(kW, kH, hex(0x808080));
    return s;
}

Scene tibetanTemple() {
    Scene s;
    s.image = Canvas(kW, kH, hex(0x808080));
    s.birds = true;
    return s;
}

}  // namespace gen::ho
