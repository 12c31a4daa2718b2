// bench_render: mixed sprites through the renderer and through a raw-GL floor, then start-up timings.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "Frames.h"
#include "Measure.h"
#include "Startup.h"

namespace {

struct Case {
    int w, h, count;
    bool raw;
    std::vector<double> ms;  // CPU per frame, of every repetition
    int drawCalls = 0;
};

std::vector<std::unique_ptr<Case>> cases;

// Frames per repetition; every case runs kRepetitions times, interleaved with the others, so a
// change in the machine's load mid-run touches both paths alike.
constexpr int kRepetitions = 5;
int framesFor(int count) {
    return count <= 300 ? 60 : count <= 2000 ? 30 : 12;
}

void runCase(benchmark::State& state, Case& c) {
    if (!setMode(c.w, c.h)) {
        state.SkipWithError("the graphics mode could not be opened at its size");
        return;
    }
    Scene& scene = bench.scenes.at(c.count);
    int frame = 0;
    for (int i = 0; i < 3; ++i) {  // warm-up: pictures and glyphs reach the GPU
        animate(scene, frame++);
        clearFrame();
        submitFrame(scene, c.raw);
        eng::Flip(0);
    }
    std::vector<double> ms;
    for (auto _ : state) {
        eng::PollSystem();
        animate(scene, frame++);
        clearFrame();
        const double cpu = submitFrame(scene, c.raw);
        eng::Flip(0);
        state.SetIterationTime(cpu / 1e3);
        ms.push_back(cpu);
        c.drawCalls = frameDrawCalls(c.raw);
    }
    c.ms.insert(c.ms.end(), ms.begin(), ms.end());
    state.counters["median_ms"] = median(ms);
    state.counters["p95_ms"] = quantile(ms, 0.95);
    state.counters["draw_calls"] = c.drawCalls;
}

const Case* find(int w, int h, int count, bool raw) {
    for (const auto& c : cases)
        if (c->w == w && c->h == h && c->count == count && c->raw == raw && !c->ms.empty()) return c.get();
    return nullptr;
}

// How far the two paths' pictures of the same frame differ.
struct Difference {
    int largest = 0;       // of any channel, 0..255
    double differing = 0;  // share of the pixels with any difference
};

Difference pictureDifference(int count) {
    setMode(1024, 768);
    Scene& scene = bench.scenes.at(count);
    animate(scene, 7);
    eng::Pixmap shots[2];
    for (int raw = 1; raw >= 0; --raw) {  // the facade second: it must draw right after the raw path
        clearFrame();
        submitFrame(scene, raw);
        shots[raw] = eng::GrabPixmap(0, 0, 1024, 768);
        eng::Flip(0);
    }
    Difference d;
    size_t differing = 0;
    for (size_t i = 0; i < shots[0]->rgba.size(); i += 4) {
        int most = 0;
        for (size_t k = i; k < i + 3; ++k)
            most = std::max(most, std::abs(shots[0]->rgba[k] - shots[1]->rgba[k]));
        d.largest = std::max(d.largest, most);
        differing += most > 0;
    }
    d.differing = static_cast<double>(differing) / (shots[0]->rgba.size() / 4);
    return d;
}

const char* verdict(bool measured, bool met) {
    return !measured ? "not measured" : met ? "met" : "NOT met";
}

void printSummary(const char* renderer, const Difference& difference, const StartupFigures& s) {
    std::printf("\nSummary: game-thread CPU per frame (ms), submission until everything is sent to GL\n");
    std::printf("GL renderer: %s\n", renderer);
    std::printf("%-10s %8s %11s %11s %9s %7s %13s %10s\n", "screen", "sprites", "facade med", "facade p95",
                "raw med", "ratio", "facade calls", "raw calls");
    double worst = 0;
    int calls300 = 0, compared = 0;
    bool batched = true;  // the raw path's count is the least: one draw per blend run
    for (const auto& c : cases) {
        if (c->raw || c->ms.empty()) continue;
        const Case* r = find(c->w, c->h, c->count, true);
        const double fm = median(c->ms), rm = r ? median(r->ms) : 0, ratio = rm > 0 ? fm / rm : 0;
        worst = std::max(worst, ratio);
        compared += r != nullptr;
        if (c->count == 300) calls300 = std::max(calls300, c->drawCalls);
        if (!r || c->drawCalls != r->drawCalls) batched = false;
        std::printf("%4dx%-5d %8d %11.3f %11.3f %9.3f %7.2f %13d %10d\n", c->w, c->h, c->count, fm,
                    quantile(c->ms, 0.95), rm, ratio, c->drawCalls, r ? r->drawCalls : 0);
    }
    std::printf("facade / raw at most 1.5: %s (worst %.2f)\n", verdict(compared > 0, worst <= 1.5), worst);
    std::printf("300 sprites in at most 10 draw calls: %s (%d)\n", verdict(calls300 > 0, calls300 <= 10),
                calls300);
    std::printf("one batch until the texture or blend changes (facade calls = raw calls): %s\n",
                verdict(compared > 0, batched));
    std::printf(
        "pictures of facade and raw, 300 sprites: %.3f%% of the pixels differ, by at most %d of 255\n",
        difference.differing * 100, difference.largest);
    std::printf("\nStart-up (headless driver, median of %d runs)\n", s.runs);
    if (!s.problem.empty()) std::printf("  driver: %s\n", s.problem.c_str());
    if (s.runs > 0) {
        std::printf("  first frame:            %8.1f ms after start\n", s.firstFrameMs);
        std::printf("  first MAIN-MENU frame:  %8.1f ms after start\n", s.menuFrameMs);
    }
    if (s.decodeRepetitions > 0)
        std::printf("  decoding its %d start-up pictures: %.1f ms (median of %d)\n", s.decodedFiles,
                    s.decodeMs, s.decodeRepetitions);
    if (!s.decodeProblem.empty()) std::printf("  pictures: %s\n", s.decodeProblem.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    // Our own option: where tools/driver and game/ are (default: the build folder holding this program).
    std::string buildDir = eng::ExtractDir(eng::ExtractDir(eng::AppFile()));
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--build-dir=", 12) == 0) {
            buildDir = argv[i] + 12;
            std::memmove(&argv[i], &argv[i + 1], (argc - i) * sizeof(char*));
            --argc;
            --i;
        }
    // Interleave the repetitions of all cases unless told otherwise.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    eng::SetHeadless(eng::HeadlessConfig{});  // no frame-rate cap: frames run back to back
    if (!setMode(1024, 768)) {
        std::fprintf(stderr, "cannot open a 1024 x 768 window\n");
        return 1;
    }
    bench.images = makeSpriteImages();
    bench.font = eng::LoadImageFont(BENCH_FONT_PATH, 24);
    RawAtlas atlas;
    if (!bench.font || !buildRawAtlas(bench.images, BENCH_FONT_PATH, 24, atlas) ||
        !bench.raw.init(atlas, 12000)) {
        std::fprintf(stderr, "cannot set up the scene from %s\n", BENCH_FONT_PATH);
        return 1;
    }
    const int counts[] = {300, 2000, 10000};
    for (int n : counts) bench.scenes[n] = makeScene(bench.images, bench.font, n);
    const std::string renderer = std::string(reinterpret_cast<const char*>(glGetString(GL_RENDERER))) + ", " +
                                 reinterpret_cast<const char*>(glGetString(GL_VERSION));

    const int sizes[][2] = {{1024, 768}, {1920, 1080}};
    for (const auto& size : sizes)
        for (int n : counts)
            for (bool raw : {false, true}) {
                cases.push_back(std::make_unique<Case>(Case{size[0], size[1], n, raw, {}}));
                Case* c = cases.back().get();
                const std::string name = std::string(raw ? "raw" : "facade") + "/" + std::to_string(size[0]) +
                                         "x" + std::to_string(size[1]) + "/" + std::to_string(n);
                benchmark::RegisterBenchmark(name.c_str(), [c](benchmark::State& st) { runCase(st, *c); })
                    ->UseManualTime()
                    ->Iterations(framesFor(n))
                    ->Repetitions(kRepetitions)
                    ->DisplayAggregatesOnly(true)
                    ->Unit(benchmark::kMillisecond);
            }
    benchmark::RunSpecifiedBenchmarks();
    const Difference difference = pictureDifference(300);
    const StartupFigures startup = measureStartup(buildDir, 3, 9);
    std::cout.flush();
    printSummary(renderer.c_str(), difference, startup);
    benchmark::Shutdown();
    return 0;
}
