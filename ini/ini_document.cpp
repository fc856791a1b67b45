// The line store: reading, classifying and releasing the lines.
#include "ini/ini_document.h"

#include <array>
#include <cstring>

#include "ini/memory.h"
#include "ini/text_piece_reader.h"

namespace brindoka {

namespace {

// What each byte means to classification, looked up once per byte.
enum : unsigned char { kOpening = 1, kClosing = 2, kEquals = 4, kEnd = 8 };

constexpr std::array<unsigned char, 256> MakeClassTable() {
  std::array<unsigned char, 256> table{};
  table['['] = kOpening;
  table[']'] = kClosing;
  table['='] = kEquals;
  table[';'] = kEnd;  // the comment does not count; the stored text keeps it
  table['\0'] = kEnd;
  return table;
}
constexpr std::array<unsigned char, 256> kClassTable = MakeClassTable();

}  // namespace

LineKind ClassifyLine(const char* text) {
  unsigned seen = 0;
  for (auto* c = reinterpret_cast<const unsigned char*>(text);; ++c) {
    unsigned char meaning = kClassTable[*c];
    if (meaning & kEnd) break;
    seen |= meaning;
  }
  if ((seen & (kOpening | kClosing)) == (kOpening | kClosing)) {
    return LineKind::Header;
  }
  return (seen & kEquals) != 0 ? LineKind::Entry : LineKind::Other;
}

IniDocument::~IniDocument() { Close(); }

// A block of line memory: this header, then kLineBlockSize bytes.
struct IniDocument::LineBlock {
  LineBlock* next;
  std::size_t used;
};

namespace {

std::size_t AlignedForLines(std::size_t size) {
  constexpr std::size_t kAlignment = alignof(IniLine);
  return (size + kAlignment - 1) / kAlignment * kAlignment;
}

}  // namespace

void* IniDocument::TakeLineMemory(std::size_t size) {
  static_assert(alignof(LineBlock) >= alignof(IniLine),
                "a block's bytes start aligned for a line record");
  size = AlignedForLines(size);
  if (size > kLineBlockSize) return nullptr;  // never: pieces are far smaller
  if (blocks_ == nullptr || kLineBlockSize - blocks_->used < size) {
    auto* block = static_cast<LineBlock*>(
        AllocateMemory(sizeof(LineBlock) + kLineBlockSize));
    if (block == nullptr) return nullptr;
    *block = LineBlock{blocks_, 0};
    blocks_ = block;
  }
  unsigned char* bytes =
      reinterpret_cast<unsigned char*>(blocks_ + 1) + blocks_->used;
  blocks_->used += size;
  return bytes;
}

void IniDocument::Clear() {
  while (blocks_ != nullptr) {
    LineBlock* next = blocks_->next;
    ReleaseMemory(blocks_);
    blocks_ = next;
  }
  firstLine_ = nullptr;
  lastLine_ = nullptr;
}

void IniDocument::CloseFile() {
  if (openFile_ != nullptr) {
    std::fclose(openFile_);
    openFile_ = nullptr;
  }
}

void IniDocument::Close() {
  Clear();
  CloseFile();
}

IniLine* IniDocument::Append() {
  auto* line = static_cast<IniLine*>(TakeLineMemory(sizeof(IniLine)));
  if (line == nullptr) {
    Clear();
    return nullptr;
  }
  *line = IniLine{LineKind::Unclassified, nullptr, lastLine_, nullptr};
  if (lastLine_ != nullptr) {
    lastLine_->next = line;
  } else {
    firstLine_ = line;
  }
  lastLine_ = line;
  return line;
}

int IniDocument::Read(const char* path) {
  Clear();
  CloseFile();  // a file left open by an earlier failed Read
  if (path == nullptr) return 0;
  openFile_ = OpenForSharedReading(path);
  if (openFile_ == nullptr) return 0;

  TextPieceReader reader(openFile_);
  char piece[kPieceLength + 1];
  std::size_t length;
  while ((length = reader.NextPiece(piece, kPieceLength)) > 0) {
    // A piece holds a line feed only as its last character; the line's text
    // ends there, or at a NUL inside it.
    if (piece[length - 1] == '\n') --length;
    piece[length] = '\0';
    length = std::strlen(piece);

    IniLine* line = Append();
    if (line == nullptr) return 0;  // the file stays open until Close
    line->text = static_cast<char*>(TakeLineMemory(length + 1));
    if (line->text == nullptr) {
      Clear();
      return 0;
    }
    std::memcpy(line->text, piece, length + 1);
    line->kind = ClassifyLine(line->text);
  }
  CloseFile();
  return 1;
}

}  // namespace brindoka
