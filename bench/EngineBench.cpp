// Conversion speed with the shipped tables: per character at three text sizes, in both modes, and the
// first conversion of a fresh engine (every table read and indexed) against a repeat.
#include <benchmark/benchmark.h>

#include "BenchText.h"
#include "engine/Engine.h"

namespace pralomen::bench {
namespace {

class NullLog : public LogPane {
public:
    void Clear() override {}
    void Append(const std::u16string&) override {}
};

void ConvertText(benchmark::State& state, bool standardMode)
{
    const std::u16string text = TextOfSize(static_cast<std::size_t>(state.range(0)));
    Engine engine(PRALOMEN_TABLES);
    engine.Options().UseFilesFlg = standardMode;
    NullLog log;
    engine.YomiConv2(u"ก", log); // tables loaded once, outside the timing
    for (auto _ : state) benchmark::DoNotOptimize(engine.YomiConv2(text, log));
    // items_per_second is characters per second; the comparison script turns it into ns per character.
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_StandardMode(benchmark::State& state) { ConvertText(state, true); }
void BM_CheckMode(benchmark::State& state) { ConvertText(state, false); }

void BM_FirstConversionColdTables(benchmark::State& state)
{
    NullLog log;
    for (auto _ : state) {
        Engine engine(PRALOMEN_TABLES);
        benchmark::DoNotOptimize(engine.YomiConv2(u"สวัสดีครับ ๒๕", log));
    }
}

void BM_RepeatConversionCachedTables(benchmark::State& state)
{
    NullLog log;
    Engine engine(PRALOMEN_TABLES);
    engine.YomiConv2(u"สวัสดีครับ ๒๕", log);
    for (auto _ : state) benchmark::DoNotOptimize(engine.YomiConv2(u"สวัสดีครับ ๒๕", log));
}

constexpr int64_t kKB = 1000;

BENCHMARK(BM_StandardMode)->Arg(kKB)->Arg(100 * kKB)->Arg(1000 * kKB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckMode)->Arg(kKB)->Arg(100 * kKB)->Arg(1000 * kKB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstConversionColdTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeatConversionCachedTables)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pralomen::bench

BENCHMARK_MAIN();
