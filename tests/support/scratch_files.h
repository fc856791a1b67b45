// A fresh, empty directory per test, with helpers to write settings files
// into it byte for byte.
#ifndef BRINDOKA_TESTS_SUPPORT_SCRATCH_FILES_H
#define BRINDOKA_TESTS_SUPPORT_SCRATCH_FILES_H

#include <string>

namespace brindoka::testing {

class ScratchDirectory {
 public:
  ScratchDirectory();  // named after the running test
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& Path() const { return path_; }
  // The path of name inside the directory.
  std::string File(const std::string& name) const;
  // Writes bytes exactly (binary) to name inside the directory; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// True when this process holds the file open: on Windows the file then
// cannot be renamed (it was opened without delete sharing); elsewhere one of
// the process's descriptors leads to it.
bool FileIsOpen(const std::string& path);

}  // namespace brindoka::testing

#endif
