// The measured frames: the graphics mode with the game's logical screen, and one frame of either path.
#include "Frames.h"

#include <algorithm>

#include "Measure.h"

Bench bench;

bool setMode(int w, int h) {
    if (!eng::GraphicsOpen() || eng::GraphicsWidth() != w || eng::GraphicsHeight() != h) {
        if (!eng::Graphics(w, h, 0)) return false;
    }
    const int realW = eng::GraphicsWidth(), realH = eng::GraphicsHeight();
    // The game's mapping: the largest whole logical screen, centred, with bars on the long side.
    const float scale = std::min(realW / 1024.0f, realH / 768.0f);
    bench.virtW = realW / scale;
    bench.virtH = realH / scale;
    bench.offX = (bench.virtW - 1024) * 0.5f;
    bench.offY = (bench.virtH - 768) * 0.5f;
    eng::SetVirtualResolution(bench.virtW, bench.virtH);
    eng::SetOrigin(bench.offX, bench.offY);
    eng::SetLogicalOffset(bench.offX, bench.offY);
    return realW == w && realH == h;
}

void clearFrame() {
    eng::SetViewport(0, 0, static_cast<int>(bench.virtW + 0.999f), static_cast<int>(bench.virtH + 0.999f));
    eng::SetClsColor(0, 0, 0);
    eng::Cls();
    eng::SetViewport(static_cast<int>(bench.offX), static_cast<int>(bench.offY), 1024, 768);
    eng::SetClsColor(30, 40, 60);
    eng::Cls();
}

double submitFrame(const Scene& scene, bool raw) {
    if (raw) {
        bench.raw.begin(bench.virtW, bench.virtH, bench.offX, bench.offY);
        const double t0 = threadCpuMs();
        bench.raw.submit(scene);
        const double t1 = threadCpuMs();
        bench.raw.end();
        return t1 - t0;
    }
    const double t0 = threadCpuMs();
    drawFacade(scene);
    eng::FlushDrawing();
    return threadCpuMs() - t0;
}

int frameDrawCalls(bool raw) {
    return raw ? bench.raw.drawCalls() : eng::GetRenderStats().drawCalls;
}
