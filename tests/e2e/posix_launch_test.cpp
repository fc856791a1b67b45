// The POSIX stand-in end to end: the same table of cases as under Wine, with
// a recording stand-in for the Java runtime found on PATH. Its arguments must
// be those the Windows program received.
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/launch_cases.h"
#include "tests/e2e/launch_record.h"
#include "tests/support/scratch_files.h"

namespace brindoka::testing {
namespace fs = std::filesystem;
namespace {

// Runs the launcher in directory with PATH leading to pathDirectory, then
// waits for whatever it started too: orphans come back to this process.
int RunAndWaitForAll(const std::vector<std::string>& arguments,
                     const std::string& directory,
                     const std::string& pathDirectory) {
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
      argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::string path = pathDirectory + ":" + std::getenv("PATH");
    if (chdir(directory.c_str()) != 0 || setenv("PATH", path.c_str(), 1) != 0) {
      _exit(126);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  while (waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

class PosixLaunch
    : public ::testing::TestWithParam<std::tuple<LaunchCase, bool>> {};

TEST_P(PosixLaunch, StartsWhatTheWindowsProgramWouldReceive) {
  const auto& [c, withArguments] = GetParam();
  ScratchDirectory scratch;
  fs::path run = scratch.File("run");
  fs::path path = scratch.File("path");
  fs::create_directories(run);
  fs::create_directories(path);
  if (c.settings) scratch.Write("run/Brindoka.Ini", *c.settings);
  fs::path program = c.customProgram.empty() ? path / "javaw" : run / c.customProgram;
  fs::create_directories(program.parent_path());
  fs::copy_file(RECORDER_PROGRAM, program);

  std::vector<std::string> arguments = {BRINDOKA_PROGRAM};
  if (withArguments) {
    for (const std::string& argument : IgnoredLauncherArguments()) {
      arguments.push_back(argument);
    }
  }
  EXPECT_EQ(RunAndWaitForAll(arguments, run.string(), path.string()), 0);

  std::optional<LaunchRecord> record = ReadLaunchRecord((run / "recorded.txt").string());
  ASSERT_EQ(record.has_value(), c.started);
  if (!c.started) return;
  EXPECT_EQ(record->arguments, c.arguments);
  EXPECT_EQ(record->fields["cwd"], fs::canonical(run).string());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PosixLaunch,
    ::testing::Combine(::testing::ValuesIn(LaunchCases("tools/jre/runner")),
                       ::testing::Bool()),
    [](const auto& info) {
      return std::get<0>(info.param).name +
             (std::get<1>(info.param) ? "_WithArguments" : "_Plain");
    });

}  // namespace
}  // namespace brindoka::testing
