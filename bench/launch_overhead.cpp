// The POSIX launcher against the minimal starter: wall time from start to
// exit of each (the started program is reaped outside the timing), in
// alternating rounds, as a ratio; then the launcher's peak memory against the
// size of its settings file.
//   launch_overhead LAUNCHER MINIMAL_STARTER [ROUNDS]
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/settings_fixture.h"
#include "tests/support/worked_example.h"

namespace fs = std::filesystem;
extern char** environ;

namespace {

struct Run {
  double microseconds;
  long peakKilobytes;
};

// Runs program in the current directory; times it until it exits, then
// reaps what it started.
Run RunOnce(const std::string& program) {
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  auto start = std::chrono::steady_clock::now();
  pid_t child;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  int status;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  auto elapsed = std::chrono::steady_clock::now() - start;
  while (waitpid(-1, nullptr, 0) > 0) {
  }
  return {std::chrono::duration<double, std::micro>(elapsed).count(), usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch_overhead LAUNCHER MINIMAL_STARTER [ROUNDS]\n");
    return 2;
  }
  std::string launcher = fs::absolute(argv[1]).string();
  std::string minimal = fs::absolute(argv[2]).string();
  int rounds = argc > 3 ? std::atoi(argv[3]) : 500;

  // javaw is /bin/true, found on PATH by both.
  fs::path work = fs::temp_directory_path() / ("brindoka-overhead-" + std::to_string(getpid()));
  fs::create_directories(work / "path");
  fs::create_symlink("/bin/true", work / "path" / "javaw");
  setenv("PATH", ((work / "path").string() + ":" + std::getenv("PATH")).c_str(), 1);
  WriteFile(work / "Brindoka.Ini", brindoka::testing::kWorkedExample);
  fs::current_path(work);
  prctl(PR_SET_CHILD_SUBREAPER, 1);

  std::vector<double> ours, least;
  for (int i = 0; i < rounds; ++i) {
    ours.push_back(RunOnce(launcher).microseconds);
    least.push_back(RunOnce(minimal).microseconds);
  }
  double oursMedian = Median(ours), leastMedian = Median(least);
  std::printf("launch, median of %d rounds: launcher %.0f us, minimal starter %.0f us, ratio %.3f\n",
              rounds, oursMedian, leastMedian, oursMedian / leastMedian);

  std::printf("peak memory: minimal starter %ld KiB\n", RunOnce(minimal).peakKilobytes);
  for (std::size_t lines : {10u, 1000u, 100000u, 1000000u}) {
    brindoka::bench::WriteSettingsFile("Brindoka.Ini", lines, brindoka::bench::ConfigAt::Bottom);
    auto bytes = fs::file_size("Brindoka.Ini");
    std::printf("peak memory: %7zu lines (%9ju bytes): launcher %ld KiB\n", lines,
                static_cast<std::uintmax_t>(bytes), RunOnce(launcher).peakKilobytes);
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(work);
  return 0;
}
