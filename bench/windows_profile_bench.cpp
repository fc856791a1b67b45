// Under Wine: the launcher's reading and ten lookups against ten calls of
// Windows' own GetPrivateProfileStringA on the same files, what a Windows
// developer would reach for instead. Prints one row per file and the ratio.
// "--quick" runs fewer rounds on the small files only (a smoke test).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/settings_fixture.h"
#include "launcher/launch_sequence.h"

namespace {

using brindoka::bench::ConfigAt;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

template <typename Prepare, typename Work>
double MedianMicroseconds(int rounds, Prepare prepare, Work work) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    prepare();
    double start = Now();
    work();
    times.push_back((Now() - start) * 1e6);
  }
  std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
  return times[rounds / 2];
}

std::string ReadWithPlatform(const std::string& path) {
  std::string classPath;
  char value[256];
  for (const brindoka::SettingKey& setting : brindoka::kSettingKeys) {
    GetPrivateProfileStringA(brindoka::kSettingsSection, setting.key,
                             setting.defaultValue, value, sizeof value, path.c_str());
    if (std::strcmp(setting.key, "client") == 0) classPath = value;
  }
  return classPath;
}

}  // namespace

int main(int argc, char** argv) {
  bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  std::vector<std::size_t> sizes = {10, 1000};
  if (!quick) sizes.push_back(100000);
  std::printf("%8s %7s %14s %14s %14s %8s\n", "lines", "config", "ours us",
              "platform us", "platform warm", "ratio");
  bool agreed = true;
  for (std::size_t lines : sizes) {
    for (ConfigAt where : {ConfigAt::Top, ConfigAt::Bottom}) {
      char full[MAX_PATH];
      GetFullPathNameA("profile-bench.ini", MAX_PATH, full, nullptr);
      std::string path = full;
      brindoka::bench::WriteSettingsFile(path, lines, where);
      int rounds = quick ? 3 : static_cast<int>(std::max<std::size_t>(11, 20000 / lines));

      auto nothing = [] {};
      double ours = MedianMicroseconds(rounds, nothing, [&] {
        brindoka::LaunchCommand command;
        brindoka::ComposeLaunchCommand(path.c_str(), &command);
      });
      // Windows keeps a parsed copy of a recently read file; a launcher run
      // starts without it, so it is dropped before each timed round.
      auto dropCache = [&] { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); };
      double platform = MedianMicroseconds(rounds, dropCache, [&] { ReadWithPlatform(path); });
      double warm = MedianMicroseconds(rounds, nothing, [&] { ReadWithPlatform(path); });

      brindoka::LaunchCommand command;
      brindoka::ComposeLaunchCommand(path.c_str(), &command);
      agreed = agreed && ReadWithPlatform(path) == command.Get(brindoka::Setting::Client).CStr();
      std::printf("%8zu %7s %14.1f %14.1f %14.1f %7.1fx\n", lines,
                  where == ConfigAt::Top ? "top" : "bottom", ours, platform, warm,
                  platform / ours);
      DeleteFileA(path.c_str());
    }
  }
  if (!agreed) std::printf("the two readers disagree on the files\n");
  return agreed ? 0 : 1;
}
