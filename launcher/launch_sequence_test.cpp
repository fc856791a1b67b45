#include "launcher/launch_sequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/allocation_faults.h"
#include "tests/support/scratch_files.h"
#include "tests/support/worked_example.h"

namespace brindoka {
namespace {

using testing::AllocationFaults;
using testing::ScratchDirectory;
using testing::kDefaultParameters;
using testing::kWorkedExample;
using testing::kWorkedParameters;


struct ComposeCase {
  const char* name;
  std::string file;  // empty: no file at all
  std::string program;
  std::string parameters;
};

class ComposeTest : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTest, ComposesTheCommand) {
  const ComposeCase& c = GetParam();
  ScratchDirectory dir;
  std::string path = c.file.empty() ? dir.File("Brindoka.Ini")
                                    : dir.Write("Brindoka.Ini", c.file);
  LaunchCommand command;
  ASSERT_TRUE(ComposeLaunchCommand(path.c_str(), &command));
  EXPECT_EQ(command.Program(), c.program);
  EXPECT_EQ(command.parameters.CStr(), c.parameters);
}

const std::string kLong(200, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, ComposeTest,
    ::testing::Values(
        ComposeCase{"WorkedExample", kWorkedExample, "javaw", kWorkedParameters},
        ComposeCase{"NoFile", "", "javaw", kDefaultParameters},
        ComposeCase{"NoConfigSection", "[Other]\nclient=a.jar\njavaw=x\n", "javaw",
                    kDefaultParameters},
        ComposeCase{"CustomJavaw", "[Config]\njavaw=jre\\bin\\javaw.exe\n",
                    "jre\\bin\\javaw.exe", kDefaultParameters},
        // The default applies only when the key is missing.
        ComposeCase{"EmptyJavaw", "[Config]\njavaw=\n", "", kDefaultParameters},
        ComposeCase{"ValuesInsertedUnchanged",
                    "[Config]\nclient= my app.jar \nmainclass=a b\n"
                    "router=\"q\"\nconf=C:\\x\\\n",
                    "javaw", "-classpath \" my app.jar ;;;;;\" a b \"q\" C:\\x\\"},
        ComposeCase{"LongValuesWhole",
                    "[Config]\nclient=" + kLong + "\nconf=" + kLong + "\n", "javaw",
                    "-classpath \"" + kLong + ";;;;;\"   " + kLong},
        ComposeCase{"LookupPitfalls",
                    "client=early.jar\n[Config]\nlib =b.jar\nsoap=c.jar;x\n"
                    "mail=[e]\nxerces=d.jar\n",
                    "javaw", "-classpath \";;c.jar;;;\"   "}),
    [](const auto& info) { return info.param.name; });

TEST(ComposeLaunchCommand, TakesEachSettingIntoItsOwnString) {
  ScratchDirectory dir;
  std::string path = dir.Write("Brindoka.Ini", kWorkedExample);
  LaunchCommand command;
  ASSERT_TRUE(ComposeLaunchCommand(path.c_str(), &command));
  std::vector<std::string> expected = {"a.jar", "b.jar", "c.jar", "d.jar", "e.jar",
                                       "f.jar", "Cf",    "Main",  "Rt",    "javaw"};
  std::vector<std::string> settings;
  for (const GrowableText& setting : command.settings) {
    settings.push_back(setting.CStr());
  }
  EXPECT_EQ(settings, expected);
}

TEST(GrowableText, FailsForGoodOnASizeItCannotHold) {
  GrowableText text;
  text.Append("abc");
  text.Append("", SIZE_MAX - 1);  // never copied: the size is refused first
  EXPECT_TRUE(text.Failed());
  text.Append("d");
  EXPECT_TRUE(text.Failed());
  EXPECT_STREQ(text.CStr(), "abc");
}

// Runs the sequence in a directory of its own and records what it started.
struct Started {
  int calls = 0;
  std::string program;
  std::string parameters;
};
Started started;

void Record(const char* program, const char* parameters) {
  ++started.calls;
  started.program = program;
  started.parameters = parameters;
}

class InDirectory {
 public:
  explicit InDirectory(const std::string& path)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~InDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

TEST(RunLaunchSequence, StartsTheCommandFromTheCurrentDirectory) {
  ScratchDirectory dir;
  dir.Write("Brindoka.Ini", kWorkedExample);
  InDirectory cwd(dir.Path());
  started = {};
  EXPECT_EQ(RunLaunchSequence(&Record), 0);
  EXPECT_EQ(started.calls, 1);
  EXPECT_EQ(started.program, "javaw");
  EXPECT_EQ(started.parameters, kWorkedParameters);
}

// Memory running out at any allocation of the run: the run still returns 0
// and either starts the whole command or nothing.
TEST(RunLaunchSequence, StartsTheWholeCommandOrNothingWhenMemoryRunsOut) {
  ScratchDirectory dir;
  std::string path = dir.Write(
      "Brindoka.Ini", std::string(kWorkedExample) + "javaw=" + kLong + "\n");
  InDirectory cwd(dir.Path());
  long total;
  {
    AllocationFaults counting;
    RunLaunchSequence([](const char*, const char*) {});
    total = counting.Count();
  }
  ASSERT_GT(total, 10);
  for (long failing = 1; failing <= total; ++failing) {
    started = {};
    int exitCode;
    {
      AllocationFaults faults(failing);
      exitCode = RunLaunchSequence(&Record);
    }
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(started.calls, 0) << "allocation " << failing << " of " << total;
    EXPECT_FALSE(testing::FileIsOpen(path)) << "allocation " << failing;
  }
}

}  // namespace
}  // namespace brindoka
