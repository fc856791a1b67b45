#include "launcher/launch_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_files.h"

namespace brindoka {
namespace {

using testing::ScratchDirectory;

// A complete, clean settings file whose class path exists in the folder.
const char kClean[] =
    "[Config]\nclient=client.jar\nlib=lib\\common.jar\nsoap=soap.jar\nxerces=x.jar\n"
    "mail=mail.jar\nactivation=act.jar\nmainclass=com.example.Main\nrouter=r:1\n"
    "conf=c.properties\n";

LaunchReport Check(const std::string& settings) {
  ScratchDirectory dir;
  for (const char* jar : {"client.jar", "soap.jar", "x.jar", "mail.jar", "act.jar"}) {
    dir.Write(jar, "");
  }
  std::filesystem::create_directory(dir.File("lib"));
  dir.Write("lib/common.jar", "");
  return CheckLaunch(dir.Write("Brindoka.Ini", settings), dir.Path());
}

TEST(CheckLaunch, CleanFileGivesTheCommandAndNoWarning) {
  LaunchReport report = Check(kClean);
  EXPECT_TRUE(report.warnings.empty()) << report.warnings[0].message;
  EXPECT_EQ(report.ExitStatus(), 0);
  EXPECT_EQ(report.program, "javaw");
  EXPECT_EQ(report.parameters,
            "-classpath \"client.jar;lib\\common.jar;soap.jar;x.jar;mail.jar;act.jar\" "
            "com.example.Main r:1 c.properties");
  EXPECT_EQ(report.arguments.size(), 5u);
  EXPECT_EQ(report.settings[0].key, "client");
  EXPECT_EQ(report.settings[0].line, 2u);
  EXPECT_EQ(report.settings[9].line, 0u);  // javaw: the default
}

// Blanks at either end only widen the gaps between the command's words.
TEST(CheckLaunch, BlanksAroundAWordAreNoWarning) {
  std::string settings = kClean;
  settings.replace(settings.find("router=r:1"), 10, "router= r:1 ; note");
  EXPECT_TRUE(Check(settings).warnings.empty());
}

TEST(CheckLaunch, NoFileTakesEveryDefault) {
  ScratchDirectory dir;
  LaunchReport report = CheckLaunch(dir.File("Brindoka.Ini"), dir.Path());
  EXPECT_FALSE(report.found);
  EXPECT_EQ(report.ExitStatus(), 2);
  EXPECT_EQ(report.parameters, "-classpath \";;;;;\"   ");
}

struct LaunchWarningCase {
  const char* name;
  std::string replace;  // a line of the clean file
  std::string with;
  const char* says;
};

class LaunchWarningTest : public ::testing::TestWithParam<LaunchWarningCase> {};

TEST_P(LaunchWarningTest, IsReported) {
  const LaunchWarningCase& c = GetParam();
  std::string settings = kClean;
  std::size_t at = settings.find(c.replace);
  ASSERT_NE(at, std::string::npos);
  settings.replace(at, c.replace.size(), c.with);
  LaunchReport report = Check(settings);
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_NE(report.warnings[0].message.find(c.says), std::string::npos)
      << report.warnings[0].message;
  EXPECT_EQ(report.ExitStatus(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LaunchWarningTest,
    ::testing::Values(
        LaunchWarningCase{"QuoteInValue", "router=r:1", "router=\"r:1\"", "double quote"},
        LaunchWarningCase{"BlankInMainClass", "mainclass=com.example.Main",
                          "mainclass=com.example.Main -Xmx1g", "several arguments"},
        LaunchWarningCase{"BlankInsideConf", "conf=c.properties",
                          "conf=c.properties x ; the file", "several arguments"},
        LaunchWarningCase{"EmptyJavaw", "conf=c.properties", "conf=c.properties\njavaw=",
                          "no program is started"},
        LaunchWarningCase{"MissingClassPathFile", "soap=soap.jar", "soap=soap2.jar",
                          "names soap2.jar"},
        LaunchWarningCase{"MissingKey", "router=r:1\n", "", "\"router\" is not set"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace brindoka
