// bench_files: a data file of n numbered entries read key by key, and a player's profile holding n awards
// and n level records read as the game reads it at start.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "progress/Profile.h"

namespace {

namespace fs = std::filesystem;

const fs::path& scratch() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("bench-files-" + std::to_string(::getpid()));
        fs::create_directories(d / "Profiles");
        return d;
    }();
    return dir;
}

// "list { i = n, item1 = 1 ... }" written once per size.
std::string listFile(int n) {
    const fs::path path = scratch() / ("list" + std::to_string(n) + ".dat");
    if (!fs::exists(path)) {
        std::ofstream out(path);
        out << "list {\n\ti = " << n << "\n";
        for (int k = 1; k <= n; ++k) out << "\titem" << k << " = " << k << "\n";
        out << "}\n";
    }
    return path.string();
}

void BM_NumberedEntries(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string path = listFile(n);
    for (auto _ : state) {
        TRCMFile file;
        file.Load(path);
        const int count = countItems(file, "list::item", 1, readInt(file, "list::i"));
        long sum = 0;
        for (int k = 1; k <= count; ++k) sum += readInt(file, "list::item" + std::to_string(k));
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_NumberedEntries)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_ProfileWithManyAwards(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    userFolder = scratch().string();
    auto p = newProfileNamed("BENCH" + std::to_string(n));
    for (int k = 0; k < n; ++k) {
        p->awardy.push_back(1 + k % 20);
        p->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{k % 47 + 1, 1, k, k % 5 + 1}));
    }
    p->save();
    const std::string path = p->folder() + "/profile.dat";
    for (auto _ : state) benchmark::DoNotOptimize(loadProfile(path));
    state.SetComplexityN(n);
}
BENCHMARK(BM_ProfileWithManyAwards)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(scratch(), ec);
    return 0;
}
