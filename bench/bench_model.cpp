// init and a full run of calcule (999 steps, no impact).
#include "calcule.h"
#include "init.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace orbeline;

namespace {

std::unique_ptr<SimulationState> etat()
{
    auto s = std::make_unique<SimulationState>();
    s->Echelle = 1000;
    s->Rayon = 6380;
    s->Reduction = 100;
    return s;
}

// Earth preset values, satellite on the geostationary radius: no impact.
const ChampsSaisis kOrbite{"3078", "0", "0", "42164", "6.00", "864", false, true};

void BM_init(benchmark::State& st)
{
    auto s = etat();
    for (auto _ : st) {
        benchmark::DoNotOptimize(init(*s, kOrbite));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_init);

void BM_calcule(benchmark::State& st)
{
    auto s = etat();
    for (auto _ : st) {
        init(*s, kOrbite);
        benchmark::DoNotOptimize(calcule(*s));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_calcule);

} // namespace
