// A growable 8-bit, NUL-terminated string that reports running out of memory
// instead of throwing: once an append fails the text is marked failed and
// stays so, so a caller can build a whole text and check once at the end.
#ifndef BRINDOKA_LAUNCHER_GROWABLE_TEXT_H
#define BRINDOKA_LAUNCHER_GROWABLE_TEXT_H

#include <cstddef>

namespace brindoka {

class GrowableText {
 public:
  GrowableText() = default;
  ~GrowableText();
  GrowableText(const GrowableText&) = delete;
  GrowableText& operator=(const GrowableText&) = delete;

  void Append(const char* text);
  void Append(const char* text, std::size_t length);
  void Append(const GrowableText& text) { Append(text.CStr(), text.Length()); }

  const char* CStr() const { return data_ != nullptr ? data_ : ""; }
  std::size_t Length() const { return length_; }
  bool Failed() const { return failed_; }

 private:
  bool Reserve(std::size_t length);

  char* data_ = nullptr;
  std::size_t length_ = 0;
  std::size_t capacity_ = 0;  // bytes held, the NUL included
  bool failed_ = false;
};

}  // namespace brindoka

#endif
