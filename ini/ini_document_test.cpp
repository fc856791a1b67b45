#include "ini/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/allocation_faults.h"
#include "tests/support/scratch_files.h"

namespace brindoka {
namespace {

using testing::AllocationFaults;
using testing::ScratchDirectory;

struct StoredLine {
  LineKind kind;
  std::string text;
  bool operator==(const StoredLine& other) const {
    return kind == other.kind && text == other.text;
  }
};

std::ostream& operator<<(std::ostream& out, const StoredLine& line) {
  return out << static_cast<int>(line.kind) << ":\"" << line.text << "\"";
}

// The document's lines, checking the links in both directions on the way.
std::vector<StoredLine> Lines(const IniDocument& document) {
  std::vector<StoredLine> lines;
  const IniLine* previous = nullptr;
  for (const IniLine* line = document.FirstLine(); line; line = line->next) {
    EXPECT_EQ(line->previous, previous);
    lines.push_back({line->kind, line->text});
    previous = line;
  }
  EXPECT_EQ(document.LastLine(), previous);
  return lines;
}

std::vector<StoredLine> ReadBytes(const std::string& bytes) {
  ScratchDirectory dir;
  IniDocument document;
  EXPECT_EQ(document.Read(dir.Write("a.ini", bytes).c_str()), 1);
  EXPECT_FALSE(document.HasOpenFile());
  return Lines(document);
}

constexpr LineKind H = LineKind::Header;
constexpr LineKind E = LineKind::Entry;
constexpr LineKind O = LineKind::Other;

struct KindCase {
  const char* line;
  LineKind kind;
};

class LineKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(LineKindTest, IsClassifiedWhenRead) {
  const KindCase& c = GetParam();
  EXPECT_EQ(ReadBytes(std::string(c.line) + "\n"),
            (std::vector<StoredLine>{{c.kind, c.line}}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineKindTest,
    ::testing::Values(KindCase{"[Config]", H},
                      KindCase{"name=[x]", H},  // brackets win over "="
                      KindCase{"x]y[z", H},     // order does not matter
                      KindCase{"; [a]", O},     // brackets in the comment
                      KindCase{"[Con;fig]", O},
                      KindCase{"[open", O},
                      KindCase{"key=value", E},
                      KindCase{"key=value ; note", E},
                      KindCase{"key ; =x", O},  // "=" in the comment
                      KindCase{"", O},
                      KindCase{"   ", O}));

struct PieceCase {
  const char* name;
  std::string bytes;
  std::vector<StoredLine> lines;
};

class PieceTest : public ::testing::TestWithParam<PieceCase> {};

TEST_P(PieceTest, SplitsTheFileIntoRecords) {
  EXPECT_EQ(ReadBytes(GetParam().bytes), GetParam().lines);
}

const std::string k254(254, 'a');

INSTANTIATE_TEST_SUITE_P(
    Files, PieceTest,
    ::testing::Values(
        PieceCase{"Empty", "", {}},
        PieceCase{"LastLineWithoutLineFeed", "[A]\nk=v", {{H, "[A]"}, {E, "k=v"}}},
        PieceCase{"LongLineIsTwoRecords",
                  std::string(254, 'x') + "=" + std::string(45, 'y') + "\n",
                  {{O, std::string(254, 'x')}, {E, "=" + std::string(45, 'y')}}},
        PieceCase{"Exactly254ThenLineFeed", k254 + "\nk=v\n",
                  {{O, k254}, {O, ""}, {E, "k=v"}}},
        PieceCase{"CtrlZEndsTheFile", "[A]\nk=v\x1Arest\nmore\n",
                  {{H, "[A]"}, {E, "k=v"}}},
        PieceCase{"CtrlZAtLineStart", "[A]\n\x1A" "k=v\n", {{H, "[A]"}}},
        PieceCase{"CrLfIsOneLineFeed", "[A]\r\nk=v\r\n", {{H, "[A]"}, {E, "k=v"}}},
        PieceCase{"LoneCrStays", "k=a\rb\r\n", {{E, "k=a\rb"}}},
        PieceCase{"CrBeforeEndStays", "k=a\r", {{E, "k=a\r"}}},
        PieceCase{"BlankLines", "\n\n[A]\n", {{O, ""}, {O, ""}, {H, "[A]"}}},
        // A NUL ends the record's text; classification sees only what is
        // before it.
        PieceCase{"NulEndsTheText", std::string("ab\0=[x]\nk=v\n", 12),
                  {{O, "ab"}, {E, "k=v"}}},
        PieceCase{"NulLineIsEmpty", std::string("\0\0\0\n", 4), {{O, ""}}}),
    [](const auto& info) { return info.param.name; });

TEST(IniDocumentRead, FailsWithoutAFile) {
  ScratchDirectory dir;
  IniDocument document;
  EXPECT_EQ(document.Read(nullptr), 0);
  EXPECT_EQ(document.Read(dir.File("missing.ini").c_str()), 0);
  EXPECT_EQ(document.Read(dir.Path().c_str()), 0);  // a directory
  EXPECT_EQ(document.FirstLine(), nullptr);
  EXPECT_FALSE(document.HasOpenFile());
}

TEST(IniDocumentRead, ReplacesTheLinesOfAnEarlierRead) {
  ScratchDirectory dir;
  IniDocument document;
  ASSERT_EQ(document.Read(dir.Write("one.ini", "[A]\nx=1\n").c_str()), 1);
  ASSERT_EQ(document.Read(dir.Write("two.ini", "y=2\n").c_str()), 1);
  EXPECT_EQ(Lines(document), (std::vector<StoredLine>{{E, "y=2"}}));
  EXPECT_EQ(document.Read(dir.File("missing.ini").c_str()), 0);
  EXPECT_EQ(document.FirstLine(), nullptr);
}

TEST(IniDocumentRead, ClearAndCloseEmptyTheDocument) {
  ScratchDirectory dir;
  IniDocument document;
  ASSERT_EQ(document.Read(dir.Write("a.ini", "[A]\nx=1\n").c_str()), 1);
  document.Clear();
  EXPECT_EQ(document.FirstLine(), nullptr);
  EXPECT_EQ(document.LastLine(), nullptr);
  ASSERT_EQ(document.Read(dir.File("a.ini").c_str()), 1);
  document.Close();
  EXPECT_EQ(document.FirstLine(), nullptr);
  document.Close();  // nothing left to close
}

// Three lines: each takes a record and then a text, in that order.
class ReadOutOfMemory : public ::testing::TestWithParam<long> {};

TEST_P(ReadOutOfMemory, LeavesTheDocumentEmptyAndTheFileOpenUntilClose) {
  ScratchDirectory dir;
  std::string path = dir.Write("a.ini", "[A]\nx=1\ny=2\n");
  IniDocument document;
  {
    AllocationFaults faults(GetParam());
    EXPECT_EQ(document.Read(path.c_str()), 0);
  }
  EXPECT_EQ(document.FirstLine(), nullptr);
  EXPECT_EQ(document.LastLine(), nullptr);
  EXPECT_TRUE(document.HasOpenFile());
  EXPECT_TRUE(testing::FileIsOpen(path));
  EXPECT_STREQ(document.GetString("A", "x", "default"), "default");
  document.Close();
  EXPECT_FALSE(document.HasOpenFile());
  EXPECT_FALSE(testing::FileIsOpen(path));

  // A later Read starts afresh, also over a file still open.
  {
    AllocationFaults faults(GetParam());
    EXPECT_EQ(document.Read(path.c_str()), 0);
  }
  ASSERT_EQ(document.Read(path.c_str()), 1);
  EXPECT_FALSE(document.HasOpenFile());
  EXPECT_STREQ(document.GetString("A", "y", ""), "2");
}

// 1: the first record, 2: the first text, 5: a record with lines before it,
// 6: a text with lines before it.
INSTANTIATE_TEST_SUITE_P(EachAllocation, ReadOutOfMemory,
                         ::testing::Values(1L, 2L, 5L, 6L));

TEST(IniDocumentRead, AllocatesOneRecordAndOneTextPerLine) {
  ScratchDirectory dir;
  std::string path = dir.Write("a.ini", "[A]\nx=1\ny=2\n");
  IniDocument document;
  AllocationFaults faults;
  ASSERT_EQ(document.Read(path.c_str()), 1);
  EXPECT_EQ(faults.Count(), 6);
}

TEST(IniDocumentRead, DestructionClosesAFileLeftOpen) {
  ScratchDirectory dir;
  std::string path = dir.Write("a.ini", "[A]\n");
  {
    IniDocument document;
    AllocationFaults faults(1);
    EXPECT_EQ(document.Read(path.c_str()), 0);
    EXPECT_TRUE(testing::FileIsOpen(path));
  }
  EXPECT_FALSE(testing::FileIsOpen(path));
}

}  // namespace
}  // namespace brindoka
