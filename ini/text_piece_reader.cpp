#include "ini/text_piece_reader.h"

#include <sys/stat.h>


#ifdef _WIN32
#include <share.h>
#endif

namespace brindoka {
namespace {

constexpr int kEndOfFileByte = 0x1A;  // Ctrl-Z ends a text-mode file

std::FILE* OpenBinaryShared(const char* path) {
#ifdef _WIN32
  return _fsopen(path, "rb", _SH_DENYNO);
#else
  return std::fopen(path, "rb");
#endif
}

bool IsDirectory(std::FILE* file) {
  struct stat status;
  return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::FILE* OpenForSharedReading(const char* path) {
  std::FILE* file = OpenBinaryShared(path);
  if (file != nullptr && IsDirectory(file)) {
    // POSIX lets a directory be opened; it holds no settings.
    std::fclose(file);
    return nullptr;
  }
  return file;
}

int TextPieceReader::NextByte() {
  if (chunkPos_ == chunkLen_) {
    if (ended_) return -1;
    chunkLen_ = std::fread(chunk_, 1, sizeof chunk_, file_);
    chunkPos_ = 0;
    if (chunkLen_ == 0) {
      ended_ = true;
      return -1;
    }
  }
  return chunk_[chunkPos_++];
}

int TextPieceReader::NextChar() {
  int c = heldByte_;
  heldByte_ = -1;
  if (c < 0) c = NextByte();
  if (c < 0 || c == kEndOfFileByte) {
    ended_ = true;
    chunkPos_ = chunkLen_;
    return -1;
  }
  if (c == '\r') {
    int following = NextByte();
    if (following == '\n') return '\n';
    heldByte_ = following;
  }
  return c;
}

std::size_t TextPieceReader::CopyPlainRun(char* out, std::size_t room) {
  if (heldByte_ >= 0) return 0;
  const unsigned char* run = chunk_ + chunkPos_;
  std::size_t available = chunkLen_ - chunkPos_;
  if (available > room) available = room;
  // A plain loop: the C runtime's search functions cost more per call than
  // a short line takes to scan (notably under Wine).
  std::size_t length = 0;
  while (length < available) {
    unsigned char c = run[length];
    if (c == '\n' || c == '\r' || c == kEndOfFileByte) break;
    out[length++] = static_cast<char>(c);
  }
  chunkPos_ += length;
  return length;
}

std::size_t TextPieceReader::NextPiece(char* out, std::size_t limit) {
  std::size_t length = 0;
  while (length < limit) {
    length += CopyPlainRun(out + length, limit - length);
    if (length == limit) break;
    int c = NextChar();
    if (c < 0) break;
    out[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  out[length] = '\0';
  return length;
}

}  // namespace brindoka
