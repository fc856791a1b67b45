// IniDocument: one INI-style settings file held in memory as a doubly linked
// list of its lines, with section-and-key lookups.
//
// Reading
//   The file is read once, sequentially, in pieces of at most 254 characters
//   (kPieceLength). Each piece up to its line feed becomes one line record; a
//   longer physical line becomes several records, each classified on its own.
//   Text-mode rules are applied by the library itself and are the same on
//   every platform (see text_piece_reader.h): CR LF reads as LF, a lone CR
//   stays in the line, byte 0x1A ends the file, and a NUL ends the text of its
//   line (the rest of that piece is dropped). The file is opened read-only and
//   without denying other processes any access.
//
// Classification (once, while reading)
//   Only the part of a line before its first ";" is looked at:
//     both a "[" and a "]" anywhere, in any order   -> Header
//     otherwise an "="                              -> Entry
//     otherwise (blank, comment, anything else)     -> Other
//   So "name=[x]" is a header, and "key ; =x" is not an entry.
//
// Lookup rules
//   - Names are compared byte by byte after upper-casing the ASCII letters
//     a-z only; bytes from 0x80 up are compared as they are.
//   - A header line is compared whole against "[" + section + "]": blanks
//     inside or after the brackets and a comment on the header line all make
//     it a different header.
//   - An entry's key is everything before its first "=", blanks included, so
//     "client = x" has the key "client ". Its value is everything after that
//     "=" up to the first ";" or the end of the line, blanks included.
//   - Only the first header that matches counts; only the first matching key
//     below it counts. Entries before the first header are never found.
//   - The section ends at the next header line (which includes any entry
//     whose text holds both brackets before its ";").
//   - A UTF-8 byte-order mark is not skipped: it is part of the first line, so
//     a file that starts with one never finds a section on its first line.
//     Windows' own profile functions treat such files the same way.
//
// Limits
//   - Lines are stored in pieces of at most 254 characters (see above).
//   - Section names, keys and header lines are compared whole, whatever their
//     length: a long name never matches by being cut.
//   - Keys, values and comments are passed whole: the longest a piece can
//     carry (253 characters) fits every field below and the value buffer.
//   - No lookup allocates memory. Reading takes one record and one text per
//     piece from the document's line blocks (kLineBlockSize) and fails
//     cleanly (Read returns 0, document empty) when memory runs out.
//
// Lifetime
//   GetString returns either a pointer into the document's single value
//   buffer, valid until the next successful GetString or the document's end,
//   or the caller's own default pointer. Lines and lookups are valid while the
//   document holds lines; Clear, Close, a new Read or destruction end them.
#ifndef BRINDOKA_INI_INI_DOCUMENT_H
#define BRINDOKA_INI_INI_DOCUMENT_H

#include <cstddef>
#include <cstdio>

namespace brindoka {

// Longest piece of a line stored in one record (a read limit of 255 bytes
// including the terminating NUL).
constexpr std::size_t kPieceLength = 254;

// Width of every text field: holds any piece with its NUL.
constexpr std::size_t kTextFieldSize = 256;

// Line records and their texts are taken from blocks of this many bytes that
// the document allocates as it needs them and frees together: one allocation
// per block rather than two per line keeps reading fast where the system's
// allocator is slow.
constexpr std::size_t kLineBlockSize = 32768;

enum class LineKind : unsigned char {
  Unclassified = 0,  // just appended, not classified yet
  Header = 1,
  Entry = 2,
  Other = 3,
};

struct IniLine {
  LineKind kind;
  char* text;  // owned; the line as read, without its line feed
  IniLine* previous;
  IniLine* next;
};

// Where and what a found entry is.
struct EntryLocation {
  IniLine* sectionLine;  // the matched header, or none
  IniLine* entryLine;    // the matched entry, or none
  char key[kTextFieldSize];      // key as written in the file
  char value[kTextFieldSize];    // after the first "=", up to ";" or the end
  char comment[kTextFieldSize];  // from the ";" (included) to the end
};

class IniDocument {
 public:
  IniDocument() = default;
  ~IniDocument();
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // Reads the file at path (may be none). Returns 1 when the file was opened
  // and read to its end (a read error ends it the same way), 0 when there was
  // no path, it could not be opened (a directory cannot) or memory ran out;
  // on 0 the document is empty. After running out of memory the file stays
  // open until Close, a new Read or destruction.
  int Read(const char* path);

  // Frees every line. The value buffer and the open file are left alone.
  void Clear();

  // Clear, then closes a file left open by a failed Read.
  void Close();

  // The first header line equal to "[name]", or none.
  IniLine* FindSection(const char* name) const;

  // True when the key is found in the section; fills the location.
  bool FindEntry(const char* section, const char* key,
                 EntryLocation* location) const;

  // The value of the key in the section (in the value buffer), or the caller's
  // default pointer itself. Returns the default at once when any argument is
  // none.
  const char* GetString(const char* section, const char* key,
                        const char* defaultValue);

  IniLine* FirstLine() const { return firstLine_; }
  IniLine* LastLine() const { return lastLine_; }
  bool HasOpenFile() const { return openFile_ != nullptr; }

 private:
  struct LineBlock;

  // Appends an unclassified record; on running out of memory clears the
  // whole list and yields none.
  IniLine* Append();
  // size bytes, aligned for a record, from the document's blocks; none when
  // memory ran out.
  void* TakeLineMemory(std::size_t size);
  void CloseFile();

  IniLine* firstLine_ = nullptr;
  IniLine* lastLine_ = nullptr;
  char valueBuffer_[kTextFieldSize] = {};
  std::FILE* openFile_ = nullptr;
  LineBlock* blocks_ = nullptr;  // newest first; they hold every line
};

// Classification of one line's text (exposed for tests and tools).
LineKind ClassifyLine(const char* text);

// An entry line's text as lookups see it: the key as written is the first
// keyLength bytes; the value runs to the first ";" or the end; the comment is
// the rest, from the ";".
struct EntryText {
  std::size_t keyLength;
  const char* value;
  std::size_t valueLength;
  const char* comment;
};

// False when the text has no "=" before its first ";".
bool ParseEntryText(const char* text, EntryText* parts);

// Whether `length` bytes of text are the name, compared as lookups compare
// names: ASCII letters without regard to case, every other byte as it is.
bool NamesEqual(const char* text, std::size_t length, const char* name);

}  // namespace brindoka

#endif  // BRINDOKA_INI_INI_DOCUMENT_H
