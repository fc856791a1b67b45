#include "ini/settings_check.h"

#include <algorithm>
#include <cstring>

#include "ini/text_piece_reader.h"

namespace brindoka {
namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool Equal(const std::string& text, const std::string& name) {
  return NamesEqual(text.data(), text.size(), name.c_str());
}

// A line as it stands, quoted, shortened when long.
std::string Quoted(const std::string& text) {
  return "\"" + (text.size() > 60 ? text.substr(0, 57) + "..." : text) + "\"";
}

const char* KindName(LineKind kind) {
  switch (kind) {
    case LineKind::Header: return "section header";
    case LineKind::Entry: return "entry";
    default: return "other";
  }
}

}  // namespace

bool CheckedSettingsFile::Read(const std::string& path) {
  if (document_.Read(path.c_str()) != 1) return false;
  TraceRecords(path);
  ScanRawBytes(path);
  return true;
}

void CheckedSettingsFile::TraceRecords(const std::string& path) {
  origins_.clear();
  recordIndex_.clear();
  std::FILE* file = OpenForSharedReading(path.c_str());
  if (file == nullptr) return;
  TextPieceReader reader(file);
  char piece[kPieceLength + 1];
  std::size_t line = 1, pieceOfLine = 0, length;
  while ((length = reader.NextPiece(piece, kPieceLength)) > 0) {
    bool endsLine = piece[length - 1] == '\n';
    std::size_t raw = length - (endsLine ? 1 : 0);
    origins_.push_back({line, pieceOfLine, raw, std::memchr(piece, '\0', raw) != nullptr});
    pieceOfLine = endsLine ? 0 : pieceOfLine + 1;
    line += endsLine ? 1 : 0;
  }
  std::fclose(file);
  std::size_t index = 0;
  for (const IniLine* record = document_.FirstLine(); record; record = record->next) {
    recordIndex_[record] = index++;
  }
}

void CheckedSettingsFile::ScanRawBytes(const std::string& path) {
  std::string bytes;
  if (std::FILE* file = OpenForSharedReading(path.c_str())) {
    char chunk[65536];
    while (std::size_t got = std::fread(chunk, 1, sizeof chunk, file)) bytes.append(chunk, got);
    std::fclose(file);
  }
  byteOrderMark_ = bytes.compare(0, 3, kByteOrderMark) == 0;
  ctrlZLine_ = linesAfterCtrlZ_ = 0;
  std::size_t ctrlZ = bytes.find('\x1A');
  if (ctrlZ == std::string::npos) return;
  ctrlZLine_ = 1 + std::count(bytes.begin(), bytes.begin() + ctrlZ, '\n');
  bool text = false;
  for (std::size_t i = ctrlZ + 1; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\n') {
      linesAfterCtrlZ_ += text ? 1 : 0;
      text = false;
    } else if (!IsBlank(bytes[i]) && bytes[i] != '\r' && bytes[i] != '\x1A') {
      text = true;
    }
  }
}

const CheckedSettingsFile::Origin* CheckedSettingsFile::OriginOf(const IniLine* record) const {
  auto found = recordIndex_.find(record);
  if (found == recordIndex_.end() || found->second >= origins_.size()) return nullptr;
  return &origins_[found->second];
}

std::size_t CheckedSettingsFile::LineOf(const IniLine* record) const {
  const Origin* origin = OriginOf(record);
  return origin != nullptr ? origin->line : 0;
}

std::vector<Warning> CheckedSettingsFile::NearMisses(
    const std::string& section, const std::vector<std::string>& keys) const {
  std::vector<Warning> warnings;
  CheckHeaders(section, &warnings);
  CheckSection(section, keys, &warnings);
  CheckPieces(&warnings);
  CheckEndOfFile(&warnings);
  std::stable_sort(warnings.begin(), warnings.end(),
                   [](const Warning& a, const Warning& b) { return a.line < b.line; });
  return warnings;
}

