#include <gtest/gtest.h>

#include <string>

#include "ini/ini_document.h"
#include "tests/support/allocation_faults.h"
#include "tests/support/scratch_files.h"

namespace brindoka {
namespace {

using testing::ScratchDirectory;

// A document read from the given file content.
class Document {
 public:
  explicit Document(const std::string& bytes) {
    EXPECT_EQ(document.Read(dir_.Write("a.ini", bytes).c_str()), 1);
  }
  ScratchDirectory dir_;
  IniDocument document;
};

constexpr const char* kMissing = "<default>";

struct LookupCase {
  const char* name;
  std::string file;
  const char* key;
  const char* expected;  // kMissing when the default comes back
};

class LookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, FindsExactlyWhatTheRulesSay) {
  const LookupCase& c = GetParam();
  Document file(c.file);
  const char* result = file.document.GetString("Config", c.key, kMissing);
  EXPECT_STREQ(result, c.expected);
}

const std::string kLongValue(200, 'v');
const std::string kLongKey(200, 'k');

INSTANTIATE_TEST_SUITE_P(
    Files, LookupTest,
    ::testing::Values(
        LookupCase{"CaseIgnored", "[config]\nCLIENT=a.jar\n", "client", "a.jar"},
        LookupCase{"BlanksInsideBrackets", "[ Config ]\nclient=a.jar\n", "client", kMissing},
        LookupCase{"CommentOnHeader", "[Config] ; main\nclient=a.jar\n", "client", kMissing},
        LookupCase{"BlankAfterHeader", "[Config] \nclient=a.jar\n", "client", kMissing},
        LookupCase{"BlankBeforeEquals", "[Config]\nclient = a.jar\n", "client", kMissing},
        LookupCase{"BlankAfterEqualsKept", "[Config]\nclient= a.jar\n", "client", " a.jar"},
        LookupCase{"SemicolonEndsValue", "[Config]\nclient=a;b\n", "client", "a"},
        LookupCase{"BlankBeforeCommentKept", "[Config]\nclient=a.jar ; note\n", "client", "a.jar "},
        LookupCase{"EmptyValue", "[Config]\nclient=\n", "client", ""},
        LookupCase{"FirstEqualsSplits", "[Config]\nmainclass=a=b\n", "mainclass", "a=b"},
        LookupCase{"BracketEntryEndsSection", "[Config]\nx=[y]\nclient=a.jar\n", "client", kMissing},
        LookupCase{"EntryBeforeAnyHeader", "client=a.jar\n[Config]\n", "client", kMissing},
        LookupCase{"OnlyFirstHeaderCounts", "[Config]\nx=1\n[Other]\n[Config]\nclient=a.jar\n", "client", kMissing},
        LookupCase{"FirstEntryWins", "[Config]\nclient=a.jar\nclient=b.jar\n", "client", "a.jar"},
        LookupCase{"HeaderIsLastLine", "client=a.jar\n[Config]", "client", kMissing},
        LookupCase{"ByteOrderMark", "\xEF\xBB\xBF[Config]\nclient=a.jar\n", "client", kMissing},
        LookupCase{"HighBytesNotFolded", "[Config]\n\xE9=up\n\xC9=low\n", "\xC9", "low"},
        LookupCase{"OtherLinesSkipped", "[Config]\n\n; note\njunk\nclient=a.jar\n", "client", "a.jar"},
        LookupCase{"NextHeaderEndsSection", "[Config]\n[Other]\nclient=a.jar\n", "client", kMissing},
        LookupCase{"KeyPrefixIsNotKey", "[Config]\nclientx=1\nclient=2\n", "client", "2"},
        LookupCase{"CrLfFile", "[Config]\r\nclient=a.jar\r\n", "client", "a.jar"},
        LookupCase{"TabBeforeEquals", "[Config]\nclient\t=a.jar\n", "client", kMissing},
        // Longer than the 127 characters older readers kept: passed whole.
        LookupCase{"LongValueWhole", "[Config]\nclient=" + kLongValue + "\n", "client", kLongValue.c_str()}),
    [](const auto& info) { return info.param.name; });

TEST(Lookup, LongestValueAPieceCarriesIsWhole) {
  std::string value(252, 'w');
  Document file("[Config]\nk=" + value + "\n");
  EXPECT_EQ(file.document.GetString("Config", "k", ""), value);
}

TEST(Lookup, LongNamesAreComparedWhole) {
  std::string section(200, 's');
  Document file("[" + section + "]\n" + kLongKey + "=v\n");
  EXPECT_STREQ(file.document.GetString(section.c_str(), kLongKey.c_str(), ""), "v");
  // Names that agree with the file only as far as an older reader's pattern
  // width must not match.
  std::string shortSection = section.substr(0, 129);
  std::string shortKey = kLongKey.substr(0, 127);
  EXPECT_STREQ(file.document.GetString(shortSection.c_str(), kLongKey.c_str(), "-"), "-");
  EXPECT_STREQ(file.document.GetString(section.c_str(), shortKey.c_str(), "-"), "-");
  std::string longerKey = kLongKey + "k";
  EXPECT_STREQ(file.document.GetString(section.c_str(), longerKey.c_str(), "-"), "-");
}

TEST(Lookup, GetStringReturnsTheValueBufferOrTheCallersDefault) {
  Document file("[Config]\na=1\nb=2\n");
  const char* defaultValue = "d";
  const char* a = file.document.GetString("Config", "a", defaultValue);
  EXPECT_STREQ(a, "1");
  EXPECT_EQ(file.document.GetString("Config", "b", defaultValue), a);
  EXPECT_STREQ(a, "2");  // the single value buffer was overwritten
  EXPECT_EQ(file.document.GetString("Config", "c", defaultValue), defaultValue);
  EXPECT_STREQ(a, "2");  // a miss leaves the buffer alone
  EXPECT_EQ(file.document.GetString("Nope", "a", defaultValue), defaultValue);
}

TEST(Lookup, NoneArgumentsReturnTheDefaultWithoutSearching) {
  Document file("[Config]\na=1\n");
  EXPECT_EQ(file.document.GetString("Config", "a", nullptr), nullptr);
  EXPECT_STREQ(file.document.GetString(nullptr, "a", "d"), "d");
  EXPECT_STREQ(file.document.GetString("Config", nullptr, "d"), "d");
  EXPECT_EQ(file.document.FindSection(nullptr), nullptr);
}

TEST(Lookup, AFailedReadGivesDefaults) {
  ScratchDirectory dir;
  IniDocument document;
  EXPECT_EQ(document.Read(dir.File("missing.ini").c_str()), 0);
  EXPECT_STREQ(document.GetString("Config", "client", "d"), "d");
  EXPECT_EQ(document.FindSection("Config"), nullptr);
}

TEST(Lookup, FindEntryDescribesTheEntry) {
  Document file("[Other]\n[config]\n\nCLIENT=a.jar ;note\n");
  EntryLocation location;
  ASSERT_TRUE(file.document.FindEntry("Config", "client", &location));
  EXPECT_STREQ(location.sectionLine->text, "[config]");
  EXPECT_STREQ(location.entryLine->text, "CLIENT=a.jar ;note");
  EXPECT_STREQ(location.key, "CLIENT");
  EXPECT_STREQ(location.value, "a.jar ");
  EXPECT_STREQ(location.comment, ";note");
  EXPECT_EQ(file.document.FindSection("CONFIG"), location.sectionLine);

  ASSERT_FALSE(file.document.FindEntry("Config", "lib", &location));
  EXPECT_STREQ(location.sectionLine->text, "[config]");
  EXPECT_EQ(location.entryLine, nullptr);
  ASSERT_FALSE(file.document.FindEntry("Missing", "lib", &location));
  EXPECT_EQ(location.sectionLine, nullptr);
}

TEST(Lookup, AllocatesNothing) {
  Document file("[Config]\na=1\n");
  testing::AllocationFaults faults(1);
  EXPECT_STREQ(file.document.GetString("Config", "a", ""), "1");
  EXPECT_STREQ(file.document.GetString("Config", "b", "d"), "d");
  EXPECT_EQ(faults.Count(), 0);
}

}  // namespace
}  // namespace brindoka
