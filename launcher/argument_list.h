// The Windows argument splitting as a list of strings, for tools, tests and
// fuzzers (the launchers themselves do without the standard containers).
#ifndef BRINDOKA_LAUNCHER_ARGUMENT_LIST_H
#define BRINDOKA_LAUNCHER_ARGUMENT_LIST_H

#include <string>
#include <vector>

#include "launcher/windows_command_line.h"

namespace brindoka {

// The arguments of text; `failed` tells whether memory ran out on the way.
inline std::vector<std::string> SplitArguments(const std::string& text,
                                               bool* failed = nullptr) {
  GrowableText buffer;
  std::size_t count = SplitWindowsArguments(text.c_str(), &buffer);
  if (failed != nullptr) *failed = buffer.Failed();
  std::vector<std::string> arguments;
  const char* next = buffer.CStr();
  for (std::size_t i = 0; i < count && !buffer.Failed(); ++i) {
    arguments.emplace_back(next);
    next += arguments.back().size() + 1;
  }
  return arguments;
}

}  // namespace brindoka

#endif
