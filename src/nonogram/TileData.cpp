// Tile kinds, covers and treasures read from the tile data files, and the per-size cell pictures.
#include "nonogram/TileData.h"

#include <algorithm>

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

using namespace eng;

const float tileSizes[TILE_SIZES] = {50, 36, 30, 24, 20};
const char* const tileSizeNames[TILE_SIZES] = {"50", "36", "30", "24", "20"};

std::vector<std::shared_ptr<TTileData>> tileDataList;
std::vector<std::shared_ptr<TTileHideGFX>> tileHideList;
std::vector<std::shared_ptr<TTresureData>> tresureDataList;

std::array<Image, TILE_SIZES> overImg;
std::array<Image, TILE_SIZES> rockAnimImg;
std::array<Image, TILE_SIZES> rockImg;

namespace {

// A picture, or a strip of `frames` equal cells side by side; mid-handled.
Image loadStrip(const std::string& path, int frames) {
    frames = std::max(frames, 1);
    Image img;
    if (frames == 1) {
        img = loadImageOrWarn(programPrefix + path);
    } else {
        Pixmap pix = LoadPixmap(programPrefix + path);
        if (pix)
            img = LoadAnimImage(pix, std::max(pix->width / frames, 1), pix->height, 0, frames);
        else
            Notify("Couldn't load image file: " + programPrefix + path, false);
    }
    if (img) MidHandleImage(img);
    return img;
}

std::shared_ptr<TRCMFile> openData(const std::string& name) {
    auto file = std::make_shared<TRCMFile>();
    if (!file->Load(programPrefix + name)) {
        Notify("Couldn't read " + name + ": the game has no cells to show.", false);
        return nullptr;
    }
    return file;
}

}  // namespace

void drawClampedFrame(const Image& image, float x, float y, float frame) {
    if (!image) return;
    const int last = std::max(ImageFrames(image) - 1, 0);
    // Clamped before it becomes an int: a frame count from a damaged file can be far beyond an int.
    const int f = frame >= 1 ? static_cast<int>(std::min(frame, static_cast<float>(last))) : 0;
    DrawImage(image, x, y, f);
}

void TTileData::draw(float x, float y, int size, float frame) const {
    drawClampedFrame(gfx[std::clamp(size, 0, TILE_SIZES - 1)], x, y, frame);
}

void TTileData::drawBroke(float x, float y, int size, float frame) const {
    drawClampedFrame(broke[std::clamp(size, 0, TILE_SIZES - 1)], x, y, id != 0 ? 0.0f : frame);
}

void TTresureData::draw(float x, float y, int size, float f) const {
    float sx, sy;
    GetScale(sx, sy);
    SetScale(f / 8.0f, f / 8.0f);
    drawClampedFrame(img[std::clamp(size, 0, TILE_SIZES - 1)], x, y, 0);
    SetScale(sx, sy);
}

void loadTileData() {
    tileDataList.clear();
    auto file = openData("data/tiles.dat");
    if (!file) return;
    // "i" names the last kind number: tile0 (the empty cell) to tile<i>.
    const int n = countItems(*file, "tiles::tile", 0, readInt(*file, "tiles::i") + 1);
    for (int i = 0; i < n; ++i) {
        const std::string key = "tiles::tile" + std::to_string(i) + "::";
        auto d = std::make_shared<TTileData>();
        d->id = readInt(*file, key + "id");
        d->frames = std::max(readInt(*file, key + "frames"), 1);
        d->brokeFrames = readInt(*file, key + "framesBroken");
        for (int j = 0; j < TILE_SIZES; ++j) {
            d->gfx[j] = loadStrip(file->getString(key + "img" + std::to_string(j)), d->frames);
            d->broke[j] = loadStrip(file->getString(key + "imgB" + std::to_string(j)), d->frames);
        }
        tileDataList.push_back(d);
    }
}

void loadTileHide() {
    tileHideList.clear();
    auto file = openData("data/tilesHide.dat");
    if (!file) return;
    const int n = countItems(*file, "tilesHide::th", 1, readInt(*file, "tilesHide::i"));
    for (int i = 1; i <= n; ++i) {
        const std::string th = "th" + std::to_string(i) + "::";
        auto h = std::make_shared<TTileHideGFX>();
        h->id = readInt(*file, "tilesHide::" + th + "id");
        const int frames = std::max(readInt(*file, "tileshide::" + th + "Frames"), 1);
        for (int j = 0; j < TILE_SIZES; ++j)
            h->hideImg[j] =
                loadStrip(file->getString("tileshide::" + th + "Img" + std::to_string(j)), frames);
        h->hideFrames = std::max(file->getFloat("tilesHide::" + th + "Frames"), 1.0f);
        tileHideList.push_back(h);
    }
}

void loadTresures() {
    tresureDataList.clear();
    auto file = openData("data/tresures.dat");
    if (!file) return;
    const int n = countItems(*file, "tresures::t", 1, readInt(*file, "tresures::i"));
    for (int i = 1; i <= n; ++i) {
        const std::string key = "tresures::t" + std::to_string(i) + "::";
        auto t = std::make_shared<TTresureData>();
        t->id = readInt(*file, key + "id");
        t->frames = std::max(readInt(*file, key + "frames"), 1);
        for (int j = 0; j < TILE_SIZES; ++j) {
            t->normalImg[j] = loadStrip(file->getString(key + "normal" + std::to_string(j)), 1);
            t->img[j] = loadStrip(file->getString(key + "img" + std::to_string(j)), 1);
        }
        tresureDataList.push_back(t);
    }
}

void loadTileImages() {
    for (int s = 0; s < TILE_SIZES; ++s) {
        const std::string n = tileSizeNames[s];
        overImg[s] = loadImageOrWarn(programPrefix + "gfx/tiles/" + "over-size-" + n + ".png");
        if (overImg[s]) MidHandleImage(overImg[s]);
        rockAnimImg[s] = loadStrip("gfx/tresures/" + ("rock-size-" + n) + ".png", 8);
        rockImg[s] = loadStrip("gfx/efekty/" + ("rock-" + n) + ".png", 1);
    }
}

template <class T>
static std::shared_ptr<T> findById(const std::vector<std::shared_ptr<T>>& list, int id) {
    for (const auto& e : list)
        if (e->id == id) return e;
    return nullptr;
}

std::shared_ptr<TTileData> getTileDataById(int id) {
    return findById(tileDataList, id);
}
std::shared_ptr<TTileHideGFX> getTileHideById(int id) {
    return findById(tileHideList, id);
}
std::shared_ptr<TTresureData> getTresureDataById(int id) {
    return findById(tresureDataList, id);
}

std::shared_ptr<TTileHideGFX> defaultTileHide() {
    static std::shared_ptr<TTileHideGFX> fallback;
    static const TTileHideGFX* madeFrom = nullptr;
    const TTileHideGFX* first = tileHideList.empty() ? nullptr : tileHideList.front().get();
    if (!fallback || madeFrom != first) {
        fallback = std::make_shared<TTileHideGFX>();
        fallback->hideFrames = 1;
        if (first) fallback->hideImg = first->hideImg;  // drawn at frame 0 only
        madeFrom = first;
    }
    return fallback;
}
