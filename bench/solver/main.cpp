// bench_solver: solve time of every shipped level and of random unique 25 × 25 puzzles, with the
// median and the worst of each group.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "files/DataFile.h"
#include "nonogram/NonogramSolver.h"

namespace {

struct Puzzle {
    std::string group;  // "level" or "random"
    std::string name;
    bool big = false;  // 25 × 25
    Clues rows, cols;
    bool lineSolvable = false;
};

std::vector<Puzzle> shippedLevels() {
    std::vector<std::filesystem::path> paths;
    const std::filesystem::path dir = std::filesystem::path(GAME_DIR) / "data/levels";
    if (std::filesystem::is_directory(dir))
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.path().extension() == ".lvl") paths.push_back(e.path());
    std::sort(paths.begin(), paths.end());
    std::vector<Puzzle> out;
    for (const auto& path : paths) {
        const auto file = loadDataFile(path.string());
        const int rows = static_cast<int>(file->getFloat("level::data::dims", 0));
        const int cols = static_cast<int>(file->getFloat("level::data::dims", 1));
        Picture p(rows, std::vector<uint8_t>(cols));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                p[r][c] = file->getFloat("level::tiles::row" + std::to_string(r), c) != 0;
        out.push_back({"level", path.stem().string(), rows == 25 && cols == 25, rowClues(p), colClues(p)});
    }
    return out;
}

// Random pictures of 25 × 25 cells, half to three fifths filled, kept when exactly one picture fits
// their clues; the sparser ones often need probing or guessing.
std::vector<Puzzle> randomPuzzles(int count) {
    std::mt19937 rng(2024);
    std::vector<Puzzle> out;
    for (int attempt = 0; static_cast<int>(out.size()) < count; ++attempt) {
        const unsigned percent = 50 + 5 * (attempt % 3);
        Picture p(25, std::vector<uint8_t>(25));
        for (auto& row : p)
            for (auto& cell : row) cell = rng() % 100 < percent;
        Puzzle puzzle{"random", std::to_string(out.size()) + "-" + std::to_string(percent), true, rowClues(p),
                      colClues(p)};
        if (solveNonogram(puzzle.rows, puzzle.cols).solutions == 1) out.push_back(puzzle);
    }
    return out;
}

std::vector<Puzzle> puzzles;
std::map<std::string, double> msPerSolve;  // benchmark name → CPU ms per solve

class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                msPerSolve[run.benchmark_name()] = run.cpu_accumulated_time * 1e3 / run.iterations;
    }
};

void summarize(const char* title, const std::string& group, bool onlyBig) {
    std::vector<std::pair<double, std::string>> times;
    int lineSolvable = 0;
    for (const Puzzle& p : puzzles) {
        if (p.group != group || (onlyBig && !p.big)) continue;
        const auto t = msPerSolve.find("solve/" + p.group + "/" + p.name);
        if (t != msPerSolve.end()) times.push_back({t->second, p.name});
        lineSolvable += p.lineSolvable;
    }
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    const auto& median = times[(times.size() - 1) / 2];
    std::printf("%-22s %3zu puzzles (%2d line-solvable)  median %8.3f ms  worst %8.3f ms (%s)\n", title,
                times.size(), lineSolvable, median.first, times.back().first, times.back().second.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    puzzles = shippedLevels();
    if (puzzles.empty()) std::fprintf(stderr, "bench_solver: no level files in %s/data/levels\n", GAME_DIR);
    for (Puzzle& p : randomPuzzles(30)) puzzles.push_back(p);
    for (Puzzle& p : puzzles) {
        p.lineSolvable = solveNonogram(p.rows, p.cols).lineSolvable;
        benchmark::RegisterBenchmark(("solve/" + p.group + "/" + p.name).c_str(),
                                     [&p](benchmark::State& state) {
                                         for (auto _ : state)
                                             benchmark::DoNotOptimize(solveNonogram(p.rows, p.cols));
                                     })
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nCPU time per solve:\n");
    summarize("shipped levels", "level", false);
    summarize("shipped 25x25 levels", "level", true);
    summarize("random unique 25x25", "random", true);
    benchmark::Shutdown();
    return 0;
}
