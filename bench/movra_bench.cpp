// Costs of the tick, the table build, the drawing pass and a whole frame.
#include <benchmark/benchmark.h>

#include "core/model/build_tables.h"
#include "core/render/draw_pass.h"
#include "core/render/image_surface.h"
#include "tests/core/reference_tick.h"
#include "core/model/tick_update.h"

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

// Counts boxes and paints nothing, so the pass's own cost shows.
struct CountingSurface : Surface {
    void FillBox(float, float, float, float, Colour) override { ++boxes; }
    long boxes = 0;
};

// A pond with ten sources under way, painted up to the tick before.
Model Rings() {
    Model model = TenSources();
    CountingSurface surface;
    DrawPass(model, surface);
    TickUpdate(model);
    return model;
}

void BM_DrawPassCalm(benchmark::State& state) {
    Model model;
    ResetModel(model);
    CountingSurface surface;
    DrawPass(model, surface);
    surface.boxes = 0;
    for (auto _ : state) DrawPass(model, surface);
    state.counters["boxes"] = benchmark::Counter(double(surface.boxes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DrawPassCalm)->Name("DrawPass/calm");

// Restoring the two grids (3.6 KB) each iteration is timed too.
void BM_DrawPassRings(benchmark::State& state) {
    Model model = Rings();
    const auto levels = model.LevelGrid;
    const auto shown = model.ShownGrid;
    CountingSurface surface;
    for (auto _ : state) {
        model.LevelGrid = levels;
        model.ShownGrid = shown;
        DrawPass(model, surface);
    }
    state.counters["boxes"] = benchmark::Counter(double(surface.boxes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DrawPassRings)->Name("DrawPass/rings");

// A whole timer tick of the window: tick, drawing pass, painting the image.
void BM_Frame(benchmark::State& state) {
    Model model = Rings();
    const auto levels = model.LevelGrid;
    const auto shown = model.ShownGrid;
    const auto sources = model.Sources;
    ImageSurface pond(120, 119, 1, DefaultControlColour);
    for (auto _ : state) {
        model.LevelGrid = levels;
        model.ShownGrid = shown;
        model.Sources = sources;
        TickUpdate(model);
        DrawPass(model, pond);
        benchmark::DoNotOptimize(pond.pixels());
    }
}
BENCHMARK(BM_Frame)->Name("Frame/10");

}  // namespace
}  // namespace movra
