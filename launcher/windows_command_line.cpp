#include "launcher/windows_command_line.h"

namespace brindoka {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class ArgumentSplitter {
 public:
  ArgumentSplitter(const char* text, GrowableText* out) : at_(text), out_(out) {}

  std::size_t Split() {
    std::size_t count = 0;
    for (;;) {
      while (IsBlank(*at_)) ++at_;
      if (*at_ == '\0') return count;
      TakeArgument();
      out_->Append("", 1);  // the argument's NUL
      ++count;
    }
  }

 private:
  void TakeArgument() {
    bool quoted = false;
    while (*at_ != '\0' && (quoted || !IsBlank(*at_))) {
      if (*at_ == '\\') {
        TakeBackslashes();
      } else if (*at_ == '"') {
        if (quoted && at_[1] == '"') {
          out_->Append("\"", 1);  // "" inside quotes: one literal quote
          ++at_;
        } else {
          quoted = !quoted;
        }
        ++at_;
      } else {
        out_->Append(at_++, 1);
      }
    }
  }

  // A run of backslashes; one before a quote escapes it when the run is odd.
  void TakeBackslashes() {
    std::size_t count = 0;
    while (*at_ == '\\') {
      ++count;
      ++at_;
    }
    if (*at_ != '"') {
      AppendBackslashes(count);
      return;
    }
    AppendBackslashes(count / 2);
    if (count % 2 == 1) {
      out_->Append("\"", 1);
      ++at_;
    }
  }

  void AppendBackslashes(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out_->Append("\\", 1);
  }

  const char* at_;
  GrowableText* out_;
};

}  // namespace

std::size_t SplitWindowsArguments(const char* parameters,
                                  GrowableText* arguments) {
  return ArgumentSplitter(parameters, arguments).Split();
}

}  // namespace brindoka
