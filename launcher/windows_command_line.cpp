#include "launcher/windows_command_line.h"

namespace brindoka {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class ArgumentSplitter {
 public:
  explicit ArgumentSplitter(const std::string& text) : text_(text) {}

  std::vector<std::string> Split() {
    std::vector<std::string> arguments;
    for (;;) {
      while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
      if (pos_ == text_.size()) return arguments;
      arguments.push_back(NextArgument());
    }
  }

 private:
  std::string NextArgument() {
    std::string argument;
    bool quoted = false;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (IsBlank(c) && !quoted) break;
      if (c == '\\') {
        TakeBackslashes(&argument);
      } else if (c == '"') {
        if (quoted && At(pos_ + 1) == '"') {
          argument += '"';  // "" inside quotes: one literal quote
          ++pos_;
        } else {
          quoted = !quoted;
        }
        ++pos_;
      } else {
        argument += c;
        ++pos_;
      }
    }
    return argument;
  }

  // A run of backslashes; one before a quote escapes it when the run is odd.
  void TakeBackslashes(std::string* argument) {
    std::size_t count = 0;
    while (At(pos_) == '\\') {
      ++count;
      ++pos_;
    }
    if (At(pos_) != '"') {
      argument->append(count, '\\');
      return;
    }
    argument->append(count / 2, '\\');
    if (count % 2 == 1) {
      *argument += '"';
      ++pos_;
    }
  }

  char At(std::size_t index) const {
    return index < text_.size() ? text_[index] : '\0';
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> SplitWindowsArguments(const std::string& parameters) {
  return ArgumentSplitter(parameters).Split();
}

}  // namespace brindoka
