#include "ini/text_piece_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_files.h"

namespace brindoka {
namespace {

std::vector<std::string> Pieces(const std::string& bytes, std::size_t limit) {
  testing::ScratchDirectory dir;
  std::FILE* file = OpenForSharedReading(dir.Write("f", bytes).c_str());
  EXPECT_NE(file, nullptr);
  TextPieceReader reader(file);
  std::vector<std::string> pieces;
  std::string out(limit + 1, '\0');
  while (std::size_t length = reader.NextPiece(&out[0], limit)) {
    EXPECT_EQ(out[length], '\0');
    pieces.push_back(out.substr(0, length));
  }
  EXPECT_EQ(reader.NextPiece(&out[0], limit), 0u);  // stays at the end
  std::fclose(file);
  return pieces;
}

using Strings = std::vector<std::string>;

TEST(TextPieceReader, TranslatesLikeTextMode) {
  EXPECT_EQ(Pieces("a\r\nb\n", 10), (Strings{"a\n", "b\n"}));
  EXPECT_EQ(Pieces("a\rb\r\r\n", 10), (Strings{"a\rb\r\n"}));
  EXPECT_EQ(Pieces("a\r", 10), (Strings{"a\r"}));
  EXPECT_EQ(Pieces("a\r\x1A\nb", 10), (Strings{"a\r"}));
  EXPECT_EQ(Pieces("\x1A\x1A", 10), Strings{});
  EXPECT_EQ(Pieces(std::string("a\0b\n", 4), 10),
            (Strings{std::string("a\0b\n", 4)}));
}

TEST(TextPieceReader, CutsPiecesAtTheLimit) {
  EXPECT_EQ(Pieces("abcdefg\nhi", 3), (Strings{"abc", "def", "g\n", "hi"}));
  EXPECT_EQ(Pieces("abc\n", 3), (Strings{"abc", "\n"}));
  // CR LF counts as one character against the limit.
  EXPECT_EQ(Pieces("ab\r\n", 3), (Strings{"ab\n"}));
}

TEST(TextPieceReader, JoinsCrLfAcrossReadChunks) {
  for (std::size_t before : {4094u, 4095u, 4096u, 8191u}) {
    std::string bytes = std::string(before, 'x') + "\r\ny";
    Strings pieces = Pieces(bytes, 10000);
    ASSERT_EQ(pieces.size(), 2u) << before;
    EXPECT_EQ(pieces[0], std::string(before, 'x') + "\n") << before;
    EXPECT_EQ(pieces[1], "y");
  }
}

}  // namespace
}  // namespace brindoka
