// Section-and-key lookups. Nothing here allocates: names are compared in
// place, whole, so no text is cut and no pattern buffer can overrun.
#include <cstring>

#include "ini/ini_document.h"

namespace brindoka {
namespace {

unsigned char UpperAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A')
                                : c;
}

// True when the whole line equals "[" + name + "]", ASCII case ignored.
bool IsHeaderFor(const char* line, const char* name) {
  if (*line++ != '[') return false;
  for (; *name != '\0'; ++line, ++name) {
    // The line's NUL differs from any byte of the name.
    if (UpperAscii(static_cast<unsigned char>(*line)) !=
        UpperAscii(static_cast<unsigned char>(*name))) {
      return false;
    }
  }
  return line[0] == ']' && line[1] == '\0';
}

// Copies length bytes and a NUL into a field; false when they do not fit.
// Pieces are at most kPieceLength long, so every part of one fits.
bool CopyField(char (&field)[kTextFieldSize], const char* from,
               std::size_t length) {
  if (length >= kTextFieldSize) return false;
  std::memcpy(field, from, length);
  field[length] = '\0';
  return true;
}

// Matches one entry line against the key; fills key, value and comment.
bool MatchEntry(const char* text, const char* key, EntryLocation* location) {
  EntryText parts;
  if (!ParseEntryText(text, &parts) || !NamesEqual(text, parts.keyLength, key)) {
    return false;
  }
  return CopyField(location->key, text, parts.keyLength) &&
         CopyField(location->value, parts.value, parts.valueLength) &&
         CopyField(location->comment, parts.comment, std::strlen(parts.comment));
}

}  // namespace

bool NamesEqual(const char* text, std::size_t length, const char* name) {
  for (std::size_t i = 0; i < length; ++i) {
    unsigned char n = static_cast<unsigned char>(name[i]);
    if (n == '\0' ||
        UpperAscii(static_cast<unsigned char>(text[i])) != UpperAscii(n)) {
      return false;
    }
  }
  return name[length] == '\0';
}

bool ParseEntryText(const char* text, EntryText* parts) {
  // The content ends at the first ";"; the key ends at the first "=" before.
  const char* equals = nullptr;
  const char* end = text;
  for (; *end != '\0' && *end != ';'; ++end) {
    if (equals == nullptr && *end == '=') equals = end;
  }
  if (equals == nullptr) return false;
  *parts = EntryText{static_cast<std::size_t>(equals - text), equals + 1,
                     static_cast<std::size_t>(end - equals - 1), end};
  return true;
}

IniLine* IniDocument::FindSection(const char* name) const {
  if (name == nullptr) return nullptr;
  for (IniLine* line = firstLine_; line != nullptr; line = line->next) {
    if (line->kind == LineKind::Header && IsHeaderFor(line->text, name)) {
      return line;
    }
  }
  return nullptr;
}

bool IniDocument::FindEntry(const char* section, const char* key,
                            EntryLocation* location) const {
  location->sectionLine = nullptr;
  location->entryLine = nullptr;
  IniLine* header = key != nullptr ? FindSection(section) : nullptr;
  if (header == nullptr) return false;
  location->sectionLine = header;
  location->key[0] = location->value[0] = location->comment[0] = '\0';

  for (IniLine* line = header->next; line != nullptr; line = line->next) {
    if (line->kind == LineKind::Header ||
        line->kind == LineKind::Unclassified) {
      return false;  // the section ends here
    }
    if (line->kind == LineKind::Entry && MatchEntry(line->text, key, location)) {
      location->entryLine = line;
      return true;
    }
  }
  return false;
}

const char* IniDocument::GetString(const char* section, const char* key,
                                   const char* defaultValue) {
  if (section == nullptr || key == nullptr || defaultValue == nullptr) {
    return defaultValue;
  }
  EntryLocation location;
  if (!FindEntry(section, key, &location)) return defaultValue;
  std::memcpy(valueBuffer_, location.value, std::strlen(location.value) + 1);
  return valueBuffer_;
}

}  // namespace brindoka
