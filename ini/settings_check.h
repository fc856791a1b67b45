// Explains the lookup rules on a real file: a settings file read exactly as
// the launcher reads it, each line record traced back to its line in the
// file, and the near misses found: lines that look right to a person but
// that the rules of ini_document.h read differently. For tools, not for the
// launcher itself (this part uses the standard library freely).
#ifndef BRINDOKA_INI_SETTINGS_CHECK_H
#define BRINDOKA_INI_SETTINGS_CHECK_H

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "ini/ini_document.h"

namespace brindoka {

struct Warning {
  std::size_t line;     // 1-based line in the file; 0 when none applies
  std::string message;  // what the launcher will do, and why
  std::string fix;      // one line on how to mend it
};

class CheckedSettingsFile {
 public:
  // Reads the file as the launcher does. False when it cannot be opened.
  bool Read(const std::string& path);

  const IniDocument& Document() const { return document_; }
  // The file's line that holds the record (its first line for a piece of a
  // long line); 0 for none.
  std::size_t LineOf(const IniLine* record) const;

  // The near misses of the lookup rules, for a section and the keys the
  // program looks up in it, in the order of the lines.
  std::vector<Warning> NearMisses(const std::string& section,
                                  const std::vector<std::string>& keys) const;

 private:
  // Where one record (one piece of a line) came from.
  struct Origin {
    std::size_t line;
    std::size_t pieceOfLine;  // 0 for the first piece of its line
    std::size_t rawLength;    // before a NUL cut it, without the line feed
    bool cutAtNul;
  };

  void TraceRecords(const std::string& path);
  void ScanRawBytes(const std::string& path);
  void CheckHeaders(const std::string& section, std::vector<Warning>* out) const;
  void CheckSection(const std::string& section,
                    const std::vector<std::string>& keys,
                    std::vector<Warning>* out) const;
  void CheckPieces(std::vector<Warning>* out) const;
  void CheckEndOfFile(std::vector<Warning>* out) const;
  const Origin* OriginOf(const IniLine* record) const;

  IniDocument document_;
  std::vector<Origin> origins_;  // one per record, in order
  std::unordered_map<const IniLine*, std::size_t> recordIndex_;
  bool byteOrderMark_ = false;
  std::size_t ctrlZLine_ = 0;       // 0: no Ctrl-Z
  std::size_t linesAfterCtrlZ_ = 0; // lines with text that it hides
};

}  // namespace brindoka

#endif