void CheckedSettingsFile::CheckHeaders(const std::string& section,
                                       std::vector<Warning>* out) const {
  const std::string header = "[" + section + "]";
  const IniLine* first = document_.FindSection(section.c_str());
  bool beforeAnyHeader = true;
  for (const IniLine* record = document_.FirstLine(); record; record = record->next) {
    std::string text = record->text;
    if (beforeAnyHeader && record->kind == LineKind::Entry) {
      out->push_back({LineOf(record),
                      Quoted(text) + " comes before the first section header and is never read",
                      "move it under " + header});
    }
    beforeAnyHeader = beforeAnyHeader && record->kind != LineKind::Header;

    bool mark = record == document_.FirstLine() && byteOrderMark_;
    std::string body = mark ? text.substr(3) : text;
    std::size_t semicolon = body.find(';');
    std::string content = Trim(body.substr(0, semicolon));
    if (content.size() < 2 || content.front() != '[' || content.back() != ']') continue;
    std::string inner = content.substr(1, content.size() - 2);
    if (!Equal(Trim(inner), section)) continue;

    if (record == first) continue;  // the header that counts
    if (text.size() == inner.size() + 2 && !mark && Equal(inner, section)) {
      out->push_back({LineOf(record),
                      "a second " + header + ": only the first (line " +
                          std::to_string(LineOf(first)) + ") is read, so this block is ignored",
                      "move its entries into the first " + header + " and delete this header"});
      continue;
    }
    std::string why = mark ? "a byte-order mark (the file is saved as UTF-8 with BOM) stands before it"
                      : semicolon != std::string::npos ? "the comment after it is part of the header"
                                                       : "the blanks count as part of the name";
    out->push_back({LineOf(record),
                    Quoted(mark ? body : text) + " is not the header " + header + ": " + why +
                        ", so the settings below it are not read",
                    mark ? "save the file as ANSI or as UTF-8 without BOM, or put a comment line first"
                         : "write the line as " + header + " with nothing else on it"});
  }
}

void CheckedSettingsFile::CheckSection(const std::string& section,
                                       const std::vector<std::string>& keys,
                                       std::vector<Warning>* out) const {
  const IniLine* header = document_.FindSection(section.c_str());
  if (header == nullptr) {
    out->push_back({0, "there is no [" + section + "] section, so every setting takes its default",
                    "add a line [" + section + "] above the settings"});
    return;
  }
  std::unordered_map<std::string, std::size_t> firstLine;  // by key as looked up
  for (const IniLine* record = header->next; record; record = record->next) {
    EntryText parts;
    bool entryShaped = ParseEntryText(record->text, &parts);
    if (record->kind == LineKind::Header) {
      if (entryShaped) {
        out->push_back({LineOf(record),
                        Quoted(record->text) + " holds both [ and ], so it is read as a section "
                        "header: [" + section + "] ends here and the lines below are not read",
                        "remove the brackets from the value, or put this line in another section"});
      }
      return;
    }
    if (record->kind != LineKind::Entry || !entryShaped) continue;
    std::string key(record->text, parts.keyLength);
    for (const std::string& wanted : keys) {
      if (Equal(key, wanted)) {
        auto [earlier, isFirst] = firstLine.emplace(wanted, LineOf(record));
        if (!isFirst) {
          out->push_back({LineOf(record),
                          "\"" + wanted + "\" is set again: only the first (line " +
                              std::to_string(earlier->second) + ") is read, so this value is ignored",
                          "delete one of the two lines"});
        }
      } else if (Equal(Trim(key), wanted)) {
        out->push_back({LineOf(record),
                        Quoted(record->text) + " sets the key " + Quoted(key) +
                            ", not \"" + wanted + "\": blanks and tabs around a key count",
                        "write it as " + wanted + "=" + std::string(parts.value, parts.valueLength)});
      }
    }
  }
}

void CheckedSettingsFile::CheckPieces(std::vector<Warning>* out) const {
  std::size_t index = 0, cutLines = 0, firstCut = 0;
  for (const IniLine* record = document_.FirstLine(); record; record = record->next, ++index) {
    if (index >= origins_.size()) break;
    const Origin& origin = origins_[index];
    if (origin.cutAtNul && cutLines++ == 0) firstCut = origin.line;
    if (origin.pieceOfLine != 1) continue;
    std::size_t length = 0;
    for (std::size_t i = index - 1; i < origins_.size() && origins_[i].line == origin.line; ++i) {
      length += origins_[i].rawLength;
    }
    out->push_back({origin.line,
                    "line " + std::to_string(origin.line) + " is " + std::to_string(length) +
                        " characters long; from character " + std::to_string(kPieceLength + 1) +
                        " on it is read as a separate " + KindName(record->kind) + " line " +
                        Quoted(record->text),
                    "keep every line within " + std::to_string(kPieceLength) + " characters"});
  }
  if (cutLines > 0) {
    std::string more = cutLines > 1 ? " (and on " + std::to_string(cutLines - 1) + " more lines)" : "";
    out->push_back({firstCut, "a NUL byte ends the line early" + more + ": what follows it on the line is not read",
                    "remove the NUL bytes; a file saved as UTF-16 (\"Unicode\") has them everywhere: "
                    "save it as ANSI or UTF-8"});
  }
}

void CheckedSettingsFile::CheckEndOfFile(std::vector<Warning>* out) const {
  if (ctrlZLine_ == 0 || linesAfterCtrlZ_ == 0) return;
  out->push_back({ctrlZLine_,
                  "a Ctrl-Z byte ends the file here: " + std::to_string(linesAfterCtrlZ_) +
                      (linesAfterCtrlZ_ == 1 ? " line" : " lines") + " of text after it are not read",
                  "remove the Ctrl-Z byte (0x1A)"});
}

}  // namespace brindoka
