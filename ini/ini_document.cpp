// The line store: reading, classifying and releasing the lines.
#include "ini/ini_document.h"

#include <cstring>
#include "ini/memory.h"
#include "ini/text_piece_reader.h"

namespace brindoka {

LineKind ClassifyLine(const char* text) {
  // The comment does not count for classification; the stored text keeps it.
  std::size_t length = std::strcspn(text, ";");
  auto holds = [&](char c) { return std::memchr(text, c, length) != nullptr; };
  if (holds('[') && holds(']')) return LineKind::Header;
  if (holds('=')) return LineKind::Entry;
  return LineKind::Other;
}

IniDocument::~IniDocument() { Close(); }

void IniDocument::Clear() {
  IniLine* line = firstLine_;
  while (line != nullptr) {
    IniLine* next = line->next;
    ReleaseMemory(line->text);
    ReleaseMemory(line);
    line = next;
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
  auto* line = static_cast<IniLine*>(AllocateMemory(sizeof(IniLine)));
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
  while (reader.NextPiece(piece, kPieceLength) > 0) {
    // The piece ends at its line feed, or at a NUL inside it.
    piece[std::strcspn(piece, "\n")] = '\0';
    std::size_t length = std::strlen(piece);

    IniLine* line = Append();
    if (line == nullptr) return 0;  // the file stays open until Close
    line->text = static_cast<char*>(AllocateMemory(length + 1));
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
