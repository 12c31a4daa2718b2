// Graphics-mode fall-backs, the centred logical screen with its border bars, and the frame clear.
#include "core/LogicalScreen.h"

#include <cmath>

#include "core/Globals.h"

using namespace eng;

namespace {
int currentMode = 3;
int logicalW = 1024, logicalH = 768;
int borderR = 0, borderG = 0, borderB = 0;
ScreenMapping mapping;

// Clears the whole real screen in the border colour, then clips drawing to the logical area.
void clearBorders() {
    int r, g, b;
    GetClsColor(r, g, b);
    SetViewport(0, 0, static_cast<int>(std::ceil(mapping.virtW)), static_cast<int>(std::ceil(mapping.virtH)));
    SetClsColor(borderR, borderG, borderB);
    Cls();
    SetClsColor(r, g, b);
    SetViewport(static_cast<int>(mapping.offX), static_cast<int>(mapping.offY), logicalW, logicalH);
}
}  // namespace

ScreenMapping computeMapping(int realW, int realH, int w, int h, int mode) {
    ScreenMapping m;
    if (mode == 0 || w <= 0 || h <= 0 || realW <= 0 || realH <= 0) {
        m.virtW = static_cast<float>(w);
        m.virtH = static_cast<float>(h);
        return m;
    }
    m.scale = std::min(static_cast<float>(realW) / w, static_cast<float>(realH) / h);
    if (mode & 4) m.scale = std::max(1.0f, std::floor(m.scale));
    m.offX = (realW / m.scale - w) * 0.5f;
    m.offY = (realH / m.scale - h) * 0.5f;
    if (mode & 4) {
        m.offX = std::floor(m.offX);
        m.offY = std::floor(m.offY);
    }
    m.virtW = realW / m.scale;
    m.virtH = realH / m.scale;
    return m;
}

bool openGraphicsWith(int width, int height, int fullScreen, int wideScreen, const ModeOpener& open,
                      int deskW, int deskH) {
    bool opened = false;
    if (fullScreen) {
        opened = wideScreen ? open(deskW, deskH, 32) : open(width, height, 32);
        if (!opened) opened = wideScreen ? open(deskW, deskH, 32) : open(800, 600, 32);
        if (opened) return true;
        // No full-screen mode at all: a window is better than no picture.
    }
    if (deskH > 768 && open(1024, 768, 0)) return true;
    if (deskH > 600) return open(819, 614, 0);
    return open(640, 480, 0);
}

bool openGraphics(int width, int height, int fullScreen, int wideScreen) {
    bool ok = openGraphicsWith(
        width, height, fullScreen, wideScreen,
        [](int w, int h, int depth) { return Graphics(w, h, depth, 60, 0); }, desktopWidth, desktopHeight);
    if (ok) setVirtualResolution(1024, 768, 3);
    return ok;
}

void setVirtualResolution(int w, int h, int mode) {
    if (mode != 1) currentMode = mode;
    logicalW = w;
    logicalH = h;
    mapping = computeMapping(GraphicsWidth(), GraphicsHeight(), w, h, currentMode);
    SetVirtualResolution(mapping.virtW, mapping.virtH);
    SetOrigin(mapping.offX, mapping.offY);
    SetLogicalOffset(mapping.offX, mapping.offY);
    if (currentMode == 0) {
        SetViewport(0, 0, w, h);
        return;
    }
    if (currentMode & 1) {
        clearBorders();
    } else {
        SetViewport(0, 0, static_cast<int>(std::ceil(mapping.virtW)),
                    static_cast<int>(std::ceil(mapping.virtH)));
    }
}

void setBorderColor(int r, int g, int b) {
    borderR = r;
    borderG = g;
    borderB = b;
}

void clearFrame() {
    if (currentMode & 1) clearBorders();
    Cls();
}

const ScreenMapping& currentMapping() {
    return mapping;
}
