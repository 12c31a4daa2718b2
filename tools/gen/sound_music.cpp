// Rendering pieces of music as seamless loops and encoding them; the "sounds" generator's entry point.
#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <mutex>
#include <thread>

#include "Entries.h"
#include "sound_files.h"
#include "sound_gen.h"
#include "sound_score.h"

namespace fs = std::filesystem;

namespace snd {

namespace {

constexpr double kTargetRms = 0.1;   // -20 dBFS: every piece equally loud
constexpr double kPeakLimit = 0.84;  // headroom for the encoder's small overshoots
constexpr double kQuality = 3.5;

// Runs a filter over the loop twice, so that the state at the start is the one the end leaves behind.
template <class Step>
void circular(size_t n, Step step) {
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < n; ++i) step(i, pass == 1);
}

}  // namespace

Stereo renderPieceFile(const std::string& path) {
    const Piece p = readPiece(path);
    const size_t n = static_cast<size_t>(std::lround(p.seconds() * kRate));
    Stereo out{Wave(n), Wave(n)};
    Wave send(n);
    const std::vector<Event> events = compose(p);
    for (size_t k = 0; k < events.size(); ++k) {
        const Event& e = events[k];
        Rng rng(p.seed * 1000003 + k);
        const Wave w = e.inst->voice(e.note, rng);
        const double angle = (std::clamp(e.pan, -1.0f, 1.0f) + 1) * kPi / 4;
        const long at = std::lround(e.time * kRate);
        mixInto(out.left, w, at, static_cast<float>(e.gain * std::cos(angle)), true);
        mixInto(out.right, w, at, static_cast<float>(e.gain * std::sin(angle)), true);
        mixInto(send, w, at, e.gain * e.verb, true);
    }
    // The reverb and a rumble filter run round the loop, so the end flows into the start.
    Reverb reverb(p.room, p.damp, p.width);
    Biquad hpL = Biquad::highpass(28, 0.7), hpR = hpL;
    Wave left(n);
    circular(n, [&](size_t i, bool keep) {
        float l, r;
        reverb.process(send[i], l, r);
        const float a = hpL(out.left[i] + 3 * l), b = hpR(out.right[i] + 3 * r);
        if (keep) left[i] = a, out.right[i] = b;
    });
    out.left.swap(left);
    double sum = 0;
    for (size_t i = 0; i < n; ++i) sum += out.left[i] * out.left[i] + out.right[i] * out.right[i];
    const double rms = std::sqrt(sum / (2.0 * n));
    const double peak = std::max(peakOf(out.left), peakOf(out.right));
    const double gain = std::min(kTargetRms / std::max(rms, 1e-9), kPeakLimit / std::max(peak, 1e-9));
    for (size_t i = 0; i < n; ++i) {
        out.left[i] *= static_cast<float>(gain);
        out.right[i] *= static_cast<float>(gain);
    }
    return out;
}

// True when `target` was written after both its source and this generator were last changed: it would
// come out byte for byte the same, so a content build need not spend seconds on it again.
bool upToDate(const fs::path& target, const fs::path& source) {
    std::error_code ec;
    const auto made = fs::last_write_time(target, ec);
    if (ec) return false;
    const auto self = fs::last_write_time(fs::read_symlink("/proc/self/exe", ec), ec);
    return !ec && made > fs::last_write_time(source) && made > self;
}

void writeMusic(const gen::Context& c) {
    const fs::path dir = c.contentDir / "sound" / "music";
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".txt" &&
            !upToDate(c.gameDir / "music" / (e.path().stem().string() + ".ogg"), e.path()))
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    // Each piece is independent of the others: render them side by side.
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto work = [&] {
        for (size_t i; (i = next++) < files.size();) {
            try {
                const Stereo s = renderPieceFile(files[i].string());
                writeOgg(s.left, s.right, kQuality, c.out("music/" + files[i].stem().string() + ".ogg"));
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
    for (auto& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace snd

namespace gen {

void genSounds(const Context& c) {
    snd::writeEffects(c);
    snd::writeMusic(c);
}

}  // namespace gen
