// Reading a settings file and taking the launcher's ten settings from it, as
// one launcher run does, on files of growing size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/settings_fixture.h"
#include "launcher/launch_sequence.h"

namespace {

using brindoka::bench::ConfigAt;

void ReadAndLookUp(benchmark::State& state, ConfigAt where) {
  auto lines = static_cast<std::size_t>(state.range(0));
  std::string path = "bench-" + std::to_string(lines) +
                     (where == ConfigAt::Top ? "-top" : "-bottom") + ".ini";
  if (!brindoka::bench::WriteSettingsFile(path, lines, where)) {
    state.SkipWithError("cannot write the settings file");
    return;
  }
  for (auto _ : state) {
    brindoka::LaunchCommand command;
    bool composed = brindoka::ComposeLaunchCommand(path.c_str(), &command);
    benchmark::DoNotOptimize(composed);
  }
  state.SetComplexityN(state.range(0));
  state.counters["lines/s"] = benchmark::Counter(
      static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
  std::remove(path.c_str());
}

void ConfigAtTop(benchmark::State& state) { ReadAndLookUp(state, ConfigAt::Top); }
void ConfigAtBottom(benchmark::State& state) { ReadAndLookUp(state, ConfigAt::Bottom); }

BENCHMARK(ConfigAtTop)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);
BENCHMARK(ConfigAtBottom)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
