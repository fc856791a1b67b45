// Settings files that are broken, hostile or huge: the launcher composes its
// command by the ordinary rules (or takes every default when the file cannot
// be read), in bounded time.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "launcher/launch_sequence.h"
#include "tests/support/scratch_files.h"
#include "tests/support/worked_example.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace brindoka {
namespace {

using testing::ScratchDirectory;
using testing::kDefaultParameters;
using testing::kWorkedExample;
using testing::kWorkedParameters;


std::string Garbage(std::size_t size) {
  std::mt19937 random(20261211);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string Repeated(const std::string& line, std::size_t times) {
  std::string text;
  text.reserve(line.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += line;
  return text;
}

struct BadFileCase {
  const char* name;
  std::function<void(const ScratchDirectory&)> make;  // makes "Brindoka.Ini"
  const char* parameters;
};

class BadFileTest : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BadFileTest, FollowsTheRulesInBoundedTime) {
  ScratchDirectory dir;
  GetParam().make(dir);
  auto start = std::chrono::steady_clock::now();
  LaunchCommand command;
  ASSERT_TRUE(ComposeLaunchCommand(dir.File("Brindoka.Ini").c_str(), &command));
  auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  EXPECT_STREQ(command.Program(), "javaw");
  EXPECT_STREQ(command.parameters.CStr(), GetParam().parameters);
  EXPECT_LT(seconds.count(), 20.0);
}

void WriteSettings(const ScratchDirectory& dir, const std::string& bytes) {
  dir.Write("Brindoka.Ini", bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFileCase{"Directory",
                    [](const ScratchDirectory& dir) {
                      std::filesystem::create_directory(dir.File("Brindoka.Ini"));
                    },
                    kDefaultParameters},
        BadFileCase{"GarbageOnly",
                    [](const ScratchDirectory& dir) {
                      WriteSettings(dir, Garbage(1 << 20));
                    },
                    kDefaultParameters},
        BadFileCase{"GarbageAfterTheSettings",
                    [](const ScratchDirectory& dir) {
                      WriteSettings(dir, std::string(kWorkedExample) + Garbage(1 << 20));
                    },
                    kWorkedParameters},
        BadFileCase{"FiftyMegabyteLineWithoutLineFeed",
                    [](const ScratchDirectory& dir) {
                      WriteSettings(dir, "[Config]\nclient=a.jar\n" +
                                             std::string(50 << 20, 'x'));
                    },
                    "-classpath \"a.jar;;;;;\"   "},
        BadFileCase{"MillionShortLines",
                    [](const ScratchDirectory& dir) {
                      WriteSettings(dir, "[Config]\n" + Repeated("k=v\n", 1000000) +
                                             "client=last.jar\n");
                    },
                    "-classpath \"last.jar;;;;;\"   "},
        BadFileCase{"LinesOfNuls",
                    [](const ScratchDirectory& dir) {
                      WriteSettings(dir, "[Config]\n" +
                                             Repeated(std::string(300, '\0') + "\n", 1000) +
                                             "client=a.jar\n");
                    },
                    "-classpath \"a.jar;;;;;\"   "},
        BadFileCase{"OnlyCtrlZ",
                    [](const ScratchDirectory& dir) {
                      WriteSettings(dir, std::string(100000, '\x1A'));
                    },
                    kDefaultParameters}),
    [](const auto& info) { return info.param.name; });

// A file the launcher may not read gives every default, like a missing one.
TEST(BadFile, UnreadableGivesDefaults) {
  ScratchDirectory dir;
  std::string path = dir.Write("Brindoka.Ini", kWorkedExample);
#ifdef _WIN32
  // Another program holds the file without sharing it.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  LaunchCommand command;
  EXPECT_TRUE(ComposeLaunchCommand(path.c_str(), &command));
  EXPECT_STREQ(command.parameters.CStr(), kDefaultParameters);
  CloseHandle(held);
#else
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  // Root reads any file, so the lookup runs as an unprivileged user then.
  pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    LaunchCommand command;
    bool composed = ComposeLaunchCommand(path.c_str(), &command);
    _exit(composed && std::string(command.parameters.CStr()) == kDefaultParameters ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
#endif
}

}  // namespace
}  // namespace brindoka
