// Mixing one second of sound with all five channels busy. The share of a
// core the mixing takes in real time is its processor time over that second.
#include <benchmark/benchmark.h>

#include <ctime>

#include "audio/mixer.h"

namespace {

constexpr uint32_t kOneSecond = 22050;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_MixOneSecondOfFiveChannels(benchmark::State& state) {
    vantor::Mixer mixer;
    for (int c = 0; c < vantor::kSoundChannels; ++c) {
        auto buffer = std::make_unique<vantor::SoundBuffer>(kOneSecond);
        for (uint32_t i = 0; i < kOneSecond; ++i)
            buffer->samples[i] = static_cast<uint8_t>((i * (3 + c)) & 0xFF);
        mixer.buffers[c] = std::move(buffer);
    }
    std::vector<uint8_t> out(kOneSecond);
    double busy = 0;
    for (auto _ : state) {
        for (auto& buffer : mixer.buffers) {
            buffer->position = 0;
            buffer->playing = true;
        }
        double start = threadSeconds();
        mixer.mix(out.data(), kOneSecond);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        busy += threadSeconds() - start;
    }
    // Millionths of a core (100 ppm = 0.01 %).
    state.counters["core_ppm"] = 1e6 * busy / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MixOneSecondOfFiveChannels)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
