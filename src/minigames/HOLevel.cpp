// Reading and writing a hidden-object scene.
#include "minigames/HOLevel.h"

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "effects/Pogoda.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "minigames/LevelFileCheck.h"

using namespace eng;

bool THOGroup::isObject(int id) const {
    for (const THObject* o : objects)
        if (o->id == id) return true;
    return false;
}

int THOGroup::getFound() const {
    int n = 0;
    for (const THObject* o : objects) n += o->done();
    return n;
}

THObject* THOLevel::getObjectById(int id) const {
    for (const auto& o : objects)
        if (o->id == id) return o.get();
    return nullptr;
}

int THOLevel::CountZebrane() const {
    int n = 0;
    for (const auto& o : objects) n += o->state == "DONE";
    return n;
}

bool THOLevel::completed() const {
    return CountZebrane() == static_cast<int>(objects.size());
}

namespace {

std::shared_ptr<THOLevel> refused(const std::string& path, const std::string& why) {
    refuseLevel(path, "a hidden-object scene", why);
    return nullptr;
}

// How many lights, family members, masks and pieces of swimming scenery the file lists.
struct TSceneryLengths {
    int lights = 0, group = 0, masks = 0, scenery = 0;
};

Image picture(const std::string& path) {
    return path.empty() ? nullptr : loadImageOrWarn(programPrefix + path);
}

void centre(const Image& img) {
    if (img)
        SetImageHandle(img, static_cast<float>(ImageWidth(img) / 2),
                       static_cast<float>(ImageHeight(img) / 2));
}

void readDim(const TRCMFile& f, const std::string& key, TDim& d) {
    d.x = f.getFloat(key, 0);
    d.y = f.getFloat(key, 1);
    d.update();
}

// A missing position (x = 0) is put somewhere in the scene.
void placeIfMissing(TDim& d) {
    if (d.x != 0) return;
    d.x = static_cast<float>(Rand(50, 950));
    d.y = static_cast<float>(Rand(50, 700));
    d.update();
}

void readObjects(const TRCMFile& f, const std::string& path, int n, THOLevel& level) {
    int dropped = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string k = "level::objects::ob" + std::to_string(i) + "::";
        auto o = std::make_unique<THObject>();
        o->id = readInt(f, k + "id");
        o->imgUkrytyUrl = f.getString(k + "imgUkryty");
        o->imgDoZebraniaUrl = f.getString(k + "imgDoZebrania");
        o->imgSepiaUrl = sepiaPath(o->imgDoZebraniaUrl);
        o->imgZebranyUrl = o->imgZebranySpecUrl = f.getString(k + "imgZebrany");
        o->state = f.getString(k + "state");
        o->punktX = f.getFloat(k + "addPoint", 0);
        o->punktY = f.getFloat(k + "addPoint", 1);
        o->imgUkryty = picture(o->imgUkrytyUrl);
        if (!o->imgUkryty) {
            ++dropped;  // nobody could find it: the scene stays winnable without it
            continue;
        }
        o->imgDoZebrania = picture(o->imgDoZebraniaUrl);
        o->imgZebrany = picture(o->imgZebranyUrl);
        o->imgSepia = picture(o->imgSepiaUrl);
        o->imgZebranySpec = picture(o->imgZebranySpecUrl);
        if (o->imgZebranySpec) MidHandleImage(o->imgZebranySpec);
        centre(o->imgUkryty);
        if (level.counter == 0) {
            centre(o->imgSepia);
            centre(o->imgDoZebrania);
            centre(o->imgZebrany);
        }
        readDim(f, k + "ukrytyDim", o->ukrytyDim);
        readDim(f, k + "doZebraniaDim", o->doZebraniaDim);
        // An object without a place gets one, and its collected picture starts from there too, so the
        // scene saved in progress reads back with the object where it was.
        placeIfMissing(o->ukrytyDim);
        placeIfMissing(o->doZebraniaDim);
        o->zebranyDim = o->ZebranykopiaDim = o->ukrytyDim;
        o->moveAHalf = readInt(f, k + "moveAhalf");
        if (o->moveAHalf) {
            o->ukrytyDim.x += ImageWidth(o->imgUkryty) / 2;
            o->ukrytyDim.y += ImageHeight(o->imgUkryty) / 2;
            const Image& z = o->imgZebrany ? o->imgZebrany : o->imgUkryty;
            for (TDim* d : {&o->zebranyDim, &o->ZebranykopiaDim}) {
                d->x += ImageWidth(z) / 2;
                d->y += ImageHeight(z) / 2;
            }
        }
        o->startRot = f.getFloat(k + "startRot");
        o->startScale = f.getFloat(k + "startScale");
        if (o->startScale == 0) o->startScale = 1;
        o->interpretujState();
        level.objects.push_back(std::move(o));
    }
    if (dropped)
        Warn(path + ": " + std::to_string(dropped) + " objects without a scene picture are left out");
}

