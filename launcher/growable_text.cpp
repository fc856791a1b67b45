#include "launcher/growable_text.h"

#include <cstdint>
#include <cstring>

#include "ini/memory.h"

namespace brindoka {

GrowableText::~GrowableText() { ReleaseMemory(data_); }

bool GrowableText::Reserve(std::size_t length) {
  if (length < capacity_) return true;
  if (length > SIZE_MAX / 4) return false;  // doubling below must not overflow
  std::size_t capacity = capacity_ < 64 ? 64 : capacity_;
  while (capacity <= length) capacity *= 2;
  void* grown = ResizeMemory(data_, capacity);
  if (grown == nullptr) return false;
  data_ = static_cast<char*>(grown);
  capacity_ = capacity;
  return true;
}

void GrowableText::Append(const char* text) { Append(text, std::strlen(text)); }

void GrowableText::Append(const char* text, std::size_t length) {
  if (failed_ || length > SIZE_MAX / 4 || !Reserve(length_ + length)) {
    failed_ = true;
    return;
  }
  std::memcpy(data_ + length_, text, length);
  length_ += length;
  data_[length_] = '\0';
}

}  // namespace brindoka
