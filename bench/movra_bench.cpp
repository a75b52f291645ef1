// Costs of the tick, the table build, the drawing pass and a whole frame.
#include <benchmark/benchmark.h>

#include "build_tables.h"
#include "reference_tick.h"
#include "tick_update.h"

namespace movra {
namespace {

// Ten sources spread over the pond with ages 1, 4, ..., 28, on a calm pond.
Model TenSources() {
    Model model;
    ResetModel(model);
    BuildTables(model);
    for (int i = 1; i <= 10; ++i) {
        PlaceSource(model, Int16(3 * i - 1), Int16(31 - 3 * i));
        model.Sources(i).Age = Int16(3 * i - 2);
    }
    return model;
}

// One tick, each iteration from the same levels and ages so levels stay in
// range; restoring them (under 4 KB of copying) is timed too.
template <void (*Tick)(Model&)>
void RunTick(benchmark::State& state) {
    Model model = TenSources();
    const auto levels = model.LevelGrid;
    const auto sources = model.Sources;
    for (auto _ : state) {
        model.LevelGrid = levels;
        model.Sources = sources;
        Tick(model);
        benchmark::DoNotOptimize(model.LevelGrid.data());
    }
}

void BM_TickUpdate(benchmark::State& state) { RunTick<TickUpdate>(state); }
void BM_TickReference(benchmark::State& state) { RunTick<testing::TickReference>(state); }
BENCHMARK(BM_TickUpdate)->Name("TickUpdate/10");
BENCHMARK(BM_TickReference)->Name("TickReference/10");

void BM_BuildTables(benchmark::State& state) {
    Model model;
    for (auto _ : state) {
        BuildTables(model);
        benchmark::DoNotOptimize(model.WaveTable.data());
    }
}
BENCHMARK(BM_BuildTables)->Name("BuildTables");

}  // namespace
}  // namespace movra
