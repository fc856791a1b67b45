#include "ini/settings_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_files.h"

namespace brindoka {
namespace {

const std::vector<std::string> kKeys = {"client", "mainclass"};

std::vector<Warning> NearMissesOf(const std::string& bytes) {
  testing::ScratchDirectory dir;
  CheckedSettingsFile file;
  EXPECT_TRUE(file.Read(dir.Write("Brindoka.Ini", bytes)));
  return file.NearMisses("Config", kKeys);
}

struct NearMissCase {
  const char* name;
  std::string file;
  std::size_t line;
  const char* says;  // a part of the message
};

class NearMissTest : public ::testing::TestWithParam<NearMissCase> {};

TEST_P(NearMissTest, IsFoundOnItsLine) {
  const NearMissCase& c = GetParam();
  std::vector<Warning> warnings = NearMissesOf(c.file);
  ASSERT_EQ(warnings.size(), 1u) << (warnings.empty() ? "none" : warnings[1].message);
  EXPECT_EQ(warnings[0].line, c.line);
  EXPECT_NE(warnings[0].message.find(c.says), std::string::npos) << warnings[0].message;
  EXPECT_FALSE(warnings[0].fix.empty());
}

const std::string kLong(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, NearMissTest,
    ::testing::Values(
        NearMissCase{"BlanksInHeader", "[ Config ]\n[Config]\nclient=a\n", 1, "blanks count"},
        NearMissCase{"BlankAfterHeader", "[Config] \n[Config]\nclient=a\n", 1, "blanks count"},
        NearMissCase{"CommentOnHeader", "; top\n[Config] ; main\n[config]\n", 2, "comment"},
        NearMissCase{"ByteOrderMark", "\xEF\xBB\xBF[Config]\n[Config]\n", 1, "byte-order mark"},
        NearMissCase{"BlankBeforeEquals", "[Config]\nclient =a\n", 2, "not \"client\""},
        NearMissCase{"TabAfterKey", "[Config]\n\tmainclass=M\n", 2, "not \"mainclass\""},
        NearMissCase{"EntryBeforeHeader", "client=a\n[Config]\n", 1, "before the first section header"},
        NearMissCase{"SecondConfig", "[Config]\nclient=a\n[Other]\n[CONFIG]\n", 4, "only the first (line 1)"},
        NearMissCase{"RepeatedKey", "[Config]\nclient=a\n\nCLIENT=b\n", 4, "only the first (line 2)"},
        NearMissCase{"LongLine", "[Config]\n;" + kLong + "\n", 2, "301 characters long"},
        NearMissCase{"BracketsEndSection", "[Config]\nclient=[a].jar\nmainclass=M\n", 2,
                     "read as a section header"},
        NearMissCase{"NulCutsLine", std::string("[Config]\nclient=a\0b\n", 20), 2, "NUL byte"},
        NearMissCase{"CtrlZCutsFile", "[Config]\nclient=a\n\x1A\nmainclass=M\n", 3, "Ctrl-Z"},
        NearMissCase{"NoSection", "[Other]\nclient=a\n", 0, "no [Config] section"}),
    [](const auto& info) { return info.param.name; });

TEST(NearMisses, CleanFileHasNone) {
  EXPECT_TRUE(NearMissesOf("; settings\r\n[Config]\r\nclient=a.jar ; comment\r\n"
                           "mainclass=Main\r\nother = x\r\n[Other]\r\nclient=b\r\n\x1A")
                  .empty());
}

TEST(CheckedSettingsFile, TracesRecordsToTheirLines) {
  testing::ScratchDirectory dir;
  CheckedSettingsFile file;
  ASSERT_TRUE(file.Read(dir.Write("a.ini", "a\r\n" + kLong + "\nb\n")));
  std::vector<std::size_t> lines;
  for (const IniLine* r = file.Document().FirstLine(); r; r = r->next) {
    lines.push_back(file.LineOf(r));
  }
  EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 2, 3}));
  EXPECT_FALSE(file.Read(dir.File("missing.ini")));
}

}  // namespace
}  // namespace brindoka
