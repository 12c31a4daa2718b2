// The hidden-object levels: where each object lies in its scene, and the level files written from that.
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "ho_scene_art.h"

namespace gen::ho {

namespace {

struct Item {
    const char* name;
    int x, y;  // the object's centre in the scene
};

struct Placement {
    int title;       // the line of the text file with the level's name
    Item items[10];  // in the panel's slots 0..9; the one at index 7 is the object with id 8
    Item coins[3];   // the three coins share slot 10
};

// Every object's place, chosen where such a thing would lie in the painting.
constexpr Placement kPlacements[3] = {
    {10,
     {{"scarab", 523, 240},
      {"ankh", 300, 222},
      {"key", 701, 236},
      {"dagger", 884, 530},
      {"vase", 400, 510},
      {"feather", 190, 470},
      {"sandal", 540, 556},
      {"scroll", 258, 372},
      {"mirror", 800, 306},
      {"comb", 690, 418}},
     {{"coin", 476, 432}, {"coin", 760, 574}, {"coin", 372, 240}}},
    {11,
     {{"lamp", 520, 492},
      {"goblet", 440, 522},
      {"ring", 346, 514},
      {"slipper", 700, 530},
      {"pomegranate", 236, 344},
      {"dagger", 800, 456},
      {"key", 700, 426},
      {"scroll", 316, 364},
      {"bracelet", 892, 540},
      {"bell", 340, 434}},
     {{"coin", 512, 612}, {"coin", 640, 478}, {"coin", 128, 506}}},
    {12,
     {{"bell", 430, 404},
      {"candle", 800, 386},
      {"prayerwheel", 110, 570},
      {"teapot", 690, 424},
      {"mirror", 498, 300},
      {"ring", 560, 600},
      {"key", 880, 522},
      {"scroll", 200, 406},
      {"goblet", 330, 414},
      {"vase", 460, 566}},
     {{"coin", 260, 536}, {"coin", 930, 408}, {"coin", 290, 330}}},
};

constexpr int kSlotY = 712;
int slotX(int slot) {
    return 512 + (slot - 5) * 84;
}

// The play area the objects must lie in and the room each needs to be told apart from its neighbours.
constexpr int kMinX = 60, kMaxX = 960, kMinY = 90, kMaxY = 630, kMinGap = 70;

void check(const Placement& p) {
    std::vector<Item> all(std::begin(p.items), std::end(p.items));
    all.insert(all.end(), std::begin(p.coins), std::end(p.coins));
    for (size_t i = 0; i < all.size(); ++i) {
        const Item& a = all[i];
        if (a.x < kMinX || a.x > kMaxX || a.y < kMinY || a.y > kMaxY)
            throw std::runtime_error(std::string("hidden object outside the play area: ") + a.name);
        for (size_t j = i + 1; j < all.size(); ++j)
            if (std::hypot(static_cast<float>(a.x - all[j].x), static_cast<float>(a.y - all[j].y)) < kMinGap)
                throw std::runtime_error(std::string("hidden objects too close: ") + a.name + " and " +
                                         all[j].name);
    }
}

void object(std::ostringstream& o, int id, const Item& it, int slot) {
    const std::string dir = "gfx/miniGames/hiddenObjects/";
    o << "\t\tob" << id << " {\n"
      << "\t\t\tid = " << id << "\n"
      << "\t\t\timgUkryty = \"" << dir << "items/" << it.name << ".png\"\n"
      << "\t\t\timgDoZebrania = \"" << dir << "panel/" << it.name << ".png\"\n"
      << "\t\t\timgZebrany = \"" << dir << "items/" << it.name << ".png\"\n"
      << "\t\t\tstate = \"\"\n"
      << "\t\t\taddPoint = 22, 18\n"
      << "\t\t\tukrytyDim = " << it.x << ", " << it.y << "\n"
      << "\t\t\tdoZebraniaDim = " << slotX(slot) << ", " << kSlotY << "\n"
      << "\t\t\tmoveAhalf = 0\n"
      << "\t\t\tstartRot = 0\n"
      << "\t\t\tstartScale = 1\n"
      << "\t\t}\n";
}

int num(float v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

std::string levelFile(int index, const Scene& s) {
    const Placement& p = kPlacements[index];
    check(p);
    const std::string k = std::to_string(index + 1);
    const std::string dir = "gfx/miniGames/hiddenObjects/scene" + k + "/";
    std::ostringstream o;
    o << "level {\n"
      << "\tbackground = \"gfx/miniGames/hiddenObjects/scene" << k << ".jpg\"\n"
      << "\tdrugiPlan = \"\"\n\ttime = 0\n\tgui = \"\"\n"
      << "\ttitle = " << p.title << "\n"
      << "\tbanki = 0\n\tcounter = 0\n"
      << "\tobjects {\n\t\ti = 13\n";
    for (int i = 0; i < 10; ++i) object(o, i + 1, p.items[i], i);
    for (int i = 0; i < 3; ++i) object(o, 11 + i, p.coins[i], 10);
    o << "\t}\n";

    o << "\tlights {\n\t\ti = " << s.lamps.size() << "\n";
    for (size_t i = 0; i < s.lamps.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const int half = s.glowSize / 2;  // the glow's picture is centred on the flame
        o << "\t\tlight" << n << " {\n\t\t\timg = \"" << dir << "light" << n << ".png\"\n"
          << "\t\t\tposition = " << num(s.lamps[i].x) - half << ", " << num(s.lamps[i].y) - half
          << "\n\t\t}\n";
    }
    o << "\t}\n";

    if (!s.leaves.empty()) {
        o << "\tleaves {\n\t\ti = " << s.leaves.size() << "\n";
        for (size_t i = 0; i < s.leaves.size(); ++i) {
            const LeafSpawner& l = s.leaves[i];
            o << "\t\tleaf" << i + 1 << " = " << l.x << ", " << l.y << ", " << l.w << ", " << l.h << ", "
              << l.intervalMs << "\n";
        }
        o << "\t}\n";
    }

    o << "\tgroup {\n\t\ti = 3\n\t\tobj1 = 11\n\t\tobj2 = 12\n\t\tobj3 = 13\n"
      << "\t\ttextXY = " << slotX(10) << ", 742\n\t}\n";

    o << "\tmaska {\n\t\ti = " << s.masks.size() << "\n";
    for (size_t i = 0; i < s.masks.size(); ++i) {
        const std::string n = "maska" + std::to_string(i + 1);
        o << "\t\t" << n << " = \"" << dir << "mask" << i + 1 << ".png\"\n"
          << "\t\t" << n << "dim = " << s.masks[i].x << ", " << s.masks[i].y << "\n"
          << "\t\t" << n << "spec = 0\n";
    }
    o << "\t}\n";

    const char* kind = s.birds ? "bird" : "fish";
    o << "\tobiektyTla {\n\t\ti = " << s.movers.size() << "\n";
    for (size_t i = 0; i < s.movers.size(); ++i) {
        const Canvas& m = s.movers[i];
        o << "\t\tobj" << i + 1 << " {\n\t\t\timg = \"" << dir << kind << i + 1
          << ".png\"\n"
          // Birds cross the sky the way fish cross the pool: the one kind of scenery that moves.
          << "\t\t\ttyp = \"FISH\"\n"
          << "\t\t\tdims = " << num(s.band.x0) << ", " << num(s.band.y0) << ", " << num(s.band.x1) << ", "
          << num(s.band.y1) << "\n"
          << "\t\t\thandle = " << m.width() / 2 << ", " << m.height() / 2 << "\n\t\t}\n";
    }
    o << "\t}\n}\n";
    return o.str();
}

}  // namespace gen::ho
