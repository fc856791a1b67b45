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

std::string Repeated(const std::string& text, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out += text;
  return out;
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

// Where memory runs out: the n-th block allocation fails while reading a
// file of equal lines of the given length. The lengths are chosen so that the
// second block is asked for by a record, or by a text whose record still fit.
struct OutOfMemoryCase {
  const char* name;
  long failingAllocation;
  std::size_t lineLength;
};

std::size_t LineFootprint(std::size_t lineLength) {
  auto aligned = [](std::size_t n) {
    return (n + alignof(IniLine) - 1) / alignof(IniLine) * alignof(IniLine);
  };
  return sizeof(IniLine) + aligned(lineLength + 1);
}

class ReadOutOfMemory : public ::testing::TestWithParam<OutOfMemoryCase> {};

TEST_P(ReadOutOfMemory, LeavesTheDocumentEmptyAndTheFileOpenUntilClose) {
  const OutOfMemoryCase& c = GetParam();
  std::size_t footprint = LineFootprint(c.lineLength);
  std::size_t lines = kLineBlockSize / footprint + 2;
  ScratchDirectory dir;
  std::string path = dir.Write(
      "a.ini", Repeated("[A]" + std::string(c.lineLength - 3, 'a') + "\n", lines));
  IniDocument document;
  {
    AllocationFaults faults(c.failingAllocation);
    EXPECT_EQ(document.Read(path.c_str()), 0);
  }
  EXPECT_EQ(document.FirstLine(), nullptr);
  EXPECT_EQ(document.LastLine(), nullptr);
  EXPECT_TRUE(document.HasOpenFile());
  EXPECT_TRUE(testing::FileIsOpen(path));
  EXPECT_EQ(document.FindSection("A"), nullptr);
  document.Close();
  EXPECT_FALSE(document.HasOpenFile());
  EXPECT_FALSE(testing::FileIsOpen(path));

  // A later Read starts afresh, also over a file still open.
  {
    AllocationFaults faults(c.failingAllocation);
    EXPECT_EQ(document.Read(path.c_str()), 0);
  }
  ASSERT_EQ(document.Read(path.c_str()), 1);
  EXPECT_FALSE(document.HasOpenFile());
  EXPECT_EQ(Lines(document).size(), lines);
}

// With lines taking 128 bytes each, a block holds a whole number of them, so
// the next record asks for a new block. With a 63-character line, the space
// left in a block holds a record but not its text.
INSTANTIATE_TEST_SUITE_P(
    Points, ReadOutOfMemory,
    ::testing::Values(OutOfMemoryCase{"FirstRecord", 1, 10},
                      OutOfMemoryCase{"LaterRecord", 2, 127 - sizeof(IniLine)},
                      OutOfMemoryCase{"LaterText", 2, 63}),
    [](const auto& info) { return info.param.name; });

TEST(ReadOutOfMemory, CasesHitTheIntendedAllocation) {
  std::size_t record = LineFootprint(127 - sizeof(IniLine));
  EXPECT_EQ(kLineBlockSize % record, 0u);
  std::size_t text = LineFootprint(63);
  EXPECT_GE(kLineBlockSize % text, sizeof(IniLine));
  EXPECT_LT(kLineBlockSize % text, text);
}

TEST(IniDocumentRead, AllocatesABlockAtATime) {
  ScratchDirectory dir;
  IniDocument document;
  {
    AllocationFaults faults;
    ASSERT_EQ(document.Read(dir.Write("small.ini", "[A]\nx=1\ny=2\n").c_str()), 1);
    EXPECT_EQ(faults.Count(), 1);
  }
  {
    // 128 bytes a line: 256 lines fill a block.
    std::string line = std::string(126 - sizeof(IniLine), 'x') + "\n";
    AllocationFaults faults;
    ASSERT_EQ(document.Read(dir.Write("big.ini", Repeated(line, 3 * 256)).c_str()), 1);
    EXPECT_EQ(faults.Count(), 3);
  }
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
