// Reads a file opened in binary as the C runtime's text mode would deliver it,
// in line pieces like fgets with a fixed limit, identically on every platform:
//   - CR LF arrives as one LF; a CR not followed by LF stays a character;
//   - byte 0x1A ends the file: nothing from it on is read;
//   - a piece holds the characters up to and including the next LF, but at
//     most `limit` of them.
// A read error ends the file the same way as its real end.
#ifndef BRINDOKA_INI_TEXT_PIECE_READER_H
#define BRINDOKA_INI_TEXT_PIECE_READER_H

#include <cstddef>
#include <cstdio>

namespace brindoka {

// Opens path for reading in binary without denying other processes any access
// (on Windows a share mode that denies nothing). Directories are refused.
// Returns none when the file cannot be opened.
std::FILE* OpenForSharedReading(const char* path);

class TextPieceReader {
 public:
  explicit TextPieceReader(std::FILE* file) : file_(file) {}

  // Copies the next piece of at most `limit` characters into out (which must
  // hold limit + 1 bytes) and NUL-terminates it. Returns the piece's length,
  // or 0 when the file gives no more characters. The piece may hold NULs.
  std::size_t NextPiece(char* out, std::size_t limit);

 private:
  // The next character after text-mode translation, or -1 at the end.
  int NextChar();
  // Copies bytes that need no translation straight from the read chunk, at
  // most room of them; stops before a LF, CR or 0x1A.
  std::size_t CopyPlainRun(char* out, std::size_t room);
  // The next raw byte, or -1 at the end (or on a read error).
  int NextByte();

  std::FILE* file_;
  unsigned char chunk_[65536];
  std::size_t chunkPos_ = 0;
  std::size_t chunkLen_ = 0;
  int heldByte_ = -1;  // a byte read ahead after a CR
  bool ended_ = false;
};

}  // namespace brindoka

#endif  // BRINDOKA_INI_TEXT_PIECE_READER_H
