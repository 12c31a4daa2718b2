// Writing a hidden-object scene as it stands, read back by the same reader.
#include "files/DataFile.h"
#include "minigames/HOLevel.h"

using namespace eng;

namespace {

void writeDim(TRCMFile& f, const std::string& key, float x, float y) {
    f.setFloat(key, x, 0);
    f.setFloat(key, y, 1);
}

void writeObject(TRCMFile& f, const THObject& o, int i) {
    const std::string k = "level::objects::ob" + std::to_string(i) + "::";
    f.setFloat(k + "id", o.id);
    f.setString(k + "imgUkryty", o.imgUkrytyUrl);
    f.setString(k + "imgDoZebrania", o.imgDoZebraniaUrl);
    f.setString(k + "imgZebrany", o.imgZebranyUrl);
    f.setString(k + "imgZebranySpec", o.imgZebranySpecUrl);
    // One picked and still on its way is found.
    f.setString(k + "state", o.hidden() ? "" : "DONE");
    writeDim(f, k + "addPoint", o.punktX, o.punktY);
    // Positions go back as the file gave them: corners when the scene uses corners.
    float ux = o.ukrytyDim.x, uy = o.ukrytyDim.y, zx = o.ZebranykopiaDim.x, zy = o.ZebranykopiaDim.y;
    if (o.moveAHalf) {
        ux -= ImageWidth(o.imgUkryty) / 2;
        uy -= ImageHeight(o.imgUkryty) / 2;
        const Image& z = o.imgZebrany ? o.imgZebrany : o.imgUkryty;
        zx -= ImageWidth(z) / 2;
        zy -= ImageHeight(z) / 2;
    }
    writeDim(f, k + "ukrytyDim", ux, uy);
    writeDim(f, k + "zebranyDim", zx, zy);
    writeDim(f, k + "doZebraniaDim", o.doZebraniaDim.x, o.doZebraniaDim.y);
    f.setFloat(k + "moveAhalf", o.moveAHalf);
    f.setFloat(k + "startRot", o.startRot);
    f.setFloat(k + "startScale", o.startScale);
}

void writeScenery(TRCMFile& f, const THOLevel& level) {
    f.setFloat("level::lights::i", static_cast<double>(level.lights.size()));
    for (size_t i = 0; i < level.lights.size(); ++i) {
        const std::string k = "level::lights::light" + std::to_string(i + 1) + "::";
        f.setString(k + "img", level.lights[i].url);
        writeDim(f, k + "position", static_cast<float>(level.lights[i].x),
                 static_cast<float>(level.lights[i].y));
    }
    f.setFloat("level::leaves::i", static_cast<double>(level.leaves.size()));
    for (size_t i = 0; i < level.leaves.size(); ++i) {
        const TDim& d = level.leaves[i];
        const std::string k = "level::leaves::leaf" + std::to_string(i + 1);
        const float v[5] = {d.x, d.y, d.w, d.h, d.x1};
        for (int j = 0; j < 5; ++j) f.setFloat(k, v[j], j);
    }
    f.setFloat("level::group::i", static_cast<double>(level.group.objects.size()));
    for (size_t i = 0; i < level.group.objects.size(); ++i)
        f.setFloat("level::group::obj" + std::to_string(i + 1), level.group.objects[i]->id);
    writeDim(f, "level::group::textXY", static_cast<float>(level.group.x), static_cast<float>(level.group.y));
    f.setFloat("level::maska::i", static_cast<double>(level.masks.size()));
    for (size_t i = 0; i < level.masks.size(); ++i) {
        const std::string k = "level::maska::maska" + std::to_string(i + 1);
        f.setString(k, level.masks[i].url);
        writeDim(f, k + "dim", level.masks[i].x, level.masks[i].y);
        f.setFloat(k + "spec", level.masks[i].spec);
    }
    f.setFloat("level::obiektyTla::i", static_cast<double>(level.obiektyTla.size()));
    for (size_t i = 0; i < level.obiektyTla.size(); ++i) {
        const TBackElement& e = *level.obiektyTla[i];
        const std::string k = "level::obiektyTla::obj" + std::to_string(i + 1) + "::";
        f.setString(k + "img", e.url);
        f.setString(k + "typ", e.typ);
        const float v[4] = {e.x1, e.y1, e.x2, e.y2};
        for (int j = 0; j < 4; ++j) f.setFloat(k + "dims", v[j], j);
        writeDim(f, k + "handle", e.hx, e.hy);
    }
}

}  // namespace

bool saveHOLevel(const THOLevel& level, const std::string& path) {
    TRCMFile f;
    f.setString("level::background", level.backGroundUrl);
    f.setString("level::drugiPlan", level.drugiPlanUrl);
    f.setFloat("level::time", level.time);
    f.setString("level::gui", level.guiUrl);
    f.setFloat("level::title", level.titleN);
    f.setFloat("level::banki", level.banki);
    f.setFloat("level::counter", level.counter);
    f.setFloat("level::objects::i", static_cast<double>(level.objects.size()));
    int i = 1;
    for (const auto& o : level.objects) writeObject(f, *o, i++);
    writeScenery(f, level);
    return f.save(path);
}

bool THOLevel::saveProgress(const std::string& path) const {
    return saveHOLevel(*this, path);
}