// The scene's lights, family, masks and swimming scenery, whose lengths are `n`.
void readScenery(const TRCMFile& f, const TSceneryLengths& n, THOLevel& level) {
    for (int i = 1; i <= n.lights; ++i) {
        const std::string k = "level::lights::light" + std::to_string(i) + "::";
        TLevelLight l;
        l.url = f.getString(k + "img");
        l.img = picture(l.url);
        l.x = readInt(f, k + "position", 0);
        l.y = readInt(f, k + "position", 1);
        l.a = l.da = static_cast<float>(Rand(0, 1));
        level.lights.push_back(l);
    }
    for (int i = 1; i <= n.group; ++i)
        if (THObject* o = level.getObjectById(readInt(f, "level::group::obj" + std::to_string(i))))
            level.group.objects.push_back(o);
    level.group.x = readInt(f, "level::group::textXY", 0);
    level.group.y = readInt(f, "level::group::textXY", 1);
    for (int i = 1; i <= n.masks; ++i) {
        const std::string k = "level::maska::maska" + std::to_string(i);
        TMaskImg m;
        m.url = f.getString(k);
        m.img = picture(m.url);
        m.x = static_cast<float>(readInt(f, k + "dim", 0));
        m.y = static_cast<float>(readInt(f, k + "dim", 1));
        m.spec = readInt(f, k + "spec");
        level.masks.push_back(m);
    }
    for (int i = 1; i <= n.scenery; ++i) {
        const std::string k = "level::obiektyTla::obj" + std::to_string(i) + "::";
        auto e = std::make_shared<TBackElement>();
        e->url = f.getString(k + "img");
        e->typ = f.getString(k + "typ");
        e->x1 = f.getFloat(k + "dims", 0);
        e->y1 = f.getFloat(k + "dims", 1);
        e->x2 = f.getFloat(k + "dims", 2);
        e->y2 = f.getFloat(k + "dims", 3);
        e->hx = f.getFloat(k + "handle", 0);
        e->hy = f.getFloat(k + "handle", 1);
        e->img = picture(e->url);
        if (e->img) SetImageHandle(e->img, e->hx, e->hy);
        e->reset();
        level.obiektyTla.push_back(e);
    }
}

}  // namespace

std::shared_ptr<THOLevel> loadHOLevel(const std::string& path) {
    TRCMFile f;
    if (!f.Load(path)) return refused(path, "it cannot be read");
    if (!hasKey(f, "level::objects")) return refused(path, "it has no level::objects, so it is not one");
    const int objects = cappedList(f, "level::objects::i", "level::objects::ob", THOLevel::kMaxObjects);
    TSceneryLengths n;
    n.lights = cappedList(f, "level::lights::i", "level::lights::light", THOLevel::kMaxScenery);
    n.group = cappedList(f, "level::group::i", "level::group::obj", THOLevel::kMaxObjects);
    n.masks = cappedList(f, "level::maska::i", "level::maska::maska", THOLevel::kMaxScenery);
    n.scenery = cappedList(f, "level::obiektyTla::i", "level::obiektyTla::obj", THOLevel::kMaxScenery);
    if (objects < 0 || n.group < 0)
        return refused(path, "it lists more than " + std::to_string(THOLevel::kMaxObjects) + " objects");
    if (n.lights < 0 || n.masks < 0 || n.scenery < 0)
        return refused(path, "it lists more than " + std::to_string(THOLevel::kMaxScenery) +
                                 " lights, masks or pieces of scenery");
    auto level = std::make_shared<THOLevel>();
    level->url = path;
    level->leaves = readLeafSpawners(f, "level::leaves");
    level->counter = readInt(f, "level::counter");
    readObjects(f, path, objects, *level);
    if (level->objects.empty()) return refused(path, "it has no object to find");
    level->backGroundUrl = f.getString("level::background");
    level->drugiPlanUrl = f.getString("level::drugiPlan");
    level->background = picture(level->backGroundUrl);
    level->drugiPlan = picture(level->drugiPlanUrl);
    level->time = std::max(0, readInt(f, "level::time"));
    level->guiUrl = f.getString("level::gui");
    level->titleN = readInt(f, "level::title");
    level->title = getLine(loadTxtFile(programPrefix + "txt/#LANG#/miniLevelsNames.txt"), level->titleN);
    level->banki = readInt(f, "level::banki");
    readScenery(f, n, *level);
    return level;
}
