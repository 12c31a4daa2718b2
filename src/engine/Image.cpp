// Images: loading with flags and masks, animation strips, handles; pixels stay on the CPU.
#include <algorithm>
#include <cstring>

#include "engine/Internal.h"

namespace eng {

namespace {

int maskR = 0, maskG = 0, maskB = 0;

// Every hidden pixel takes the average colour of its visible neighbours, so that smooth sampling
// shows no dark fringe along the edge of what is drawn.
void colourHiddenFromNeighbours(PixmapData& pm, const std::vector<uint8_t>& hidden) {
    const int w = pm.width, h = pm.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!hidden[static_cast<size_t>(y) * w + x]) continue;
            int sum[3] = {0, 0, 0}, n = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                    const size_t j = static_cast<size_t>(ny) * w + nx;
                    if (hidden[j]) continue;
                    for (int k = 0; k < 3; ++k) sum[k] += pm.rgba[j * 4 + k];
                    ++n;
                }
            if (n) {
                uint8_t* p = &pm.rgba[(static_cast<size_t>(y) * w + x) * 4];
                for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(sum[k] / n);
            }
        }
}

// Pixels equal to the mask colour become transparent, all others opaque.
void applyMask(PixmapData& pm) {
    std::vector<uint8_t> hidden(static_cast<size_t>(pm.width) * pm.height, 0);
    for (size_t i = 0; i < hidden.size(); ++i) {
        uint8_t* p = &pm.rgba[i * 4];
        hidden[i] = (p[0] == maskR && p[1] == maskG && p[2] == maskB) ? 1 : 0;
        p[3] = hidden[i] ? 0 : 255;
    }
    colourHiddenFromNeighbours(pm, hidden);
}

// Fully transparent pixels of a picture with an alpha channel take their neighbours' colour.
void bleedTransparent(PixmapData& pm) {
    std::vector<uint8_t> hidden(static_cast<size_t>(pm.width) * pm.height, 0);
    for (size_t i = 0; i < hidden.size(); ++i) hidden[i] = pm.rgba[i * 4 + 3] == 0 ? 1 : 0;
    colourHiddenFromNeighbours(pm, hidden);
}

Image makeImage(const Pixmap& source, int cellW, int cellH, int first, int count, int flags) {
    if (!source || source->width <= 0 || source->height <= 0) return nullptr;
    if (flags == -1) flags = MASKEDIMAGE | FILTEREDIMAGE;
    if (cellW <= 0 || cellH <= 0) return nullptr;
    if (count < 1) count = 1;
    PixmapData pm = *source;
    if ((flags & MASKEDIMAGE) && !pm.hasAlpha) applyMask(pm);
    if (pm.hasAlpha && (flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE))) bleedTransparent(pm);

    auto img = std::make_shared<ImageData>();
    img->width = cellW;
    img->height = cellH;
    img->flags = flags;
    img->hasAlpha = pm.hasAlpha || (flags & MASKEDIMAGE);
    const int across = std::max(1, pm.width / cellW);
    for (int f = 0; f < count; ++f) {
        const int cell = first + f;
        const int cx = (cell % across) * cellW, cy = (cell / across) * cellH;
        std::vector<uint8_t> frame(static_cast<size_t>(cellW) * cellH * 4, 0);
        for (int y = 0; y < cellH; ++y) {
            const int sy = cy + y;
            if (sy >= pm.height) break;
            const int n = std::min(cellW, pm.width - cx);
            if (n <= 0) break;
            std::memcpy(&frame[static_cast<size_t>(y) * cellW * 4],
                        &pm.rgba[(static_cast<size_t>(sy) * pm.width + cx) * 4], static_cast<size_t>(n) * 4);
        }
        img->frames.push_back(std::move(frame));
    }
    img->regions.resize(img->frames.size());
    return img;
}

}  // namespace

Image LoadImage(const std::string& path, int flags) {
    Pixmap pm = LoadPixmap(path);
    if (!pm) return nullptr;
    return makeImage(pm, pm->width, pm->height, 0, 1, flags);
}

Image LoadImage(const Pixmap& pixmap, int flags) {
    if (!pixmap) return nullptr;
    return makeImage(pixmap, pixmap->width, pixmap->height, 0, 1, flags);
}

Image LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count, int flags) {
    return makeImage(LoadPixmap(path), cellWidth, cellHeight, first, count, flags);
}

Image LoadAnimImage(const Pixmap& pixmap, int cellWidth, int cellHeight, int first, int count, int flags) {
    return makeImage(pixmap, cellWidth, cellHeight, first, count, flags);
}

int ImageWidth(const Image& image) {
    return image ? image->width : 0;
}
int ImageHeight(const Image& image) {
    return image ? image->height : 0;
}
int ImageFrames(const Image& image) {
    return image ? static_cast<int>(image->frames.size()) : 0;
}
int ImageFlags(const Image& image) {
    return image ? image->flags : 0;
}

void SetImageHandle(const Image& image, float x, float y) {
    if (!image) return;
    image->hx = x;
    image->hy = y;
}

void GetImageHandle(const Image& image, float& x, float& y) {
    x = image ? image->hx : 0;
    y = image ? image->hy : 0;
}

void MidHandleImage(const Image& image) {
    if (!image) return;
    image->hx = image->width * 0.5f;
    image->hy = image->height * 0.5f;
}

void SetMaskColor(int r, int g, int b) {
    maskR = r;
    maskG = g;
    maskB = b;
}

Pixmap ImagePixmap(const Image& image, int frame) {
    if (!image || image->frames.empty()) return nullptr;
    frame = std::clamp(frame, 0, static_cast<int>(image->frames.size()) - 1);
    auto pm = std::make_shared<PixmapData>();
    pm->width = image->width;
    pm->height = image->height;
    pm->rgba = image->frames[frame];
    return pm;
}

}  // namespace eng
